// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// From the zones of a building to its effectif, its group and category, and the exit rule that
// follows (GN 1, GN 2, PE 2, R143-19 and the types' articles 1 and 2), in exact integers:
//   DenominateurZone    every zone's public is a numerator over this common denominator
//   Zone                one zone as entered: level, nature, quantity (and declared seats)
//   numerateurZone      its public over DenominateurZone; minimumApplique: seats raised
//   EntreeEffectif      the zones and the two options that change a row of thresholds
//   Seuils, Classes     a row of PE 2 §1 thresholds; a public by class (sous-sol, étages, total)
//   NiveauEffectif      one level's exact public, rounded public and staff
//   ResultatEffectif    levels, classes, group, category, exit rule and what it asks, warnings
//   calculerEffectif    the whole building, or why it cannot be counted
#pragma once

#include "Avertissement.h"
#include "Cinquieme.h"
#include "Exigence.h"
#include "Lecture.h"
#include "Natures.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// The least common multiple of every divisor of the densities, so that every numerator is whole.
inline constexpr qint64 DenominateurZone = 90000;

struct Zone
{
    // RDC 0, R+k +k, SSk −k.
    int niveau = 0;
    const Nature *nature = nullptr;
    // Hundredths of m², mm or a count, by the nature's unit; the area for PlacesSurface.
    qint64 quantite = 0;
    // PlacesSurface only: the declared seats.
    qint64 places = 0;
};

// The zone's public times DenominateurZone, exact; 0 for the staff. PlacesSurface: the seats,
// but never less than the area's minimum.
qint64 numerateurZone(const Zone &zone);
// PlacesSurface only: the seats are below the exact minimum of the area, which then counts.
bool minimumApplique(const Zone &zone);

struct EntreeEffectif
{
    QList<Zone> zones;
    // Projection, spectacles or cabarets (L 1 §1 c, d): the stricter L row.
    bool spectacle = false;
    // Rooms where the public sleeps (GN 1 §4): the R row of sleeping rooms; no PE 2 §3.
    bool sommeil = false;
};

struct Seuils
{
    // None where the row has no figure ("–" in PE 2's table).
    std::optional<qint64> sousSol;
    std::optional<qint64> etages;
    qint64 total = 0;
    // "L 1 §2", "M 1 §1", "PE 2" (R with sleeping rooms), "GN 2 §2" (several types) …
    QString article;
};

struct Classes
{
    qint64 sousSol = 0;
    qint64 etages = 0;
    qint64 total = 0;
};

// Which figures of a row of Seuils a public reaches (≥).
struct Atteints
{
    bool sousSol = false;
    bool etages = false;
    bool total = false;
};

struct NiveauEffectif
{
    int indice = 0;
    // Σ of its public zones' numerators, all types.
    qint64 numerateur = 0;
    // The numerator over DenominateurZone, rounded up once.
    qint64 public_ = 0;
    qint64 personnel = 0;
};

struct ResultatEffectif
{
    // numerateurZone of each zone, in the order given.
    QList<qint64> numerateurs;
    // The levels given, from the highest floor down to the deepest basement.
    QList<NiveauEffectif> niveaux;
    // The type letters of the public zones, even of zero quantity, alphabetical.
    QStringList types;
    // Sums of rounded levels; by type, each level rounded for that type alone.
    Classes public_;
    QMap<QString, Classes> publicParType;
    qint64 personnel = 0;
    // Public + staff.
    qint64 effectif = 0;
    // The type's row, or GN 2 §2's 50 / 100 / 200 for several types.
    Seuils seuils;
    Atteints atteints;
    // Several types: those that, counted alone, reach their own row (GN 2 §2: 4th at least).
    QStringList typesSeuls;
    int groupe = 2;
    int categorie = 5;
    // "CO 38", "PE 11", "CO 38 §1 d" or "PE 2 §3".
    QString regle;
    // CO 38 and CO 38 §1 d: what the effectif asks.
    std::optional<Exigence> exigence;
    // 5th category: PE 11 (or why it does not apply) for the public and the staff.
    std::optional<ResultatCinquieme> cinquieme;
    // M 2, N 2, L 1, L 3, T 1, O 1, R 1, GN 2, GN 1, in that order, each at most once.
    QList<Avertissement> avertissements;
};

// Refused, with a French phrase starting in lower case: no public zone; a zone without a nature
// or with a quantity no reader gives; a level's public, the staff or the effectif above
// 2 147 483 647.
Lu<ResultatEffectif> calculerEffectif(const EntreeEffectif &entree);
