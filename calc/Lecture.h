// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Reading what a person types into a cell or an argument, exactly, with the French sentence
// that says what is expected when it cannot be read:
//   Lu                 a value read, or the reason it was not
//   lireEffectif       a count of persons (digits only, up to 2 147 483 647)
//   lireMillimetres    a length in metres, "," or ".", at most 3 decimals, into integer mm
//   ecrireMetres       integer mm back into French metres ("2,01", "0,855", "3,50")
//   metres, personnes  a length and a count as a sentence writes them ("1,40 m", "2 personnes")
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

template <class T> struct Lu
{
    std::optional<T> valeur;
    // Empty when read; otherwise what is expected, in French, ready for a tool tip or stderr.
    QString erreur;

    explicit operator bool() const { return valeur.has_value(); }
};

// Spaces are refused, around the text as inside it ("1 000", " 5"): what is shown is what was
// read. An empty text is refused too, with its own sentence; callers decide whether it is an error.

// Decimal digits only, leading zeros allowed, 0 included; nothing else (no sign, no space, no
// other script's digits), at most 2 147 483 647.
Lu<qint32> lireEffectifCellule(QStringView texte);

// Metres with "," or "." and at most 3 decimals, into exact millimetres ("2,01" → 2010,
// "3" → 3000, ",5" refused); no sign, at most 2 147 483 647 mm.
Lu<qint32> lireMillimetres(QStringView texte);

// Millimetres as a person writes metres: at least two decimals, a third only when needed. Any
// qint64, so that a width computed from a qint32 one (0,95 × W(n)) can be written too.
QString ecrireMetres(qint64 millimetres);
// "1,40 m".
QString metres(qint64 millimetres);
// "0 personne", "1 personne", "2 personnes".
QString personnes(qint64 nombre);
