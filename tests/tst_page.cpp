// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "ImprimanteEnregistreuse.h"
#include "PageResultat.h"

#include <QTest>

// The printed result as the page layer receives it, without a printer.
class TstPage : public QObject
{
    Q_OBJECT

private slots:
    // Every line in order, where it starts, in its font and size. Arial's published metrics give
    // a line spacing of 1.15 em: 276 twips at 12 pt, 184 at 8 pt; the first line is 500 twips
    // down and in, and the blank line under the header is a full 12-point line.
    void resultat()
    {
        ImprimanteEnregistreuse page;
        imprimerResultat(page,
            { "Pour 75 personnes", "Il faut 2 dégagements de 1 UP", "ou 1 dégagement de 2 UP et",
                "      1 dégagement accessoire" });
        const QString filet(49, '-');
        QCOMPARE(page.decrites(),
            QStringList({
                "page 1 | 500, 500 | Arial 12 | " + filet,
                "page 1 | 500, 776 | Arial 8 | SalvaNOR - Dégagements v." SALVANOR_VERSION,
                "page 1 | 500, 960 | Arial 12 | " + filet,
                "page 1 | 0, 1236 | Arial 12 | ",
                "page 1 | 500, 1512 | Arial 12 | Pour 75 personnes",
                "page 1 | 500, 1788 | Arial 12 | Il faut 2 dégagements de 1 UP",
                "page 1 | 500, 2064 | Arial 12 | ou 1 dégagement de 2 UP et",
                "page 1 | 500, 2340 | Arial 12 |       1 dégagement accessoire",
                "page 1 | 500, 2616 | Arial 12 | " + filet,
            }));
    }

    // A result of three lines still prints its empty fourth line: the closing rule stays put.
    void quatriemeLigneVide()
    {
        ImprimanteEnregistreuse page;
        imprimerResultat(
            page, { "Pour 250 personnes", "Il faut 2 dégagements", "totalisant 4 UP", QString() });
        QCOMPARE(page.lignes.size(), 9);
        QCOMPARE(page.lignes[7].decrite(), QString("page 1 | 500, 2340 | Arial 12 | "));
        QCOMPARE(page.lignes[8].y, 2616);
    }
};

QTEST_MAIN(TstPage)
#include "tst_page.moc"
