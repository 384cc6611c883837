// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "CalculDegagements.h"

#include "Exigence.h"

#include <limits>

namespace {

QString pour(qint32 n)
{
    return QStringLiteral("Pour %1 personne%2")
        .arg(n)
        .arg(n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

LignesResultat CalculDegagements(qint32 n)
{
    const auto [nombre, largeur, complement] = lignesExigence(n);
    return { pour(n), nombre, largeur, complement };
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
