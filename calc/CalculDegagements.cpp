// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "CalculDegagements.h"

#include <limits>

namespace {

// Rounded up in 64 bits: for counts near the top of qint32 the next multiple of 500
// no longer fits 32 bits.
qint64 arrondiSuperieur(qint64 n, qint64 pas)
{
    return (n + pas - 1) / pas * pas;
}

QString pour(qint32 n)
{
    return QStringLiteral("Pour %1 personne%2")
        .arg(n)
        .arg(n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

LignesResultat CalculDegagements(qint32 n)
{
    if (n < 20)
        return { pour(n), QStringLiteral("Il faut 1 dégagement"),
            QStringLiteral("de 1 unité de passage"), QString() };
    if (n <= 50)
        return { pour(n), QStringLiteral("Il faut 1 dégagement de 1 UP"),
            QStringLiteral("et 1 dégagement accessoire"), QString() };
    if (n <= 100)
        return { pour(n), QStringLiteral("Il faut 2 dégagements de 1 UP"),
            QStringLiteral("ou 1 dégagement de 2 UP et"),
            QStringLiteral("      1 dégagement accessoire") };
    if (n <= 500) {
        // One unit per started hundred, plus the extra unit granted below 501 persons.
        const int up = n <= 200 ? 3 : n <= 300 ? 4 : n <= 400 ? 5 : 6;
        return { pour(n), QStringLiteral("Il faut 2 dégagements"),
            QStringLiteral("totalisant %1 UP").arg(up), QString() };
    }
    const qint64 degagements = arrondiSuperieur(n, 500) / 500 + 1;
    const qint64 unites = arrondiSuperieur(n, 100) / 100;
    return { pour(n), QStringLiteral("Il faut %1 dégagements").arg(degagements),
        QStringLiteral("totalisant %1 UP").arg(unites), QString() };
}

std::optional<qint32> LireEffectif(QStringView texte)
{
    if (texte.isEmpty() || texte == u"0")
        return std::nullopt;
    qint64 valeur = 0;
    for (const QChar c : texte) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        valeur = valeur * 10 + (c.unicode() - u'0');
        if (valeur > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    return static_cast<qint32>(valeur);
}
