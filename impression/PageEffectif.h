// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The printed effectif and category, what goes into a safety file: the zones as typed with
// their working, the levels, the classes against their thresholds, the category, the exit rule,
// the warnings and the texts followed, on as many pages as it takes.
#pragma once

#include "EtudeEffectif.h"

class Imprimante;
class QDate;

void imprimerEffectif(Imprimante &page, const EtudeEffectif &etude, const QDate &date);
