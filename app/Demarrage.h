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

// Logs "fenêtre exposée" the first time `fenetre` is on screen, when the category is enabled.
class PremiereExposition : public QObject
{
public:
    explicit PremiereExposition(QWidget &fenetre)
    {
        if (!lcDemarrage().isDebugEnabled())
            return;
        fenetre.winId();
        fenetre.windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Expose && static_cast<QWindow *>(objet)->isExposed()) {
            qCDebug(lcDemarrage) << "fenêtre exposée";
            objet->removeEventFilter(this);
        }
        return false;
    }
};
