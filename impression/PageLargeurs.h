// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The printed check of existing exits: the cells as typed, each exit's credit, the result and
// the articles applied, on as many pages as it takes.
#pragma once

#include "EtudeLargeurs.h"

class Imprimante;
class QDate;

void imprimerLargeurs(Imprimante &page, const EtudeLargeurs &etude, const QDate &date);
