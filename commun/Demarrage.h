// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The start-up probe: logs where the data is looked for and when the first window shows.
#pragma once

#include <QLoggingCategory>
#include <QWidget>
#include <QWindow>

// QT_LOGGING_RULES="salvanor.demarrage.debug=true" shows where the program looks for its data
// and when its window is first on screen; the benchmarks time the start-up with it.
inline const QLoggingCategory &lcDemarrage()
{
    static const QLoggingCategory categorie("salvanor.demarrage", QtInfoMsg);
    return categorie;
}

// Logs "fenêtre exposée" the first time a window is on screen.
class PremiereExposition : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Expose && static_cast<QWindow *>(objet)->isExposed()) {
            qCDebug(lcDemarrage) << "fenêtre exposée";
            objet->removeEventFilter(this);
        }
        return false;
    }
};

// Watches `fenetre` for its first exposure, when the category is enabled.
inline void signalerPremiereExposition(QWidget &fenetre)
{
    if (!lcDemarrage().isDebugEnabled())
        return;
    fenetre.winId();
    QWindow *fenetreNative = fenetre.windowHandle();
    fenetreNative->installEventFilter(new PremiereExposition(fenetreNative));
}
