// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "PagePeinte.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

PagePeinte::PagePeinte(QPainter &peintre, QPagedPaintDevice &page)
    : m_peintre(peintre)
    , m_page(page)
{
    // Outlines, so that the page's fonts are embedded as drawn.
    m_police.setStyleStrategy(QFont::PreferOutline);
}

void PagePeinte::setFontName(const QString &nom)
{
    m_police.setFamily(nom);
}

void PagePeinte::setFontSize(qreal points)
{
    m_police.setPointSizeF(points);
}

void PagePeinte::setCurrentX(int twips)
{
    m_x = versPixels(twips);
}

void PagePeinte::setCurrentY(int twips)
{
    m_y = versPixels(twips);
}

void PagePeinte::print(const QString &ligne)
{
    m_peintre.setFont(m_police);
    const QFontMetricsF mesures(m_police, &m_page);
    m_peintre.drawText(QPointF(m_x, m_y + mesures.ascent()), ligne);
    m_x = 0;
    m_y += mesures.lineSpacing();
}

void PagePeinte::nouvellePage()
{
    m_page.newPage();
    m_x = 0;
    m_y = 0;
}

qreal PagePeinte::versPixels(int twips) const
{
    return twips * m_page.logicalDpiY() / 1440.0;
}
