// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What a zone of a building holds, and how many persons the règlement counts in it, as one
// table of dated figures (types L, M, N, O, P, R, S, T, V, W, X, Y and the staff):
//   Unite, Densite     how a zone is measured, and persons per so many of those units
//   Nature             one kind of zone: its code, type, unit, densities, article and text
//   natures, nature    the whole table, and one nature by its code
//   typeNonTraite      a type letter of the règlement that this tool does not cover
//   densite            a nature's density on a level (M.vente alone differs by level)
//   quantiteMaximale   the largest quantity of a unit that can be typed
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// Areas in hundredths of m², lengths in mm, counts; PlacesSurface: declared seats and the area
// of the room, in hundredths of m² (the seats never count for less than the area's minimum).
enum class Unite { Surface, Longueur, Nombre, PlacesSurface };

// `personnes` persons per `pour` units of the unit's integer base, as the text states it:
// 1 per 3 m² is {1, 300}, 5 per metre is {5, 1000}, one each is {1, 1}; the staff are {0, 1}.
struct Densite
{
    qint64 personnes = 0;
    qint64 pour = 1;

    friend bool operator==(const Densite &, const Densite &) = default;
};

struct Nature
{
    // "M.vente", "personnel"
    QString code;
    // "M"; empty for the staff, who are not public.
    QString type;
    Unite unite = Unite::Nombre;
    // SS levels, RDC and R+1; then R+2, then R+3 and above. Equal but for M.vente.
    Densite densite;
    Densite densiteR2;
    Densite densiteR3;
    // "M 2 §1 a"
    QString article;
    // The text the figures come from, as a person reads it ("arrêté du 15 novembre 2017 (copie
    // secondaire)"); empty for a figure the user works out or declares.
    QString texte;
    // What the quantity measures or counts, in French: "surface de vente".
    QString description;
};

// Grouped by type, in the order of the règlement's articles as this tool lists them; the staff
// last.
const QList<Nature> &natures();
// Exactly as written, case included; nullptr for any other code.
const Nature *nature(QStringView code);

// J, U, PA, CTS, SG, PS, GA, OA, EF, REF: types of the règlement with rules of their own.
bool typeNonTraite(QStringView type);

// Level index: RDC 0, R+k +k, SSk −k.
Densite densite(const Nature &nature, int niveau);

// 10 digits before the separator and all the decimals a unit takes: 9 999 999 999,99 m²,
// 9 999 999 999,999 m, or a count of 2 147 483 647 (also the seats of PlacesSurface).
qint64 quantiteMaximale(Unite unite);
