// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "ZoneImprimable.h"

#include <QPageLayout>
#include <QRectF>
#include <cmath>

namespace Impression {

QString zoneTropPetite(
    const QString &imprimante, const QPageLayout &miseEnPage, std::optional<QSize> cadre)
{
    if (!cadre)
        return {};
    // Points are 20 twips; compared to the twip, as print systems keep their margins to a
    // hundredth of a millimetre.
    const QSizeF zone = miseEnPage.paintRect(QPageLayout::Point).size() * 20;
    if (qRound(zone.width()) >= cadre->width() && qRound(zone.height()) >= cadre->height())
        return {};
    // Whole millimetres, the area's rounded down and the pages' up, so that the figures never
    // contradict the sentence.
    const auto mm = [](qreal twips, bool excedent) {
        const qreal millimetres = twips * 25.4 / 1440;
        return QString::number(int(excedent ? std::ceil(millimetres) : std::floor(millimetres)));
    };
    return QStringLiteral("la zone imprimable de l'imprimante « %1 » (%2 × %3 mm) est plus petite "
                          "que les pages de l'étude (%4 × %5 mm)")
        .arg(imprimante, mm(zone.width(), false), mm(zone.height(), false),
            mm(cadre->width(), true), mm(cadre->height(), true));
}

} // namespace Impression
