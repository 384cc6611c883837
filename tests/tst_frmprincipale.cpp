#include "Enregistreur.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <memory>

using Touches = QList<std::pair<int, Qt::KeyboardModifiers>>;
Q_DECLARE_METATYPE(Touches)

class TstFrmPrincipale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fenetre();
    void controles_data();
    void controles();
    void texteSansTroncature_data();
    void texteSansTroncature();
    void menu_data();
    void menu();
    void unePolice();
    void cadreGrave();

    void saisie_data();
    void saisie();
    void touchesSansCaractere();
    void collage_data();
    void collage();

    void calcul_data();
    void calcul();
    void entreeCommeUnClic();
    void avertissement_data();
    void avertissement();

    void fermetureParLaBarreDeTitre();

private:
    QStringList lignes() const;
    void taper(const QString &texte);

    std::unique_ptr<FrmPrincipale> m_fenetre;
    std::unique_ptr<Enregistreur> m_plateforme;
    QLineEdit *m_saisie = nullptr;
    QPushButton *m_calculer = nullptr;
};

void TstFrmPrincipale::initTestCase()
{
    Gabarit::preparerApplication();
}

void TstFrmPrincipale::init()
{
    m_plateforme = std::make_unique<Enregistreur>();
    m_fenetre = std::make_unique<FrmPrincipale>();
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
    m_saisie = m_fenetre->findChild<QLineEdit *>("Text1");
    m_calculer = m_fenetre->findChild<QPushButton *>("CmdCalculer");
    QVERIFY(m_saisie && m_calculer);
}

void TstFrmPrincipale::cleanup()
{
    m_fenetre.reset();
    m_plateforme.reset();
}

QStringList TstFrmPrincipale::lignes() const
{
    QStringList r;
    for (const char *nom : { "Label2", "Label3", "Label4", "Label5" })
        r << m_fenetre->findChild<QLabel *>(nom)->text();
    return r;
}

void TstFrmPrincipale::taper(const QString &texte)
{
    QTest::keyClicks(m_saisie, texte);
}

void TstFrmPrincipale::fenetre()
{
    QCOMPARE(m_fenetre->windowTitle(), QString("SalvaNOR - Dégagements"));
    QVERIFY(!m_fenetre->windowIcon().isNull());
    const QWidget *fond = m_fenetre->centralWidget();
    QCOMPARE(fond->size(), QSize(458, 302));
    QCOMPARE(fond->palette().color(QPalette::Window), QColor(0, 192, 0));
    QVERIFY(fond->autoFillBackground());
    QCOMPARE(m_fenetre->minimumSize(), m_fenetre->maximumSize());

    const QRect ecran = m_fenetre->screen()->geometry();
    const QPoint ecart = m_fenetre->frameGeometry().center() - ecran.center();
    QVERIFY2(qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1,
        qPrintable(QString("frame %1,%2 %3x%4 on screen %5x%6")
                       .arg(m_fenetre->frameGeometry().x())
                       .arg(m_fenetre->frameGeometry().y())
                       .arg(m_fenetre->frameGeometry().width())
                       .arg(m_fenetre->frameGeometry().height())
                       .arg(ecran.width())
                       .arg(ecran.height())));

    // Start-up state: empty box with the focus, empty result.
    QCOMPARE(QApplication::focusWidget(), m_saisie);
    QCOMPARE(lignes(), QStringList({ "", "", "", "" }));
}

void TstFrmPrincipale::controles_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("gras");
    // Accessible name and description; a result line is named by its text (see calcul()).
    QTest::addColumn<QStringList>("accessible");

    QTest::newRow("Text1") << "Text1"
                           << "" << QRect(3000, 3840, 1095, 285) << 8.25 << false
                           << QStringList { "Nombre de personnes",
                                  "Effectif admis : des chiffres seulement, six au plus ; "
                                  "Entrée lance le calcul" };
    QTest::newRow("Frame1") << "Frame1"
                            << "Calcul des dégagements" << QRect(120, 960, 6615, 2535) << 8.25
                            << false << QStringList();
    for (int i = 0; i < 4; ++i) {
        const int hauts[] = { 600, 1080, 1560, 1920 };
        QTest::addRow("Label%d", i + 2)
            << QString("Label%1").arg(i + 2) << "" << QRect(240, hauts[i], 6135, 375) << 12.0
            << false << QStringList { QString(), QString("Résultat, ligne %1").arg(i + 1) };
    }
    QTest::newRow("CmdCalculer") << "CmdCalculer"
                                 << "Calculer" << QRect(4800, 3720, 1455, 495) << 8.25 << false
                                 << QStringList { "Calculer",
                                        "Calcule le nombre et la largeur des dégagements" };
    QTest::newRow("Label6") << "Label6"
                            << "Ce logiciel permet de calculer le nombre et la largeur des "
                               "dégagements (portes, sorties, issues, ...). Il est l'application "
                               "de l'article CO 38 du réglement de sécurité des Etablissements "
                               "Recevant du Public du 25 juin 1980 modifé."
                            << QRect(120, 120, 6735, 855) << 8.25 << true << QStringList();
    QTest::newRow("Label1") << "Label1"
                            << "Nombre de personnes :" << QRect(1080, 3840, 1815, 255) << 8.25
                            << false << QStringList();
}

void TstFrmPrincipale::controles()
{
    QFETCH(QString, nom);
    QFETCH(QRect, twips);
    QFETCH(qreal, points);
    QFETCH(QStringList, accessible);
    QWidget *w = m_fenetre->findChild<QWidget *>(nom);
    QVERIFY(w);
    QCOMPARE(w->geometry(), Gabarit::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(w->font().family(), QString("MS Sans Serif"));
    QCOMPARE(w->font().pointSizeF(), points);
    QTEST(w->font().bold(), "gras");
    QString texte;
    if (auto *l = qobject_cast<QLabel *>(w))
        texte = l->text();
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        texte = b->text();
    else if (auto *g = qobject_cast<QGroupBox *>(w))
        texte = g->title();
    QTEST(texte, "texte");
    if (!accessible.isEmpty()) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (!accessible[0].isEmpty())
            QCOMPARE(a->text(QAccessible::Name), accessible[0]);
        QCOMPARE(a->text(QAccessible::Description), accessible[1]);
    }
}

void TstFrmPrincipale::texteSansTroncature_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::newRow("description") << "Label6" << QString();
    QTest::newRow("prompt") << "Label1" << QString();
    QTest::newRow("widest line, band 51-100") << "Label5"
                                              << "      1 dégagement accessoire";
    QTest::newRow("widest line 2") << "Label3"
                                   << "Il faut 4294969 dégagements";
    QTest::newRow("widest line 1") << "Label2"
                                   << "Pour 2147483647 personnes";
    QTest::newRow("widest line 3") << "Label4"
                                   << "de 1 unité de passage";
}

// On a machine without the Windows fonts a fallback may be wider: nothing may be cut off.
void TstFrmPrincipale::texteSansTroncature()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    auto *label = m_fenetre->findChild<QLabel *>(nom);
    if (texte.isEmpty())
        texte = label->text();
    const QFontMetrics fm(label->font());
    const int drapeaux = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect besoin = fm.boundingRect(QRect(QPoint(), label->size()), drapeaux, texte);
    QVERIFY2(besoin.width() <= label->width() && besoin.height() <= label->height(),
        qPrintable(QString("%1 needs %2x%3, has %4x%5 (font %6)")
                       .arg(nom)
                       .arg(besoin.width())
                       .arg(besoin.height())
                       .arg(label->width())
                       .arg(label->height())
                       .arg(QFontInfo(label->font()).family())));
}

void TstFrmPrincipale::menu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QStringList>("entrees");
    QTest::addColumn<QStringList>("noms");
    QTest::addColumn<QList<QKeySequence>>("raccourcis");

    QTest::newRow("Fichier") << "Fichier"
                             << "&Fichier"
                             << QStringList { "Im&primer le résultat", "", "&Quitter" }
                             << QStringList { "Imprime", "Barre1", "Quitter" }
                             << QList<QKeySequence> { {}, {}, QKeySequence("Ctrl+Q") };
    QTest::newRow("References") << "References"
                                << "&Références" << QStringList { "A&rticle CO 38" }
                                << QStringList { "Article" } << QList<QKeySequence> { {} };
    QTest::newRow("Maj") << "Maj"
                         << "&Mise à jour" << QStringList { "&Site Internet" }
                         << QStringList { "SiteInternet" } << QList<QKeySequence> { {} };
    QTest::newRow("Help") << "Help"
                          << "&?" << QStringList { "&A propos de Salvanor - Dégagements" }
                          << QStringList { "Apropos" }
                          << QList<QKeySequence> { QKeySequence("F1") };
}

void TstFrmPrincipale::menu()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entrees);
    QFETCH(QStringList, noms);
    QFETCH(QList<QKeySequence>, raccourcis);

    const QList<QAction *> barre = m_fenetre->menuBar()->actions();
    QStringList ordre;
    for (QAction *a : barre)
        ordre << a->menu()->objectName();
    QCOMPARE(ordre, QStringList({ "Fichier", "References", "Maj", "Help" }));

    auto *m = m_fenetre->menuBar()->findChild<QMenu *>(menu);
    QVERIFY(m);
    QTEST(m->title(), "titre");
    const QList<QAction *> actions = m->actions();
    QCOMPARE(actions.size(), entrees.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->text(), entrees[i]);
        QCOMPARE(actions[i]->objectName(), noms[i]);
        QCOMPARE(actions[i]->isSeparator(), entrees[i].isEmpty());
        QCOMPARE(actions[i]->shortcut(), raccourcis[i]);
    }
}

// Menus, message boxes and tool tips are drawn in the window's own font.
void TstFrmPrincipale::unePolice()
{
    const QFontInfo attendue(m_fenetre->font());
    const auto memePolice = [&](const QFont &f) {
        const QFontInfo i(f);
        return i.family() == attendue.family() && i.pointSizeF() == attendue.pointSizeF();
    };
    QCOMPARE(attendue.family(), QFontInfo(Gabarit::police()).family());
    for (QMenu *menu : m_fenetre->menuBar()->findChildren<QMenu *>())
        QVERIFY2(memePolice(menu->font()), qPrintable(menu->objectName()));
    QToolTip::showText(m_calculer->mapToGlobal(QPoint(2, 2)), "Calcul", m_calculer);
    QWidget *bulle = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            bulle = w;
    QVERIFY(bulle && memePolice(bulle->font()));
    bool boiteOk = false;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        boiteOk = memePolice(boite->findChild<QLabel *>("qt_msgbox_label")->font())
            && memePolice(boite->button(QMessageBox::Ok)->font());
        boite->button(QMessageBox::Ok)->click();
    });
    Plateforme::remplacer(nullptr);
    m_calculer->click();
    QVERIFY(boiteOk);
}

// The results frame: a border that stands out from the green, its caption set in the top line.
void TstFrmPrincipale::cadreGrave()
{
    auto *cadre = m_fenetre->findChild<QGroupBox *>("Frame1");
    const QImage image = cadre->grab().toImage();
    const auto contraste = [](const QColor &c) {
        return qAbs(c.red()) + qAbs(c.green() - 192) + qAbs(c.blue());
    };
    int haut = -1;
    for (int y = 0; y < cadre->height() && haut < 0; ++y)
        if (contraste(image.pixelColor(0, y)) > 150)
            haut = y;
    QVERIFY2(haut >= 0, "no border on the left edge");
    QVERIFY2(qAbs(haut - QFontMetrics(cadre->font()).height() / 2) <= 2,
        qPrintable(QString("top line at %1 px").arg(haut)));
}

void TstFrmPrincipale::saisie_data()
{
    QTest::addColumn<Touches>("touches");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("bips");

    const auto chiffres = [](const char *s) {
        Touches t;
        for (; *s; ++s)
            t.append({ Qt::Key_0 + (*s - '0'), Qt::NoModifier });
        return t;
    };
    QTest::newRow("1 2 letter 3") << chiffres("12") + Touches { { Qt::Key_A, Qt::NoModifier } }
            + chiffres("3") << "123"
                                  << 1;
    QTest::newRow("seventh digit not inserted") << chiffres("1234567") << "123456" << 0;
    QTest::newRow("space, minus, plus, comma, dot") << Touches { { Qt::Key_Space, {} },
        { Qt::Key_Minus, {} }, { Qt::Key_Plus, {} }, { Qt::Key_Comma, {} }, { Qt::Key_Period, {} } }
                                                    << "" << 5;
    QTest::newRow("backspace") << chiffres("45") + Touches { { Qt::Key_Backspace, {} } } << "4"
                               << 0;
    QTest::newRow("escape is a character") << Touches { { Qt::Key_Escape, {} } } << "" << 1;
    QTest::newRow("ctrl+v does not paste")
        << chiffres("1") + Touches { { Qt::Key_V, Qt::ControlModifier } } << "1" << 1;
    QTest::newRow("ctrl+a, ctrl+c, ctrl+x") << chiffres("12")
            + Touches { { Qt::Key_A, Qt::ControlModifier }, { Qt::Key_C, Qt::ControlModifier },
                  { Qt::Key_X, Qt::ControlModifier } }
                                            << "12" << 3;
    QTest::newRow("enter: no beep, no character")
        << chiffres("12") + Touches { { Qt::Key_Return, {} } } << "" << 0;
}

void TstFrmPrincipale::saisie()
{
    QFETCH(Touches, touches);
    QApplication::clipboard()->setText("99");
    for (const auto &[touche, modificateurs] : touches)
        QTest::keyClick(m_saisie, static_cast<Qt::Key>(touche), modificateurs);
    QTEST(m_saisie->text(), "texte");
    QTEST(m_plateforme->bips, "bips");
}

void TstFrmPrincipale::touchesSansCaractere()
{
    taper("1234");
    QTest::keyClick(m_saisie, Qt::Key_Home);
    QTest::keyClick(m_saisie, Qt::Key_Delete);
    QTest::keyClick(m_saisie, Qt::Key_End);
    QTest::keyClick(m_saisie, Qt::Key_Left);
    QTest::keyClick(m_saisie, Qt::Key_Backspace);
    QCOMPARE(m_saisie->text(), QString("24"));
    QCOMPARE(m_plateforme->bips, 0);
    QTest::keyClick(m_saisie, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_calculer);
    QCOMPARE(m_plateforme->bips, 0);
}

void TstFrmPrincipale::collage_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("bips");

    QTest::newRow("digits") << ""
                            << "42"
                            << "42" << 0;
    QTest::newRow("digits cut to 6") << "1"
                                     << "23456789"
                                     << "123456" << 0;
    QTest::newRow("full box") << "123456"
                              << "7"
                              << "123456" << 0;
    QTest::newRow("letters refused") << "12"
                                     << "3a"
                                     << "12" << 1;
    QTest::newRow("negative refused") << ""
                                      << "-5"
                                      << "" << 1;
    QTest::newRow("spaces refused") << ""
                                    << " 12 "
                                    << "" << 1;
    QTest::newRow("other script digits refused") << "" << QString(QChar(0x0663)) << "" << 1;
}

// The context menu's paste and drag and drop insert without passing the key filter.
void TstFrmPrincipale::collage()
{
    QFETCH(QString, avant);
    QFETCH(QString, colle);
    taper(avant);
    QApplication::clipboard()->setText(colle);
    m_saisie->paste();
    QTEST(m_saisie->text(), "texte");
    QTEST(m_plateforme->bips, "bips");
}

void TstFrmPrincipale::calcul_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QStringList>("attendu");

    QTest::newRow("1") << "1"
                       << QStringList { "Pour 1 personne", "Il faut 1 dégagement",
                              "de 1 unité de passage", "" };
    QTest::newRow("00 is not rejected")
        << "00"
        << QStringList { "Pour 0 personnes", "Il faut 1 dégagement", "de 1 unité de passage", "" };
    QTest::newRow("007") << "007"
                         << QStringList { "Pour 7 personnes", "Il faut 1 dégagement",
                                "de 1 unité de passage", "" };
    QTest::newRow("75") << "75"
                        << QStringList { "Pour 75 personnes", "Il faut 2 dégagements de 1 UP",
                               "ou 1 dégagement de 2 UP et", "      1 dégagement accessoire" };
    QTest::newRow("999999") << "999999"
                            << QStringList { "Pour 999999 personnes", "Il faut 2001 dégagements",
                                   "totalisant 10000 UP", "" };
}

void TstFrmPrincipale::calcul()
{
    QFETCH(QString, saisi);
    m_calculer->setFocus();
    m_saisie->setText(saisi);
    QTest::mouseClick(m_calculer, Qt::LeftButton);
    QTEST(lignes(), "attendu");
    // A screen reader reads each result line by its accessible name.
    QCOMPARE(QAccessible::queryAccessibleInterface(m_fenetre->findChild<QLabel *>("Label2"))
                 ->text(QAccessible::Name),
        lignes().first());
    QCOMPARE(m_saisie->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_saisie);
}

void TstFrmPrincipale::entreeCommeUnClic()
{
    taper("51");
    QTest::keyClick(m_saisie, Qt::Key_Return);
    const QStringList parEntree = lignes();
    QCOMPARE(parEntree.first(), QString("Pour 51 personnes"));
    taper("51");
    QTest::keyClick(m_saisie, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(lignes(), parEntree);
    taper("51");
    QTest::mouseClick(m_calculer, Qt::LeftButton);
    QCOMPARE(lignes(), parEntree);
    QCOMPARE(m_plateforme->bips, 0);
}

void TstFrmPrincipale::avertissement_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<bool>("parEntree");
    QTest::newRow("empty, click") << "" << false;
    QTest::newRow("0, click") << "0" << false;
    QTest::newRow("empty, enter") << "" << true;
    QTest::newRow("0, enter") << "0" << true;
}

void TstFrmPrincipale::avertissement()
{
    QFETCH(QString, saisi);
    QFETCH(bool, parEntree);

    // A result first: the warning must leave no trace of it.
    taper("120");
    QTest::keyClick(m_saisie, Qt::Key_Return);
    QCOMPARE(lignes().first(), QString("Pour 120 personnes"));

    QString titre, texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
    bool modale = false;
    QStringList lignesPendant;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        titre = boite->windowTitle();
        texte = boite->text();
        icone = boite->icon();
        boutons = boite->standardButtons();
        modale = boite->isModal();
        lignesPendant = lignes();
        boite->button(QMessageBox::Ok)->click();
    });

    taper(saisi);
    QWidget *focus = parEntree ? static_cast<QWidget *>(m_saisie) : m_calculer;
    focus->setFocus();
    if (parEntree)
        QTest::keyClick(m_saisie, Qt::Key_Return);
    else
        QTest::mouseClick(m_calculer, Qt::LeftButton);

    QCOMPARE(titre, QString("Erreur"));
    QCOMPARE(texte, QString("Indiquez un nombre de personnes"));
    QCOMPARE(icone, QMessageBox::Warning);
    QCOMPARE(boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(modale);
    QCOMPARE(lignesPendant, QStringList({ "", "", "", "" }));
    QCOMPARE(lignes(), QStringList({ "", "", "", "" }));
    QCOMPARE(m_saisie->text(), QString());
    QCOMPARE(m_fenetre->focusWidget(), focus);
    QCOMPARE(m_plateforme->bips, 0);
}

void TstFrmPrincipale::fermetureParLaBarreDeTitre()
{
    // Only the main window goes: another open window keeps the program running.
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QWidget autre;
    autre.show();
    QVERIFY(m_fenetre->close());
    QVERIFY(!m_fenetre->isVisible());
    QVERIFY(autre.isVisible());
}

QTEST_MAIN(TstFrmPrincipale)
#include "tst_frmprincipale.moc"
