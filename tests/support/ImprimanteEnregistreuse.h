// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A page layer that prints nothing and writes down each line: its page, where it starts (twips
// from the printable area's top-left corner), its font and size, and its text. A printed line
// moves down by the font's real line spacing.
#pragma once

#include "Imprimante.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QStringList>

struct LignePosee
{
    int page, x, y;
    QString police;
    qreal taille;
    QString texte;

    // "page 1 | 500, 776 | Arial 8 | SalvaNOR - Dégagements", as a failure shows it.
    QString decrite() const
    {
        const QString ou = QString::number(x) + ", " + QString::number(y);
        return QString("page %1 | %2 | %3 %4 | %5")
            .arg(QString::number(page), ou, police, QString::number(taille), texte);
    }
};

class ImprimanteEnregistreuse : public Imprimante
{
public:
    QList<LignePosee> lignes;

    void setFontName(const QString &nom) override { m_police = nom; }
    void setFontSize(qreal points) override { m_taille = points; }
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void print(const QString &ligne) override
    {
        lignes << LignePosee { m_page, m_x, m_y, m_police, m_taille, ligne };
        m_x = 0;
        m_y += interligne(m_police, m_taille);
    }
    void nouvellePage() override
    {
        ++m_page;
        m_x = 0;
        m_y = 0;
    }

    QStringList decrites() const
    {
        QStringList textes;
        for (const LignePosee &ligne : lignes)
            textes << ligne.decrite();
        return textes;
    }

    // The font's line spacing in twips, measured on a surface of 1440 dots per inch.
    static int interligne(const QString &police, qreal points)
    {
        QImage surface(1, 1, QImage::Format_Mono);
        surface.setDotsPerMeterX(qRound(1440 / 0.0254));
        surface.setDotsPerMeterY(qRound(1440 / 0.0254));
        QFont font(police);
        font.setPointSizeF(points);
        return qRound(QFontMetricsF(font, &surface).lineSpacing());
    }

private:
    QString m_police;
    qreal m_taille = 0;
    int m_x = 0, m_y = 0, m_page = 1;
};
