// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The tables of the tool windows, alike in each:
//   tableauSaisie     a table to type into, named for a screen reader; Tab leaves it
//   tableauResultat   the same, read-only, for a result
//   remplir           a result's words into a result table, its items kept from one edit to the
//   next
#pragma once

#include "Tableau.h"

class QTableWidget;

QTableWidget *tableauSaisie(const char *nom, const QString &titre, int colonnes);
QTableWidget *tableauResultat(const char *nom, const QString &titre);
void remplir(QTableWidget *table, const Tableau &contenu);
