#include "Animation.h"
#include "Enregistreur.h"
#include "FrmCO38.h"
#include "FrmInternet.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"
#include "Ligne.h"
#include "Produit.h"
#include "frmAbout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QMovie>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

struct Controle
{
    const char *nom;
    QString texte;
    QRect twips;
    qreal points;
    bool gras;
    // Accessible name (empty: the control's text) and description, when checked.
    QStringList accessible {};
};

QWidget *fenetreOuverte(const char *classe)
{
    QWidget *trouvee = nullptr;
    int nombre = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits(classe) && w->isVisible()) {
            trouvee = w;
            ++nombre;
        }
    return nombre == 1 ? trouvee : nullptr;
}

int nombreDInstances(const char *classe)
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits(classe))
            ++n;
    return n;
}

QString texteDe(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    return {};
}

bool centree(const QWidget *w)
{
    const QPoint ecart = w->frameGeometry().center() - w->screen()->geometry().center();
    return qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1;
}

} // namespace

Q_DECLARE_METATYPE(Controle)

class TstFenetres : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void disposition_data();
    void disposition();
    void fenetres_data();
    void fenetres();
    void controles_data();
    void controles();
    void sansTroncature_data();
    void sansTroncature();
    void lignes_data();
    void lignes();
    void texteArticle();

    void clavier_data();
    void clavier();
    void uneSeuleInstance_data();
    void uneSeuleInstance();
    void rechargementApresFermeture_data();
    void rechargementApresFermeture();
    void clipAbsent();

    void navigateur();
    void clicSurIcone();
    void navigateurIntrouvable();

    void fenetreSecondaireGardeLeProgramme();
    void quitterFermeTout();

private:
    QWidget *ouvrir(const char *entree, const char *classe);

    std::unique_ptr<Enregistreur> m_plateforme;
    std::unique_ptr<FrmPrincipale> m_principale;
};

void TstFenetres::initTestCase()
{
    Gabarit::preparerApplication();
}

void TstFenetres::init()
{
    m_plateforme = std::make_unique<Enregistreur>();
    m_principale = std::make_unique<FrmPrincipale>();
    m_principale->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_principale.get()));
}

void TstFenetres::cleanup()
{
    m_principale.reset();
    m_plateforme.reset();
    Animation::setDossierClip({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

namespace {

// True when `a` is painted above `b`: of their ancestors under one parent, a's comes later.
bool auDessus(const QWidget *a, const QWidget *b)
{
    const auto chaine = [](const QWidget *w) {
        QList<const QWidget *> c;
        for (; w; w = w->parentWidget())
            c.prepend(w);
        return c;
    };
    const auto ca = chaine(a), cb = chaine(b);
    qsizetype i = 0;
    while (i < ca.size() && i < cb.size() && ca[i] == cb[i])
        ++i;
    if (i == ca.size() || i == cb.size())
        return i == cb.size();
    const QObjectList &freres = ca[i - 1]->children();
    return freres.indexOf(ca[i]) > freres.indexOf(cb[i]);
}

QString texteAffiche(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return QString(b->text()).remove('&');
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

} // namespace

void TstFenetres::disposition_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::newRow("main window") << QString() << "FrmPrincipale";
    QTest::newRow("article") << "Article"
                             << "FrmCO38";
    QTest::newRow("about") << "Apropos"
                           << "frmAbout";
    QTest::newRow("web site") << "SiteInternet"
                              << "FrmInternet";
}

// What a person sees: buttons and boxes whole and clickable, captions uncut, nothing outside.
void TstFenetres::disposition()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QWidget *f = entree.isEmpty() ? m_principale.get()
                                  : ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(f);
    const auto cadre = [f](const QWidget *w) { return QRect(w->mapTo(f, QPoint()), w->size()); };
    QList<QWidget *> visibles;
    for (QWidget *w : f->findChildren<QWidget *>())
        if (w->isVisibleTo(f))
            visibles << w;
    for (QWidget *w : visibles) {
        const QString nom = w->objectName();
        if (!qobject_cast<Ligne *>(w))
            QVERIFY2(f->rect().contains(cadre(w)), qPrintable(nom + " passes the window's edge"));
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)) {
            for (const QWidget *autre : visibles)
                QVERIFY2(autre == w || w->isAncestorOf(autre) || autre->isAncestorOf(w)
                        || !cadre(autre).intersects(cadre(w)) || !auDessus(autre, w),
                    qPrintable(autre->objectName() + " covers " + nom));
            const QWidget *touche = f->childAt(cadre(w).center());
            QVERIFY2(touche == w || w->isAncestorOf(touche), qPrintable(nom + " not hit"));
        }
        const QString texte = texteAffiche(w);
        if (texte.isEmpty())
            continue;
        const auto *l = qobject_cast<const QLabel *>(w);
        const QFontMetrics fm(w->font());
        const int largeur = cadre(w).intersected(f->rect()).width() - (l ? 0 : 4);
        const QRect besoin = fm.boundingRect(QRect(0, 0, largeur, 100000),
            l && l->wordWrap() ? int(Qt::TextWordWrap) : 0, texte);
        QVERIFY2(besoin.width() <= largeur && (!l || besoin.height() <= l->height()),
            qPrintable(QString("%1 needs %2x%3").arg(nom).arg(besoin.width()).arg(besoin.height())));
    }
}

QWidget *TstFenetres::ouvrir(const char *entree, const char *classe)
{
    m_principale->findChild<QAction *>(entree)->trigger();
    QWidget *w = fenetreOuverte(classe);
    if (w && !QTest::qWaitForWindowExposed(w))
        return nullptr;
    return w;
}

void TstFenetres::fenetres_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QColor>("fond");

    QTest::newRow("FrmCO38") << "Article"
                             << "FrmCO38"
                             << "Article CO 38" << QSize(503, 428)
                             << QApplication::palette("QMenu").color(QPalette::Window);
    QTest::newRow("frmAbout") << "Apropos"
                              << "frmAbout"
                              << "À propos de SalvaNOR - Dégagements" << QSize(360, 228)
                              << QColor(Qt::white);
    QTest::newRow("FrmInternet") << "SiteInternet"
                                 << "FrmInternet"
                                 << "Form1" << QSize(358, 221) << QColor(Qt::white);
}

void TstFenetres::fenetres()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QWidget *w = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(w);
    QTEST(w->windowTitle(), "titre");
    QTEST(w->size(), "taille");
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QTEST(w->palette().color(QPalette::Window), "fond");
    QVERIFY(w->autoFillBackground());
    QVERIFY(!w->windowIcon().isNull());
    QVERIFY(!w->parentWidget());
    QVERIFY(!w->isModal());
    // Plain windows, owned by no other: only the About box is a tool window.
    QCOMPARE(w->windowType(), classe == "frmAbout" ? Qt::Tool : Qt::Window);
    if (classe != "frmAbout")
        QVERIFY(!w->windowHandle()->transientParent());
    QVERIFY(centree(w));
    // Modeless: the main window still takes input.
    QVERIFY(m_principale->isEnabled());
}

void TstFenetres::controles_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<Controle>("controle");

    const QString bulle = "SalvaNOR - Des outils simples pour la sécurité des ERP";
    const auto ligne = [](const char *entree, const char *classe, const Controle &c) {
        QTest::addRow("%s %s", classe, c.nom) << entree << classe << c;
    };
    ligne("Article", "FrmCO38",
        { "Command2", "Fermer", { 6240, 5880, 1215, 375 }, 8.25, false,
            { "Fermer", "Ferme la fenêtre de l'article CO 38" } });
    ligne("Article", "FrmCO38",
        { "Label1", FrmCO38::texteArticle(), { 0, 120, 7545, 6015 }, 8.25, false,
            { "", "Texte de l'article CO 38" } });

    ligne("Apropos", "frmAbout",
        { "cmdOK", "OK", { 3840, 2985, 1260, 345 }, 8.25, false,
            { "OK", "Ferme la fenêtre À propos" } });
    ligne("Apropos", "frmAbout",
        { "Animation1", {}, { 120, 0, 1695, 1215 }, 8.25, false,
            { "Animation du logo SalvaNOR", bulle } });
    ligne("Apropos", "frmAbout",
        { "Label1", "Logiciel gratuit, fourni sans garantie.", { 840, 1920, 3495, 255 }, 8.25,
            false });
    ligne("Apropos", "frmAbout",
        { "lblTitreApp", "SalvaNOR - Dégagements", { 840, 1680, 4125, 240 }, 9.75, true });
    ligne("Apropos", "frmAbout",
        { "lblVersion", "Version 1.0.0", { 840, 2160, 2445, 225 }, 9.75, false });
    ligne("Apropos", "frmAbout",
        { "lblCopyright", "© 2026 Les auteurs de SalvaNOR. Tous droits réservés.",
            { 135, 2625, 4980, 345 }, 8.25, false });
    ligne("Apropos", "frmAbout",
        { "Image1", {}, { 1800, 0, 3495, 1305 }, 8.25, false, { "Logo SalvaNOR", bulle } });

    ligne("SiteInternet", "FrmInternet",
        { "Command1", "OK", { 4080, 3000, 1183, 255 }, 8.25, false,
            { "OK", "Ferme la fenêtre du site Internet" } });
    ligne("SiteInternet", "FrmInternet", { "Animation1", {}, { 120, 0, 1695, 1335 }, 8.25, false });
    ligne("SiteInternet", "FrmInternet",
        { "Image2", {}, { 3720, 2280, 240, 240 }, 8.25, false,
            { "Accès au site",
                "Ouvre https://" + Produit::SiteInternet + " dans le navigateur" } });
    ligne("SiteInternet", "FrmInternet",
        { "Label3", "Contact : " + Produit::Contact, { 960, 2775, 2775, 540 }, 9.75, true });
    ligne("SiteInternet", "FrmInternet",
        { "Label2", Produit::SiteInternet, { 1320, 2280, 2295, 375 }, 12, true });
    ligne("SiteInternet", "FrmInternet",
        { "Label1",
            "Mises à jour et téléchargements gratuits de logiciels spécifiques sécurité et "
            "textes officiels",
            { 120, 1560, 5175, 615 }, 9.75, true });
    ligne("SiteInternet", "FrmInternet",
        { "Image1", {}, { 1800, 0, 3495, 1305 }, 8.25, false, { "Logo SalvaNOR", bulle } });
}

void TstFenetres::controles()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(Controle, controle);
    QWidget *w = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(w);
    auto *c = w->findChild<QWidget *>(controle.nom);
    QVERIFY(c);
    const QRect &t = controle.twips;
    QCOMPARE(c->geometry(), Gabarit::rect(t.x(), t.y(), t.width(), t.height()));
    QCOMPARE(texteDe(c), controle.texte);
    QCOMPARE(c->font().family(), QString("MS Sans Serif"));
    QCOMPARE(c->font().pointSizeF(), controle.points);
    QCOMPARE(c->font().bold(), controle.gras);
    if (!controle.accessible.isEmpty()) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
        QCOMPARE(a->text(QAccessible::Name),
            controle.accessible[0].isEmpty() ? controle.texte : controle.accessible[0]);
        QCOMPARE(a->text(QAccessible::Description), controle.accessible[1]);
    }
}

void TstFenetres::sansTroncature_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("nom");
    QTest::newRow("article text") << "Article"
                                  << "FrmCO38"
                                  << "Label1";
    for (const char *nom : { "Label1", "lblTitreApp", "lblVersion", "lblCopyright" })
        QTest::addRow("frmAbout %s", nom) << "Apropos"
                                          << "frmAbout" << nom;
    for (const char *nom : { "Label1", "Label2", "Label3" })
        QTest::addRow("FrmInternet %s", nom) << "SiteInternet"
                                             << "FrmInternet" << nom;
}

// Every word visible with the fonts the set-up installs.
void TstFenetres::sansTroncature()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(QString, nom);
    QWidget *w = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(w);
    auto *l = w->findChild<QLabel *>(nom);
    QVERIFY(l);
    // The visible part of the label: the window clips what passes its edge.
    const QRect visible = l->geometry().intersected(w->rect());
    const QFontMetrics fm(l->font());
    const QRect besoin = fm.boundingRect(QRect(0, 0, visible.width(), 100000),
        int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
    QVERIFY2(besoin.width() <= visible.width() && besoin.height() <= visible.height(),
        qPrintable(QString("needs %1x%2, shows %3x%4")
                       .arg(besoin.width())
                       .arg(besoin.height())
                       .arg(visible.width())
                       .arg(visible.height())));
}

void TstFenetres::lignes_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("geometrie");
    QTest::addColumn<QColor>("couleur");

    const QColor gris(128, 128, 128);
    QTest::newRow("About Line1(0)") << "Apropos"
                                    << "frmAbout"
                                    << "Line1_0" << QRect(7, 164, 370, 2) << QColor(Qt::white);
    QTest::newRow("About Line1(1)") << "Apropos"
                                    << "frmAbout"
                                    << "Line1_1" << QRect(-8, 163, 371, 1) << gris;
    QTest::newRow("About Line1(2)") << "Apropos"
                                    << "frmAbout"
                                    << "Line1_2" << QRect(0, 104, 362, 1) << gris;
    const QColor texte = QApplication::palette().color(QPalette::WindowText);
    QTest::newRow("Internet Line1") << "SiteInternet"
                                    << "FrmInternet"
                                    << "Line1" << QRect(0, 104, 360, 1) << texte;
    QTest::newRow("Internet Line2") << "SiteInternet"
                                    << "FrmInternet"
                                    << "Line2" << QRect(0, 184, 360, 1) << texte;
}

void TstFenetres::lignes()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(QString, nom);
    QWidget *w = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(w);
    auto *l = w->findChild<Ligne *>(nom);
    QVERIFY(l);
    QTEST(l->geometry(), "geometrie");
    QTEST(l->couleur(), "couleur");
    // Under every other control.
    QCOMPARE(
        w->children().indexOf(l) < w->children().indexOf(w->findChild<QLabel *>("Image1")), true);
    // Drawn, in its colour, where the window shows it.
    const QImage image = w->grab().toImage();
    const QPoint milieu(qBound(0, l->geometry().center().x(), w->width() - 1), l->y());
    QCOMPARE(image.pixelColor(milieu * image.devicePixelRatio()), l->couleur());
}

void TstFenetres::texteArticle()
{
    const QString texte = FrmCO38::texteArticle();
    QVERIFY(texte.startsWith("Article CO 38\r\nCalcul des dégagements\r\n§.1. Les niveaux"));
    QVERIFY(texte.endsWith("de la protection civile."));
    QCOMPARE(texte.count("\r\n"), 13);
    QCOMPARE(texte.count('\n'), 13);
    QCOMPARE(texte.count('\r'), 13);
    const QStringList paragraphes = texte.split("\r\n");
    QCOMPARE(paragraphes.size(), 14);
    for (const QString &p : paragraphes)
        QVERIFY(!p.isEmpty());
    QCOMPARE(paragraphes[3], QString("a) De 1 à 19 personnes :"));
    QCOMPARE(paragraphes[5], QString("b) De 20 à 50 personnes :"));
    QCOMPARE(paragraphes[8], QString("c) De 51 à 100 personnes:"));
    QCOMPARE(paragraphes[10], QString("d) Plus de 100 personnes:"));
    for (int i : { 4, 6, 7, 9, 11 })
        QVERIFY2(paragraphes[i].startsWith("-   ") && paragraphes[i][4] != ' ',
            qPrintable(paragraphes[i]));
    QVERIFY(paragraphes[11].contains("fraction de 100 personnes; au-dessous de 501 personnes"));
}

void TstFenetres::clavier_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<int>("touche");
    QTest::addColumn<bool>("ferme");

    QTest::newRow("Article: Enter closes") << "Article"
                                           << "FrmCO38"
                                           << "Command2" << int(Qt::Key_Return) << true;
    QTest::newRow("Article: Space closes") << "Article"
                                           << "FrmCO38"
                                           << "Command2" << int(Qt::Key_Space) << true;
    QTest::newRow("Article: Escape does nothing") << "Article"
                                                  << "FrmCO38"
                                                  << "Command2" << int(Qt::Key_Escape) << false;
    QTest::newRow("About: Enter closes") << "Apropos"
                                         << "frmAbout"
                                         << "cmdOK" << int(Qt::Key_Return) << true;
    QTest::newRow("About: Escape closes") << "Apropos"
                                          << "frmAbout"
                                          << "cmdOK" << int(Qt::Key_Escape) << true;
    QTest::newRow("Internet: Enter on OK closes") << "SiteInternet"
                                                  << "FrmInternet"
                                                  << "Command1" << int(Qt::Key_Return) << true;
    QTest::newRow("Internet: Escape does nothing") << "SiteInternet"
                                                   << "FrmInternet"
                                                   << "Command1" << int(Qt::Key_Escape) << false;
}

void TstFenetres::clavier()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(QString, bouton);
    QFETCH(int, touche);
    QFETCH(bool, ferme);
    QWidget *w = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->focusWidget(), w->findChild<QWidget *>(bouton));
    QTest::keyClick(w->focusWidget(), Qt::Key(touche));
    QCOMPARE(!w->isVisible(), ferme);
}

void TstFenetres::uneSeuleInstance_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<int>("raccourci");
    QTest::newRow("Article twice") << "Article"
                                   << "FrmCO38" << 0;
    QTest::newRow("About: menu, then F1") << "Apropos"
                                          << "frmAbout" << int(Qt::Key_F1);
    QTest::newRow("Internet twice") << "SiteInternet"
                                    << "FrmInternet" << 0;
}

void TstFenetres::uneSeuleInstance()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(int, raccourci);
    QWidget *premiere = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(premiere);
    // Several secondary windows may be open at once.
    QVERIFY(ouvrir(
        entree == "Article" ? "Apropos" : "Article", entree == "Article" ? "frmAbout" : "FrmCO38"));
    m_principale->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_principale.get()));
    if (raccourci)
        QTest::keyClick(m_principale.get(), Qt::Key(raccourci));
    else
        m_principale->findChild<QAction *>(entree)->trigger();
    QCOMPARE(nombreDInstances(qPrintable(classe)), 1);
    QCOMPARE(fenetreOuverte(qPrintable(classe)), premiere);
    QTRY_COMPARE(QApplication::activeWindow(), premiere);
}

void TstFenetres::rechargementApresFermeture_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("bouton");
    QTest::newRow("Article, Fermer") << "Article"
                                     << "FrmCO38"
                                     << "Command2";
    QTest::newRow("About, OK") << "Apropos"
                               << "frmAbout"
                               << "cmdOK";
    QTest::newRow("Internet, OK") << "SiteInternet"
                                  << "FrmInternet"
                                  << "Command1";
}

void TstFenetres::rechargementApresFermeture()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(QString, bouton);
    QPointer<QWidget> premiere = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(premiere);
    premiere->move(premiere->pos() + QPoint(40, 30));
    if (auto *animation = premiere->findChild<Animation *>()) {
        QVERIFY(animation->clip());
        QTRY_VERIFY(animation->clip()->currentFrameNumber() > 0);
    }
    QTest::mouseClick(premiere->findChild<QAbstractButton *>(bouton), Qt::LeftButton);
    // Closing unloads: the window and its controls go.
    QTRY_VERIFY(premiere.isNull());

    QWidget *seconde = ouvrir(qPrintable(entree), qPrintable(classe));
    QVERIFY(seconde);
    QVERIFY(centree(seconde));
    if (auto *animation = seconde->findChild<Animation *>()) {
        QVERIFY(animation->isVisible());
        QCOMPARE(animation->clip()->state(), QMovie::Running);
        QCOMPARE(animation->clip()->currentFrameNumber(), 0);
        QCOMPARE(
            animation->clip()->fileName(), QCoreApplication::applicationDirPath() + "/sanim.gif");
    }
    if (classe == "FrmCO38")
        QCOMPARE(seconde->findChild<QLabel *>("Label1")->text(), FrmCO38::texteArticle());
    if (classe == "frmAbout")
        QCOMPARE(seconde->findChild<QLabel *>("lblVersion")->text(), QString("Version 1.0.0"));
}

void TstFenetres::clipAbsent()
{
    QTemporaryDir vide;
    Animation::setDossierClip(vide.path());
    m_plateforme->avertissementsEnregistres = true;
    for (const auto &[entree, classe] :
        { std::pair { "Apropos", "frmAbout" }, std::pair { "SiteInternet", "FrmInternet" } }) {
        QWidget *w = ouvrir(entree, classe);
        QVERIFY(w);
        auto *animation = w->findChild<Animation *>("Animation1");
        QVERIFY(!animation->clip());
        QVERIFY(!animation->movie());
        QVERIFY(w->isVisible());
        QVERIFY(w->findChild<QLabel *>("Image1")->pixmap().size() == QSize(233, 87));
    }
    QCOMPARE(m_plateforme->avertissements.size(), 0);
}

void TstFenetres::navigateur()
{
    QTemporaryDir bin;
    const QString journal = bin.filePath("lancements");
    QFile script(bin.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" >> '%1'\necho >> '%1'\n")
                     .arg(journal)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray ancien = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + ancien);

    QWidget *w = ouvrir("SiteInternet", "FrmInternet");
    QVERIFY(w);
    const auto lignes = [&] {
        QFile f(journal);
        return f.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
            : QStringList();
    };
    QTest::mouseClick(w->findChild<QLabel *>("Label2"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QLabel *>("Image2"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QLabel *>("Image2"), Qt::LeftButton);
    QTRY_COMPARE(lignes().size(), 2);
    QTest::qWait(300);
    qputenv("PATH", ancien);
    const QString attendu = "1|https://" + Produit::SiteInternet + "|";
    QCOMPARE(lignes(), QStringList({ attendu, attendu }));
    QVERIFY(w->isVisible());
}

void TstFenetres::clicSurIcone()
{
    m_plateforme->lancementsEnregistres = true;
    QWidget *w = ouvrir("SiteInternet", "FrmInternet");
    QVERIFY(w);
    auto *icone = w->findChild<QLabel *>("Image2");
    // Pressed on the icon, dragged off, released elsewhere: no click.
    QTest::mousePress(icone, Qt::LeftButton);
    QTest::mouseRelease(icone, Qt::LeftButton, {}, QPoint(icone->width() + 30, 5));
    QCOMPARE(m_plateforme->lancements.size(), 0);
    QTest::mouseClick(icone, Qt::LeftButton);
    QCOMPARE(m_plateforme->lancements.size(), 1);
}

void TstFenetres::navigateurIntrouvable()
{
    QTemporaryDir vide;
    const QByteArray ancien = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(vide.path()));
    m_plateforme->avertissementsEnregistres = true;
    QWidget *w = ouvrir("SiteInternet", "FrmInternet");
    QVERIFY(w);
    QTest::mouseClick(w->findChild<QLabel *>("Image2"), Qt::LeftButton);
    qputenv("PATH", ancien);
    QCOMPARE(m_plateforme->avertissements.size(), 1);
    QCOMPARE(m_plateforme->avertissements[0].titre, QString("Erreur"));
    QVERIFY(m_plateforme->avertissements[0].texte.contains("https://" + Produit::SiteInternet));
    QVERIFY(w->isVisible());
}

void TstFenetres::fenetreSecondaireGardeLeProgramme()
{
    QVERIFY(QApplication::quitOnLastWindowClosed());
    for (const auto &[entree, classe] : { std::pair { "Article", "FrmCO38" },
             std::pair { "Apropos", "frmAbout" }, std::pair { "SiteInternet", "FrmInternet" } }) {
        QWidget *w = ouvrir(entree, classe);
        QVERIFY(w);
        QVERIFY2(w->testAttribute(Qt::WA_QuitOnClose), classe);
    }
    QVERIFY(m_principale->close());
    QVERIFY(
        fenetreOuverte("FrmCO38") && fenetreOuverte("frmAbout") && fenetreOuverte("FrmInternet"));
}

class CompteurFermetures : public QObject
{
public:
    int nombre = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Close)
            ++nombre;
        return false;
    }
};

void TstFenetres::quitterFermeTout()
{
    CompteurFermetures fermetures;
    for (const auto &[entree, classe] : { std::pair { "Article", "FrmCO38" },
             std::pair { "Apropos", "frmAbout" }, std::pair { "SiteInternet", "FrmInternet" } })
        ouvrir(entree, classe)->installEventFilter(&fermetures);
    QWidget *active = fenetreOuverte("FrmInternet");
    QVERIFY(QTest::qWaitForWindowActive(active));

    QEventLoop boucle;
    QTimer::singleShot(0, this, [&] {
        m_principale->activateWindow();
        if (QTest::qWaitForWindowActive(m_principale.get()))
            QTest::keyClick(m_principale.get(), Qt::Key_Q, Qt::ControlModifier);
    });
    QTimer::singleShot(5000, &boucle, [&] { boucle.exit(1); });
    QCOMPARE(boucle.exec(), 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), w->metaObject()->className());
    QCOMPARE(fermetures.nombre, 0);
}

QTEST_MAIN(TstFenetres)
#include "tst_fenetres.moc"
