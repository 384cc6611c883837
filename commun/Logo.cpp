// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Logo.h"

#include "Animation.h"
#include "Gabarit.h"
#include "Produit.h"

#include <QLabel>
#include <QPixmap>

namespace Logo {

Animation *animation(QWidget *fenetre, int hauteurTwips, const QColor &fond)
{
    auto *a = new Animation(fenetre);
    a->setObjectName(QStringLiteral("Animation1"));
    Gabarit::placer(a, 120, 0, 1695, hauteurTwips);
    Gabarit::fond(a, fond);
    a->setToolTip(Produit::Slogan);
    a->setAccessibleName(QStringLiteral("Animation du logo SalvaNOR"));
    a->setAccessibleDescription(Produit::Slogan);
    a->hide();
    return a;
}

QLabel *image(QWidget *fenetre)
{
    auto *i = new QLabel(fenetre);
    i->setObjectName(QStringLiteral("Image1"));
    Gabarit::placer(i, 1800, 0, 3495, 1305);
    i->setPixmap(QPixmap(QStringLiteral(":/images/logo.jpg")));
    i->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    i->setToolTip(Produit::Slogan);
    i->setAccessibleName(QStringLiteral("Logo SalvaNOR"));
    i->setAccessibleDescription(Produit::Slogan);
    return i;
}

void demarrer(Animation *animation)
{
    animation->open(Animation::cheminClip());
    animation->play();
    animation->setVisible(true);
}

} // namespace Logo
