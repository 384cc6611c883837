// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Niveaux et escaliers" window: a building's levels as typed, from the top floor down to
// the deepest basement, and what CO 38 §2, CO 39 and CO 40 make of them, at every edit.
#pragma once

#include "FenetreEtude.h"

class QListWidget;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

class FenetreNiveaux : public FenetreEtude
{
    Q_OBJECT

public:
    // Its entry in the main window's "Références" menu.
    static constexpr char NomMenu[] = "Niveaux";
    static constexpr char16_t TexteMenu[] = u"&Niveaux et escaliers…";

    FenetreNiveaux();

    void ajouterEtage();
    void ajouterSousSol();
    // The top floor, or the deepest basement when the current level is a basement (or when
    // there is no floor); the RDC stays.
    void retirerNiveau();

protected:
    Etude etude() const override;
    void afficherEtude(const Etude &lue) override;
    std::function<void(Imprimante &)> pages() const override;

private:
    QVBoxLayout *creerSaisie();
    QVBoxLayout *creerResultats();
    void insererNiveau(int ligne, const SaisieNiveau &saisie);
    int indice(int ligne) const;
    // The row that "Retirer le niveau" would remove, or −1.
    int ligneARetirer() const;
    void recalculer();
    void mettreAJourBoutons();

    // What the person types.
    QTableWidget *m_saisie = nullptr;
    QPushButton *m_ajouterEtage = nullptr;
    QPushButton *m_ajouterSousSol = nullptr;
    QPushButton *m_retirer = nullptr;

    // What follows from it.
    QTableWidget *m_niveaux = nullptr;
    QTableWidget *m_escaliers = nullptr;
    QListWidget *m_avertissements = nullptr;
};

template <> struct FenetreDe<EtudeNiveaux>
{
    using Type = FenetreNiveaux;
};
