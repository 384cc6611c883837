// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A building's result in words, the same in the window, on paper and on the command line:
//   tableauNiveaux        one row per level
//   tableauEscaliers      one row per stair flight, floors first, then basements
//   lignesAvertissements  "article : texte", one line per warning
//   jsonNiveaux           the object --niveaux --json writes
#pragma once

#include "Niveaux.h"
#include "Tableau.h"

Tableau tableauNiveaux(const ResultatNiveaux &resultat);
Tableau tableauEscaliers(const ResultatNiveaux &resultat);
// "Escaliers desservant R+2"
QString nomEscalier(int desservant);
QStringList lignesAvertissements(const QList<Avertissement> &avertissements);

QString jsonNiveaux(const ResultatNiveaux &resultat);
