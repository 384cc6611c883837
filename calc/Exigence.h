// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Article CO 38 §1 as numbers, for every tool that sizes exits from an effectif:
//   Exigence        how many dégagements, how many UP, and whether the 2nd may be accessory
//   SeuilDeuxUp     CO 36 §3's 200 persons, for every tool that warns about it
//   exigence        from an effectif (any size a sum of levels can reach) to its Exigence
//   motsExigence    the same, in the main window's words, on one line
//   lignesExigence  those words as the main window sets them out, on three lines
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

struct Exigence
{
    qint64 degagements = 0;
    qint64 up = 0;
    // The 20–50 band only: two dégagements, the second of which may be a dégagement accessoire.
    bool accessoire = false;

    friend bool operator==(const Exigence &, const Exigence &) = default;
};

// CO 36 §3: above this many persons, a normal dégagement has 2 UP at least.
inline constexpr qint64 SeuilDeuxUp = 200;

// F(N): nothing for N ≤ 0; bands a) to d) of §1 otherwise.
Exigence exigence(qint64 effectif);

// Lines 2 to 4 of the main window's result for `effectif`, joined on one line
// ("Il faut 2 dégagements totalisant 4 UP"); "Aucun dégagement exigé" for N ≤ 0.
QString motsExigence(qint64 effectif);

// Lines 2 to 4 of the main window's result (the last one empty where unused); band a) for every
// count below 20, whatever its sign, as the main window shows it.
std::array<QString, 3> lignesExigence(qint64 effectif);
