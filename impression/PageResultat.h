// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The printed page of a result: header, rule lines and the four result lines.
#pragma once

#include "CalculDegagements.h"

class Imprimante;

// Describes the page of `lignes` to `Printer`, from the font to the last rule line.
void imprimerResultat(Imprimante &Printer, const LignesResultat &lignes);
