#include "Enregistreur.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"
#include "ImprimanteEnregistreuse.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

const QString Filet = "Print [-------------------------------------------------]";

QStringList page(const QStringList &lignes)
{
    QStringList p { "FontName Arial", "FontSize 12", "Y 500", "X 500", Filet, "FontSize 8", "X 500",
        "Print [SalvaNOR - Dégagements v.1.0.0]", "X 500", "FontSize 12", Filet, "Print []" };
    for (const QString &l : lignes)
        p << "X 500"
          << "Print [" + l + "]";
    p << "X 500" << Filet << "EndDoc";
    return p;
}

} // namespace

class TstImpression : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void page_data();
    void page();
    void deuxImpressionsIdentiques();
    void echecs_data();
    void echecs();
};

void TstImpression::page_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("no result yet") << QString() << QStringList { "", "", "", "" };
    QTest::newRow("20 persons") << "20"
                                << QStringList { "Pour 20 personnes",
                                       "Il faut 1 dégagement de 1 UP", "et 1 dégagement accessoire",
                                       "" };
    QTest::newRow("51 persons, indented line 4")
        << "51"
        << QStringList { "Pour 51 personnes", "Il faut 2 dégagements de 1 UP",
               "ou 1 dégagement de 2 UP et", "      1 dégagement accessoire" };
}

void TstImpression::page()
{
    QFETCH(QString, saisi);
    QFETCH(QStringList, lignes);
    Enregistreur plateforme;
    FrmPrincipale fenetre;
    QStringList journal;
    int curseurPendant = -1;
    fenetre.setFabriqueImprimante([&](QString &) {
        curseurPendant
            = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : -1;
        return std::make_unique<ImprimanteEnregistreuse>(journal);
    });
    if (!saisi.isEmpty()) {
        fenetre.findChild<QLineEdit *>("Text1")->setText(saisi);
        fenetre.CmdCalculer_Click();
    }
    fenetre.findChild<QAction *>("Imprime")->trigger();
    QCOMPARE(journal, ::page(lignes));
    QCOMPARE(curseurPendant, int(Qt::WaitCursor));
    QVERIFY(!QApplication::overrideCursor());
}

void TstImpression::deuxImpressionsIdentiques()
{
    FrmPrincipale fenetre;
    QStringList premiere, seconde;
    QStringList *journal = &premiere;
    fenetre.setFabriqueImprimante(
        [&](QString &) { return std::make_unique<ImprimanteEnregistreuse>(*journal); });
    fenetre.findChild<QLineEdit *>("Text1")->setText("640");
    fenetre.CmdCalculer_Click();
    fenetre.Imprime_Click();
    journal = &seconde;
    fenetre.Imprime_Click();
    QCOMPARE(seconde, premiere);
    QVERIFY(premiere.contains("Print [totalisant 7 UP]"));
}

void TstImpression::echecs_data()
{
    QTest::addColumn<bool>("imprimanteTrouvee");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printer") << false << "Le résultat n'a pas été imprimé : aucune imprimante.";
    QTest::newRow("job refused") << true
                                 << "Le résultat n'a pas été imprimé : la file refuse le travail.";
}

void TstImpression::echecs()
{
    QFETCH(bool, imprimanteTrouvee);
    Enregistreur plateforme;
    plateforme.avertissementsEnregistres = true;
    FrmPrincipale fenetre;
    QStringList journal;
    fenetre.setFabriqueImprimante([&](QString &erreur) -> std::unique_ptr<Imprimante> {
        if (!imprimanteTrouvee) {
            erreur = "aucune imprimante";
            return nullptr;
        }
        return std::make_unique<ImprimanteEnregistreuse>(journal, true);
    });
    fenetre.Imprime_Click();
    QCOMPARE(plateforme.avertissements.size(), 1);
    QCOMPARE(plateforme.avertissements[0].titre, QString("Erreur"));
    QTEST(plateforme.avertissements[0].texte, "message");
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
