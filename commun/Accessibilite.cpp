// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Accessibilite.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace {

QAccessibleInterface *fenetreSimple(const QString &, QObject *objet)
{
    auto *fenetre = qobject_cast<QWidget *>(objet);
    // Menus, tips and dialogs are windows too, with roles of their own.
    if (!fenetre || fenetre->windowType() != Qt::Window || qobject_cast<QMainWindow *>(fenetre)
        || qobject_cast<QDialog *>(fenetre))
        return nullptr;
    return new QAccessibleWidget(fenetre, QAccessible::Window);
}

} // namespace

namespace Accessibilite {

void annoncerFenetres()
{
    QAccessible::installFactory(fenetreSimple);
}

} // namespace Accessibilite
