// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Vérifier des dégagements" window: an effectif and the exits as measured, and whether
// they suffice (CO 36, CO 38 §1, CO 43 §3, CO 44), at every edit.
#pragma once

#include "FenetreEtude.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

class FenetreLargeurs : public FenetreEtude
{
    Q_OBJECT

public:
    static constexpr char NomMenu[] = "Largeurs";
    static constexpr char16_t TexteMenu[] = u"&Vérifier des dégagements…";

    FenetreLargeurs();

    void ajouterSortie();
    void retirerSortie();

protected:
    Etude etude() const override;
    void afficherEtude(const Etude &lue) override;
    std::function<void(Imprimante &)> pages() const override;

private:
    QVBoxLayout *creerSaisie();
    QVBoxLayout *creerResultats();
    void insererSortie(int ligne, const SaisieSortie &saisie);
    void recalculer();

    // What the person types.
    QLineEdit *m_effectif = nullptr;
    QCheckBox *m_escalierUnique = nullptr;
    QTableWidget *m_sorties = nullptr;
    QPushButton *m_ajouter = nullptr;
    QPushButton *m_retirer = nullptr;

    // What follows from it.
    QLabel *m_bilan = nullptr;
};

template <> struct FenetreDe<EtudeLargeurs>
{
    using Type = FenetreLargeurs;
};
