#include "CalculDegagements.h"
#include "SelonArticle.h"

#include <QTest>
#include <limits>

class TstCalcul : public QObject
{
    Q_OBJECT

private slots:
    void mots_data();
    void mots();
    void toutEffectif();
    void lecture_data();
    void lecture();
};

// The words of each band, as the article's reader expects them.
void TstCalcul::mots_data()
{
    QTest::addColumn<qint32>("n");
    QTest::addColumn<QStringList>("lignes");
    const QString un = "Il faut 1 dégagement", up = "de 1 unité de passage";
    QTest::newRow("0") << 0 << QStringList { "Pour 0 personnes", un, up, "" };
    QTest::newRow("1, singular") << 1 << QStringList { "Pour 1 personne", un, up, "" };
    QTest::newRow("20") << 20
                        << QStringList { "Pour 20 personnes", "Il faut 1 dégagement de 1 UP",
                               "et 1 dégagement accessoire", "" };
    QTest::newRow("100, indented 4th line")
        << 100
        << QStringList { "Pour 100 personnes", "Il faut 2 dégagements de 1 UP",
               "ou 1 dégagement de 2 UP et", "      1 dégagement accessoire" };
    QTest::newRow("101") << 101
                         << QStringList { "Pour 101 personnes", "Il faut 2 dégagements",
                                "totalisant 3 UP", "" };
    QTest::newRow("2147483500") << 2147483500
                                << QStringList { "Pour 2147483500 personnes",
                                       "Il faut 4294968 dégagements", "totalisant 21474835 UP", "" };
}

void TstCalcul::mots()
{
    QFETCH(qint32, n);
    const LignesResultat r = CalculDegagements(n);
    QTEST(QStringList(r.begin(), r.end()), "lignes");
}

// Every count the box can hold, the negative ones and the ends of the 32-bit range.
void TstCalcul::toutEffectif()
{
    QList<qint64> effectifs { std::numeric_limits<qint32>::min(), 2147483500, 2147483501,
        std::numeric_limits<qint32>::max() };
    for (qint32 n = -1000; n <= 999999; ++n)
        effectifs << n;
    for (const qint64 n : effectifs)
        if (CalculDegagements(qint32(n)) != selonArticle(n))
            QFAIL(qPrintable(QString("%1: %2, %3").arg(n).arg(CalculDegagements(qint32(n))[1],
                CalculDegagements(qint32(n))[2])));
}

void TstCalcul::lecture_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<qint64>("effectif"); // -1: ask for a number
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("exactly 0") << "0" << qint64(-1);
    QTest::newRow("00") << "00" << qint64(0);
    QTest::newRow("007") << "007" << qint64(7);
    QTest::newRow("int max") << "0002147483647" << qint64(2147483647);
    QTest::newRow("int max + 1") << "2147483648" << qint64(-1);
    QTest::newRow("sign") << "-5" << qint64(-1);
    QTest::newRow("space") << " 5" << qint64(-1);
    QTest::newRow("letter") << "12a" << qint64(-1);
    QTest::newRow("arabic-indic 3") << QString(QChar(0x0663)) << qint64(-1);
}

void TstCalcul::lecture()
{
    QFETCH(QString, texte);
    QTEST(qint64(LireEffectif(texte).value_or(-1)), "effectif");
}

QTEST_APPLESS_MAIN(TstCalcul)
#include "tst_calcul.moc"
