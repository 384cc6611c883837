// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Banc.h"
#include "Gabarit.h"
#include "Impression.h"
#include "PageResultat.h"

#include <csignal>

// The print path to a private scheduler filing each job: the page, and what a person is told on
// failure. Built for Qt's printer, which neither times out nor sees a refusing queue, less.
class TstImpression : public QObject, BancFenetre
{
    Q_OBJECT

    QTemporaryDir m_dossier;
    pid_t m_cupsd = 0;
    const QString m_echec = "Erreur | Le résultat n'a pas été imprimé : ";

    static QString lancer(const QString &programme, const QStringList &arguments)
    {
        QProcess processus;
        processus.start(programme, arguments);
        const bool reussi = processus.waitForFinished(30000) && processus.exitCode() == 0;
        return reussi ? processus.readAllStandardOutput().trimmed() : "?";
    }
    QStringList travaux() const
    {
        return QDir(m_dossier.filePath("travaux")).entryList({ "*.pdf" });
    }
    // Every job the scheduler was given, printed, cancelled or waiting.
    static qsizetype travauxRecus()
    {
        return lancer("lpstat", { "-W", "all", "-o" }).split('\n', Qt::SkipEmptyParts).size();
    }
    QStringList imprimer(const QString &saisi)
    {
        m_banc->plateforme.avertissements.clear();
        QTest::keyClicks(m_banc->saisie, saisi + "\r");
        m_banc->declencher("Imprime");
        return m_banc->plateforme.avertissements;
    }

private slots:
    void initTestCase()
    {
        if (const QString manquants = qEnvironmentVariable("SALVANOR_OUTILS_MANQUANTS");
            !manquants.isEmpty())
            QSKIP(qPrintable("not found when the build was configured: " + manquants));
        Gabarit::preparerApplication();
        qputenv("CUPS_SERVER", QFile::encodeName(m_dossier.filePath("cups.sock")));
        m_cupsd = lancer("sh", { SALVANOR_CUPS_PRIVE, m_dossier.path(), QString::number(getpid()) })
                      .toInt();
        QVERIFY(m_cupsd > 0);
    }
    void init() { m_banc = std::make_unique<Banc>(); }
    void cleanup() { fermer(); }

    // Each line where the layout puts it: the queue prints from 36 pt left and 50 pt down, and
    // 500 twips are 25 pt; the lines' sizes show in their heights, against the first (12 pt).
    void page()
    {
        QCOMPARE(imprimer("75"), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(travaux(), QStringList("1.pdf"), 20000);
        const QString page
            = lancer("pdftotext", { "-bbox", m_dossier.filePath("travaux/1.pdf"), "-" });
        const QRegularExpression motif(
            R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re");
        QStringList lignes;
        QList<qreal> hauts, hauteurs;
        for (const QRegularExpressionMatch &mot : motif.globalMatch(page)) {
            const qreal haut = mot.captured(2).toDouble();
            if (hauts.isEmpty() || qAbs(hauts.last() - haut) > 0.5) {
                hauts << haut;
                hauteurs << mot.captured(3).toDouble() - haut;
                const int points = qRound(hauteurs.last() / hauteurs.first() * 12);
                lignes << QString("%1 %2").arg(mot.captured(1).toDouble(), 0, 'f', 1).arg(points);
            }
            lignes.last() += " " + mot.captured(4);
        }
        const QString filet = "61.0 12 " + QString(49, '-');
        QCOMPARE(lignes,
            QStringList({ filet, "61.0 8 SalvaNOR - Dégagements v." + QString(SALVANOR_VERSION),
                filet, "61.0 12 Pour 75 personnes", "61.0 12 Il faut 2 dégagements de 1 UP",
                "61.0 12 ou 1 dégagement de 2 UP et", "81.0 12 1 dégagement accessoire", filet }));
        // The last line six Arial 12 pt spaces (20 pt) further right; the first 25 pt down; Arial's
        // line spacing at 12 pt is 1.15 em; a blank line between the header and the result.
        const qreal pas = hauts[4] - hauts[3];
        QVERIFY(qAbs(hauts[0] - 75) < 0.5 && qAbs(pas - 13.8) < 0.1);
        QVERIFY(qAbs(hauts[3] - hauts[2] - 2 * pas) < 0.5);
    }

    void fileHorsService_data()
    {
        QTest::addColumn<QString>("arreter");
        QTest::addColumn<QString>("retablir");
        QTest::addColumn<QString>("etat");
        // clang-format off
        QTest::newRow("stopped") << "cupsdisable" << "cupsenable" << "est arrêtée";
#ifndef SALVANOR_IMPRESSION_QT
        QTest::newRow("rejecting jobs") << "cupsreject" << "cupsaccept" << "refuse les travaux";
#endif
        // clang-format on
    }

    // Said in French, whatever the system's language; no job is left to come out later.
    void fileHorsService()
    {
        QFETCH(QString, arreter);
        QFETCH(QString, retablir);
        QFETCH(QString, etat);
        const qsizetype recus = travauxRecus();
        lancer(arreter, { "salvanor-test" });
        QCOMPARE(
            imprimer("250"), QStringList(m_echec + "l'imprimante « salvanor-test » " + etat + "."));
        QCOMPARE(travauxRecus(), recus);
        lancer(retablir, { "salvanor-test" });
    }

#ifndef SALVANOR_IMPRESSION_QT
    // A scheduler silent while the printer is looked up: the warning once the bound has passed,
    // never before it, nor never; the windows answering and the pointer busy meanwhile (a beat a
    // second at least, which a loaded machine still gives); the next printout is the one job that
    // comes out.
    void serveurMuet()
    {
        const QStringList avant = travaux();
        const qsizetype recus = travauxRecus();
        QVERIFY(::kill(m_cupsd, SIGSTOP) == 0);
        int battements = 0, occupe = 0;
        QTimer pouls;
        connect(&pouls, &QTimer::timeout, this, [&] {
            ++battements;
            if (QApplication::overrideCursor()
                && QApplication::overrideCursor()->shape() == Qt::WaitCursor)
                ++occupe;
            m_banc->principale.findChild<QAction *>("Imprime")->trigger(); // one at a time
        });
        pouls.start(100);
        QElapsedTimer chrono;
        chrono.start();
        const QStringList avertissements = imprimer("250");
        pouls.stop();
        ::kill(m_cupsd, SIGCONT);
        qInfo("warning after %lld ms", chrono.elapsed());
        QVERIFY(chrono.elapsed() >= 9500 && chrono.elapsed() < 60000);
        QVERIFY(battements >= chrono.elapsed() / 1000 && occupe == battements);
        QCOMPARE(avertissements, QStringList(m_echec + "le serveur d'impression ne répond pas."));
        QCOMPARE(imprimer("250"), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(travaux().size(), avant.size() + 1, 20000);
        QCOMPARE(travauxRecus(), recus + 1);
    }

    // Silent once the printer is found: the job created when it wakes is cancelled.
    void serveurMuetApresRecherche()
    {
        const QStringList avant = travaux();
        const qsizetype recus = travauxRecus();
        const QString echec = Impression::imprimer([&](Imprimante &page) {
            ::kill(m_cupsd, SIGSTOP);
            imprimerResultat(page, CalculDegagements(250));
        });
        ::kill(m_cupsd, SIGCONT);
        QCOMPARE("Erreur | " + echec, m_echec + "le serveur d'impression ne répond pas.");
        QTRY_VERIFY_WITH_TIMEOUT(
            travauxRecus() == recus + 1 && lancer("lpstat", { "-o" }).isEmpty(), 20000);
        QCOMPARE(travaux(), avant);
    }
#endif

    void zoneTropPetite_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("zone"); // from its PPD, in whole millimetres
        // clang-format off
        QTest::newRow("too narrow") << "salvanor-etroite" << "169 × 268";
        QTest::newRow("too short") << "salvanor-courte" << "186 × 226";
        // clang-format on
    }

    // A study's pages (7 × 10 in) are refused, in French, with nothing sent; the main window's
    // one page still prints there.
    void zoneTropPetite()
    {
        QFETCH(QString, file);
        QFETCH(QString, zone);
        const qsizetype recus = travauxRecus();
        QWidget *etude = m_banc->ouvrir("Niveaux", "FrmNiveaux");
        QVERIFY(etude);
        lancer("lpadmin", { "-d", file });
        m_banc->plateforme.avertissements.clear();
        etude->findChild<QAction *>("Imprimer")->trigger();
        const QStringList refus = m_banc->plateforme.avertissements;
        const QStringList resultat = imprimer("250");
        lancer("lpadmin", { "-d", "salvanor-test" });
        QCOMPARE(refus,
            QStringList(QString("Niveaux et escaliers | Le résultat n'a pas été imprimé : la zone "
                                "imprimable de l'imprimante « %1 » (%2 mm) est plus petite que "
                                "les pages de l'étude (178 × 254 mm).")
                            .arg(file, zone)));
        QCOMPARE(resultat, QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(travauxRecus(), recus + 1, 20000);
    }

    void sansImprimante()
    {
        lancer("lpadmin", { "-x", "salvanor-test" });
        QCOMPARE(imprimer("250"), QStringList(m_echec + "aucune imprimante n'est installée."));
    }
};

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
