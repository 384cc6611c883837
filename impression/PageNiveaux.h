// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The printed study of a whole building: the levels as typed, the result rows, the warnings
// and the articles applied, on as many pages as it takes.
#pragma once

#include "EtudeNiveaux.h"

class Imprimante;
class QDate;

void imprimerNiveaux(Imprimante &page, const EtudeNiveaux &etude, const QDate &date);
