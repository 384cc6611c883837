// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Reading the zones of a building as a person types them, in a cell or on the command line
// (NIVEAU:NATURE=QUANTITÉ), with the French phrase that says what is expected:
//   Saisie                    a cell ("Indiquez …") or a command-line argument (lower case)
//   lireSurface …             one quantity by unit: hundredths of m², mm, a count
//   Quantite, lireQuantite    a nature's quantity, SEATS@AREA included, in one text
//   lireZone, ecrireZone      a whole zone, and back to the text that reads it again alike
#pragma once

#include "Effectif.h"
#include "Lecture.h"
#include "Natures.h"

#include <QString>
#include <QStringView>

// Cellule: "Indiquez une surface en m², par exemple 120 ou 85,5 : deux décimales au plus."
// Argument: "surface attendue en m², par exemple 120 ou 85,5 : deux décimales au plus.", what
// follows "salvanor-degagements : « ARG » : ".
enum class Saisie { Cellule, Argument };

// ASCII digits, at most 10 before the separator (leading zeros count), then "." or "," and 1
// or 2 decimals; nothing else. Into hundredths of m²; 0 allowed.
Lu<qint64> lireSurface(QStringView texte, Saisie saisie = Saisie::Cellule);
// The same with 1 to 3 decimals, into mm.
Lu<qint64> lireLongueurZone(QStringView texte, Saisie saisie = Saisie::Cellule);
// Digits only, at most 10, up to 2 147 483 647.
Lu<qint64> lireNombreZone(QStringView texte, Saisie saisie = Saisie::Cellule);

struct Quantite
{
    // Hundredths of m², mm or a count; the area for PlacesSurface.
    qint64 quantite = 0;
    // PlacesSurface: the declared seats.
    qint64 places = 0;
};
// By the nature's unit; PlacesSurface as SEATS@AREA. An M.boutique of 300 m² or more is
// refused: it is entered as M.vente.
Lu<Quantite> lireQuantite(const Nature &nature, QStringView texte, Saisie saisie = Saisie::Cellule);

// "RDC:M.vente=120", "SS1:N.places=120@85,5": the level before the first ":", the nature up to
// the first "=" after it, the quantity the rest. Phrases in the Argument form.
Lu<Zone> lireZone(QStringView argument);
// A zone read (or a quantity within what the readers give) as lireZone reads it.
QString ecrireZone(const Zone &zone);
