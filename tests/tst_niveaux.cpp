// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Niveaux et escaliers" window as a person uses it: typing, files, questions, layout.
#include "Banc.h"
#include "Disposition.h"
#include "Etude.h"
#include "Gabarit.h"

namespace {

using Reponse = Plateforme::Reponse;
enum Colonne { ColonneNiveau, ColonneEffectif, ColonneProfondeur };

// The building of the levels window's picture; R+2 alone is 100 persons, R+1 carries 300.
const QList<QStringList> Immeuble = { { "R+2", "100", "" }, { "R+1", "200", "" },
    { "RDC", "300", "" }, { "SS1", "150", "3,50" } };

} // namespace

class TstNiveaux : public QObject
{
    Q_OBJECT

    std::unique_ptr<Banc> m_banc;
    QPointer<QWidget> m_fenetre;

    QTableWidget *table(const char *nom) const { return m_fenetre->findChild<QTableWidget *>(nom); }
    void taper(int ligne, int colonne, const QString &texte)
    {
        Banc::taper(table("Saisie"), ligne, colonne, texte);
    }
    void remplirImmeuble()
    {
        for (const char *bouton : { "AjouterEtage", "AjouterEtage", "AjouterSousSol" })
            Banc::cliquer(m_fenetre, bouton);
        for (int ligne = 0; ligne < Immeuble.size(); ++ligne)
            for (int colonne : { ColonneEffectif, ColonneProfondeur })
                if (!Immeuble[ligne][colonne].isEmpty())
                    taper(ligne, colonne, Immeuble[ligne][colonne]);
    }
    // A table's rows as read, the first `colonnes` cells joined by " | ".
    QStringList lignes(const char *nom, int colonnes) const
    {
        QStringList lu;
        const QTableWidget *lue = table(nom);
        for (int ligne = 0; ligne < lue->rowCount(); ++ligne) {
            QStringList cellules;
            for (int colonne = 0; colonne < colonnes; ++colonne)
                cellules << (lue->item(ligne, colonne) ? lue->item(ligne, colonne)->text() : "");
            lu << cellules.join(" | ");
        }
        return lu;
    }
    QString titre() const { return m_fenetre->windowHandle()->title(); }

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void init()
    {
        m_banc = std::make_unique<Banc>();
        m_fenetre = m_banc->ouvrir("Niveaux", "FrmNiveaux");
        QVERIFY(m_fenetre);
    }
    void cleanup()
    {
        m_banc.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    // A new study is one empty RDC; each key typed changes the results, SS1 through CO 39:
    // 150 persons at 3,50 m count as 200 + 20 % (reference, CO 39 ambiguity 1); R+1's stairs
    // carry R+2's 100 persons too. Every warning cites its article.
    void calcul()
    {
        QCOMPARE(lignes("Saisie", 3), QStringList("RDC |  | "));
        QCOMPARE(lignes("ResultatNiveaux", 6), QStringList("RDC | — |  | — | — | —"));
        remplirImmeuble();
        QCOMPARE(lignes("ResultatNiveaux", 6),
            QStringList({ "R+2 | 100 |  | 100 | 2 | 2", "R+1 | 200 |  | 200 | 2 | 3",
                "RDC | 300 |  | 300 | 2 | 4",
                "SS1 | 150 | 3,50 | 150 → 200 + 20 % = 240 | 2 | 4" }));
        QCOMPARE(lignes("ResultatEscaliers", 5),
            QStringList({ "Escaliers desservant R+2 | 100 | 100 | 2 | 2",
                "Escaliers desservant R+1 | 300 | 300 | 2 | 4",
                "Escaliers desservant SS1 | 240 | 150 | 2 | 4" }));
        const auto *avertissements = m_fenetre->findChild<QListWidget *>("Avertissements");
        QVERIFY(avertissements->count() > 0);
        for (const QListWidgetItem *avertissement :
            avertissements->findItems("", Qt::MatchContains))
            QVERIFY2(avertissement->text().contains(QRegularExpression("^CO \\d+.* : ")),
                qPrintable(avertissement->text()));
    }

    void celluleIllisible_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu"); // in the tool tip; empty: not marked
        // clang-format off
        QTest::newRow("letters") << 1 << +ColonneEffectif << "2OO" << "des chiffres seulement";
        QTest::newRow("2 147 483 648") << 1 << +ColonneEffectif << "2147483648" << "2 147 483 647 au plus";
        QTest::newRow("a sign") << 1 << +ColonneEffectif << "-5" << "sans signe";
        QTest::newRow("a fourth decimal") << 3 << +ColonneProfondeur << "3,1234" << "trois décimales";
        QTest::newRow("basement without depth") << 3 << +ColonneProfondeur << "" << "profondeur du sous-sol";
        QTest::newRow("empty: not entered yet") << 1 << +ColonneEffectif << "" << "";
        // clang-format on
    }
    // Framed in red while typed and once left, with a tool tip saying what is expected; that
    // level's results are dashes, the RDC still computes; what was typed stays as typed.
    void celluleIllisible()
    {
        QFETCH(int, ligne);
        QFETCH(int, colonne);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        remplirImmeuble();
        taper(ligne, colonne, texte);
        QTableWidget *saisie = table("Saisie");
        const QTableWidgetItem *cellule = saisie->item(ligne, colonne);
        const auto bordRouge = [&] {
            const QImage image = saisie->viewport()->grab().toImage();
            const QRect cadre = saisie->visualItemRect(cellule);
            const QPoint bordGauche(cadre.left() + 1, cadre.center().y());
            return image.pixelColor(bordGauche * image.devicePixelRatio()) == QColor(Qt::red);
        };
        QCOMPARE(bordRouge(), !attendu.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!saisie->indexWidget(saisie->currentIndex()));
        QCOMPARE(bordRouge(), !attendu.isEmpty());
        QCOMPARE(cellule->text(), texte);
        QCOMPARE(cellule->toolTip().isEmpty(), attendu.isEmpty());
        QVERIFY2(cellule->toolTip().contains(attendu), qPrintable(cellule->toolTip()));
        const QStringList resultats = lignes("ResultatNiveaux", 6);
        QCOMPARE(resultats.value(ligne).section(" | ", 3), QString("— | — | —"));
        QVERIFY(resultats.contains("RDC | 300 |  | 300 | 2 | 4"));
    }

    // The buttons add above the top floor and below the deepest basement; "Retirer" takes the
    // end on the side of the current level; never the RDC; R+99 and SS9 at most.
    void niveaux_data()
    {
        QTest::addColumn<QString>("gestes"); // E floor, S basement, R remove, H top row current
        QTest::addColumn<QString>("niveaux");
        // clang-format off
        QTest::newRow("a basement just added goes") << "EESSR" << "R+2 R+1 RDC SS1";
        QTest::newRow("from the top floor") << "EESSHR" << "R+1 RDC SS1 SS2";
        QTest::newRow("no floor: the basement") << "SSHR" << "RDC SS1";
        QTest::newRow("the RDC stays") << "ER" << "RDC";
        QTest::newRow("R+99 at most") << QString(99, 'E') << "R+99";
        QTest::newRow("SS9 at most") << QString(9, 'S') << "SS9";
        // clang-format on
    }
    void niveaux()
    {
        QFETCH(QString, gestes);
        QFETCH(QString, niveaux);
        const QMap<QChar, const char *> boutons
            = { { 'E', "AjouterEtage" }, { 'S', "AjouterSousSol" }, { 'R', "RetirerNiveau" } };
        for (QChar geste : gestes)
            if (geste == 'H')
                table("Saisie")->setCurrentCell(0, ColonneEffectif);
            else
                Banc::cliquer(m_fenetre, boutons[geste]);
        const QString lu = lignes("Saisie", 1).join(' ');
        QVERIFY2(lu == niveaux || lu.startsWith(niveaux + " ") || lu.endsWith(" " + niveaux),
            qPrintable(lu));
        const auto actif = [this](const char *nom) {
            return m_fenetre->findChild<QPushButton *>(nom)->isEnabled();
        };
        QCOMPARE(actif("AjouterEtage"), niveaux != "R+99");
        QCOMPARE(actif("AjouterSousSol"), niveaux != "SS9");
        QCOMPARE(actif("RetirerNiveau"), lu != "RDC");
    }

    void fichier_data()
    {
        QTest::addColumn<QByteArray>("octets"); // written over the saved file; empty: left as saved
        QTest::addColumn<bool>("refuse");
        QTest::newRow("saved, then opened") << QByteArray() << false;
        QTest::newRow("damaged") << QByteArray("{\"format\": \"salvanor\", \"ver") << true;
        QTest::newRow("another tool's study")
            << FichierEtude::ecrire(Etude { Etude::Outil::Largeurs, {}, {}, {}, false }) << true;
    }
    // Saved (the extension added) with a cell that cannot be read, changed, then opened again:
    // the cells as saved, the caption naming the file. A file refused is said in French, naming
    // it, and the study shown, its caption and its unsaved mark stay as they were.
    void fichier()
    {
        remplirImmeuble();
        taper(1, ColonneEffectif, "2OO");
        QTemporaryDir dossier;
        m_banc->plateforme.fichierChoisi = dossier.filePath("immeuble");
        Banc::cliquer(m_fenetre, "Enregistrer");
        QCOMPARE(titre(), QString("Niveaux et escaliers — immeuble.salvanor"));
        const QStringList enregistre = lignes("Saisie", 3);
        QFETCH(QByteArray, octets);
        QFile fichier(dossier.filePath("immeuble.salvanor"));
        if (!octets.isEmpty())
            QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
        fichier.close();
        taper(0, ColonneEffectif, "1000");
        QCOMPARE(titre(), QString("Niveaux et escaliers — immeuble.salvanor*"));
        const QStringList modifie = lignes("Saisie", 3);
        m_banc->plateforme.fichierChoisi = fichier.fileName();
        m_banc->plateforme.reponses = { Reponse::Non };
        Banc::cliquer(m_fenetre, "Ouvrir");
        QFETCH(bool, refuse);
        QCOMPARE(m_banc->plateforme.avertissements.size(), refuse ? 1 : 0);
        QVERIFY(!refuse
            || m_banc->plateforme.avertissements.first().contains(
                QRegularExpression("^Niveaux et escaliers \\| .*immeuble\\.salvanor")));
        QCOMPARE(lignes("Saisie", 3), refuse ? modifie : enregistre);
        QCOMPARE(titre().endsWith("*"), refuse);
    }

    void questions_data()
    {
        QTest::addColumn<bool>("quitter"); // else the window is closed
        QTest::addColumn<bool>("modifiee");
        QTest::addColumn<bool>("dejaEnregistree");
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<bool>("fichierChoisi"); // what the save dialog answers
        QTest::addColumn<bool>("reste");
        QTest::addColumn<bool>("enregistree");
        // clang-format off
        QTest::newRow("close, Oui, no file yet") << false << true << false << Reponse::Oui << true << false << true;
        QTest::newRow("close, Oui, dialog cancelled") << false << true << false << Reponse::Oui << false << true << false;
        QTest::newRow("close, Non") << false << true << false << Reponse::Non << true << false << false;
        QTest::newRow("close, Annuler") << false << true << true << Reponse::Annuler << true << true << false;
        QTest::newRow("quit, Oui, saved in its file") << true << true << true << Reponse::Oui << false << false << true;
        QTest::newRow("quit, Non") << true << true << true << Reponse::Non << true << false << false;
        QTest::newRow("quit, Annuler") << true << true << false << Reponse::Annuler << true << true << false;
        QTest::newRow("quit, nothing unsaved") << true << false << true << Reponse::Annuler << true << false << false;
        // clang-format on
    }
    // Unsaved changes are offered to be saved before the window closes or the program ends;
    // what stays keeps what was typed.
    void questions()
    {
        QFETCH(bool, quitter);
        QFETCH(bool, modifiee);
        QFETCH(bool, fichierChoisi);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("etude.salvanor");
        m_banc->plateforme.fichierChoisi = chemin;
        QFETCH(bool, dejaEnregistree);
        if (dejaEnregistree)
            Banc::cliquer(m_fenetre, "Enregistrer");
        if (modifiee)
            taper(0, ColonneEffectif, "120");
        m_banc->plateforme.fichierChoisi = fichierChoisi ? chemin : QString();
        QFETCH(Reponse, reponse);
        m_banc->plateforme.reponses = { reponse };
        if (quitter)
            m_banc->declencher("Quitter");
        else
            m_fenetre->close();
        QCOMPARE(m_banc->plateforme.questions,
            QStringList(modifiee, "Niveaux et escaliers | Enregistrer les modifications ?"));
        const QWidget *fenetre = quitter ? &m_banc->principale : m_fenetre.data();
        QTEST(fenetre && fenetre->isVisible(), "reste");
        const Lu<Etude> lu = FichierEtude::ouvrir(chemin);
        QTEST(lu && lu.valeur->niveaux.value(0).effectif == "120", "enregistree");
        if (m_fenetre && m_fenetre->isVisible())
            QCOMPARE(lignes("Saisie", 3).value(0).contains("120"), modifiee);
    }

    // The conventions of windows drawn with layouts; the results take the room a larger window
    // gives. Run again at scale factor 2.
    void disposition()
    {
        remplirImmeuble();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        verifierDisposition(m_fenetre,
            { "Saisie", "AjouterEtage", "AjouterSousSol", "RetirerNiveau", "ResultatNiveaux",
                "ResultatEscaliers", "Avertissements", "Ouvrir", "Enregistrer", "ExporterPdf",
                "Imprimer", "Fermer" });
        QTableWidget *resultats = table("ResultatNiveaux");
        const QSize avant = resultats->size();
        m_fenetre->resize(m_fenetre->size() + QSize(200, 200));
        QTRY_VERIFY(resultats->width() > avant.width() && resultats->height() > avant.height());
    }
};

QTEST_MAIN(TstNiveaux)
#include "tst_niveaux.moc"
