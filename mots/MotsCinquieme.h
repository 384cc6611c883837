// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The 5th category's answer in words, the same in the window and on the command line:
//   MotsCinquieme, motsCinquieme   the rule applied, the effectif counted, the solutions, notes
//   jsonCinquieme                  the object --cinquieme --json writes
#pragma once

#include "Cinquieme.h"

struct MotsCinquieme
{
    // "Article PE 11 §3", or why another rule applies.
    QString regle;
    // "150 personnes (120 du public + 30 du personnel)"
    QString effectif;
    // One line per accepted solution ("soit …" when there are several); "—" when none.
    QStringList solutions;
    // Each quoting its article.
    QStringList notes;
};

MotsCinquieme motsCinquieme(const EntreeCinquieme &entree, const ResultatCinquieme &resultat);

QString jsonCinquieme(const ResultatCinquieme &resultat);
