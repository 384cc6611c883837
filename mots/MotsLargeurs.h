// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A check of existing exits in words, the same in the window, on paper and on the command line:
//   creditSortie    one exit's UP and why
//   bilanLargeurs   groups, total, required, verdict and largest effectif, one line each
//   jsonLargeurs    the object --largeurs --json writes
#pragma once

#include "EtudeLargeurs.h"

#include <QStringList>

// Row `ligne`'s UP and why ("porte : 1,33 m ≥ 0,95 × 1,40 m → 2 UP"); for a cell that cannot be
// read, what it expects (and "—" for the UP of a width); nothing for a width not entered.
QStringList creditSortie(const LargeursLues &lues, int ligne);

// The verdict and what it rests on, one French line each; what to do first while it cannot be
// computed.
QStringList bilanLargeurs(const LargeursLues &lues);

// Once the verification is made (every cell read).
QString jsonLargeurs(const LargeursLues &lues);
