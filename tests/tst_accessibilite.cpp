#include "Enregistreur.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"
#include "Produit.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

class TstAccessibilite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Gabarit::installerSubstitutions(); }
    void noms_data();
    void noms();
    void resultatAnnonce();
};

void TstAccessibilite::noms_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("description");

    const QString bulle = "SalvaNOR - Des outils simples pour la sécurité des ERP";
    QTest::newRow("person-count box")
        << ""
        << "FrmPrincipale"
        << "Text1"
        << "Nombre de personnes"
        << "Effectif admis : des chiffres seulement, six au plus ; Entrée lance le calcul";
    QTest::newRow("Calculer") << ""
                              << "FrmPrincipale"
                              << "CmdCalculer"
                              << "Calculer"
                              << "Calcule le nombre et la largeur des dégagements";
    for (int i = 1; i <= 4; ++i)
        QTest::addRow("result line %d", i) << ""
                                           << "FrmPrincipale" << QString("Label%1").arg(i + 1) << ""
                                           << QString("Résultat, ligne %1").arg(i);
    QTest::newRow("Article: Fermer") << "Article"
                                     << "FrmCO38"
                                     << "Command2"
                                     << "Fermer"
                                     << "Ferme la fenêtre de l'article CO 38";
    QTest::newRow("About: OK") << "Apropos"
                               << "frmAbout"
                               << "cmdOK"
                               << "OK"
                               << "Ferme la fenêtre À propos";
    QTest::newRow("About: animation") << "Apropos"
                                      << "frmAbout"
                                      << "Animation1"
                                      << "Animation du logo SalvaNOR" << bulle;
    QTest::newRow("About: logo") << "Apropos"
                                 << "frmAbout"
                                 << "Image1"
                                 << "Logo SalvaNOR" << bulle;
    QTest::newRow("Internet: OK") << "SiteInternet"
                                  << "FrmInternet"
                                  << "Command1"
                                  << "OK"
                                  << "Ferme la fenêtre du site Internet";
    QTest::newRow("Internet: web icon")
        << "SiteInternet"
        << "FrmInternet"
        << "Image2"
        << "Accès au site"
        << "Ouvre https://" + Produit::SiteInternet + " dans le navigateur";
    QTest::newRow("Internet: logo") << "SiteInternet"
                                    << "FrmInternet"
                                    << "Image1"
                                    << "Logo SalvaNOR" << bulle;
}

void TstAccessibilite::noms()
{
    QFETCH(QString, entree);
    QFETCH(QString, classe);
    QFETCH(QString, controle);
    Enregistreur plateforme;
    FrmPrincipale principale;
    principale.show();
    QWidget *fenetre = &principale;
    if (!entree.isEmpty()) {
        principale.findChild<QAction *>(entree)->trigger();
        fenetre = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->inherits(qPrintable(classe)) && w->isVisible())
                fenetre = w;
    }
    QVERIFY(fenetre);
    QWidget *w = fenetre->findChild<QWidget *>(controle);
    QVERIFY(w);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a);
    QFETCH(QString, nom);
    if (!nom.isEmpty()) // result lines are named by their text, checked below
        QCOMPARE(a->text(QAccessible::Name), nom);
    QTEST(a->text(QAccessible::Description), "description");
}

// A screen reader reads the result lines by their accessible names.
void TstAccessibilite::resultatAnnonce()
{
    Enregistreur plateforme;
    FrmPrincipale principale;
    principale.findChild<QLineEdit *>("Text1")->setText("20");
    principale.CmdCalculer_Click();
    QStringList annonce;
    for (const char *nom : { "Label2", "Label3", "Label4" })
        annonce << QAccessible::queryAccessibleInterface(principale.findChild<QWidget *>(nom))
                       ->text(QAccessible::Name);
    QCOMPARE(annonce,
        QStringList(
            { "Pour 20 personnes", "Il faut 1 dégagement de 1 UP", "et 1 dégagement accessoire" }));
}

QTEST_MAIN(TstAccessibilite)
#include "tst_accessibilite.moc"
