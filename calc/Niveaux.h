// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A whole building, level by level: CO 38 §2 (stairs carry the levels they serve), CO 39
// (a deep basement's effectif raised) and CO 40 (maximum burial). Pure functions over persons
// and millimetres:
//   nomNiveau / lireNomNiveau   index ↔ "RDC", "R+k", "SSk" (0 RDC, +k floors, −k basements)
//   effectifTheorique           CO 39 §2 for one basement, and how it was obtained
//   Niveau                      one level as entered (a value that could not be read is none)
//   ResultatNiveaux             each level's row, each flight's row, the warnings
//   calculerNiveaux             the whole building
#pragma once

#include "Avertissement.h"
#include "Exigence.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

QString nomNiveau(int indice);
// "RDC", "R+1" … "R+99", "SS1" … "SS9"; none for anything else.
std::optional<int> lireNomNiveau(QStringView texte);

struct EffectifTheorique
{
    qint64 valeur = 0;
    // "150 → 200 + 20 % = 240" when CO 39 raised it; empty when it did not apply.
    QString calcul;
};
// CO 39 §2 for a basement of `effectif` persons whose lowest public point lies `profondeurMm`
// below the average level of the sills of the exits to the outside.
EffectifTheorique effectifTheorique(qint64 effectif, qint32 profondeurMm);

struct Niveau
{
    int indice = 0;
    std::optional<qint64> effectif;
    // Basements only.
    std::optional<qint32> profondeurMm;
};

struct LigneNiveau
{
    int indice = 0;
    std::optional<qint64> effectif;
    std::optional<qint32> profondeurMm;
    // None where the level (or, for a basement, its depth) could not be read.
    std::optional<EffectifTheorique> retenu;
    std::optional<Exigence> exigence;
};

struct LigneEscalier
{
    // The level the flight serves: R+k down to R+(k−1), or SSk up to SS(k−1) or the RDC.
    int desservant = 0;
    // Σ of the retained effectifs it carries, and of the real ones; none if one is unknown.
    std::optional<qint64> cumule;
    std::optional<qint64> reel;
    std::optional<Exigence> exigence;
};

struct ResultatNiveaux
{
    // From the top floor down to the deepest basement, levels missing in between as 0.
    QList<LigneNiveau> niveaux;
    // Floors from the top down to R+1, then basements from SS1 down.
    QList<LigneEscalier> escaliers;
    QList<Avertissement> avertissements;
};

// Levels in any order, each index at most once.
ResultatNiveaux calculerNiveaux(const QList<Niveau> &niveaux);
