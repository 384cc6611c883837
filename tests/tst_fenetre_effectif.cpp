// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Effectif et catégorie" window as a person uses it: choosing, typing, handing the numbers
// on, files, the page, the layout. Figures worked out by hand from the densities' texts.
#include "Disposition.h"
#include "Etude.h"
#include "Gabarit.h"
#include "ImprimanteEnregistreuse.h"
#include "PageEffectif.h"

#include <sys/stat.h>

class TstFenetreEffectif : public QObject, BancFenetre
{
    Q_OBJECT

    using Reponse = Plateforme::Reponse;
    enum { ColonneNiveau, ColonneNature, ColonneQuantite, ColonnePlaces = 4, ColonnePublic };

    template <class T> T *enfant(const char *nom) const { return m_fenetre->findChild<T *>(nom); }
    QTableWidget *zones() const { return enfant<QTableWidget>("Zones"); }
    // F2 opens the list; the arrows walk it to `valeur` (a level's index or a nature's code).
    void choisir(int ligne, int colonne, const QVariant &valeur)
    {
        zones()->setFocus();
        zones()->setCurrentCell(ligne, colonne);
        QTest::keyClick(zones(), Qt::Key_F2);
        auto *liste = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY2(liste, "the cell opens no list");
        const int cible = liste->findData(valeur);
        QVERIFY(cible >= 0);
        while (liste->currentIndex() != cible)
            QTest::keyClick(liste, liste->currentIndex() < cible ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(liste, Qt::Key_Return);
    }
    // "RDC M.vente 300", "R+1 N.places 20 12": a zone added as a person adds it, then typed.
    void ajouter(const QString &zone)
    {
        const QStringList mots = zone.split(' ');
        if (!zones()->item(0, ColonneQuantite)->text().isEmpty())
            Banc::cliquer(m_fenetre, "AjouterZone");
        const int ligne = zones()->currentRow();
        const int indice = mots[0] == "RDC"
            ? 0
            : mots[0].sliced(2).toInt() * (mots[0].startsWith("SS") ? -1 : 1);
        choisir(ligne, ColonneNiveau, indice);
        choisir(ligne, ColonneNature, mots[1]);
        Banc::taper(zones(), ligne, ColonneQuantite, mots[2]);
        if (mots.size() > 3)
            Banc::taper(zones(), ligne, ColonnePlaces, mots[3]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QString bilan() const { return enfant<QLabel>("Bilan")->text(); }

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void init() { ouvrir("Effectif", "FenetreEffectif"); }
    void cleanup() { fermer(); }

    // Every zone added changes the results: R+1's 200 m² are 66,67 persons, rounded up with
    // the level; the staff count for the exits, never for the class.
    void calcul()
    {
        ajouter("RDC M.vente 300");
        QCOMPARE(rangees(enfant<QTableWidget>("ResultatNiveaux"), 5),
            QStringList("RDC | 100 | 100 | 0 | 100"));
        ajouter("R+1 M.vente 200");
        ajouter("RDC personnel 20");
        QCOMPARE(rangees(zones(), 1, ColonnePublic),
            QStringList({ "300 m² × 1 / 3 m² = 100", "200 m² × 1 / 3 m² = 66,67",
                "20 personnes, hors public" }));
        QCOMPARE(rangees(enfant<QTableWidget>("ResultatNiveaux"), 5),
            QStringList({ "R+1 | 66,67 | 67 | 0 | 67", "RDC | 100 | 100 | 20 | 120" }));
        QCOMPARE(rangees(enfant<QTableWidget>("Classement"), 4),
            QStringList({ "En sous-sol | 0 | 100 | non", "En étages | 67 | 100 | non",
                "Total | 167 | 200 | non" }));
        QVERIFY2(bilan().contains("Catégorie : 2e groupe, 5e catégorie")
                && bilan().contains("PE 11 §3, pour 187 personnes")
                && bilan().contains("1 dégagement de 1,40 m + 1 dégagement de 0,90 m"),
            qPrintable(bilan()));
        QVERIFY(enfant<QPushButton>("VersCinquieme")->isEnabled());
        // 434 m² upstairs are 144,67 persons: 145 on the floors, the 1st group, CO 38.
        Banc::taper(zones(), 1, ColonneQuantite, "434");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(bilan().contains(
                     "1er groupe, 4e catégorie : le public des étages (145) atteint le seuil de "
                     "100 ; le public total (245) atteint le seuil de 200 (M 1 §1) ; effectif de "
                     "265 personnes, public et personnel : 300 personnes au plus (R143-19)."),
            qPrintable(bilan()));
        QVERIFY(!enfant<QPushButton>("VersCinquieme")->isEnabled());
        QCOMPARE(enfant<QListWidget>("Avertissements")->item(0)->text().left(25),
            "Avertissement (M 2) : M 2");
    }

    void celluleIllisible_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("attendu"); // in the tool tip of the cell framed in red
        // clang-format off
        QTest::newRow("letters in an area") << "R+1 M.vente 2OO" << "surface";
        QTest::newRow("three decimals in an area") << "R+1 M.vente 200,125" << "deux décimales";
        QTest::newRow("a shop of 300 m²") << "R+1 M.boutique 300" << "M.vente";
        QTest::newRow("seats missing") << "R+1 N.places 40" << "places assises déclarées";
        // clang-format on
    }
    // Marked where it is, with what is expected; the other zones still count; nothing typed lost.
    void celluleIllisible()
    {
        QFETCH(QString, zone);
        QFETCH(QString, attendu);
        ajouter("RDC M.vente 300");
        ajouter(zone);
        const int colonne = zone.endsWith(" 40") ? ColonnePlaces : ColonneQuantite;
        QVERIFY(encadreeEnRouge(zones(), 1, colonne));
        QVERIFY2(zones()->item(1, colonne)->toolTip().contains(attendu),
            qPrintable(zones()->item(1, colonne)->toolTip()));
        QCOMPARE(zones()->item(1, ColonneQuantite)->text(), zone.section(' ', 2, 2));
        QCOMPARE(zones()->item(1, ColonnePublic)->text(), "—");
        QCOMPARE(
            rangees(enfant<QTableWidget>("ResultatNiveaux"), 3), QStringList("RDC | 100 | 100"));
    }

    // The levels' effectifs, staff included, as a new levels study (the RDC always there); the
    // public, staff and sleeping rooms into the 5th category. A levels study not saved is asked
    // about first.
    void reporter()
    {
        ajouter("R+1 M.vente 200");
        ajouter("SS1 N.places 20 12");
        ajouter("RDC personnel 20");
        QWidget *niveaux = m_banc->ouvrir("Niveaux", "FrmNiveaux");
        QVERIFY(niveaux && QTest::qWaitForWindowActive(niveaux));
        Banc::taper(niveaux->findChild<QTableWidget *>("Saisie"), 0, 1, "5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        m_banc->plateforme.reponses = { Reponse::Annuler };
        Banc::cliquer(m_fenetre, "VersNiveaux");
        QCOMPARE(m_banc->plateforme.questions,
            QStringList("Niveaux et escaliers | Enregistrer les modifications ?"));
        QCOMPARE(rangees(niveaux->findChild<QTableWidget *>("Saisie"), 2), QStringList("RDC | 5"));
        m_banc->plateforme.reponses = { Reponse::Non };
        Banc::cliquer(m_fenetre, "VersNiveaux");
        QCOMPARE(rangees(niveaux->findChild<QTableWidget *>("Saisie"), 2),
            QStringList({ "R+1 | 67", "RDC | 20", "SS1 | 12" }));
        QVERIFY(niveaux->isWindowModified());
        Banc::cliquer(m_fenetre, "VersCinquieme");
        QWidget *cinquieme = Banc::visibles("FrmCinquieme").value(0);
        QVERIFY(cinquieme);
        QCOMPARE(cinquieme->findChild<QLineEdit *>("Public")->text(), "79");
        QCOMPARE(cinquieme->findChild<QLineEdit *>("Personnel")->text(), "20");
        QCOMPARE(cinquieme->findChild<QLabel *>("Solutions")->text(),
            "soit 2 dégagements de 0,90 m,\nsoit 1 dégagement de 1,40 m + 1 dégagement de 0,60 m "
            "ou 1 dégagement accessoire");
        QVERIFY(!cinquieme->findChild<QCheckBox *>("Sommeil")->isChecked());
        enfant<QCheckBox>("Sommeil")->click();
        Banc::cliquer(m_fenetre, "VersCinquieme");
        QVERIFY(cinquieme->findChild<QCheckBox *>("Sommeil")->isChecked());
    }

    // Saved, and opened again as typed, a bad cell included; the sample of format 2 opens from
    // the command line's path, with what a person sees of it. A named pipe, given on the command
    // line or in "Ouvrir…", is refused at once (CTest's time limit is the bound).
    void fichier()
    {
        ajouter("R+1 L.banc 4,6");
        ajouter("RDC L.places 4O");
        QTemporaryDir dossier;
        const QString tube = dossier.filePath("tube.salvanor");
        QCOMPARE(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        m_banc->principale.ouvrirEtude(tube);
        m_banc->plateforme.fichierChoisi = tube;
        m_banc->plateforme.reponses = { Reponse::Non };
        Banc::cliquer(m_fenetre, "Ouvrir");
        QCOMPARE(m_banc->plateforme.avertissements.filter("pas un fichier ordinaire").size(), 2);
        QTest::keyClick(m_fenetre, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(enfant<QCheckBox>("Spectacle")->isChecked());
        const QString chemin = dossier.filePath("salle.salvanor");
        m_banc->plateforme.fichierChoisi = chemin;
        Banc::cliquer(m_fenetre, "Enregistrer");
        const Etude saisie
            = EtudeEffectif { { { 1, "L.banc", "4,6", "" }, { 0, "L.places", "4O", "" } }, true,
                  false };
        QCOMPARE(FichierEtude::ouvrir(chemin).valeur, std::optional(saisie));
        fermer();
        m_banc = std::make_unique<Banc>();
        m_banc->principale.ouvrirEtude(QStringLiteral(SALVANOR_ETUDES "/v2-effectif.salvanor"));
        m_fenetre = Banc::visibles("FenetreEffectif").value(0);
        QVERIFY(m_fenetre);
        QVERIFY(enfant<QCheckBox>("Sommeil")->isChecked());
        QCOMPARE(rangees(zones(), 1, ColonnePublic).last(),
            "12 places déclarées, au moins 20 m² × 1 / 2 m² = 10 → 12");
        QVERIFY2(bilan().contains("Effectif : 199 personnes : 179 du public et 20 du personnel"),
            qPrintable(bilan()));
    }

    // What goes into a safety file: each zone's working, the category and the texts' dates.
    void page()
    {
        const EtudeEffectif etude { { { 0, "M.vente", "300", "" }, { 1, "M.vente", "200", "" },
                                        { 0, "personnel", "2O", "" } },
            false, false };
        ImprimanteEnregistreuse page;
        imprimerEffectif(page, etude, QDate(2026, 12, 8));
        QStringList textes;
        for (const LignePosee &ligne : page.lignes)
            textes << ligne.texte;
        for (const char *attendu :
            { "Effectif et catégorie", "200 m² × 1 / 3 m² = 66,67", "Indiquez un nombre entier",
                "Catégorie : 2e groupe, 5e catégorie : le public reste sous chacun des seuils (PE",
                "M 2 §1 a (M.vente) : arrêté du 15 novembre 2017 (copie secondaire)" })
            QVERIFY2(std::any_of(textes.cbegin(), textes.cend(),
                         [&](const QString &texte) { return texte.startsWith(attendu); }),
                attendu);
    }

    // The conventions of windows drawn with layouts; the zones take the room a larger window
    // gives. Run again at scale factor 2.
    void disposition()
    {
        ajouter("RDC M.vente 300");
        verifierDisposition(m_fenetre,
            { "Zones", "AjouterZone", "RetirerZone", "Spectacle", "Sommeil", "ResultatNiveaux",
                "Classement", "Bilan", "VersNiveaux", "VersCinquieme", "Avertissements", "Textes",
                "Ouvrir", "Enregistrer", "EnregistrerSous", "ExporterPdf", "Imprimer", "Fermer" },
            "Zones");
    }
};

QTEST_MAIN(TstFenetreEffectif)
#include "tst_fenetre_effectif.moc"
