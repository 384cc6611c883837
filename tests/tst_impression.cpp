// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Banc.h"
#include "Gabarit.h"
#include "Impression.h"
#include "PageResultat.h"

#include <csignal>

// The real print system: a private scheduler whose one queue writes each job to a file.
class TstImpression : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dossier;
    pid_t m_cupsd = 0;
    std::unique_ptr<Banc> m_banc;
    const QString m_echec = "Erreur | Le résultat n'a pas été imprimé : ";

    static QString lancer(const QString &programme, const QStringList &arguments)
    {
        QProcess p;
        p.start(programme, arguments);
        return p.waitForFinished(30000) && !p.exitCode() ? p.readAllStandardOutput().trimmed()
                                                         : "?";
    }
    QStringList travaux() const
    {
        return QDir(m_dossier.filePath("travaux")).entryList({ "*.pdf" });
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
        Gabarit::preparerApplication();
        qputenv("CUPS_SERVER", QFile::encodeName(m_dossier.filePath("cups.sock")));
        m_cupsd = lancer("sh", { SALVANOR_CUPS_PRIVE, m_dossier.path(), QString::number(getpid()) })
                      .toInt();
        QVERIFY(m_cupsd > 0);
    }
    void init() { m_banc = std::make_unique<Banc>(); }
    void cleanup() { m_banc.reset(); }

    // Each line where the layout puts it: the queue prints from 18 pt left and 30 pt down, and
    // 500 twips are 25 pt; sizes show in the lines' heights.
    void page()
    {
        QCOMPARE(imprimer("75"), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(travaux(), QStringList("1.pdf"), 20000);
        QStringList lignes;
        QList<qreal> haut, hauteur;
        const QString page
            = lancer("pdftotext", { "-bbox", m_dossier.filePath("travaux/1.pdf"), "-" });
        for (const auto &m :
            QRegularExpression("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                               "yMax=\"([\\d.]+)\">([^<]*)<")
                .globalMatch(page)) {
            const qreal y = m.captured(2).toDouble(), h = m.captured(3).toDouble() - y;
            if (haut.isEmpty() || qAbs(haut.last() - y) > 0.5) {
                haut << y, hauteur << h;
                lignes << QString::number(m.captured(1).toDouble(), 'f', 1) + " "
                        + QString::number(qRound(h / hauteur[0] * 12));
            }
            lignes.last() += " " + m.captured(4);
        }
        const QString filet = "43.0 12 " + QString(49, '-');
        QCOMPARE(lignes,
            QStringList({ filet, "43.0 8 SalvaNOR - Dégagements v.1.0.0", filet,
                "43.0 12 Pour 75 personnes", "43.0 12 Il faut 2 dégagements de 1 UP",
                "43.0 12 ou 1 dégagement de 2 UP et", "63.0 12 1 dégagement accessoire", filet }));
        // Line 8 six Arial 12 pt spaces (20 pt) further right; line 1 25 pt down; line 4 blank.
        QVERIFY(
            qAbs(haut[0] - 55) < 0.5 && qAbs(haut[3] - haut[2] - 2 * (haut[4] - haut[3])) < 0.5);
    }

    // Said in French from start to end, whatever the system's language; nothing comes out later.
    void fileHorsService()
    {
        for (const auto &[arreter, retablir, etat] :
            { std::tuple { "cupsdisable", "cupsenable", "est arrêtée" },
                { "cupsreject", "cupsaccept", "refuse les travaux" } }) {
            const QStringList avant = travaux();
            lancer(arreter, { "salvanor-test" });
            QCOMPARE(imprimer("250"),
                QStringList(m_echec + "l'imprimante « salvanor-test » " + etat + "."));
            lancer(retablir, { "salvanor-test" });
            QTest::qWait(1000);
            QCOMPARE(travaux(), avant);
        }
    }

    // A scheduler that stops answering: the warning within the time limit, the windows alive and
    // the pointer busy meanwhile (not over the warning), nothing printed when it wakes up, and the
    // next printout prints. Last, the queue deleted: no printer.
    void serveurMuet()
    {
        const QStringList avant = travaux();
        QVERIFY(::kill(m_cupsd, SIGSTOP) == 0);
        int battements = 0, occupe = 0;
        QTimer pouls;
        connect(&pouls, &QTimer::timeout, this, [&] {
            ++battements;
            occupe += QApplication::overrideCursor()
                && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            m_banc->principale.findChild<QAction *>("Imprime")->trigger(); // one printout at a time
        });
        pouls.start(100);
        QElapsedTimer chrono;
        chrono.start();
        const QStringList avertissements = imprimer("250");
        pouls.stop();
        ::kill(m_cupsd, SIGCONT);
        qInfo("warning after %lld ms", chrono.elapsed());
        QVERIFY(chrono.elapsed() >= 9500 && chrono.elapsed() < 11000 && battements >= 90
            && occupe == battements);
        QCOMPARE(avertissements, QStringList(m_echec + "le serveur d'impression ne répond pas."));
        QTest::qWait(2000);
        QCOMPARE(travaux(), avant);
        QCOMPARE(imprimer("250"), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(travaux().size(), avant.size() + 1, 20000);
        // Stopped once the printer is found: the job being created is cancelled when it wakes.
        const QString echec = Impression::imprimer([&](Imprimante &page) {
            ::kill(m_cupsd, SIGSTOP);
            imprimerResultat(page, CalculDegagements(250));
        });
        ::kill(m_cupsd, SIGCONT);
        QCOMPARE("Erreur | " + echec, m_echec + "le serveur d'impression ne répond pas.");
        QTest::qWait(3000);
        QCOMPARE(lancer("lpstat", { "-o" }), QString());
        lancer("lpadmin", { "-x", "salvanor-test" });
        QCOMPARE(imprimer("250"), QStringList(m_echec + "aucune imprimante n'est installée."));
    }
};

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
