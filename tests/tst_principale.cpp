#include "Banc.h"
#include "CalculDegagements.h"
#include "Gabarit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <memory>

namespace {

bool memePolice(const QFont &a, const QFont &b)
{
    const QFontInfo ia(a), ib(b);
    return ia.family() == ib.family() && ia.pointSizeF() == ib.pointSizeF() && ia.bold() == ib.bold();
}

} // namespace

class TstPrincipale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void init() { m_banc = std::make_unique<Banc>(); }
    void cleanup() { m_banc.reset(); }

    void frappe_data();
    void frappe();
    void touchesSansCaractere();
    void menuContextuel_data();
    void menuContextuel();
    void calcul_data();
    void calcul();
    void avertissement_data();
    void avertissement();
    void menus();
    void unePolice();
    void cadreGrave();

private:
    std::unique_ptr<Banc> m_banc;
};

void TstPrincipale::frappe_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("touches");
    QTest::addColumn<bool>("controle");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("bips");
    QTest::newRow("six digits, a seventh not inserted") << "" << "0123456" << false << "012345" << 0;
    QTest::newRow("the other digits") << "" << "789" << false << "789" << 0;
    QTest::newRow("a letter beeps") << "12" << "a3" << false << "123" << 1;
    QTest::newRow("signs, space, escape") << "" << " -+,.\x1b" << false << "" << 6;
    QTest::newRow("backspace") << "45" << "\b" << false << "4" << 0;
    QTest::newRow("ctrl+a, c, v, x: control codes") << "12" << "acvx" << true << "12" << 4;
    QTest::newRow("enter calculates, no beep") << "12" << "\r" << false << "" << 0;
}

void TstPrincipale::frappe()
{
    QFETCH(QString, avant);
    QFETCH(QString, touches);
    QFETCH(bool, controle);
    QApplication::clipboard()->setText("99");
    QTest::keyClicks(m_banc->saisie, avant);
    QTest::keyClicks(m_banc->saisie, touches, controle ? Qt::ControlModifier : Qt::NoModifier);
    QTEST(m_banc->saisie->text(), "texte");
    QTEST(m_banc->plateforme.bips, "bips");
}

void TstPrincipale::touchesSansCaractere()
{
    QTest::keyClicks(m_banc->saisie, "1234");
    for (const Qt::Key touche : { Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left })
        QTest::keyClick(m_banc->saisie, touche);
    QTest::keyClick(m_banc->saisie, Qt::Key_Backspace);
    QCOMPARE(m_banc->saisie->text(), QString("24"));
    QTest::keyClick(m_banc->saisie, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_banc->calculer);
    QCOMPARE(m_banc->plateforme.bips, 0);
}

void TstPrincipale::menuContextuel_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("bips");
    QTest::newRow("digits cut to six") << "1" << "23456789" << "123456" << 0;
    QTest::newRow("letters refused") << "12" << "3a" << "12" << 1;
    QTest::newRow("other scripts' digits refused") << "" << QString(QChar(0x0663)) << "" << 1;
}

// Whatever the system's language, the box's menu speaks French, and its paste keeps the box's rule.
void TstPrincipale::menuContextuel()
{
    QFETCH(QString, avant);
    QFETCH(QString, colle);
    std::unique_ptr<QMenu> menu(m_banc->saisie->createStandardContextMenu());
    QStringList mots;
    QAction *coller = nullptr;
    for (QAction *a : menu->actions()) {
        const QString mot = a->text().remove('&').section('\t', 0, 0);
        mots << mot;
        if (mot == "Coller")
            coller = a;
    }
    for (const char *attendu :
        { "Annuler", "Rétablir", "Couper", "Copier", "Coller", "Supprimer", "Tout sélectionner" })
        QVERIFY2(mots.contains(attendu), qPrintable(mots.join(", ")));
    QTest::keyClicks(m_banc->saisie, avant);
    QApplication::clipboard()->setText(colle);
    coller->trigger();
    QTEST(m_banc->saisie->text(), "texte");
    QTEST(m_banc->plateforme.bips, "bips");
}

void TstPrincipale::calcul_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<int>("touche"); // 0: a click on the button
    QTest::addColumn<QString>("premiere");
    QTest::newRow("007, Enter") << "007" << int(Qt::Key_Return) << "Pour 7 personnes";
    QTest::newRow("00, keypad Enter") << "00" << int(Qt::Key_Enter) << "Pour 0 personnes";
    QTest::newRow("999999, click") << "999999" << 0 << "Pour 999999 personnes";
}

void TstPrincipale::calcul()
{
    QFETCH(QString, saisi);
    QFETCH(int, touche);
    QTest::keyClicks(m_banc->saisie, saisi);
    if (touche)
        QTest::keyClick(m_banc->saisie, Qt::Key(touche));
    else
        QTest::mouseClick(m_banc->calculer, Qt::LeftButton);
    const LignesResultat attendu = CalculDegagements(LireEffectif(saisi).value());
    QCOMPARE(m_banc->lignes(), QStringList(attendu.begin(), attendu.end()));
    QTEST(m_banc->lignes().first(), "premiere");
    QCOMPARE(m_banc->saisie->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_banc->saisie);
    QCOMPARE(m_banc->plateforme.bips, 0);
}

void TstPrincipale::avertissement_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<bool>("parEntree");
    QTest::newRow("empty, click") << "" << false;
    QTest::newRow("0, Enter") << "0" << true;
}

// The real warning box, after a result that it must wipe out.
void TstPrincipale::avertissement()
{
    QFETCH(QString, saisi);
    QFETCH(bool, parEntree);
    QTest::keyClicks(m_banc->saisie, "120\r" + saisi);
    QVERIFY(!m_banc->lignes().first().isEmpty());
    Plateforme::remplacer(nullptr);
    QString vu;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        vu = QStringList { boite->windowTitle(), boite->text(), m_banc->lignes().join("") }.join('|');
        QVERIFY(boite->icon() == QMessageBox::Warning && boite->buttons().size() == 1);
        QVERIFY(memePolice(boite->findChild<QLabel *>("qt_msgbox_label")->font(),
            m_banc->principale.font()));
        boite->button(QMessageBox::Ok)->click();
    });
    QWidget *focus = parEntree ? static_cast<QWidget *>(m_banc->saisie) : m_banc->calculer;
    focus->setFocus();
    if (parEntree)
        QTest::keyClick(m_banc->saisie, Qt::Key_Return);
    else
        QTest::mouseClick(m_banc->calculer, Qt::LeftButton);
    QCOMPARE(vu, QString("Erreur|Indiquez un nombre de personnes|"));
    QCOMPARE(m_banc->lignes(), QStringList({ "", "", "", "" }));
    QCOMPARE(m_banc->saisie->text(), QString());
    QCOMPARE(m_banc->principale.focusWidget(), focus);
}

// The menu as a person reads it: captions, access keys, shortcuts, in order, in the window's font.
void TstPrincipale::menus()
{
    QStringList lu;
    for (QAction *m : m_banc->principale.menuBar()->actions()) {
        QVERIFY(memePolice(m->menu()->font(), m_banc->principale.font()));
        lu << m->text();
        for (QAction *a : m->menu()->actions())
            lu << "  " + (a->isSeparator() ? "-" : a->text()) + " " + a->shortcut().toString();
    }
    QCOMPARE(lu,
        QStringList({ "&Fichier", "  Im&primer le résultat ", "  - ", "  &Quitter Ctrl+Q",
            "&Références", "  A&rticle CO 38 ", "&Mise à jour", "  &Site Internet ", "&?",
            "  &A propos de Salvanor - Dégagements F1" }));
}

// The window, its tool tips and its message boxes share one font: the dialog font.
void TstPrincipale::unePolice()
{
    QCOMPARE(QFontInfo(m_banc->principale.font()).family(), QFontInfo(Gabarit::police()).family());
    QToolTip::showText(m_banc->calculer->mapToGlobal(QPoint(2, 2)), "Calcul", m_banc->calculer);
    QWidget *bulle = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            bulle = w;
    QVERIFY(bulle && memePolice(bulle->font(), m_banc->principale.font()));
}

// The results frame: a border that stands out from the green, its caption set in the top line.
void TstPrincipale::cadreGrave()
{
    auto *cadre = m_banc->principale.findChild<QGroupBox *>("Frame1");
    const QImage image = cadre->grab().toImage();
    int haut = -1;
    for (int y = 0; y < image.height() && haut < 0; ++y) {
        const QColor c = image.pixelColor(0, y);
        if (c.red() + qAbs(c.green() - 192) + c.blue() > 150)
            haut = qRound(y / image.devicePixelRatio());
    }
    QVERIFY2(haut >= 0, "no border on the left edge");
    QVERIFY2(qAbs(haut - QFontMetrics(cadre->font()).height() / 2) <= 2,
        qPrintable(QString("top line at %1 px").arg(haut)));
}

QTEST_MAIN(TstPrincipale)
#include "tst_principale.moc"
