// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The effectif and category in words, the same in the window, on paper and on the command line:
//   calculZone      one zone's persons and how they were counted ("200 m² × 1 / 3 m² = 66,67")
//   MotsEffectif    the levels, the classes against their thresholds, the group and category
//                   with their reason, the exit rule, the warnings, the texts' dates
//   jsonEffectif    the object --effectif --json writes
#pragma once

#include "Effectif.h"
#include "Tableau.h"

QString calculZone(const Zone &zone);

struct MotsEffectif
{
    // Niveau, public exact, public rounded up once, staff, effectif.
    Tableau niveaux;
    // Sous-sol, étages, total: public, threshold, reached or not.
    Tableau classes;
    // "187 personnes : 167 du public et 20 du personnel"
    QString effectif;
    // Which row of thresholds applies, and why.
    QString seuils;
    // "1er groupe, 4e catégorie : …"
    QString categorie;
    // The rule that sizes the exits, and what it asks.
    QString regle;
    // "Avertissement (M 2) : …"
    QStringList avertissements;
    // Each density used, its article and the text it follows: the texts change.
    QStringList textes;

    // Thresholds, effectif, category and exit rule, one line each, as every layout shows them.
    QStringList bilan() const;
};

MotsEffectif motsEffectif(const EntreeEffectif &entree, const ResultatEffectif &resultat);

QString jsonEffectif(const ResultatEffectif &resultat);
