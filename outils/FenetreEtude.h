// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every study window shares, whatever it studies:
//   FenetreEtude   a top-level window over one study: its file and unsaved mark in the caption,
//                  "Ouvrir…", "Enregistrer" (in place once it has a file), "Enregistrer sous…",
//                  "Imprimer", "Exporter en PDF…", and the question before unsaved changes would be
//                  lost (closing, opening another, quitting)
//   FenetreDe      the window that shows a kind of study, named by that window's own header
#pragma once

#include "Etude.h"

#include <QWidget>
#include <functional>

class Imprimante;
class QAction;
class QHBoxLayout;
class QPushButton;

// Specialised beside each study window: FenetreDe<EtudeNiveaux>::Type is FenetreNiveaux.
template <class TypeEtude> struct FenetreDe;

class FenetreEtude : public QWidget
{
    Q_OBJECT

public:
    // Shows `etude`, read from `chemin` (empty for a new study), in place of the current study;
    // nothing is unsaved.
    void charger(const QString &chemin, const Etude &etude);
    // Shows `etude` as a new study, not saved yet: numbers handed on by another tool.
    void nouvelle(const Etude &etude);
    // Reads `chemin` into the window; a damaged, foreign or newer file is refused with a
    // warning and the study shown stays as it was.
    bool ouvrirFichier(const QString &chemin);

    // Unsaved changes are offered to be saved: true once the study may be dropped (saved, or
    // the person answered Non), false when it must stay.
    bool peutAbandonner();
    // Asks every open study window in turn; false as soon as one must stay.
    static bool toutesPeuventAbandonner();

    void ouvrir();
    // In its file; the first time, in the file the person chooses.
    bool enregistrer();
    bool enregistrerSous();
    void imprimer();
    void exporterPdf();

protected:
    FenetreEtude(const char *nom, const QString &titre);

    // The study as the person typed it, and the reverse.
    virtual Etude etude() const = 0;
    virtual void afficherEtude(const Etude &etude) = 0;
    // The pages of the study as it is now. They must not refer to the window: the print path
    // may draw them once the window is gone.
    virtual std::function<void(Imprimante &)> pages() const = 0;

    // To call after every edit: the caption shows whether the study differs from its file.
    void etudeModifiee();
    // The row of commands on the whole study, created where the window places it, so that the
    // tab order follows the layout.
    QHBoxLayout *creerCommandes();
    // A push button named `nom` whose caption is also its accessible name, for a layout of the
    // window to place.
    QPushButton *bouton(const char *nom, const QString &texte, const QString &description);

    void closeEvent(QCloseEvent *evenement) override;

private:
    QAction *commande(const char *nom, const QString &texte, const QKeySequence &raccourci,
        const QString &description, QHBoxLayout *rangee);
    // A file to write, from the dialog, with `extension` added when the person typed none.
    QString choisirFichier(const QString &titre, const QString &propose, const QString &filtre,
        const QString &extension);
    bool enregistrerDans(const QString &chemin);
    void mettreTitre();

    const QString m_titre;
    QString m_chemin;
    // The study as last read or written: the caption's mark is any difference from it.
    Etude m_enregistree;
    QAction *m_imprimer = nullptr;
};
