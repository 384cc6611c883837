// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A printed study of several pages, shared by every tool's printout. Lines have fixed heights
// and text is wrapped by a conservative character count, so that where pages break depends
// only on what is printed, never on the printer nor on the fonts installed:
//   Document            a title, section headings, paragraphs and tables, in order
//   Document::Colonne   a table column: its heading and its width in twips
//   Document::imprimer  cut into pages, each headed with the product, its version, the date and
//                       "page n / N"; a table continued on a new page repeats its headings
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class Imprimante;
class QDate;
struct Tableau;

class Document
{
public:
    struct Colonne
    {
        QString entete;
        int largeur = 0;
    };

    // Width of the text, in twips.
    static constexpr int Largeur = 9600;
    // Every page is laid out in this frame, in twips from the printable area's top-left corner,
    // so that the printout and the PDF break at the same lines: 7 × 10 in, within A4 and US
    // Letter less 12.7 mm on each side.
    static constexpr QSize Cadre { 10080, 14400 };

    void titre(const QString &texte);
    // Kept on the same page as what follows it.
    void intertitre(const QString &texte);
    void texte(const QString &texte);
    // Each row's cells in its column, wrapped to the column's width; a row is never split.
    void tableau(const QList<Colonne> &colonnes, const QList<QStringList> &lignes);
    // A result's table, its columns of these widths in twips.
    void tableau(const Tableau &contenu, const QList<int> &largeurs);

    int nombrePages(int hauteurPage) const;
    void imprimer(Imprimante &page, const QDate &date) const;

private:
    struct Morceau
    {
        int x = 0;
        QString texte;
    };
    // What is never split across pages: a heading, a paragraph, a table row.
    struct Bloc
    {
        int taille = 0;
        QList<QList<Morceau>> lignes;
        int espaceAvant = 0;
        bool lieAuSuivant = false;
        // The headings row a table row repeats at the top of a new page; -1 if none.
        int entete = -1;

        int hauteur() const;
    };
    struct Place
    {
        int bloc = 0;
        int y = 0;
    };
    using Page = QList<Place>;

    QList<Page> paginer(int hauteurPage) const;
    void ajouterCellules(Bloc &bloc, const QList<Colonne> &colonnes, const QStringList &cellules);

    QList<Bloc> m_blocs;
};
