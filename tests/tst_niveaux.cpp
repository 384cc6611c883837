// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "Niveaux et escaliers" window as a person uses it: typing, files, questions, layout.
#include "Banc.h"
#include "Etude.h"
#include "Gabarit.h"

namespace {

using Reponse = Plateforme::Reponse;
enum Colonne { ColonneNiveau, ColonneEffectif, ColonneProfondeur };
enum Geste { Fermer, Quitter };

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
    void cliquer(const char *bouton)
    {
        auto *b = m_fenetre->findChild<QPushButton *>(bouton);
        QVERIFY2(b && b->isEnabled(), bouton);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Types into a cell as a person does: F2, the old text selected, the new one typed; the
    // cell is left open, so that only the keys can have reached the results.
    void taper(int ligne, int colonne, const QString &texte)
    {
        QTableWidget *t = table("Saisie");
        t->setFocus();
        t->setCurrentCell(ligne, colonne);
        QTest::keyClick(t, Qt::Key_F2);
        auto *editeur = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY2(editeur, qPrintable(t->item(ligne, ColonneNiveau)->text()));
        QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editeur, Qt::Key_Backspace);
        QTest::keyClicks(editeur, texte);
    }
    void remplirImmeuble()
    {
        cliquer("AjouterEtage");
        cliquer("AjouterEtage");
        cliquer("AjouterSousSol");
        for (int ligne = 0; ligne < Immeuble.size(); ++ligne)
            for (int colonne : { ColonneEffectif, ColonneProfondeur })
                if (!Immeuble[ligne][colonne].isEmpty())
                    taper(ligne, colonne, Immeuble[ligne][colonne]);
    }
    // A table's rows as read, cells joined by " | ", the last column (the words) left out.
    QStringList lignes(const char *nom, int colonnes) const
    {
        QStringList lu;
        const QTableWidget *t = table(nom);
        for (int ligne = 0; ligne < t->rowCount(); ++ligne) {
            QStringList cellules;
            for (int colonne = 0; colonne < colonnes; ++colonne)
                cellules << (t->item(ligne, colonne) ? t->item(ligne, colonne)->text() : "");
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
    // carry R+2's 100 persons too.
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
        for (int i = 0; i < avertissements->count(); ++i)
            QVERIFY(avertissements->item(i)->text().contains(QRegularExpression("^CO \\d+.* : ")));
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

    // Marked where it is, red frame and tool tip; that level's results are dashes, the RDC
    // still computes; what was typed stays as typed.
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
        // The left edge of the cell, while typed, then once left.
        const auto bordRouge = [&] {
            const QImage image = saisie->viewport()->grab().toImage();
            const QRect r = saisie->visualItemRect(cellule);
            return image.pixelColor(QPoint(r.left() + 1, r.center().y()) * image.devicePixelRatio())
                == QColor(Qt::red);
        };
        QCOMPARE(bordRouge(), !attendu.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!saisie->indexWidget(saisie->currentIndex()));
        QCOMPARE(bordRouge(), !attendu.isEmpty());
        QCOMPARE(cellule->text(), texte);
        QCOMPARE(cellule->toolTip().isEmpty(), attendu.isEmpty());
        QVERIFY2(cellule->toolTip().contains(attendu), qPrintable(cellule->toolTip()));
        QCOMPARE(lignes("ResultatNiveaux", 6)[ligne].section(" | ", 3), QString("— | — | —"));
        QCOMPARE(lignes("ResultatNiveaux", 6)[2], QString("RDC | 300 |  | 300 | 2 | 4"));
    }

    // The buttons add above the top floor and below the deepest basement; "Retirer" takes the
    // end on the side of the current level; never the RDC; R+99 and SS9 at most.
    void niveaux_data()
    {
        QTest::addColumn<QString>("gestes"); // E floor, S basement, R remove, H top row current
        QTest::addColumn<QString>("niveaux");
        QTest::newRow("new study") << ""
                                   << "RDC";
        QTest::newRow("a basement just added goes") << "EESSR"
                                                    << "R+2 R+1 RDC SS1";
        QTest::newRow("from the top floor") << "EESSHR"
                                            << "R+1 RDC SS1 SS2";
        QTest::newRow("no floor: the basement") << "SSHR"
                                                << "RDC SS1";
        QTest::newRow("the RDC stays") << "ER"
                                       << "RDC";
        QTest::newRow("R+99 at most") << QString(99, 'E') << "R+99";
        QTest::newRow("SS9 at most") << QString(9, 'S') << "SS9";
    }
    void niveaux()
    {
        QFETCH(QString, gestes);
        QFETCH(QString, niveaux);
        const QMap<QChar, const char *> boutons
            = { { 'E', "AjouterEtage" }, { 'S', "AjouterSousSol" }, { 'R', "RetirerNiveau" } };
        QTableWidget *saisie = table("Saisie");
        for (QChar geste : gestes)
            if (geste == 'H')
                saisie->setCurrentCell(0, ColonneEffectif);
            else
                cliquer(boutons[geste]);
        const QString lu = lignes("Saisie", 1).join(' ');
        QVERIFY2(lu == niveaux || lu.startsWith(niveaux + " ") || lu.endsWith(" " + niveaux),
            qPrintable(lu));
        QCOMPARE(
            m_fenetre->findChild<QPushButton *>("AjouterEtage")->isEnabled(), niveaux != "R+99");
        QCOMPARE(
            m_fenetre->findChild<QPushButton *>("AjouterSousSol")->isEnabled(), niveaux != "SS9");
        QCOMPARE(m_fenetre->findChild<QPushButton *>("RetirerNiveau")->isEnabled(), lu != "RDC");
    }

    // Saved (the extension added), then opened in a new window: the same cells, even the one
    // that cannot be read; the caption names the file and marks a change.
    void fichier()
    {
        remplirImmeuble();
        taper(1, ColonneEffectif, "2OO");
        QTemporaryDir dossier;
        m_banc->plateforme.fichierChoisi = dossier.filePath("immeuble");
        QVERIFY(titre().endsWith("*"));
        cliquer("Enregistrer");
        QCOMPARE(titre(), QString("Niveaux et escaliers — immeuble.salvanor"));
        const QStringList saisi = lignes("Saisie", 3);
        m_banc->plateforme.reponses = { Reponse::Annuler };
        m_fenetre->close();
        QVERIFY(m_banc->plateforme.questions.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_fenetre);
        m_fenetre = m_banc->ouvrir("Niveaux", "FrmNiveaux");
        QCOMPARE(lignes("Saisie", 3), QStringList("RDC |  | "));
        m_banc->plateforme.fichierChoisi = dossier.filePath("immeuble.salvanor");
        cliquer("Ouvrir");
        QCOMPARE(lignes("Saisie", 3), saisi);
        QCOMPARE(titre(), QString("Niveaux et escaliers — immeuble.salvanor"));
        taper(0, ColonneEffectif, "1000");
        QCOMPARE(titre(), QString("Niveaux et escaliers — immeuble.salvanor*"));
    }

    void fichierRefuse_data()
    {
        QTest::addColumn<QByteArray>("octets");
        Etude largeurs;
        largeurs.outil = Etude::Outil::Largeurs;
        QTest::newRow("damaged") << QByteArray("{\"format\": \"salvanor\", \"ver");
        QTest::newRow("another tool's study") << FichierEtude::ecrire(largeurs);
    }
    // Said in French; the study shown, its caption and its unsaved mark stay as they were.
    void fichierRefuse()
    {
        QFETCH(QByteArray, octets);
        remplirImmeuble();
        const QStringList saisi = lignes("Saisie", 3);
        const QString avant = titre();
        QTemporaryDir dossier;
        QFile fichier(dossier.filePath("autre.salvanor"));
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
        fichier.close();
        m_banc->plateforme.fichierChoisi = fichier.fileName();
        m_banc->plateforme.reponses = { Reponse::Non };
        cliquer("Ouvrir");
        QCOMPARE(m_banc->plateforme.avertissements.size(), 1);
        QVERIFY(m_banc->plateforme.avertissements[0].startsWith("Niveaux et escaliers | "));
        QVERIFY(m_banc->plateforme.avertissements[0].contains("autre.salvanor"));
        QCOMPARE(lignes("Saisie", 3), saisi);
        QCOMPARE(titre(), avant);
    }

    void questions_data()
    {
        QTest::addColumn<int>("geste");
        QTest::addColumn<bool>("modifiee");
        QTest::addColumn<bool>("dejaEnregistree");
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<bool>("fichierChoisi"); // what the save dialog answers
        QTest::addColumn<bool>("reste");
        QTest::addColumn<bool>("enregistree");
        // clang-format off
        QTest::newRow("close, Oui, no file yet") << +Fermer << true << false << Reponse::Oui << true << false << true;
        QTest::newRow("close, Oui, dialog cancelled") << +Fermer << true << false << Reponse::Oui << false << true << false;
        QTest::newRow("close, Non") << +Fermer << true << false << Reponse::Non << true << false << false;
        QTest::newRow("close, Annuler") << +Fermer << true << true << Reponse::Annuler << true << true << false;
        QTest::newRow("quit, Oui, saved in its file") << +Quitter << true << true << Reponse::Oui << false << false << true;
        QTest::newRow("quit, Non") << +Quitter << true << true << Reponse::Non << true << false << false;
        QTest::newRow("quit, Annuler") << +Quitter << true << false << Reponse::Annuler << true << true << false;
        QTest::newRow("quit, nothing unsaved") << +Quitter << false << true << Reponse::Annuler << true << false << false;
        // clang-format on
    }
    // Unsaved changes are offered to be saved before the window closes or the program ends.
    void questions()
    {
        QFETCH(int, geste);
        QFETCH(bool, modifiee);
        QFETCH(bool, dejaEnregistree);
        QFETCH(Reponse, reponse);
        QFETCH(bool, fichierChoisi);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("etude.salvanor");
        if (dejaEnregistree) {
            m_banc->plateforme.fichierChoisi = chemin;
            cliquer("Enregistrer");
            m_banc->plateforme.dialogues.clear();
        }
        if (modifiee) {
            taper(0, ColonneEffectif, "120");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        m_banc->plateforme.fichierChoisi = fichierChoisi ? chemin : QString();
        m_banc->plateforme.reponses = { reponse };
        if (geste == Fermer)
            m_fenetre->close();
        else
            m_banc->declencher("Quitter");
        QCOMPARE(m_banc->plateforme.questions,
            QStringList(modifiee, "Niveaux et escaliers | Enregistrer les modifications ?"));
        QCOMPARE(m_banc->plateforme.dialogues.size(),
            modifiee && !dejaEnregistree && reponse == Reponse::Oui ? 1 : 0);
        const QWidget *fenetre = geste == Fermer ? m_fenetre.data() : &m_banc->principale;
        QTEST(fenetre && fenetre->isVisible(), "reste");
        const Lu<Etude> lu = FichierEtude::ouvrir(chemin);
        QTEST(lu && lu.valeur->niveaux.value(0).effectif == "120", "enregistree");
        if (m_fenetre && m_fenetre->isVisible())
            QCOMPARE(lignes("Saisie", 3).value(0).contains("120"), modifiee);
    }

    // Laid out and resizable, in the application font, centred; Tab reaches every control in
    // reading order, each named for a screen reader, its caption whole and its access key its
    // own. Run again at scale factor 2.
    void disposition()
    {
        remplirImmeuble();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget *f = m_fenetre;
        QVERIFY(f->layout() && f->minimumSize() != f->maximumSize());
        const QPoint ecart = f->frameGeometry().center() - f->screen()->geometry().center();
        QVERIFY(qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1);
        QWidgetList controles = f->findChildren<QWidget *>();
        controles.removeIf([&](QWidget *w) { return !w->isVisibleTo(f); });
        QStringList touches;
        for (const QWidget *w : controles) {
            QVERIFY2(!w->testAttribute(Qt::WA_SetFont), qPrintable(w->objectName()));
            QVERIFY2(f->rect().contains(QRect(w->mapTo(f, QPoint()), w->size())),
                qPrintable(w->objectName()));
            const auto *b = qobject_cast<const QAbstractButton *>(w);
            const auto *l = qobject_cast<const QLabel *>(w);
            if (b)
                QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
            if (b || (l && l->buddy()))
                touches << QKeySequence::mnemonic(b ? b->text() : l->text()).toString();
        }
        QCOMPARE(QSet<QString>(touches.cbegin(), touches.cend()).size(), touches.size());
        QVERIFY(!touches.contains(""));
        QStringList parcours;
        f->findChild<QTableWidget *>("Saisie")->setFocus();
        do {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(!focus->accessibleName().isEmpty());
            parcours << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (QApplication::focusWidget()->objectName() != "Saisie" && parcours.size() < 30);
        QCOMPARE(parcours,
            QStringList({ "Saisie", "AjouterEtage", "AjouterSousSol", "RetirerNiveau",
                "ResultatNiveaux", "ResultatEscaliers", "Avertissements", "Ouvrir", "Enregistrer",
                "ExporterPdf", "Imprimer", "Fermer" }));
        QTableWidget *resultats = table("ResultatNiveaux");
        const QSize avant = resultats->size();
        f->resize(f->size() + QSize(200, 200));
        QTRY_VERIFY(resultats->width() > avant.width() && resultats->height() > avant.height());
    }
};

QTEST_MAIN(TstNiveaux)
#include "tst_niveaux.moc"
