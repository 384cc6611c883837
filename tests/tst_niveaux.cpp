// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Niveaux et escaliers" window as a person uses it: typing, files, questions, layout.
#include "Disposition.h"
#include "Etude.h"
#include "Gabarit.h"

class TstNiveaux : public QObject, BancFenetre
{
    Q_OBJECT

    using Reponse = Plateforme::Reponse;
    enum Colonne { ColonneNiveau, ColonneEffectif, ColonneProfondeur };

    QTableWidget *table(const char *nom) const { return m_fenetre->findChild<QTableWidget *>(nom); }
    void taper(int ligne, int colonne, const QString &texte)
    {
        Banc::taper(table("Saisie"), ligne, colonne, texte);
    }
    // The building of the window's picture: R+2 alone is 100 persons, R+1 carries 300.
    void remplirImmeuble()
    {
        for (const char *bouton : { "AjouterEtage", "AjouterEtage", "AjouterSousSol" })
            Banc::cliquer(m_fenetre, bouton);
        const QStringList effectifs = { "100", "200", "300", "150" };
        for (int ligne = 0; ligne < effectifs.size(); ++ligne)
            taper(ligne, ColonneEffectif, effectifs[ligne]);
        taper(3, ColonneProfondeur, "3,50");
    }

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void init() { ouvrir("Niveaux", "FrmNiveaux"); }
    void cleanup() { fermer(); }

    // A new study is one empty RDC; each key typed changes the results (CO 39 for SS1, R+1's
    // stairs carrying R+2); every warning cites its article.
    void calcul()
    {
        QCOMPARE(rangees(table("ResultatNiveaux"), 6), QStringList("RDC | — |  | — | — | —"));
        remplirImmeuble();
        QCOMPARE(rangees(table("ResultatNiveaux"), 6),
            QStringList({ "R+2 | 100 |  | 100 | 2 | 2", "R+1 | 200 |  | 200 | 2 | 3",
                "RDC | 300 |  | 300 | 2 | 4",
                "SS1 | 150 | 3,50 | 150 → 200 + 20 % = 240 | 2 | 4" }));
        QCOMPARE(rangees(table("ResultatEscaliers"), 5),
            QStringList({ "Escaliers desservant R+2 | 100 | 100 | 2 | 2",
                "Escaliers desservant R+1 | 300 | 300 | 2 | 4",
                "Escaliers desservant SS1 | 240 | 150 | 2 | 4" }));
        const auto *avertissements = m_fenetre->findChild<QListWidget *>("Avertissements");
        QVERIFY(avertissements->count() > 0);
        QCOMPARE(avertissements->findItems("^CO \\d+.* : ", Qt::MatchRegularExpression).size(),
            avertissements->count());
    }

    void celluleIllisible_data()
    {
        QTest::addColumn<int>("colonne"); // R+1's effectif, or SS1's depth
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu"); // in the tool tip; empty: not marked
        // clang-format off
        QTest::newRow("letters") << +ColonneEffectif << "2OO" << "des chiffres seulement";
        QTest::newRow("2 147 483 648") << +ColonneEffectif << "2147483648" << "2 147 483 647 au plus";
        QTest::newRow("a sign") << +ColonneEffectif << "-5" << "sans signe";
        QTest::newRow("a fourth decimal") << +ColonneProfondeur << "3,1234" << "trois décimales";
        QTest::newRow("basement without depth") << +ColonneProfondeur << "" << "profondeur du sous-sol";
        QTest::newRow("empty: not entered yet") << +ColonneEffectif << "" << "";
        // clang-format on
    }
    // Framed in red while typed and once left, with a tool tip saying what is expected; that
    // level's results are dashes, the RDC still computes; what was typed stays as typed.
    void celluleIllisible()
    {
        QFETCH(int, colonne);
        const int ligne = colonne == ColonneProfondeur ? 3 : 1;
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        remplirImmeuble();
        taper(ligne, colonne, texte);
        QTableWidget *saisie = table("Saisie");
        QCOMPARE(encadreeEnRouge(saisie, ligne, colonne), !attendu.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!saisie->indexWidget(saisie->currentIndex()));
        QCOMPARE(encadreeEnRouge(saisie, ligne, colonne), !attendu.isEmpty());
        const QTableWidgetItem *cellule = saisie->item(ligne, colonne);
        QCOMPARE(cellule->text(), texte);
        QVERIFY2(
            attendu.isEmpty() ? cellule->toolTip().isEmpty() : cellule->toolTip().contains(attendu),
            qPrintable(cellule->toolTip()));
        const QStringList resultats = rangees(table("ResultatNiveaux"), 6);
        QCOMPARE(resultats.value(ligne).section(" | ", 3), QString("— | — | —"));
        QVERIFY(resultats.contains("RDC | 300 |  | 300 | 2 | 4"));
    }

    // Added above the top or below the deepest; removed on the current level's side; never the RDC.
    void niveaux_data()
    {
        QTest::addColumn<QString>("gestes"); // E floor, S basement, R remove, H top row current
        QTest::addColumn<QString>("niveaux"); // the top one and the deepest one
        // clang-format off
        QTest::newRow("a basement just added goes") << "EESSR" << "R+2 SS1";
        QTest::newRow("from the top floor") << "EESSHR" << "R+1 SS2";
        QTest::newRow("no floor: the basement") << "SSHR" << "RDC SS1";
        QTest::newRow("the RDC stays") << "ER" << "RDC RDC";
        QTest::newRow("R+99 at most") << QString(99, 'E') << "R+99 RDC";
        QTest::newRow("SS9 at most") << QString(9, 'S') << "RDC SS9";
        // clang-format on
    }
    void niveaux()
    {
        QFETCH(QString, gestes);
        const QMap<QChar, const char *> boutons
            = { { 'E', "AjouterEtage" }, { 'S', "AjouterSousSol" }, { 'R', "RetirerNiveau" } };
        for (QChar geste : gestes)
            if (geste == 'H')
                table("Saisie")->setCurrentCell(0, ColonneEffectif);
            else
                Banc::cliquer(m_fenetre, boutons[geste]);
        const QStringList lu = rangees(table("Saisie"), 1);
        QTEST(lu.first() + " " + lu.last(), "niveaux");
        for (const auto &[nom, actif] : { std::pair("AjouterEtage", lu.first() != "R+99"),
                 std::pair("AjouterSousSol", lu.last() != "SS9"),
                 std::pair("RetirerNiveau", lu.size() > 1) })
            QVERIFY2(m_fenetre->findChild<QPushButton *>(nom)->isEnabled() == actif, nom);
    }

    void etude_data()
    {
        QTest::addColumn<QString>("geste"); // a button of the window, or "Quitter"
        QTest::addColumn<QByteArray>("octets"); // written over the saved file; empty: left as saved
        QTest::addColumn<bool>("modifiee"); // R+2 changed once saved
        QTest::addColumn<Reponse>("reponse"); // to "Enregistrer les modifications ?"
        QTest::addColumn<bool>("reste"); // the window, or the program
        // clang-format off
        QTest::newRow("opened") << "Ouvrir" << QByteArray() << true << Reponse::Non << true;
        QTest::newRow("opened, damaged") << "Ouvrir" << QByteArray("{\"format\": \"salvanor\", \"ver") << true << Reponse::Non << true;
        QTest::newRow("opened, another tool's") << "Ouvrir" << FichierEtude::ecrire(EtudeLargeurs {}) << true << Reponse::Non << true;
        QTest::newRow("closed, Oui: saved") << "Fermer" << QByteArray() << true << Reponse::Oui << false;
        QTest::newRow("closed, Non: dropped") << "Fermer" << QByteArray() << true << Reponse::Non << false;
        QTest::newRow("closed, Annuler: stays") << "Fermer" << QByteArray() << true << Reponse::Annuler << true;
        QTest::newRow("quit, Annuler: stays") << "Quitter" << QByteArray() << true << Reponse::Annuler << true;
        QTest::newRow("quit, nothing unsaved: at once") << "Quitter" << QByteArray() << false << Reponse::Annuler << false;
        // clang-format on
    }
    // Saved with a bad cell, then changed: unsaved changes are asked about before they could be
    // lost; a file refused is said, naming it, and the study shown stays as it was.
    void etude()
    {
        QFETCH(QString, geste);
        QFETCH(QByteArray, octets);
        QFETCH(bool, modifiee);
        QFETCH(Reponse, reponse);
        remplirImmeuble();
        taper(1, ColonneEffectif, "2OO");
        QTemporaryDir dossier;
        m_banc->plateforme.fichierChoisi = dossier.filePath("immeuble");
        Banc::cliquer(m_fenetre, "Enregistrer");
        const QStringList enregistre = rangees(table("Saisie"), 3);
        QFile fichier(dossier.filePath("immeuble.salvanor"));
        if (!octets.isEmpty())
            QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
        fichier.close();
        if (modifiee)
            taper(0, ColonneEffectif, "1000");
        const QStringList modifie = rangees(table("Saisie"), 3);
        m_banc->plateforme.fichierChoisi = fichier.fileName();
        m_banc->plateforme.reponses = { reponse };
        if (geste == "Quitter")
            m_banc->declencher("Quitter");
        else
            Banc::cliquer(m_fenetre, qPrintable(geste));
        QCOMPARE(m_banc->plateforme.questions,
            QStringList(modifiee, "Niveaux et escaliers | Enregistrer les modifications ?"));
        const QRegularExpression refus("^Niveaux et escaliers \\| .*immeuble\\.salvanor");
        QCOMPARE(m_banc->plateforme.avertissements.size(), octets.isEmpty() ? 0 : 1);
        QCOMPARE(m_banc->plateforme.avertissements.filter(refus).size(), octets.isEmpty() ? 0 : 1);
        const QWidget *fenetre = geste == "Quitter" ? &m_banc->principale : m_fenetre.data();
        QTEST(fenetre && fenetre->isVisible(), "reste");
        // Only Oui writes the change; only a sound file opened replaces what is shown.
        const Lu<Etude> lu = FichierEtude::ouvrir(fichier.fileName());
        const auto *niveaux = lu ? std::get_if<EtudeNiveaux>(&*lu.valeur) : nullptr;
        QCOMPARE(niveaux && niveaux->niveaux.value(0).effectif == "1000", reponse == Reponse::Oui);
        const bool rouverte = geste == "Ouvrir" && octets.isEmpty();
        if (m_fenetre && m_fenetre->isVisible()) {
            QCOMPARE(rangees(table("Saisie"), 3), rouverte ? enregistre : modifie);
            QCOMPARE(m_fenetre->windowHandle()->title(),
                "Niveaux et escaliers — immeuble.salvanor" + QString(rouverte ? "" : "*"));
        }
    }

    // The conventions of windows drawn with layouts; the results take the room a larger window
    // gives. Run again at scale factor 2.
    void disposition()
    {
        remplirImmeuble();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        verifierDisposition(m_fenetre,
            { "Saisie", "AjouterEtage", "AjouterSousSol", "RetirerNiveau", "ResultatNiveaux",
                "ResultatEscaliers", "Avertissements", "Ouvrir", "Enregistrer", "EnregistrerSous",
                "ExporterPdf", "Imprimer", "Fermer" },
            "ResultatNiveaux");
    }
};

QTEST_MAIN(TstNiveaux)
#include "tst_niveaux.moc"
