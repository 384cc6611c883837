// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The page layer of the printout: what a page description needs of the printer.
#pragma once

#include <QString>

// Positions are in twips from the top-left corner of the printable area; printing a line
// draws it at the current position, then moves back to the left edge and down by the
// current font's line spacing.
class Imprimante
{
public:
    virtual ~Imprimante() = default;

    virtual void setFontName(const QString &nom) = 0;
    virtual void setFontSize(qreal points) = 0;
    virtual void setCurrentX(int twips) = 0;
    virtual void setCurrentY(int twips) = 0;
    virtual void print(const QString &ligne) = 0;
    // Ends the page and starts the next one, at the top-left corner.
    virtual void nouvellePage() = 0;
};
