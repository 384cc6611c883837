// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A line drawn on a window, beneath its controls.
#pragma once

#include <QColor>
#include <QWidget>

// A horizontal line drawn between two points given in twips; the parent window clips it.
class Ligne : public QWidget
{
    Q_OBJECT

public:
    Ligne(QWidget *parent, const QString &nom, int x1, int x2, int y, const QColor &couleur,
        int epaisseur = 1);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_couleur;
};
