// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Printing in builds without CUPS: Qt's printer, on the windows' thread. Qt reaches the system's
// print service itself (on Linux, CUPS again), without a time limit, and has no word for a queue
// that refuses jobs.
#include "Impression.h"
#include "PagePeinte.h"
#include "Produit.h"
#include "ZoneImprimable.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Impression {

QString imprimer(const std::function<void(Imprimante &)> &dessiner, std::optional<QSize> cadre)
{
    const auto pasImprime = [](const QString &raison) {
        return QStringLiteral("Le résultat n'a pas été imprimé : %1.").arg(raison);
    };
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return pasImprime(QStringLiteral("aucune imprimante n'est installée"));
    if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted)
        return pasImprime(
            QStringLiteral("l'imprimante « %1 » est arrêtée").arg(info.printerName()));
    QPrinter imprimante(info, QPrinter::HighResolution);
    imprimante.setDocName(Produit::Titre);
    if (const QString raison = zoneTropPetite(info.printerName(), imprimante.pageLayout(), cadre);
        !raison.isEmpty())
        return pasImprime(raison);
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return pasImprime(
            QStringLiteral("l'imprimante « %1 » refuse les travaux").arg(info.printerName()));
    PagePeinte page(peintre, imprimante);
    dessiner(page);
    return peintre.end()
        ? QString()
        : pasImprime(QStringLiteral("le système d'impression a signalé une erreur"));
}

} // namespace Impression
