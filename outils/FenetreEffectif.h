// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Effectif et catégorie" window: a building's zones as typed (level and nature chosen, the
// quantity typed), and at every edit each zone's persons with their working, each level's public,
// the classes against their thresholds, the group and category, the exit rule and the warnings;
// the levels' effectifs handed on to "Niveaux et escaliers", public and staff to "5e catégorie".
#pragma once

#include "FenetreEtude.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

class FenetreEffectif : public FenetreEtude
{
    Q_OBJECT

public:
    static constexpr char NomMenu[] = "Effectif";
    static constexpr char16_t TexteMenu[] = u"&Effectif et catégorie…";

    FenetreEffectif();

    void ajouterZone();
    void retirerZone();
    // Each level's public and staff as a new "Niveaux et escaliers" study, once that window's
    // unsaved changes are dealt with.
    void versNiveaux();
    // Public, staff and sleeping rooms into "5e catégorie (PE 11)", when PE 11 sizes the exits.
    void versCinquieme();

protected:
    Etude etude() const override;
    void afficherEtude(const Etude &lue) override;
    std::function<void(Imprimante &)> pages() const override;

private:
    QVBoxLayout *creerSaisie();
    QVBoxLayout *creerResultats();
    void insererZone(int ligne, const SaisieZone &saisie);
    void recalculer();

    // What the person types.
    QTableWidget *m_zones = nullptr;
    QPushButton *m_ajouter = nullptr;
    QPushButton *m_retirer = nullptr;
    QCheckBox *m_spectacle = nullptr;
    QCheckBox *m_sommeil = nullptr;

    // What follows from it.
    QTableWidget *m_niveaux = nullptr;
    QTableWidget *m_classes = nullptr;
    QLabel *m_bilan = nullptr;
    QListWidget *m_avertissements = nullptr;
    QListWidget *m_textes = nullptr;
    QPushButton *m_versNiveaux = nullptr;
    QPushButton *m_versCinquieme = nullptr;
    // What the buttons hand on: the last result computed.
    std::optional<ResultatEffectif> m_resultat;
};

template <> struct FenetreDe<EtudeEffectif>
{
    using Type = FenetreEffectif;
};
