// The rule restated from the article's words, apart from the program's bands and roundings: one
// exit of one unit up to 19 persons; one, and an accessory one, up to 50; two of one unit, or one
// of two and an accessory one, up to 100; beyond, two exits up to 500 and one more per 500 or
// fraction over the first 500, one unit per 100 or fraction, and one more below 501 persons.
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
