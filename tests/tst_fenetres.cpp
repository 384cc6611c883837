#include "Animation.h"
#include "Banc.h"
#include "Gabarit.h"
#include "Ligne.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QWindow>
#include <memory>

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

QString legende(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return QString(b->text()).remove('&');
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

bool centree(const QWidget *w)
{
    const QPoint ecart = w->frameGeometry().center() - w->screen()->geometry().center();
    return qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1;
}

// Counts the close events a window receives.
struct Fermetures : QObject
{
    int nombre = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        nombre += e->type() == QEvent::Close;
        return false;
    }
};

} // namespace

class TstFenetres : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void init() { m_banc = std::make_unique<Banc>(); }
    void cleanup();

    void disposition_data();
    void disposition();
    void fenetres_data();
    void fenetres();
    void clavier_data();
    void clavier();
    void rechargement_data();
    void rechargement();
    void icone();
    void clipAbsent();
    void texteArticle();
    void quitter();

private:
    std::unique_ptr<Banc> m_banc;
};

void TstFenetres::cleanup()
{
    m_banc.reset();
    Animation::setDossierClip({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TstFenetres::disposition_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("nom");
    QTest::newRow("main window") << "" << "FrmPrincipale";
    QTest::newRow("article") << "Article" << "FrmCO38";
    QTest::newRow("about") << "Apropos" << "frmAbout";
    QTest::newRow("web site") << "SiteInternet" << "FrmInternet";
}

// What a person sees: buttons and boxes whole and clickable, captions uncut, nothing outside.
void TstFenetres::disposition()
{
    QFETCH(QString, entree);
    QFETCH(QString, nom);
    QWidget *f = entree.isEmpty() ? &m_banc->principale : m_banc->ouvrir(qPrintable(entree), nom);
    QVERIFY(f);
    const auto cadre = [f](const QWidget *w) { return QRect(w->mapTo(f, QPoint()), w->size()); };
    QList<QWidget *> visibles;
    for (QWidget *w : f->findChildren<QWidget *>())
        if (w->isVisibleTo(f))
            visibles << w;
    for (QWidget *w : visibles) {
        const QString nomControle = w->objectName();
        // Lines are clipped by the window, as designed.
        if (!qobject_cast<Ligne *>(w))
            QVERIFY2(f->rect().contains(cadre(w)), qPrintable(nomControle + " passes the edge"));
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)) {
            for (const QWidget *autre : visibles)
                QVERIFY2(autre == w || w->isAncestorOf(autre) || autre->isAncestorOf(w)
                        || !cadre(autre).intersects(cadre(w)) || !auDessus(autre, w),
                    qPrintable(autre->objectName() + " covers " + nomControle));
            const QWidget *touche = f->childAt(cadre(w).center());
            QVERIFY2(touche == w || w->isAncestorOf(touche), qPrintable(nomControle + " not hit"));
        }
        const QString texte = legende(w);
        if (texte.isEmpty())
            continue;
        const auto *l = qobject_cast<const QLabel *>(w);
        const int largeur = w->width() - (l ? 0 : 4);
        const QRect besoin = QFontMetrics(w->font()).boundingRect(QRect(0, 0, largeur, 100000),
            l && l->wordWrap() ? int(Qt::TextWordWrap) : 0, texte);
        QVERIFY2(besoin.width() <= largeur && (!l || besoin.height() <= l->height()),
            qPrintable(QString("%1 needs %2x%3").arg(nomControle).arg(besoin.width()).arg(
                besoin.height())));
    }
}

void TstFenetres::fenetres_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("titre");
    QTest::newRow("article") << "Article" << "FrmCO38" << "Article CO 38";
    QTest::newRow("about") << "Apropos" << "frmAbout" << "À propos de SalvaNOR - Dégagements";
    QTest::newRow("web site") << "SiteInternet" << "FrmInternet" << "Form1";
}

// Modeless, unowned and centred; only the About box is a tool window, without a task-bar button.
void TstFenetres::fenetres()
{
    QFETCH(QString, entree);
    QFETCH(QString, nom);
    QWidget *w = m_banc->ouvrir(qPrintable(entree), nom);
    QVERIFY(w);
    QTEST(w->windowTitle(), "titre");
    QCOMPARE(w->windowType(), nom == "frmAbout" ? Qt::Tool : Qt::Window);
    if (nom != "frmAbout")
        QVERIFY(!w->windowHandle()->transientParent());
    QVERIFY(!w->isModal() && !w->parentWidget() && !w->windowIcon().isNull());
    QVERIFY(centree(w));
    QVERIFY(m_banc->principale.isEnabled());
}

void TstFenetres::clavier_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("touche");
    QTest::addColumn<bool>("ferme");
    QTest::newRow("article: Enter closes") << "Article" << "FrmCO38" << int(Qt::Key_Return) << true;
    QTest::newRow("article: Space closes") << "Article" << "FrmCO38" << int(Qt::Key_Space) << true;
    QTest::newRow("article: Escape, nothing") << "Article" << "FrmCO38" << int(Qt::Key_Escape) << false;
    QTest::newRow("about: Escape closes") << "Apropos" << "frmAbout" << int(Qt::Key_Escape) << true;
    QTest::newRow("about: Enter closes") << "Apropos" << "frmAbout" << int(Qt::Key_Return) << true;
    QTest::newRow("web: Enter closes") << "SiteInternet" << "FrmInternet" << int(Qt::Key_Return)
                                       << true;
    QTest::newRow("web: Escape, nothing") << "SiteInternet" << "FrmInternet"
                                          << int(Qt::Key_Escape) << false;
}

// The window's only button holds the focus as it opens.
void TstFenetres::clavier()
{
    QFETCH(QString, entree);
    QFETCH(QString, nom);
    QFETCH(int, touche);
    QWidget *w = m_banc->ouvrir(qPrintable(entree), nom);
    QVERIFY(w && QTest::qWaitForWindowActive(w));
    QVERIFY(qobject_cast<QAbstractButton *>(w->focusWidget()));
    QTest::keyClick(w->focusWidget(), Qt::Key(touche));
    QTEST(!w->isVisible(), "ferme");
}

void TstFenetres::rechargement_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("raccourci"); // opens it again while open: menu entry or F1
    QTest::newRow("article") << "Article" << "FrmCO38" << 0;
    QTest::newRow("about, then F1") << "Apropos" << "frmAbout" << int(Qt::Key_F1);
    QTest::newRow("web site") << "SiteInternet" << "FrmInternet" << 0;
}

// One instance, brought to the front; its button unloads it; the next showing loads it afresh.
void TstFenetres::rechargement()
{
    QFETCH(QString, entree);
    QFETCH(QString, nom);
    QFETCH(int, raccourci);
    QPointer<QWidget> premiere = m_banc->ouvrir(qPrintable(entree), nom);
    QVERIFY(premiere);
    premiere->move(premiere->pos() + QPoint(40, 30));
    m_banc->principale.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_banc->principale));
    if (raccourci)
        QTest::keyClick(&m_banc->principale, Qt::Key(raccourci));
    else
        m_banc->declencher(qPrintable(entree));
    QCOMPARE(Banc::fenetre(nom), premiere.data());
    QTRY_COMPARE(QApplication::activeWindow(), premiere.data());
    if (auto *animation = premiere->findChild<Animation *>())
        QTRY_VERIFY(animation->clip()->currentFrameNumber() > 0);
    QTest::mouseClick(premiere->findChild<QAbstractButton *>(), Qt::LeftButton);
    QTRY_VERIFY(premiere.isNull());

    QWidget *seconde = m_banc->ouvrir(qPrintable(entree), nom);
    QVERIFY(seconde && centree(seconde));
    if (auto *animation = seconde->findChild<Animation *>()) {
        QVERIFY(animation->isVisible() && animation->clip()->state() == QMovie::Running);
        QCOMPARE(animation->clip()->currentFrameNumber(), 0);
    }
    if (nom == "frmAbout")
        QCOMPARE(seconde->findChild<QLabel *>("lblVersion")->text(), QString("Version 1.0.0"));
}

// A click is a press and a release on the icon; the address beside it is not a link.
void TstFenetres::icone()
{
    QWidget *w = m_banc->ouvrir("SiteInternet", "FrmInternet");
    QVERIFY(w);
    auto *icone = w->findChild<QLabel *>("Image2");
    QTest::mouseClick(w->findChild<QLabel *>("Label2"), Qt::LeftButton);
    QTest::mousePress(icone, Qt::LeftButton);
    QTest::mouseRelease(icone, Qt::LeftButton, {}, QPoint(icone->width() + 30, 5));
    QCOMPARE(m_banc->plateforme.lancements, QStringList());
    QTest::mouseClick(icone, Qt::LeftButton);
    QTest::mouseClick(icone, Qt::LeftButton);
    QCOMPARE(m_banc->plateforme.lancements,
        QStringList(2, "xdg-open https://" + w->findChild<QLabel *>("Label2")->text()));
    m_banc->plateforme.lancementPossible = false;
    QTest::mouseClick(icone, Qt::LeftButton);
    QCOMPARE(m_banc->plateforme.avertissements.size(), 1);
    QVERIFY(m_banc->plateforme.avertissements[0].startsWith("Erreur | Le navigateur"));
    QVERIFY(w->isVisible());
}

// Without its clip, a window opens all the same, the animation's area left empty.
void TstFenetres::clipAbsent()
{
    QTemporaryDir vide;
    Animation::setDossierClip(vide.path());
    for (const auto &[entree, nom] : { std::pair { "Apropos", "frmAbout" },
             std::pair { "SiteInternet", "FrmInternet" } }) {
        QWidget *w = m_banc->ouvrir(entree, nom);
        QVERIFY(w);
        QVERIFY(!w->findChild<Animation *>()->clip());
        QCOMPARE(w->findChild<QLabel *>("Image1")->pixmap().size(), QSize(233, 87));
    }
    QCOMPARE(m_banc->plateforme.avertissements, QStringList());
}

// The article word for word: the digest of its fourteen paragraphs joined by CR LF, as published.
void TstFenetres::texteArticle()
{
    QWidget *w = m_banc->ouvrir("Article", "FrmCO38");
    QVERIFY(w);
    const QString texte = w->findChild<QLabel *>("Label1")->text();
    QCOMPARE(QCryptographicHash::hash(texte.toUtf8(), QCryptographicHash::Sha256).toHex(),
        QByteArray("389fa048f8de28f6f494801fd3cd9402132c1fb66ca938e74121a632b635a7af"));
}

// Closing the main window leaves the others open; Ctrl+Q ends all at once, without closing any.
void TstFenetres::quitter()
{
    Fermetures fermetures;
    for (const auto &[entree, nom] : { std::pair { "Article", "FrmCO38" },
             std::pair { "Apropos", "frmAbout" }, std::pair { "SiteInternet", "FrmInternet" } }) {
        QWidget *w = m_banc->ouvrir(entree, nom);
        QVERIFY(w && w->testAttribute(Qt::WA_QuitOnClose));
        w->installEventFilter(&fermetures);
    }
    QVERIFY(QApplication::quitOnLastWindowClosed());
    m_banc->principale.close();
    QVERIFY(Banc::fenetre("FrmCO38") && Banc::fenetre("frmAbout") && Banc::fenetre("FrmInternet"));
    QTimer::singleShot(0, this, [&] { m_banc->declencher("Quitter"); });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(fermetures.nombre, 0);
}

QTEST_MAIN(TstFenetres)
#include "tst_fenetres.moc"
