// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The egress rule of Article CO 38 §1, free of any GUI code:
//   LignesResultat     the four result lines, as shown and printed
//   CalculDegagements  from a person count to its result lines
//   LireEffectif       from the person-count box's text to a count, or none to ask for one
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <optional>

// The four result lines; a line the rule leaves unused is empty.
using LignesResultat = std::array<QString, 4>;

// Exits and total width a space holding `n` persons needs, worded as the result lines.
LignesResultat CalculDegagements(qint32 n);

// The count the box's text gives: decimal digits only, leading zeros allowed ("007" is 7,
// "00" is 0). None, so that the user is asked for a number, for an empty text, exactly "0",
// anything that is not a plain run of digits, and a value beyond a qint32.
std::optional<qint32> LireEffectif(QStringView texte);
