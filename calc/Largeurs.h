// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Existing exits checked against an effectif: CO 36 (unités de passage), CO 44 (5 % for doors),
// CO 43 §3 (doors less than 5 m apart count as one), CO 36 §3 (above 200 persons), in integer
// millimetres:
//   largeurType / upCredites   W(n), and the UP a measured width is credited, rounding down
//   raisonCredit               why, in French ("porte : 1,33 m ≥ 0,95 × 1,40 m → 2 UP")
//   Sortie, Element            an exit as measured; an exit or a CO 43 §3 group as counted
//   Verification, verifier     the verdict for an effectif, and the largest effectif allowed
#pragma once

#include "Exigence.h"

#include <QList>
#include <QString>

// Type width of n UP in mm: 900, 1400, then 600·n (beyond a qint32 for the UP a qint32 width
// can be credited); 0 for n ≤ 0.
qint64 largeurType(qint64 up);
// UP credited to a measured width; doors meet a type width within 5 % (20·w ≥ 19·W(n)).
qint64 upCredites(qint32 largeurMm, bool porte);
// `enGroupe`: one of doors counted as one (CO 43 §3), never an accessory on its own.
QString raisonCredit(qint32 largeurMm, bool porte, bool enGroupe = false);

struct Sortie
{
    qint32 largeurMm = 0;
    bool porte = false;
    // Exits with the same group number above 0 are one dégagement (CO 43 §3); 0: on its own.
    int groupe = 0;
};

struct Element
{
    // Indices of its exits in the list given, in that order.
    QList<int> sorties;
    qint64 up = 0;
    // u ≥ 1: a normal dégagement; u = 0 and its widest exit ≥ 600 mm: may be a dégagement
    // accessoire (CO 41 §2).
    bool accessoirePossible = false;
};

enum class Verdict { SansObjet, Conforme, ConformeSousReserve, NonConforme };
// "sans objet", "conforme", "conforme sous réserve", "non conforme".
QString motVerdict(Verdict verdict);

struct Verification
{
    Exigence exige;
    // Exits on their own and groups, in the order of their first exit.
    QList<Element> elements;
    qint64 upTotal = 0;
    qint64 degagementsNormaux = 0;
    Verdict verdict = Verdict::SansObjet;
    // For a person: "conforme sous réserve (CO 36 §3)", "non conforme : il manque …".
    QString phrase;
    // The greatest N whose verdict is conforme or conforme sous réserve; 0 if none.
    qint64 effectifMaximal = 0;
};

// `escalierUnique`: a floor at 8 m or less served by a single stair (20–50 band).
Verification verifier(qint64 effectif, const QList<Sortie> &sorties, bool escalierUnique);
