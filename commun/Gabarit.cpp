// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Gabarit.h"

#include "Accessibilite.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>
#include <functional>
#include <optional>

namespace {

// An icon read the first time it is drawn or measured: a platform that never shows it (the
// offscreen one) never pays for reading it.
class IconeDifferee : public QIconEngine
{
public:
    explicit IconeDifferee(std::function<QIcon()> lire)
        : m_lire(std::move(lire))
    { }
    void paint(QPainter *peintre, const QRect &rect, QIcon::Mode mode, QIcon::State etat) override
    {
        icone().paint(peintre, rect, Qt::AlignCenter, mode, etat);
    }
    QPixmap pixmap(const QSize &taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().pixmap(taille, mode, etat);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().availableSizes(mode, etat);
    }
    QIconEngine *clone() const override { return new IconeDifferee(m_lire); }

private:
    QIcon icone()
    {
        if (!m_icone)
            m_icone = m_lire();
        return *m_icone;
    }
    std::function<QIcon()> m_lire;
    std::optional<QIcon> m_icone;
};

// The menu bar asks for its overflow button's icon as it is built, a picture whose reading loads
// every image plugin, for a button this window never shows.
class StyleSansAvance : public QProxyStyle
{
public:
    QIcon standardIcon(
        StandardPixmap image, const QStyleOption *option, const QWidget *widget) const override
    {
        if (image == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new IconeDifferee([style = baseStyle()] {
                return style->standardIcon(SP_ToolBarHorizontalExtensionButton);
            }));
        return QProxyStyle::standardIcon(image, option, widget);
    }
};

} // namespace

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

QPushButton *bouton(QWidget *parent, const char *nom, const QString &texte, const QRect &twips,
    const QString &infobulle, const QString &description)
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    placer(b, twips.x(), twips.y(), twips.width(), twips.height());
    b->setToolTip(infobulle);
    b->setAccessibleName(texte);
    b->setAccessibleDescription(description);
    return b;
}

QLabel *legende(const QString &texte, QWidget *controle)
{
    auto *libelle = new QLabel(texte);
    libelle->setBuddy(controle);
    return libelle;
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
    QApplication::setStyle(new StyleSansAvance);
    Accessibilite::annoncerFenetres();
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
    fenetre->setWindowIcon(
        QIcon(new IconeDifferee([] { return QIcon(QStringLiteral(":/icones/salvanor.ico")); })));
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

void ouvrirCentree(QWidget *fenetre, int colonnes, int lignes)
{
    const QFontMetrics mesure = fenetre->fontMetrics();
    fenetre->resize(QSize(mesure.averageCharWidth() * colonnes, mesure.lineSpacing() * lignes)
                        .boundedTo(fenetre->screen()->availableSize() * 9 / 10)
                        .expandedTo(fenetre->minimumSizeHint()));
    centrer(fenetre);
}

} // namespace Gabarit
