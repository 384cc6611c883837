// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "CalculDegagements.h"
#include "SelonArticle.h"

#include <QTest>

class TstCalcul : public QObject
{
    Q_OBJECT

private slots:
    // Words and numbers for every count the box can hold, negative ones and the ends of the
    // 32-bit range, against the article's own rule.
    void toutEffectif()
    {
        QList<qint32> effectifs { INT32_MIN, 2147483500, 2147483501, INT32_MAX };
        for (qint32 effectif = -1000; effectif <= 999999; ++effectif)
            effectifs << effectif;
        for (const qint32 effectif : effectifs) {
            const LignesResultat calcule = CalculDegagements(effectif);
            const LignesResultat attendu = selonArticle(effectif);
            if (calcule != attendu)
                QFAIL(qPrintable(QString("%1: « %2 », the article says « %3 »")
                                     .arg(effectif)
                                     .arg(QStringList(calcule.begin(), calcule.end()).join(" / "),
                                         QStringList(attendu.begin(), attendu.end()).join(" / "))));
        }
    }

    void lecture_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<qint64>("effectif"); // -1: none, the user is asked for a count
        QTest::newRow("empty") << "" << -1LL;
        QTest::newRow("a lone zero") << "0" << -1LL;
        QTest::newRow("two zeros") << "00" << 0LL;
        QTest::newRow("leading zeros") << "007" << 7LL;
        QTest::newRow("largest, zeros ahead") << "0002147483647" << qint64(INT32_MAX);
        QTest::newRow("one past the largest") << "2147483648" << -1LL;
        QTest::newRow("a sign") << "-5" << -1LL;
        QTest::newRow("a space") << " 5" << -1LL;
        QTest::newRow("a letter") << "12a" << -1LL;
        QTest::newRow("an Arabic-Indic digit") << "٣" << -1LL;
        QTest::newRow("full-width digits") << "１２" << -1LL;
    }

    // The box's text as a count, or none.
    void lecture()
    {
        QFETCH(QString, texte);
        QTEST(qint64(LireEffectif(texte).value_or(-1)), "effectif");
    }
};

QTEST_APPLESS_MAIN(TstCalcul)
#include "tst_calcul.moc"
