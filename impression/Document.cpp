// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Document.h"

#include "Imprimante.h"
#include "Produit.h"
#include "Tableau.h"

#include <QDate>
#include <algorithm>

namespace {

// Arial (Liberation Sans on Linux), sizes in points.
const QString Police = QStringLiteral("Arial");
constexpr int TailleEntete = 8;
constexpr int TailleTitre = 14;
constexpr int TailleIntertitre = 11;
constexpr int TailleTexte = 9;

// Left edge of the text within the printable area, and where the body starts under the header.
constexpr int Gauche = 200;
static_assert(Gauche + Document::Largeur <= Document::Cadre.width());
constexpr int DebutCorps = 700;
constexpr int EspaceIntertitre = 300;
constexpr int EspaceRangee = 40;
// Between a column's text and the next column.
constexpr int Ecart = 120;
constexpr int LignesParCase = 4;

// 1.2 em: Arial's own 1.15 em, and room for a font that stands in.
int interligne(int taille)
{
    return taille * 24;
}

// Arial's average character in French text, digits included, is about 0.5 em; what goes beyond
// a column's width runs into the space before the next.
int chasse(int taille)
{
    return taille * 10;
}

// Words to lines of at most `largeur` twips; a word too long is cut, and past `lignesMaxi` lines
// the last one ends with "…".
QStringList couper(const QString &texte, int largeur, int taille, int lignesMaxi)
{
    const int caracteres = std::max(2, largeur / chasse(taille));
    QStringList lignes;
    QString courante;
    for (QString mot : texte.simplified().split(u' ', Qt::SkipEmptyParts)) {
        if (!courante.isEmpty() && courante.size() + 1 + mot.size() <= caracteres) {
            courante += u' ' + mot;
            continue;
        }
        if (!courante.isEmpty())
            lignes << courante;
        while (mot.size() > caracteres) {
            lignes << mot.left(caracteres);
            mot.remove(0, caracteres);
        }
        courante = mot;
    }
    if (!courante.isEmpty() || lignes.isEmpty())
        lignes << courante;
    if (lignes.size() > lignesMaxi) {
        lignes.resize(lignesMaxi);
        lignes.last() = lignes.last().left(caracteres - 1) + u'…';
    }
    return lignes;
}

} // namespace

int Document::Bloc::hauteur() const
{
    return int(lignes.size()) * interligne(taille);
}

void Document::titre(const QString &texte)
{
    Bloc bloc { TailleTitre, {}, 0, true, -1 };
    for (const QString &ligne : couper(texte, Largeur, TailleTitre, LignesParCase))
        bloc.lignes << QList<Morceau> { { Gauche, ligne } };
    m_blocs << bloc;
}

void Document::intertitre(const QString &texte)
{
    Bloc bloc { TailleIntertitre, {}, EspaceIntertitre, true, -1 };
    for (const QString &ligne : couper(texte, Largeur, TailleIntertitre, LignesParCase))
        bloc.lignes << QList<Morceau> { { Gauche, ligne } };
    m_blocs << bloc;
}

void Document::texte(const QString &texte)
{
    Bloc bloc { TailleTexte, {}, EspaceRangee, false, -1 };
    for (const QString &ligne : couper(texte, Largeur, TailleTexte, LignesParCase * 4))
        bloc.lignes << QList<Morceau> { { Gauche, ligne } };
    m_blocs << bloc;
}

void Document::tableau(const QList<Colonne> &colonnes, const QList<QStringList> &lignes)
{
    int entete = -1;
    const bool titree = std::any_of(colonnes.begin(), colonnes.end(),
        [](const Colonne &colonne) { return !colonne.entete.isEmpty(); });
    if (titree) {
        Bloc bloc { TailleTexte, {}, EspaceRangee, true, -1 };
        QStringList entetes;
        for (const Colonne &colonne : colonnes)
            entetes << colonne.entete;
        ajouterCellules(bloc, colonnes, entetes);
        entete = int(m_blocs.size());
        m_blocs << bloc;
    }
    for (const QStringList &cellules : lignes) {
        Bloc bloc { TailleTexte, {}, EspaceRangee, false, entete };
        ajouterCellules(bloc, colonnes, cellules);
        m_blocs << bloc;
    }
}

void Document::tableau(const Tableau &contenu, const QList<int> &largeurs)
{
    QList<Colonne> colonnes;
    for (qsizetype rang = 0; rang < contenu.entetes.size(); ++rang)
        colonnes << Colonne { contenu.entetes[rang], largeurs.value(rang) };
    tableau(colonnes, contenu.lignes);
}

void Document::ajouterCellules(
    Bloc &bloc, const QList<Colonne> &colonnes, const QStringList &cellules)
{
    bloc.lignes.resize(1);
    int x = Gauche;
    for (qsizetype rang = 0; rang < colonnes.size(); ++rang) {
        const QString cellule = cellules.value(rang);
        if (!cellule.isEmpty()) {
            const QStringList lignes
                = couper(cellule, colonnes[rang].largeur - Ecart, bloc.taille, LignesParCase);
            if (bloc.lignes.size() < lignes.size())
                bloc.lignes.resize(lignes.size());
            for (qsizetype ligne = 0; ligne < lignes.size(); ++ligne)
                bloc.lignes[ligne] << Morceau { x, lignes[ligne] };
        }
        x += colonnes[rang].largeur;
    }
}

QList<Document::Page> Document::paginer(int hauteurPage) const
{
    QList<Page> pages(1);
    int y = DebutCorps;
    for (int rang = 0; rang < int(m_blocs.size()); ++rang) {
        const Bloc &bloc = m_blocs[rang];
        // A heading goes to the next page with what it heads.
        int besoin = bloc.espaceAvant + bloc.hauteur();
        for (int suivant = rang; m_blocs[suivant].lieAuSuivant && suivant + 1 < m_blocs.size();
             ++suivant)
            besoin += m_blocs[suivant + 1].espaceAvant + m_blocs[suivant + 1].hauteur();
        if (!pages.last().isEmpty() && y + besoin > hauteurPage) {
            pages.append(Page());
            y = DebutCorps;
            if (bloc.entete >= 0) {
                pages.last() << Place { bloc.entete, y };
                y += m_blocs[bloc.entete].hauteur();
            }
        }
        // Space above is for separating, not at the top of a page.
        if (!pages.last().isEmpty())
            y += bloc.espaceAvant;
        pages.last() << Place { rang, y };
        y += bloc.hauteur();
    }
    return pages;
}

int Document::nombrePages(int hauteurPage) const
{
    return int(paginer(hauteurPage).size());
}

void Document::imprimer(Imprimante &page, const QDate &date) const
{
    const QList<Page> pages = paginer(Cadre.height());
    const auto poser = [&page](int taille, int x, int y, const QString &texte) {
        page.setFontSize(taille);
        page.setCurrentX(x);
        page.setCurrentY(y);
        page.print(texte);
    };
    page.setFontName(Police);
    for (int numero = 1; numero <= pages.size(); ++numero) {
        if (numero > 1)
            page.nouvellePage();
        poser(TailleEntete, Gauche, 0, Produit::Titre + QStringLiteral(" v.") + Produit::Version);
        poser(TailleEntete, Gauche + Largeur / 2, 0, date.toString(QStringLiteral("dd/MM/yyyy")));
        poser(TailleEntete, Gauche + Largeur - 1200, 0,
            QStringLiteral("page %1 / %2").arg(numero).arg(pages.size()));
        for (const Place &place : pages[numero - 1]) {
            const Bloc &bloc = m_blocs[place.bloc];
            for (qsizetype ligne = 0; ligne < bloc.lignes.size(); ++ligne) {
                for (const Morceau &morceau : bloc.lignes[ligne])
                    poser(bloc.taille, morceau.x, place.y + int(ligne) * interligne(bloc.taille),
                        morceau.texte);
            }
        }
    }
}
