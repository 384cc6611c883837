// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Exigence.h"

#include <QStringList>

namespace {

// ⌈n / pas⌉ for n ≥ 0, without the n + pas − 1 that overflows near the top of qint64.
qint64 parTranche(qint64 n, qint64 pas)
{
    return n / pas + (n % pas != 0 ? 1 : 0);
}

} // namespace

Exigence exigence(qint64 effectif)
{
    if (effectif <= 0)
        return {};
    if (effectif < 20)
        return { 1, 1, false };
    if (effectif <= 50)
        return { 2, 1, true };
    if (effectif <= 100)
        return { 2, 2, false };
    // Band d): two up to 500, one more per started 500 beyond; one UP per started hundred,
    // one more below 501 persons.
    const qint64 degagements = effectif <= 500 ? 2 : 2 + parTranche(effectif - 500, 500);
    const qint64 up = parTranche(effectif, 100) + (effectif <= 500 ? 1 : 0);
    return { degagements, up, false };
}

std::array<QString, 3> lignesExigence(qint64 effectif)
{
    if (effectif < 20)
        return { QStringLiteral("Il faut 1 dégagement"), QStringLiteral("de 1 unité de passage"),
            QString() };
    if (effectif <= 50)
        return { QStringLiteral("Il faut 1 dégagement de 1 UP"),
            QStringLiteral("et 1 dégagement accessoire"), QString() };
    if (effectif <= 100)
        return { QStringLiteral("Il faut 2 dégagements de 1 UP"),
            QStringLiteral("ou 1 dégagement de 2 UP et"),
            QStringLiteral("      1 dégagement accessoire") };
    const Exigence exige = exigence(effectif);
    return { QStringLiteral("Il faut %1 dégagements").arg(exige.degagements),
        QStringLiteral("totalisant %1 UP").arg(exige.up), QString() };
}

QString motsExigence(qint64 effectif)
{
    if (effectif <= 0)
        return QStringLiteral("Aucun dégagement exigé");
    const std::array<QString, 3> lignes = lignesExigence(effectif);
    return QStringList(lignes.begin(), lignes.end()).join(u' ').simplified();
}
