// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Ligne.h"

#include "Gabarit.h"

#include <QPainter>

Ligne::Ligne(QWidget *parent, const QString &nom, int x1, int x2, int y, const QColor &couleur,
    int epaisseur)
    : QWidget(parent)
    , m_couleur(couleur)
{
    setObjectName(nom);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(Gabarit::px(x1), Gabarit::px(y), Gabarit::px(x2) - Gabarit::px(x1), epaisseur);
    // Drawn on the window's background, under every control.
    lower();
}

void Ligne::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_couleur);
}
