// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The page layer over a painter, on a printer or a PDF page.
#pragma once

#include "Imprimante.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

class PagePeinte : public Imprimante
{
public:
    // Draws with `peintre`, already begun on `page`.
    PagePeinte(QPainter &peintre, QPagedPaintDevice &page);

    void setFontName(const QString &nom) override;
    void setFontSize(qreal points) override;
    void setCurrentX(int twips) override;
    void setCurrentY(int twips) override;
    void print(const QString &ligne) override;
    void nouvellePage() override;

private:
    qreal versPixels(int twips) const;

    QPainter &m_peintre;
    QPagedPaintDevice &m_page;
    QFont m_police;
    qreal m_x = 0;
    qreal m_y = 0;
};
