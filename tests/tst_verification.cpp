// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Checking existing exits and the 5th category, as a person uses the two windows, and the width
// study's page. Expected answers are worked out by hand from CO 36, CO 38, CO 43, CO 44 and PE 11.
#include "Banc.h"
#include "Disposition.h"
#include "Etude.h"
#include "Gabarit.h"
#include "ImprimanteEnregistreuse.h"
#include "PageLargeurs.h"

namespace {

enum Colonne { ColonneLargeur, ColonnePorte, ColonneGroupe, ColonneUp, ColonneDecompte };

// "1,40 p g1": a width, "p" for a door, "gN" for CO 43 §3 group N.
SaisieSortie sortieDecrite(const QString &description)
{
    SaisieSortie sortie;
    for (const QString &mot : description.split(' ')) {
        if (mot == "p")
            sortie.porte = true;
        else if (mot.startsWith('g'))
            sortie.groupe = mot.mid(1);
        else
            sortie.largeur = mot;
    }
    return sortie;
}

} // namespace

class TstVerification : public QObject
{
    Q_OBJECT

    std::unique_ptr<Banc> m_banc;
    QPointer<QWidget> m_fenetre;

    template <class T> T *enfant(const char *nom) const { return m_fenetre->findChild<T *>(nom); }
    void ouvrir(const char *entree, const char *nom)
    {
        m_banc = std::make_unique<Banc>();
        m_fenetre = m_banc->ouvrir(entree, nom);
        QVERIFY(m_fenetre);
        // Access keys reach the active window only.
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre));
    }
    // A box emptied, then typed into key by key.
    void ecrire(const char *boite, const QString &texte)
    {
        auto *saisie = enfant<QLineEdit>(boite);
        saisie->setFocus();
        saisie->clear();
        QTest::keyClicks(saisie, texte);
    }
    // The effectif and the exits typed in, each cell left with Enter; a door ticked with the
    // space bar.
    void remplir(const QString &effectif, const QStringList &sorties)
    {
        ecrire("Effectif", effectif);
        auto *table = enfant<QTableWidget>("Sorties");
        for (int ligne = 0; ligne < sorties.size(); ++ligne) {
            if (ligne >= table->rowCount())
                Banc::cliquer(m_fenetre, "AjouterSortie");
            const SaisieSortie sortie = sortieDecrite(sorties[ligne]);
            for (const auto &[colonne, texte] : { std::pair(ColonneLargeur, sortie.largeur),
                     std::pair(ColonneGroupe, sortie.groupe) })
                if (!texte.isEmpty()) {
                    Banc::taper(table, ligne, colonne, texte);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }
            if (sortie.porte) {
                table->setCurrentCell(ligne, ColonnePorte);
                QTest::keyClick(table, Qt::Key_Space);
            }
        }
    }
    QString cellule(int ligne, int colonne) const
    {
        return enfant<QTableWidget>("Sorties")->item(ligne, colonne)->text();
    }
    QStringList bilan() const { return enfant<QLabel>("Bilan")->text().split('\n'); }
    QString titre() const { return m_fenetre->windowHandle()->title(); }

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void cleanup()
    {
        m_banc.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void verification_data()
    {
        QTest::addColumn<QString>("effectif");
        QTest::addColumn<QStringList>("sorties");
        QTest::addColumn<QString>("credits");
        QTest::addColumn<QString>("marques"); // x: the exit has a cell marked
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("maximal");
        // clang-format off
        // 2,40 m is 4 UP and 0,90 m 1 UP: 250 persons need 2 dégagements and 4 UP, met only by
        // counting the 1-UP exit once (CO 36 §3); 301 would need 5 UP.
        QTest::newRow("above 200, a 1-UP exit") << "250" << QStringList { "2,40", "0,90" } << "4 1" << "--"
            << "conforme sous réserve (CO 36 §3)" << "300 personnes";
        // Doors 5 % under 1,40 m and 0,90 m still count 2 and 1 UP; 201 persons need 4 UP.
        QTest::newRow("doors within 5 %") << "120" << QStringList { "1,33 p", "0,855 p" } << "2 1" << "--"
            << "conforme" << "200 personnes";
        // The same widths as corridors fall to the width below: 1 UP, and an accessory that
        // serves up to 50 persons (CO 38 §1 b).
        QTest::newRow("corridors: no tolerance") << "120" << QStringList { "1,33", "0,855" } << "1 0" << "--"
            << "non conforme : il manque 1 dégagement de 2 UP" << "50 personnes";
        // Two doors less than 5 m apart are one dégagement of 4 UP: a second one is missing.
        QTest::newRow("one group of doors") << "120" << QStringList { "1,40 p g1", "1,40 p g1" } << "2 2" << "--"
            << "non conforme : il manque 1 dégagement de 1 UP" << "19 personnes";
        QTest::newRow("nobody") << "0" << QStringList { "0,90" } << "1" << "-" << "sans objet" << "19 personnes";
        // What cannot be read is marked and kept; the other exits are still credited.
        QTest::newRow("a letter for a zero") << "250" << QStringList { "2,40", "0,9O", "1,40 p" } << "4 — 2" << "-x-"
            << "—" << "—";
        QTest::newRow("a group in words") << "250" << QStringList { "2,40", "0,90 gun" } << "4 1" << "-x"
            << "—" << "—";
        // The largest effectif does not depend on the effectif: one exit serves 19 at most.
        QTest::newRow("an effectif in words") << "25O" << QStringList { "2,40" } << "4" << "-"
            << "—" << "19 personnes";
        // clang-format on
    }
    // What each exit is credited, the verdict and the largest effectif, on every edit; nothing
    // typed is lost.
    void verification()
    {
        QFETCH(QString, effectif);
        QFETCH(QStringList, sorties);
        ouvrir("Largeurs", "FrmLargeurs");
        remplir(effectif, sorties);
        const auto *t = enfant<QTableWidget>("Sorties");
        QStringList credits;
        QString marques;
        for (int ligne = 0; ligne < sorties.size(); ++ligne) {
            const SaisieSortie tapee = sortieDecrite(sorties[ligne]);
            QCOMPARE(cellule(ligne, ColonneLargeur), tapee.largeur);
            QCOMPARE(cellule(ligne, ColonneGroupe), tapee.groupe);
            credits << cellule(ligne, ColonneUp);
            const bool marquee = !t->item(ligne, ColonneLargeur)->toolTip().isEmpty()
                || !t->item(ligne, ColonneGroupe)->toolTip().isEmpty();
            marques += marquee ? 'x' : '-';
        }
        QTEST(credits.join(' '), "credits");
        QTEST(marques, "marques");
        QCOMPARE(enfant<QLineEdit>("Effectif")->text(), effectif);
        QCOMPARE(enfant<QLineEdit>("Effectif")->toolTip().isEmpty(), effectif != "25O");
        QFETCH(QString, verdict);
        QFETCH(QString, maximal);
        QVERIFY2(bilan().contains("Verdict : " + verdict), qPrintable(bilan().join('\n')));
        QVERIFY2(bilan().contains("Effectif maximal admis par ces dégagements : " + maximal),
            qPrintable(bilan().join('\n')));
    }

    void cinquieme_data()
    {
        QTest::addColumn<QString>("public_");
        QTest::addColumn<QString>("personnel");
        QTest::addColumn<bool>("existant");
        QTest::addColumn<bool>("sommeil");
        QTest::addColumn<QString>("regle");
        QTest::addColumn<QString>("solutions");
        const QString accessoire = "1 dégagement de 0,60 m ou 1 dégagement accessoire";
        // clang-format off
        QTest::newRow("120 + 30: 101 to 200") << "120" << "30" << false << false
            << "Article PE 11 §3" << "1 dégagement de 1,40 m + 1 dégagement de 0,90 m";
        QTest::newRow("19 + 50, no sleeping: PE 2 §3") << "19" << "50" << false << false
            << "L'article PE 11 ne s'applique pas." << "—";
        QTest::newRow("19 + 50 with sleeping: 51 to 100") << "19" << "50" << false << true
            << "Article PE 11 §3" << "soit 2 dégagements de 0,90 m,\nsoit 1 dégagement de 1,40 m + " + accessoire;
        QTest::newRow("20, existing: 0,80 m") << "20" << "" << true << false
            << "Article PE 11 §3" << "soit 1 dégagement de 1,40 m,\nsoit 1 dégagement de 0,80 m + " + accessoire;
        QTest::newRow("250 + 50: 201 to 300") << "250" << "50" << false << false
            << "Article PE 11 §3" << "2 dégagements de 1,40 m";
        QTest::newRow("300 + 1: CO 38 §1 d") << "300" << "1" << false << false
            << "CO 38 §1 d, auquel l'article PE 11 renvoie au-delà de 300 personnes"
            << "Il faut 2 dégagements totalisant 5 UP";
        QTest::newRow("a letter in the count") << "12O" << "" << false << false << "—" << "—";
        // clang-format on
    }
    // The 5th category's answer for what a person types, recomputed on every edit.
    void cinquieme()
    {
        QFETCH(QString, public_);
        QFETCH(QString, personnel);
        ouvrir("Cinquieme", "FrmCinquieme");
        ecrire("Public", public_);
        ecrire("Personnel", personnel);
        QFETCH(bool, existant);
        QFETCH(bool, sommeil);
        // An access key clicks its box once the click is drawn.
        if (existant)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
        if (sommeil)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(enfant<QCheckBox>("Existant")->isChecked(), existant);
        QTRY_COMPARE(enfant<QCheckBox>("Sommeil")->isChecked(), sommeil);
        QTEST(enfant<QLabel>("Application")->text(), "regle");
        QTEST(enfant<QLabel>("Solutions")->text(), "solutions");
        QCOMPARE(enfant<QLineEdit>("Public")->text(), public_);
        QCOMPARE(enfant<QLineEdit>("Public")->toolTip().isEmpty(), public_ != "12O");
    }

    // Saved, then opened in a new window and saved again: the same file, the cell that cannot
    // be read and the option included.
    void fichier()
    {
        ouvrir("Largeurs", "FrmLargeurs");
        remplir("250", { "2,40", "1,40 p g1", "0,9O" });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
        QTRY_VERIFY(enfant<QCheckBox>("EscalierUnique")->isChecked());
        QTemporaryDir dossier;
        m_banc->plateforme.fichierChoisi = dossier.filePath("hall");
        Banc::cliquer(m_fenetre, "Enregistrer");
        const Lu<Etude> lu = FichierEtude::ouvrir(dossier.filePath("hall.salvanor"));
        QVERIFY(lu && lu.valeur->escalierUnique);
        QCOMPARE(lu.valeur->sorties.value(1), SaisieSortie({ "1,40", true, "1" }));
        QCOMPARE(lu.valeur->sorties.value(2).largeur, QString("0,9O"));
        m_fenetre->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_fenetre = m_banc->ouvrir("Largeurs", "FrmLargeurs");
        m_banc->plateforme.fichierChoisi = dossier.filePath("hall.salvanor");
        Banc::cliquer(m_fenetre, "Ouvrir");
        QCOMPARE(titre(), QString("Vérifier des dégagements — hall.salvanor"));
        m_banc->plateforme.fichierChoisi = dossier.filePath("encore.salvanor");
        Banc::cliquer(m_fenetre, "Enregistrer");
        QCOMPARE(FichierEtude::ouvrir(dossier.filePath("encore.salvanor")).valeur, lu.valeur);
    }

    // The page of a study: each exit's row on one line, in the order of its headings; groups,
    // verdict and largest effectif; only the articles this study applies.
    void page()
    {
        Etude etude;
        etude.outil = Etude::Outil::Largeurs;
        etude.effectif = "250";
        etude.sorties = { { "2,40", false, "" }, { "1,40", true, "1" }, { "1,40", true, "1" } };
        ImprimanteEnregistreuse page;
        imprimerLargeurs(page, etude, QDate(2026, 3, 2));
        QStringList textes;
        for (const LignePosee &ligne : page.lignes)
            textes << ligne.texte;
        for (const char *attendu : { "Vérification des dégagements", "page 1 / 1", "Effectif : 250",
                 "Sorties 2 et 3, à moins de 5 m : un seul dégagement de 4 UP (CO 43 §3)",
                 "Verdict : conforme", "Effectif maximal admis par ces dégagements : 500 personnes",
                 "CO 43 §3", "CO 36 §3", "CO 44 §1" })
            QVERIFY2(textes.contains(attendu), attendu);
        QVERIFY(!textes.contains("CO 41"));
        // The texts on the line where `texte` is, left to right.
        const auto rangee = [&page, &textes](const QString &texte) {
            const LignePosee &repere = page.lignes.value(textes.indexOf(texte));
            QStringList cellules;
            for (const LignePosee &ligne : page.lignes)
                if (ligne.page == repere.page && ligne.y == repere.y)
                    cellules << ligne.texte;
            return cellules;
        };
        QCOMPARE(rangee("Décompte"),
            QStringList({ "Sortie", "Largeur (m)", "Porte", "Groupe", "UP", "Décompte" }));
        QCOMPARE(rangee("porte : 1,40 m ≥ 1,40 m → 2 UP").mid(0, 6),
            QStringList({ "2", "1,40", "oui", "1", "2", "porte : 1,40 m ≥ 1,40 m → 2 UP" }));
    }

    void disposition_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("parcours");
        // clang-format off
        QTest::newRow("FrmLargeurs") << "Largeurs"
            << "Effectif EscalierUnique Sorties AjouterSortie RetirerSortie Bilan Ouvrir Enregistrer ExporterPdf Imprimer Fermer";
        QTest::newRow("FrmCinquieme") << "Cinquieme"
            << "Public Personnel Existant Sommeil Application Effectif Solutions Notes Fermer";
        // clang-format on
    }
    // The conventions of windows drawn with layouts. Also run at scale factor 2.
    void disposition()
    {
        QFETCH(QString, entree);
        QFETCH(QString, parcours);
        ouvrir(qPrintable(entree), QTest::currentDataTag());
        verifierDisposition(m_fenetre, parcours.split(' '));
    }
};

QTEST_MAIN(TstVerification)
#include "tst_verification.moc"
