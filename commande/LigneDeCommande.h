// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The program without a window: the same rules answered on the command line, for scripts and
// for a person at a terminal:
//   estCommande   whether the arguments ask for the command line rather than the window
//   executer      reads the arguments, writes the answer, returns the exit code
#pragma once

#include <QStringList>

namespace LigneDeCommande {

// Exit codes: 0 answered; 1 the answer could not be written whole (a full disk, a closed
// stdout); 2 the arguments could not be read. Both failures say why on one French line on stderr.
inline constexpr int Reussite = 0;
inline constexpr int ReponseNonEcrite = 1;
inline constexpr int ArgumentsIllisibles = 2;

// True when the first argument is an option ("-…"), or when there are several arguments: a
// single other argument is a study to open in its window. Only looks at the first bytes, so that
// the plain start-up pays nothing for the command line.
bool estCommande(int argc, char **argv);

struct Issue
{
    int code = Reussite;
    QString sortie;
    QString erreurs;
};

// The answer to `arguments` (without the program's name), not written yet: on success for stdout
// alone; on refusal nothing for stdout and exactly one line for stderr.
Issue repondre(const QStringList &arguments);

// To call first, before anything opens a file: a stdout or stderr the caller closed is noted and
// given /dev/null, so that no file opened later takes its number and receives the answer.
void garderSortiesStandard();

// The answer written on the descriptors, and checked: an answer cut short is a failure.
int executer(const QStringList &arguments, int sortie = 1, int erreurs = 2);

} // namespace LigneDeCommande
