// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The width check and the 5th category as a person uses them; answers worked out by hand.
#include "Disposition.h"
#include "Etude.h"
#include "Gabarit.h"
#include "ImprimanteEnregistreuse.h"
#include "PageLargeurs.h"

class TstVerification : public QObject, BancFenetre
{
    Q_OBJECT

    enum Colonne { ColonneLargeur, ColonnePorte, ColonneGroupe, ColonneUp, ColonneDecompte };

    template <class T> T *enfant(const char *nom) const { return m_fenetre->findChild<T *>(nom); }
    void ecrire(const char *boite, const QString &texte)
    {
        enfant<QLineEdit>(boite)->setFocus();
        enfant<QLineEdit>(boite)->clear();
        QTest::keyClicks(enfant<QLineEdit>(boite), texte);
    }
    // The effectif and the exits typed in ("1,40 p g1": a width, "p" for a door, "gN" for CO 43
    // §3 group N), each cell left with Enter, a door ticked with the space bar.
    void remplir(const QString &effectif, const QStringList &sorties)
    {
        ecrire("Effectif", effectif);
        auto *table = enfant<QTableWidget>("Sorties");
        for (int ligne = 0; ligne < sorties.size(); ++ligne) {
            if (ligne >= table->rowCount())
                Banc::cliquer(m_fenetre, "AjouterSortie");
            for (const QString &mot : sorties[ligne].split(' ')) {
                const bool groupe = mot.startsWith('g');
                if (mot == "p")
                    table->setCurrentCell(ligne, ColonnePorte);
                else
                    Banc::taper(table, ligne, groupe ? ColonneGroupe : ColonneLargeur,
                        groupe ? mot.mid(1) : mot);
                QTest::keyClick(
                    QApplication::focusWidget(), mot == "p" ? Qt::Key_Space : Qt::Key_Return);
            }
        }
    }

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void cleanup() { fermer(); }

    void verification_data()
    {
        QTest::addColumn<QString>("effectif");
        QTest::addColumn<QStringList>("sorties");
        QTest::addColumn<QString>("credits");
        QTest::addColumn<QString>("marques"); // x: marked, the effectif then each exit
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("maximal");
        // clang-format off
        QTest::newRow("above 200, a 1-UP exit") << "250" << QStringList { "2,40", "0,90" } << "4 1" << "---" << "conforme sous réserve (CO 36 §3)" << "300 personnes";
        QTest::newRow("doors within 5 %") << "120" << QStringList { "1,33 p", "0,855 p" } << "2 1" << "---" << "conforme" << "200 personnes";
        QTest::newRow("corridors: no tolerance") << "120" << QStringList { "1,33", "0,855" } << "1 0" << "---" << "non conforme : il manque 1 dégagement de 2 UP" << "50 personnes";
        QTest::newRow("one group of doors") << "120" << QStringList { "1,40 p g1", "1,40 p g1" } << "2 2" << "---" << "non conforme : il manque 1 dégagement de 1 UP" << "19 personnes";
        QTest::newRow("nobody") << "0" << QStringList { "0,90" } << "1" << "--" << "sans objet" << "19 personnes";
        QTest::newRow("a letter for a zero") << "250" << QStringList { "2,40", "0,9O", "1,40 p" } << "4 — 2" << "--x-" << "—" << "—";
        QTest::newRow("a group in words") << "250" << QStringList { "2,40", "0,90 gun" } << "4 1" << "--x" << "—" << "—";
        QTest::newRow("an effectif in words") << "25O" << QStringList { "2,40" } << "4" << "x-" << "—" << "19 personnes";
        // clang-format on
    }
    // Credits, verdict and largest effectif on every edit; bad cells framed; nothing typed lost.
    void verification()
    {
        QFETCH(QString, effectif);
        QFETCH(QStringList, sorties);
        ouvrir("Largeurs", "FrmLargeurs");
        remplir(effectif, sorties);
        const auto *table = enfant<QTableWidget>("Sorties");
        QString marques(enfant<QLineEdit>("Effectif")->toolTip().isEmpty() ? '-' : 'x');
        for (int ligne = 0; ligne < table->rowCount(); ++ligne)
            marques += encadreeEnRouge(table, ligne, ColonneLargeur)
                    || encadreeEnRouge(table, ligne, ColonneGroupe)
                ? 'x'
                : '-';
        QTEST(marques, "marques");
        QTEST(rangees(table, 1, ColonneUp).join(' '), "credits");
        QCOMPARE(enfant<QLineEdit>("Effectif")->text(), effectif);
        QFETCH(QString, verdict);
        QFETCH(QString, maximal);
        QCOMPARE(enfant<QLabel>("Bilan")->text().section('\n', -2),
            "Verdict : " + verdict + "\nEffectif maximal admis par ces dégagements : " + maximal);
    }

    void cinquieme_data()
    {
        QTest::addColumn<QString>("public_");
        QTest::addColumn<QString>("personnel");
        QTest::addColumn<QString>("cases"); // access keys: x existing, s sleeping rooms
        QTest::addColumn<QString>("regle");
        QTest::addColumn<QString>("solutions");
        // clang-format off
        QTest::newRow("120 + 30: 101 to 200") << "120" << "30" << "" << "Article PE 11 §3" << "1 dégagement de 1,40 m + 1 dégagement de 0,90 m";
        QTest::newRow("19 + 50, no sleeping: PE 2 §3") << "19" << "50" << "" << "L'article PE 11 ne s'applique pas." << "—";
        QTest::newRow("19 + 50 with sleeping: 51 to 100") << "19" << "50" << "s" << "Article PE 11 §3" << "soit 2 dégagements de 0,90 m,\nsoit 1 dégagement de 1,40 m + 1 dégagement de 0,60 m ou 1 dégagement accessoire";
        QTest::newRow("20, existing: 0,80 m") << "20" << "" << "x" << "Article PE 11 §3" << "soit 1 dégagement de 1,40 m,\nsoit 1 dégagement de 0,80 m + 1 dégagement de 0,60 m ou 1 dégagement accessoire";
        QTest::newRow("300 + 1: CO 38 §1 d") << "300" << "1" << "" << "CO 38 §1 d, auquel l'article PE 11 renvoie au-delà de 300 personnes" << "Il faut 2 dégagements totalisant 5 UP";
        QTest::newRow("a letter in the count") << "12O" << "" << "" << "—" << "—";
        // clang-format on
    }
    // The 5th category's answer for what a person types, recomputed on every edit.
    void cinquieme()
    {
        QFETCH(QString, public_);
        QFETCH(QString, personnel);
        QFETCH(QString, cases);
        ouvrir("Cinquieme", "FrmCinquieme");
        ecrire("Public", public_);
        ecrire("Personnel", personnel);
        // An access key clicks its box once the click is drawn.
        for (QChar touche : cases)
            QTest::keyClick(QApplication::focusWidget(), touche.toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(enfant<QCheckBox>("Existant")->isChecked(), cases.contains('x'));
        QTRY_COMPARE(enfant<QCheckBox>("Sommeil")->isChecked(), cases.contains('s'));
        QTEST(enfant<QLabel>("Application")->text(), "regle");
        QTEST(enfant<QLabel>("Solutions")->text(), "solutions");
        QCOMPARE(enfant<QLineEdit>("Public")->text(), public_);
        QCOMPARE(enfant<QLineEdit>("Public")->toolTip().isEmpty(), public_ != "12O");
    }

    // Saved, opened in a new window, changed and saved again in place with Ctrl+S (no question),
    // then elsewhere with Ctrl+Maj+S: the study as typed, bad cells too.
    void fichier()
    {
        ouvrir("Largeurs", "FrmLargeurs");
        remplir("250", { "2,40", "1,40 p g1", "0,9O gun" });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
        QTRY_VERIFY(enfant<QCheckBox>("EscalierUnique")->isChecked());
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("hall.salvanor");
        m_banc->plateforme.fichierChoisi = chemin;
        Banc::cliquer(m_fenetre, "Enregistrer");
        fermer();
        ouvrir("Largeurs", "FrmLargeurs");
        m_banc->plateforme.fichierChoisi = chemin;
        Banc::cliquer(m_fenetre, "Ouvrir");
        ecrire("Effectif", "300");
        m_banc->plateforme.fichierChoisi.clear(); // a dialog now would cancel the save
        QTest::keyClick(m_fenetre, Qt::Key_S, Qt::ControlModifier);
        const Etude saisie = EtudeLargeurs { "300",
            { { "2,40", false, "" }, { "1,40", true, "1" }, { "0,9O", false, "un" } }, true };
        QCOMPARE(FichierEtude::ouvrir(chemin).valeur, std::optional(saisie));
        m_banc->plateforme.fichierChoisi = dossier.filePath("copie");
        QTest::keyClick(m_fenetre, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(
            FichierEtude::ouvrir(dossier.filePath("copie.salvanor")).valeur, std::optional(saisie));
        QCOMPARE(m_fenetre->windowHandle()->title(), "Vérifier des dégagements — copie.salvanor");
    }

    // The page: groups, verdict, largest effectif, only the articles applied, each exit's line.
    void page()
    {
        const EtudeLargeurs etude { "250",
            { { "2,40", false, "" }, { "1,40", true, "1" }, { "1,40", true, "1" } }, false };
        ImprimanteEnregistreuse page;
        imprimerLargeurs(page, etude, QDate(2026, 3, 2));
        QStringList textes;
        for (const LignePosee &ligne : page.lignes)
            textes << ligne.texte;
        for (const char *attendu :
            { "Sorties 2 et 3, à moins de 5 m : un seul dégagement de 4 UP (CO 43 §3)",
                "Verdict : conforme", "Effectif maximal admis par ces dégagements : 500 personnes",
                "CO 36 §3", "CO 44 §1" })
            QVERIFY2(textes.contains(attendu), attendu);
        QVERIFY(!textes.contains("CO 41"));
        const QString raison = "porte : 1,40 m ≥ 1,40 m → 2 UP";
        const LignePosee &repere = page.lignes.value(textes.indexOf(raison));
        QStringList rangee;
        for (const LignePosee &ligne : page.lignes)
            if (ligne.page == repere.page && ligne.y == repere.y)
                rangee << ligne.texte;
        QCOMPARE(rangee.mid(0, 6), QStringList({ "2", "1,40", "oui", "1", "2", raison }));
    }

    // The conventions of windows drawn with layouts. Also run at scale factor 2.
    void disposition()
    {
        ouvrir("Largeurs", "FrmLargeurs");
        verifierDisposition(m_fenetre,
            { "Effectif", "EscalierUnique", "Sorties", "AjouterSortie", "RetirerSortie", "Bilan",
                "Ouvrir", "Enregistrer", "EnregistrerSous", "ExporterPdf", "Imprimer", "Fermer" },
            "Sorties");
        fermer();
        ouvrir("Cinquieme", "FrmCinquieme");
        verifierDisposition(m_fenetre,
            { "Public", "Personnel", "Existant", "Sommeil", "Application", "Effectif", "Solutions",
                "Notes", "Fermer" });
    }
};

QTEST_MAIN(TstVerification)
#include "tst_verification.moc"
