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
        for (qint32 n = -1000; n <= 999999; ++n)
            effectifs << n;
        for (const qint32 n : effectifs)
            if (CalculDegagements(n) != selonArticle(n))
                QFAIL(qPrintable(QString::number(n) + ": " + CalculDegagements(n).at(1)));
    }

    // The box's text as a count, or none (-1) for the user to be asked for one.
    void lecture()
    {
        const QList<std::pair<QString, qint64>> lectures { { "", -1 }, { "0", -1 }, { "00", 0 },
            { "007", 7 }, { "0002147483647", INT32_MAX }, { "2147483648", -1 }, { "-5", -1 },
            { " 5", -1 }, { "12a", -1 }, { "٣", -1 } };
        for (const auto &[texte, effectif] : lectures)
            QCOMPARE(LireEffectif(texte).value_or(-1), effectif);
    }
};

QTEST_APPLESS_MAIN(TstCalcul)
#include "tst_calcul.moc"
