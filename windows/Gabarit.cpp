#include "Gabarit.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Gabarit {

void placer(QWidget *w, int gauche, int haut, int largeur, int hauteur)
{
    w->setGeometry(rect(gauche, haut, largeur, hauteur));
}

QFont police(qreal points, bool gras)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

void installerSubstitutions()
{
    // Liberation Sans has Arial's metrics; MS Sans Serif is close to Arial at dialog sizes,
    // so captions laid out for it keep inside their boxes.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial") });
}

void centrer(QWidget *fenetre)
{
    // A native window knows its frame where the platform tells it before mapping.
    fenetre->winId();
    const QScreen *ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zone = ecran->geometry();
    const QSize taille = fenetre->frameGeometry().size();
    fenetre->move(zone.x() + qRound((zone.width() - taille.width()) / 2.0),
        zone.y() + qRound((zone.height() - taille.height()) / 2.0));
}

} // namespace Gabarit
