// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Impression.h"
#include "Lecture.h"
#include "PageNiveaux.h"

#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// A study printed through the real print system, a private scheduler whose one queue writes each
// job to a file, and exported as a PDF: read back as a person reads the paper.
class TstImpressionEtude : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dossier;
    const QDate m_date { 2026, 3, 12 };

    static QString lancer(const QString &programme, const QStringList &arguments)
    {
        QProcess p;
        p.start(programme, arguments);
        return p.waitForFinished(30000) && !p.exitCode() ? p.readAllStandardOutput() : "?";
    }
    // "RDC=300 SS1=150@3,50": the study as typed, and its result.
    struct Cas
    {
        Etude saisie;
        ResultatNiveaux resultat;
    };
    static Cas etude(const QStringList &saisies)
    {
        Etude etude;
        QList<Niveau> niveaux;
        for (const QString &saisie : saisies) {
            const int indice = *lireNomNiveau(saisie.section('=', 0, 0));
            const QString effectif = saisie.section('=', 1).section('@', 0, 0);
            const QString profondeur = saisie.section('@', 1);
            etude.niveaux << SaisieNiveau { indice, effectif, profondeur };
            niveaux << Niveau { indice, lireEffectifCellule(effectif).valeur,
                indice < 0 ? lireMillimetres(profondeur).valeur : std::nullopt };
        }
        return { etude, calculerNiveaux(niveaux) };
    }
    // The pages of the one job the queue has written, as text in columns.
    QStringList imprimer(const QStringList &saisies)
    {
        const Cas cas = etude(saisies);
        const QDir travaux(m_dossier.filePath("travaux"));
        const QStringList avant = travaux.entryList({ "*.pdf" });
        const QString echec = Impression::imprimer(
            [&](Imprimante &page) { imprimerNiveaux(page, cas.saisie, cas.resultat, m_date); });
        if (!echec.isEmpty())
            return { echec };
        QStringList nouveaux;
        const auto travailFini = [&] {
            nouveaux = travaux.entryList({ "*.pdf" });
            for (const QString &ancien : avant)
                nouveaux.removeOne(ancien);
            return nouveaux.size() == 1;
        };
        [&] { QTRY_VERIFY_WITH_TIMEOUT(travailFini(), 20000); }();
        return pages(travaux.filePath(nouveaux.value(0)));
    }
    // pdftotext ends each page with a form feed.
    static QStringList pages(const QString &pdf)
    {
        QStringList pages = lancer("pdftotext", { "-layout", pdf, "-" }).split('\f');
        pages.removeLast();
        return pages;
    }
    static QString mots(const QStringList &pages) { return pages.join(' ').simplified(); }

private slots:
    void initTestCase()
    {
        if (const QString manquants = qEnvironmentVariable("SALVANOR_OUTILS_MANQUANTS");
            !manquants.isEmpty())
            QSKIP(qPrintable("not found when the build was configured: " + manquants));
        qputenv("CUPS_SERVER", QFile::encodeName(m_dossier.filePath("cups.sock")));
        QVERIFY(lancer("sh", { SALVANOR_CUPS_PRIVE, m_dossier.path(), QString::number(getpid()) })
                    .toInt()
            > 0);
    }

    // The building: CO 39 raises SS1 (150 at 3,50 m → 200 + 20 % = 240), the stairs of
    // R+1 carry R+1 and R+2, those of SS1 the raised basement. Rows read left to right.
    void etudeImprimee()
    {
        const QStringList texte = imprimer({ "R+2=100", "R+1=200", "RDC=300", "SS1=150@3,50" });
        QVERIFY2(texte.size() == 1, qPrintable(texte.join("\f\n")));
        const QString &page = texte[0];
        QVERIFY(page.contains("SalvaNOR - Dégagements v." SALVANOR_VERSION));
        for (const char *ligne : {
                 "Dégagements v[^ ]+ +12/03/2026 +page 1 / 1",
                 "Niveaux et escaliers",
                 "Niveaux saisis",
                 "SS1 +150 +3,50",
                 "R\\+2 +100 +100 +2 +2 +Il faut 2 dégagements de 1 UP",
                 "RDC +300 +300 +2 +4 +Il faut 2 dégagements",
                 "SS1 +150 +3,50 +150 → 200 \\+ 20 % = +2 +4",
                 "Escaliers desservant R\\+1 +300 +300 +2 +4",
                 "Escaliers desservant R\\+2 +100 +100 +2 +2",
                 "Escaliers desservant SS1 +240 +150 +2 +4",
                 "CO 36 §1, CO 49 §3 +Les sorties du RDC",
                 "CO 39 +Sous-sol à plus de 2 m",
                 "CO 49 §3 +Un escalier débouche",
             })
            QVERIFY2(QRegularExpression(ligne).match(page).hasMatch(),
                qPrintable(QString(ligne) + "\n" + page));
    }

    // Thirty levels run onto several pages: each page says its number and the count, which is the
    // number of pages printed; no row is lost or repeated where a page breaks.
    void trenteNiveaux()
    {
        QStringList saisies;
        for (int etage = 29; etage >= 1; --etage)
            saisies << QString("R+%1=%2").arg(etage).arg(etage * 10);
        saisies << "RDC=0";
        const QStringList texte = imprimer(saisies);
        QVERIFY2(texte.size() >= 2, qPrintable(texte.join('\n')));
        for (int numero = 1; numero <= texte.size(); ++numero)
            QVERIFY(
                texte[numero - 1].contains(QString("page %1 / %2").arg(numero).arg(texte.size())));
        const QString tout = texte.join('\n');
        int cumule = 0;
        for (int etage = 29; etage >= 1; --etage) {
            cumule += etage * 10;
            const QRegularExpression niveau(
                QString("\\n *R\\+%1 +%2 +%2 +\\d").arg(etage).arg(etage * 10));
            const QRegularExpression escalier(
                QString("Escaliers desservant R\\+%1 +%2 +%2 ").arg(etage).arg(cumule));
            QCOMPARE(tout.count(niveau), 1);
            QCOMPARE(tout.count(escalier), 1);
        }
    }

    // The PDF file holds what the printer printed; a file that cannot be written says why and
    // leaves no part of itself, nor harms the one it would have replaced.
    void exportPdf()
    {
        const Cas cas = etude({ "R+1=60", "RDC=20", "SS1=101@2,01" });
        const auto dessiner
            = [&](Imprimante &page) { imprimerNiveaux(page, cas.saisie, cas.resultat, m_date); };
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("étude.pdf");
        QCOMPARE(Impression::exporterPdf(chemin, dessiner), QString());
        QCOMPARE(mots(pages(chemin)), mots(imprimer({ "R+1=60", "RDC=20", "SS1=101@2,01" })));
        QVERIFY(lancer("pdfinfo", { chemin }).contains("SalvaNOR - Dégagements"));

        QCOMPARE(Impression::exporterPdf(dossier.filePath("absent/étude.pdf"), dessiner),
            "Le PDF n'a pas été écrit : le dossier « " + dossier.filePath("absent")
                + " » n'existe pas.");
        QFile existant(chemin);
        QVERIFY(existant.open(QIODevice::ReadOnly));
        const QByteArray avant = existant.readAll();
        rlimit limite {};
        getrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit petite { 1000, limite.rlim_max };
        setrlimit(RLIMIT_FSIZE, &petite);
        const QString echec = Impression::exporterPdf(chemin, dessiner);
        setrlimit(RLIMIT_FSIZE, &limite);
        QCOMPARE(echec, "Le PDF n'a pas été écrit : l'écriture s'est arrêtée avant la fin.");
        existant.seek(0);
        QCOMPARE(existant.readAll(), avant);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList("étude.pdf"));
    }
};

QTEST_MAIN(TstImpressionEtude)
#include "tst_impression_etude.moc"
