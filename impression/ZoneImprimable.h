// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Whether a printer's printable area holds the frame a printout is laid out in; shared by the
// print paths, CUPS's and Qt's.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

class QPageLayout;

namespace Impression {

// Why pages laid out in `cadre` (twips) cannot go to `imprimante`, whose page is `miseEnPage`,
// in French; empty when its printable area holds them, or when there is no frame.
QString zoneTropPetite(
    const QString &imprimante, const QPageLayout &miseEnPage, std::optional<QSize> cadre);

} // namespace Impression
