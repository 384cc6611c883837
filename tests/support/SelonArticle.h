// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The rule restated from the article's words: one exit of one unit up to 19 persons; one, and an
// accessory one, up to 50; two of one unit, or one of two and an accessory one, up to 100; beyond,
// two up to 500, one more per 500 or part over that, one unit per 100 or part, +1 below 501.
#pragma once

#include "CalculDegagements.h"

inline LignesResultat selonArticle(qint64 n)
{
    const QString pour = QString("Pour %1 personne%2").arg(n).arg(n == 1 ? "" : "s");
    if (n <= 19)
        return { pour, "Il faut 1 dégagement", "de 1 unité de passage", "" };
    if (n <= 50)
        return { pour, "Il faut 1 dégagement de 1 UP", "et 1 dégagement accessoire", "" };
    if (n <= 100)
        return { pour, "Il faut 2 dégagements de 1 UP", "ou 1 dégagement de 2 UP et",
            "      1 dégagement accessoire" };
    const qint64 unites = n / 100 + (n % 100 ? 1 : 0) + (n <= 500 ? 1 : 0);
    const qint64 sorties = n <= 500 ? 2 : 2 + (n - 500) / 500 + ((n - 500) % 500 ? 1 : 0);
    return { pour, QString("Il faut %1 dégagements").arg(sorties),
        QString("totalisant %1 UP").arg(unites), "" };
}
