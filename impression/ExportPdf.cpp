// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The printout as a PDF file, what goes into a safety file: the same pages on A4.
#include "Document.h"
#include "Fichier.h"
#include "Impression.h"
#include "PagePeinte.h"
#include "Produit.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Margins most printers can print within, should the file be printed later; what they leave of
// A4 (210 × 297 mm) must hold the frame the pages are laid out in.
constexpr int Marge = 15;
static_assert((210 - 2 * Marge) * 1440 / 25.4 >= Document::Cadre.width()
    && (297 - 2 * Marge) * 1440 / 25.4 >= Document::Cadre.height());

} // namespace

namespace Impression {

QString exporterPdf(const QString &chemin, const std::function<void(Imprimante &)> &dessiner)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(Produit::Titre);
        pdf.setCreator(Produit::Titre + QStringLiteral(" ") + Produit::Version);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(Marge, Marge, Marge, Marge), QPageLayout::Millimeter));
        QPainter peintre(&pdf);
        PagePeinte page(peintre, pdf);
        dessiner(page);
    }
    const QString raison = Fichier::ecrire(chemin, octets);
    return raison.isEmpty() ? QString()
                            : QStringLiteral("Le PDF n'a pas été écrit : %1.").arg(raison);
}

} // namespace Impression
