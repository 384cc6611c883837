// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Accessibilite.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Qt asks the factories with each class name of the object, from the most derived class up, and
// keeps the first interface it gets. Answering only at "QWidget" leaves every class Qt knows
// (buttons, boxes, tables, lists, labels, group boxes, dialogs, main windows, menus, tips) its
// own interface, even when Qt asks while the control has no parent yet, which makes it a window
// until a layout places it. Only classes Qt has no interface for get this far: the program's
// windows, and parts built inside their parent (Ligne, Qt's inner widgets), which never are.
QAccessibleInterface *fenetreSimple(const QString &classe, QObject *objet)
{
    auto *fenetre = qobject_cast<QWidget *>(objet);
    if (classe != QLatin1String("QWidget") || !fenetre || fenetre->windowType() != Qt::Window)
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
