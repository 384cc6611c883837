// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The program without a window: the same rules answered on the command line, for scripts and
// for a person at a terminal:
//   estCommande   whether the arguments ask for the command line rather than the window
//   executer      reads the arguments, writes the answer, returns the exit code
#pragma once

#include <QStringList>
#include <QTextStream>

namespace LigneDeCommande {

// Exit codes: 0 answered, 2 the arguments could not be read (one French line on stderr).
inline constexpr int Reussite = 0;
inline constexpr int ArgumentsIllisibles = 2;

// True when the first argument is an option ("-…"), or when there are several arguments: a
// single other argument is a study to open in its window. Only looks at the first bytes, so that
// the plain start-up pays nothing for the command line.
bool estCommande(int argc, char **argv);

// `arguments` without the program's name. On success the answer goes to `sortie` alone; on
// refusal nothing goes to `sortie` and exactly one line to `erreurs`.
int executer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

} // namespace LigneDeCommande
