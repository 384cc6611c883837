// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Impression.h"
#include "PageNiveaux.h"

#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <unistd.h>

// A study printed through a private scheduler that files each job, and exported as a PDF.
class TstImpressionEtude : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dossier;
    int m_travaux = 0;

    static QString lancer(const QString &programme, const QStringList &arguments)
    {
        QProcess processus;
        processus.start(programme, arguments);
        const bool reussi = processus.waitForFinished(30000) && processus.exitCode() == 0;
        return reussi ? processus.readAllStandardOutput() : "?";
    }
    // The study as typed, printed as the window prints it, on 12/03/2026.
    static std::function<void(Imprimante &)> dessin(const QList<SaisieNiveau> &saisies)
    {
        return [etude = EtudeNiveaux { saisies }](Imprimante &page) {
            imprimerNiveaux(page, etude, { 2026, 3, 12 });
        };
    }
    // The pages of the next job, which the queue names by its number.
    QStringList imprimer(const QList<SaisieNiveau> &saisies)
    {
        [&] { QCOMPARE(Impression::imprimer(dessin(saisies)), QString()); }();
        const QString travail = m_dossier.filePath(QString("travaux/%1.pdf").arg(++m_travaux));
        [&] { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(travail), 20000); }();
        return pages(travail);
    }
    // As text in columns; pdftotext ends each page with a form feed.
    static QStringList pages(const QString &pdf)
    {
        return lancer("pdftotext", { "-layout", pdf, "-" }).split('\f', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        if (const QString manquants = qEnvironmentVariable("SALVANOR_OUTILS_MANQUANTS");
            !manquants.isEmpty())
            QSKIP(qPrintable("not found when the build was configured: " + manquants));
        qputenv("CUPS_SERVER", QFile::encodeName(m_dossier.filePath("cups.sock")));
        const QString programme = QString::number(getpid());
        QVERIFY(lancer("sh", { SALVANOR_CUPS_PRIVE, m_dossier.path(), programme }).toInt() > 0);
    }

    // The issue's building: CO 39 raises SS1 (150 at 3,50 m → 200 + 20 % = 240), the stairs of
    // R+1 carry R+1 and R+2, those of SS1 the raised basement. Rows read left to right.
    void etudeImprimee()
    {
        const QList<SaisieNiveau> saisies { { 2, "100", "" }, { 1, "200", "" }, { 0, "300", "" },
            { -1, "150", "3,50" } };
        const QStringList texte = imprimer(saisies);
        for (const QString &ligne : QStringList {
                 QString(R"(SalvaNOR - Dégagements v\.%1 +12/03/2026 +page 1 / 1)")
                     .arg(SALVANOR_VERSION),
                 R"(\n *SS1 +150 +3,50 *\n)",
                 R"(SS1 +150 +3,50 +150 → 200 \+ 20 % = +2 +4)",
                 R"(Escaliers desservant R\+1 +300 +300 +2 +4)",
                 "Escaliers desservant SS1 +240 +150 +2 +4",
                 "CO 39 +Sous-sol à plus de 2 m",
             })
            QVERIFY2(QRegularExpression(ligne).match(texte.value(0)).hasMatch(),
                qPrintable(ligne + "\n" + texte.join("\f\n")));

        // The PDF holds the same words; a rewrite past a file-size limit leaves it as it was.
        const QString chemin = m_dossier.filePath("étude.pdf");
        QCOMPARE(Impression::exporterPdf(chemin, dessin(saisies)), QString());
        const QStringList exporte = pages(chemin);
        QCOMPARE(exporte.join(' ').simplified(), texte.join(' ').simplified());
        QVERIFY(lancer("pdfinfo", { chemin }).contains("SalvaNOR - Dégagements"));
        rlimit limite {};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit petite { 1000, limite.rlim_max };
        setrlimit(RLIMIT_FSIZE, &petite);
        const QString echec = Impression::exporterPdf(chemin, dessin({ { 0, "20", "" } }));
        setrlimit(RLIMIT_FSIZE, &limite);
        QCOMPARE(echec,
            "Le PDF n'a pas été écrit : le fichier dépasserait la taille maximale permise à ce "
            "programme (limite de taille de fichier).");
        QCOMPARE(pages(chemin), exporte);
    }

    // Thirty levels: each page numbered out of the pages printed; no row lost or repeated.
    void trenteNiveaux()
    {
        QList<SaisieNiveau> saisies;
        QStringList lignes;
        int cumule = 0;
        for (int etage = 29; etage >= 1; --etage) {
            cumule += etage * 10;
            saisies << SaisieNiveau { etage, QString::number(etage * 10), "" };
            lignes << QString(R"(\n *R\+%1 +%2 +%2 +\d)").arg(etage).arg(etage * 10)
                   << QString(R"(Escaliers desservant R\+%1 +%2 +%2 )").arg(etage).arg(cumule);
        }
        const QStringList texte = imprimer(saisies << SaisieNiveau { 0, "0", "" });
        QVERIFY2(texte.size() >= 2, qPrintable(texte.join('\n')));
        for (int page = 1; page <= texte.size(); ++page)
            QVERIFY(texte[page - 1].contains(QString("page %1 / %2").arg(page).arg(texte.size())));
        for (const QString &ligne : lignes)
            QVERIFY2(texte.join('\n').count(QRegularExpression(ligne)) == 1, qPrintable(ligne));
    }

    // Sixty-five levels where the queue's printable area (36 30 565 792 pt) is taller than the
    // PDF's (A4 less 15 mm), which printed them on 8 pages and filed them on 9: the printout and
    // the file have the same pages, word for word.
    void memesPagesImprimeesEtExportees()
    {
        QList<SaisieNiveau> saisies;
        for (int etage = 64; etage >= 0; --etage)
            saisies << SaisieNiveau { etage, "10", "" };
        const QStringList imprime = imprimer(saisies);
        const QString chemin = m_dossier.filePath("soixante-cinq.pdf");
        QCOMPARE(Impression::exporterPdf(chemin, dessin(saisies)), QString());
        const QStringList exporte = pages(chemin);
        QVERIFY(exporte.size() > 1);
        QCOMPARE(imprime.size(), exporte.size());
        for (qsizetype page = 0; page < exporte.size(); ++page)
            QCOMPARE(imprime.value(page).simplified(), exporte[page].simplified());
    }
};

QTEST_MAIN(TstImpressionEtude)
#include "tst_impression_etude.moc"
