// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Gabarit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTranslator>

namespace Gabarit {

void placer(QWidget *w, int gauche, int haut, int largeur, int hauteur)
{
    w->setGeometry(px(gauche), px(haut), px(largeur), px(hauteur));
}

QLabel *etiquette(
    QWidget *parent, const char *nom, const QString &texte, const QRect &twips, const QFont &police)
{
    auto *l = new QLabel(texte, parent);
    l->setObjectName(QLatin1String(nom));
    placer(l, twips.x(), twips.y(), twips.width(), twips.height());
    l->setFont(police);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void fond(QWidget *w, const QColor &couleur)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleur);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont police(qreal points, bool gras)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

void preparerApplication()
{
    // Liberation Sans has Arial's metrics; MS Sans Serif is close to Arial at dialog sizes,
    // so captions laid out for it keep inside their boxes.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial") });
    // Without a class name this also drops the platform's fonts for menus, boxes and tips.
    QApplication::setFont(police());
    // The toolkit's own words (context menus, standard buttons) in French whatever the
    // system's language; without Qt's catalogue they stay in English.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *traduction = new QTranslator(qApp);
    if (traduction->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
    else
        delete traduction;
}

void preparerFenetre(QWidget *fenetre, const char *nom, const QString &titre)
{
    fenetre->setObjectName(QLatin1String(nom));
    fenetre->setWindowTitle(titre);
    fenetre->setWindowIcon(QIcon(QStringLiteral(":/icones/salvanor.ico")));
}

void empiler(QWidget *fenetre)
{
    for (QWidget *w : fenetre->findChildren<QWidget *>())
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w))
            w->raise();
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
