#include "CalculDegagements.h"

#include <QTest>
#include <limits>

class TstCalcul : public QObject
{
    Q_OBJECT

private slots:
    void lignes_data();
    void lignes();
    void toutComptePossible();
    void conversion_data();
    void conversion();
};

void TstCalcul::lignes_data()
{
    QTest::addColumn<qint32>("n");
    QTest::addColumn<QString>("l1");
    QTest::addColumn<QString>("l2");
    QTest::addColumn<QString>("l3");
    QTest::addColumn<QString>("l4");

    const QString un = "Il faut 1 dégagement", unUp = "de 1 unité de passage";
    const QString b2 = "Il faut 1 dégagement de 1 UP", b3 = "et 1 dégagement accessoire";
    const QString c2 = "Il faut 2 dégagements de 1 UP", c3 = "ou 1 dégagement de 2 UP et",
                  c4 = "      1 dégagement accessoire";
    const QString deux = "Il faut 2 dégagements";

    QTest::newRow("min int") << std::numeric_limits<qint32>::min() << "Pour -2147483648 personnes"
                             << un << unUp << "";
    QTest::newRow("-1") << -1 << "Pour -1 personnes" << un << unUp << "";
    QTest::newRow("0") << 0 << "Pour 0 personnes" << un << unUp << "";
    QTest::newRow("1 singular") << 1 << "Pour 1 personne" << un << unUp << "";
    QTest::newRow("2") << 2 << "Pour 2 personnes" << un << unUp << "";
    QTest::newRow("19") << 19 << "Pour 19 personnes" << un << unUp << "";
    QTest::newRow("20") << 20 << "Pour 20 personnes" << b2 << b3 << "";
    QTest::newRow("50") << 50 << "Pour 50 personnes" << b2 << b3 << "";
    QTest::newRow("51") << 51 << "Pour 51 personnes" << c2 << c3 << c4;
    QTest::newRow("100") << 100 << "Pour 100 personnes" << c2 << c3 << c4;
    const int bords[][2] = { { 101, 3 }, { 200, 3 }, { 201, 4 }, { 300, 4 }, { 301, 5 }, { 400, 5 },
        { 401, 6 }, { 500, 6 } };
    for (const auto &[n, up] : bords)
        QTest::addRow("%d", n) << n << QString("Pour %1 personnes").arg(n) << deux
                               << QString("totalisant %1 UP").arg(up) << "";
    const qint32 grands[][3] = { { 501, 3, 6 }, { 1000, 3, 10 }, { 1001, 4, 11 }, { 2000, 5, 20 },
        { 999999, 2001, 10000 }, { 2147483500, 4294968, 21474835 },
        { 2147483501, 4294969, 21474836 }, { 2147483647, 4294969, 21474837 } };
    for (const auto &[n, e, up] : grands)
        QTest::addRow("%d", n) << n << QString("Pour %1 personnes").arg(n)
                               << QString("Il faut %1 dégagements").arg(e)
                               << QString("totalisant %1 UP").arg(up) << "";
}

void TstCalcul::lignes()
{
    QFETCH(qint32, n);
    const LignesResultat r = CalculDegagements(n);
    QTEST(r[0], "l1");
    QTEST(r[1], "l2");
    QTEST(r[2], "l3");
    QTEST(r[3], "l4");
}

// The article's own wording, restated independently of the implementation's bands.
static LignesResultat selonArticle(int n)
{
    const QString l1 = QString("Pour %1 personne%2").arg(n).arg(n == 1 ? "" : "s");
    if (n <= 19)
        return { l1, "Il faut 1 dégagement", "de 1 unité de passage", "" };
    if (n <= 50)
        return { l1, "Il faut 1 dégagement de 1 UP", "et 1 dégagement accessoire", "" };
    if (n <= 100)
        return { l1, "Il faut 2 dégagements de 1 UP", "ou 1 dégagement de 2 UP et",
            "      1 dégagement accessoire" };
    int centaines = n / 100 + (n % 100 != 0);
    if (n <= 500)
        return { l1, "Il faut 2 dégagements", QString("totalisant %1 UP").arg(centaines + 1), "" };
    const int auDela = n - 500;
    const int sorties = 2 + auDela / 500 + (auDela % 500 != 0);
    return { l1, QString("Il faut %1 dégagements").arg(sorties),
        QString("totalisant %1 UP").arg(centaines), "" };
}

void TstCalcul::toutComptePossible()
{
    // Every count the box can hold, 0 to 999999.
    for (int n = 0; n <= 999999; ++n) {
        const LignesResultat attendu = selonArticle(n), obtenu = CalculDegagements(n);
        if (obtenu != attendu)
            QFAIL(qPrintable(QString("%1: %2 / %3 instead of %4 / %5")
                                 .arg(n)
                                 .arg(obtenu[1], obtenu[2], attendu[1], attendu[2])));
    }
}

void TstCalcul::conversion_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<qint32>("valeur");

    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("zeros") << "00" << true << 0;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("six digits") << "999999" << true << 999999;
    QTest::newRow("int max") << "2147483647" << true << 2147483647;
    QTest::newRow("int max with zeros") << "0002147483647" << true << 2147483647;
    QTest::newRow("int max + 1") << "2147483648" << false << 0;
    QTest::newRow("huge") << "99999999999999999999" << false << 0;
    QTest::newRow("minus") << "-5" << false << 0;
    QTest::newRow("plus") << "+5" << false << 0;
    QTest::newRow("space") << " 5" << false << 0;
    QTest::newRow("letter") << "12a" << false << 0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << false << 0;
    QTest::newRow("fullwidth digit") << QString(QChar(0xFF11)) << false << 0;
}

void TstCalcul::conversion()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    const std::optional<qint32> n = ConvertirNombre(texte);
    QCOMPARE(n.has_value(), valide);
    if (valide)
        QTEST(*n, "valeur");
}

QTEST_APPLESS_MAIN(TstCalcul)
#include "tst_calcul.moc"
