// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The yardstick for start-up: a bare Qt program showing one empty window of the same size,
// announcing its first exposure the same way the calculator does. With --texte the window
// shows one line of text, which is what it costs Qt to load its font database.
#include "Demarrage.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setFixedSize(458, 302);
    if (QCoreApplication::arguments().contains(QLatin1String("--texte")))
        new QLabel(QStringLiteral("Calcul des dégagements"), &fenetre);
    signalerPremiereExposition(fenetre);
    fenetre.show();
    return QApplication::exec();
}
