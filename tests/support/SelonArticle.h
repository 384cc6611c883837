// The rule restated from the article's own words, apart from the program's bands and roundings.
#pragma once

#include "CalculDegagements.h"

// §1: one exit of one unit up to 19 persons; one exit of one unit and an accessory exit up to 50;
// two exits of one unit, or one of two with an accessory exit, up to 100; beyond, two exits up to
// 500 persons plus one per 500 or fraction of 500 over the first 500, one unit per 100 or fraction
// of 100, plus one unit below 501 persons.
inline LignesResultat selonArticle(qint64 n)
{
    const QString pour = QStringLiteral("Pour %1 personne%2").arg(n).arg(n == 1 ? "" : "s");
    if (n <= 19)
        return { pour, "Il faut 1 dégagement", "de 1 unité de passage", "" };
    if (n <= 50)
        return { pour, "Il faut 1 dégagement de 1 UP", "et 1 dégagement accessoire", "" };
    if (n <= 100)
        return { pour, "Il faut 2 dégagements de 1 UP", "ou 1 dégagement de 2 UP et",
            "      1 dégagement accessoire" };
    const qint64 centaines = n / 100 + (n % 100 ? 1 : 0);
    if (n <= 500)
        return { pour, "Il faut 2 dégagements", QStringLiteral("totalisant %1 UP").arg(centaines + 1),
            "" };
    const qint64 auDela = n - 500;
    const qint64 sorties = 2 + auDela / 500 + (auDela % 500 ? 1 : 0);
    return { pour, QStringLiteral("Il faut %1 dégagements").arg(sorties),
        QStringLiteral("totalisant %1 UP").arg(centaines), "" };
}
