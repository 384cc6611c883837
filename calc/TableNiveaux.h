// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A building's result as the French table a person reads, the same in the window, on paper and
// on the command line:
//   Tableau            column headings and rows of cell texts
//   tableauNiveaux     one row per level
//   tableauEscaliers   one row per stair flight, floors first, then basements
#pragma once

#include "Niveaux.h"

#include <QList>
#include <QStringList>

struct Tableau
{
    QStringList entetes;
    QList<QStringList> lignes;
};

// What a cell shows when its level could not be read.
inline const QString Inconnu = QStringLiteral("—");

Tableau tableauNiveaux(const ResultatNiveaux &resultat);
Tableau tableauEscaliers(const ResultatNiveaux &resultat);
// "Escaliers desservant R+2"
QString nomEscalier(int desservant);
