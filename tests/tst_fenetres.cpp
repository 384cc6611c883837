// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Animation.h"
#include "Banc.h"
#include "Disposition.h"
#include "Gabarit.h"
#include "Ligne.h"

namespace {

// A widget's font as read; the windows' 8.25 pt "MS Sans Serif" is read through Arial's metrics.
const QString PoliceDesFenetres = "Liberation Sans 8.25";
QString policeVue(const QWidget *widget)
{
    const QFontInfo vue(widget->font());
    return vue.family() + " " + QString::number(vue.pointSizeF()) + (vue.bold() ? " gras" : "");
}

// Brings `texte` to the box: typed in any script (Ctrl held or not), pasted or dropped.
void apporter(QLineEdit *saisie, const QString &geste, const QString &texte)
{
    if (geste == "collé") {
        QApplication::clipboard()->setText(texte);
        std::unique_ptr<QMenu> menu(saisie->createStandardContextMenu());
        for (QAction *action : menu->actions())
            if (action->text().startsWith("Co&ller"))
                action->trigger();
    } else if (geste == "déposé") {
        QMimeData donnees;
        donnees.setText(texte);
        const QPoint milieu = saisie->rect().center();
        QDragEnterEvent entree(milieu, Qt::CopyAction, &donnees, Qt::LeftButton, {});
        QDropEvent depot(milieu, Qt::CopyAction, &donnees, Qt::LeftButton, {});
        QApplication::sendEvent(saisie, &entree);
        QApplication::sendEvent(saisie, &depot);
    } else {
        for (const QChar caractere : texte)
            QTest::sendKeyEvent(QTest::Click, saisie,
                caractere.unicode() < 0x80 ? QTest::asciiToKey(caractere.toLatin1())
                                           : Qt::Key_unknown,
                QString(caractere), geste == "Ctrl" ? Qt::ControlModifier : Qt::NoModifier);
    }
}

} // namespace

class TstFenetres : public QObject
{
    Q_OBJECT

    std::unique_ptr<Banc> m_banc;

private slots:
    void initTestCase() { Gabarit::preparerApplication(); }
    void init() { m_banc = std::make_unique<Banc>(); }
    void cleanup()
    {
        m_banc.reset();
        Animation::setDossierClip({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    // The article's window takes the menus' light grey. Only the About box is a tool window (no
    // task-bar button) without minimise or maximise button, and only it unloads on Escape.
    void disposition_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QColor>("fond");
        QTest::addColumn<bool>("outil");
        // clang-format off
        QTest::newRow("FrmPrincipale") << "" << "SalvaNOR - Dégagements" << QColor(0, 192, 0) << false;
        QTest::newRow("FrmCO38") << "Article" << "Article CO 38" << QColor(239, 239, 239) << false;
        QTest::newRow("frmAbout") << "Apropos" << "À propos de SalvaNOR - Dégagements" << QColor(Qt::white) << true;
        QTest::newRow("FrmInternet") << "SiteInternet" << "Form1" << QColor(Qt::white) << false;
        // clang-format on
    }

    // Title, icon, background; centred, modeless, unowned; controls clickable, captions whole;
    // chosen again, forward; Enter unloads; reopened centred, clip playing.
    void disposition()
    {
        QFETCH(QString, entree);
        QFETCH(bool, outil);
        const auto ouvrir = [&] {
            return entree.isEmpty() ? &m_banc->principale
                                    : m_banc->ouvrir(qPrintable(entree), QTest::currentDataTag());
        };
        QPointer<QWidget> fenetre = ouvrir();
        QVERIFY(fenetre && !fenetre->windowIcon().pixmap(16).isNull());
        QTEST(fenetre->windowTitle(), "titre");
        const QImage image = fenetre->grab().toImage();
        QTEST(image.pixelColor(1, image.height() - 2), "fond");
        QVERIFY(centree(fenetre) && !fenetre->isModal() && !fenetre->parentWidget());
        QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
        QCOMPARE(fenetre->windowType(), outil ? Qt::Tool : Qt::Window);
        const Qt::WindowFlags boutons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(fenetre->windowFlags().testAnyFlags(boutons), !outil);
        QVERIFY(outil || !fenetre->windowHandle()->transientParent());
        for (QWidget *widget : fenetre->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(fenetre))
                continue;
            const QString nom = widget->objectName();
            const QRect cadre(widget->mapTo(fenetre, QPoint()), widget->size());
            QVERIFY2(qobject_cast<Ligne *>(widget) || fenetre->rect().contains(cadre),
                qPrintable(nom + " lies outside the window"));
            if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget))
                QVERIFY2(fenetre->childAt(cadre.center()) == widget,
                    qPrintable(nom + " is covered where a click reaches it"));
            auto *etiquette = qobject_cast<QLabel *>(widget);
            const char *legende = widget->inherits("QGroupBox") ? "title" : "text";
            const QString texte = widget->property(legende).toString().remove('&');
            const QRect place(0, 0, widget->width() - (etiquette ? 0 : 4), widget->height());
            const int retour = etiquette && etiquette->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect besoin = QFontMetrics(widget->font()).boundingRect(place, retour, texte);
            QVERIFY2(
                texte.isEmpty() || place.contains(besoin), qPrintable(nom + " cuts its caption"));
        }
        if (!entree.isEmpty()) {
            m_banc->principale.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&m_banc->principale));
            QCOMPARE(ouvrir(), fenetre.data());
            QTRY_COMPARE(QApplication::activeWindow(), fenetre.data());
            QVERIFY(qobject_cast<QAbstractButton *>(fenetre->focusWidget()));
            QTest::keyClick(fenetre->focusWidget(), Qt::Key_Return);
            QTRY_VERIFY(fenetre.isNull());
            fenetre = ouvrir();
            QVERIFY(fenetre && centree(fenetre));
            if (auto *animation = fenetre->findChild<Animation *>())
                QVERIFY(animation->isVisible() && animation->clip()->state() == QMovie::Running);
        }
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
        QTest::keyClick(fenetre->focusWidget(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(fenetre.isNull(), outil);
        QVERIFY(outil || fenetre->isVisible());
    }

    // Every window is announced as a window or dialog named by its caption; inside, nothing poses
    // as one, each child is its parent's, and the cursor's cell (QTableView's index) is that cell.
    void roleAccessible()
    {
        QTest::failOnWarning(QRegularExpression("Cannot create accessible child interface"));
        for (const char *entree : { "Article", "Apropos", "SiteInternet", "Effectif", "Niveaux",
                 "Largeurs", "Cinquieme" })
            m_banc->declencher(entree);
        QWidgetList fenetres = QApplication::topLevelWidgets();
        fenetres.removeIf([](const QWidget *fenetre) { return !fenetre->isVisible(); });
        QCOMPARE(fenetres.size(), 8);
        for (QWidget *fenetre : fenetres) {
            const QString nom = fenetre->objectName() + ": ";
            const QString titre = fenetre->windowHandle()->title();
            QAccessibleInterface *annonce = QAccessible::queryAccessibleInterface(fenetre);
            const QAccessible::Role role = annonce->role();
            QVERIFY2(
                (role == QAccessible::Window || role == QAccessible::Dialog) && !titre.isEmpty(),
                qPrintable(nom + "role " + QString::number(role)));
            QCOMPARE(nom + annonce->text(QAccessible::Name), nom + titre);
            for (QList<QAccessibleInterface *> aVoir { annonce }; !aVoir.isEmpty();) {
                QAccessibleInterface *noeud = aVoir.takeLast();
                QVERIFY2(noeud == annonce
                        || (noeud && noeud->role() != QAccessible::Window
                            && noeud->parent()->indexOfChild(noeud) >= 0),
                    qPrintable(nom + (noeud ? noeud->text(QAccessible::Name) : QString())));
                for (int i = 0; i < noeud->childCount(); ++i)
                    aVoir << noeud->child(i);
            }
            for (QTableWidget *table : fenetre->findChildren<QTableWidget *>())
                for (int ligne = 0; ligne < table->rowCount(); ++ligne)
                    for (int colonne = 0; colonne < table->columnCount(); ++colonne) {
                        QAccessibleEvent curseur(table, QAccessible::Focus);
                        curseur.setChild((ligne + 1) * (table->columnCount() + 1) + colonne + 1);
                        const auto *lue = curseur.accessibleInterface()->tableCellInterface();
                        QVERIFY2(lue && lue->rowIndex() == ligne && lue->columnIndex() == colonne,
                            qPrintable(nom + table->objectName()));
                    }
        }
    }

    // What a screen reader gets from each kind of control of each tool window (first word of the
    // row): role, name | description (| a button's tip), or a table's first row with its headers.
    void controleLu_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("lu");
        // clang-format off
        QTest::newRow("Niveaux: push button") << "AjouterEtage" << QAccessible::Button << "Ajouter un étage | Ajoute un étage au-dessus du dernier | Ajoute un étage au-dessus du dernier";
        QTest::newRow("Niveaux: input table") << "Saisie" << QAccessible::Table << "Niveaux du bâtiment | Niveau : RDC, Effectif : 250, Profondeur (m) : ";
        QTest::newRow("Niveaux: result table") << "ResultatNiveaux" << QAccessible::Table << "Dégagements des niveaux | Niveau : RDC, Effectif : 250, Profondeur (m) : , Effectif retenu : 250, Dégagements : 2, UP : 4, Solution : Il faut 2 dégagements totalisant 4 UP";
        QTest::newRow("Niveaux: warnings") << "Avertissements" << QAccessible::List << "Avertissements | CO 36 §3 : RDC : 250 personnes, plus de 200 : chaque dégagement normal doit avoir au moins 2 UP.";
        QTest::newRow("Niveaux: caption") << "Niveaux du &bâtiment :" << QAccessible::StaticText << "Niveaux du bâtiment : | ";
        QTest::newRow("Largeurs: input box") << "Effectif" << QAccessible::EditableText << "Effectif | ";
        QTest::newRow("Largeurs: check box") << "EscalierUnique" << QAccessible::CheckBox << "Étage desservi par un escalier unique, plancher bas à 8 m au plus | CO 38 §1 b : de 20 à 50 personnes, un escalier d'une unité de passage suffit alors | CO 38 §1 b : de 20 à 50 personnes, un escalier d'une unité de passage suffit alors";
        QTest::newRow("Largeurs: exits table") << "Sorties" << QAccessible::Table << "Dégagements mesurés | Largeur (m) : , Porte : , Groupe : , UP : , Décompte : ";
        QTest::newRow("Largeurs: result text") << "Bilan" << QAccessible::StaticText << "Total : 0 UP en 0 dégagement normal\nExigé pour 250 personnes (CO 38 §1) : il faut 2 dégagements totalisant 4 UP\nVerdict : non conforme : il manque 2 dégagements totalisant 4 UP\nEffectif maximal admis par ces dégagements : 0 personne | Résultat de la vérification";
        QTest::newRow("Cinquieme: field caption") << "&Public :" << QAccessible::StaticText << "Public : | ";
        QTest::newRow("Cinquieme: check box") << "Sommeil" << QAccessible::CheckBox << "Locaux à sommeil | PE 2 §3 : avec des locaux à sommeil, PE 11 s'applique même à 19 personnes du public ou moins | PE 2 §3 : avec des locaux à sommeil, PE 11 s'applique même à 19 personnes du public ou moins";
        QTest::newRow("Cinquieme: push button") << "Fermer" << QAccessible::Button << "Fermer | Ferme la fenêtre | Ferme la fenêtre";
        // clang-format on
    }

    void controleLu()
    {
        const QString entree = QString(QTest::currentDataTag()).section(u':', 0, 0);
        QFETCH(QString, controle);
        QWidget *fenetre = m_banc->ouvrir(qPrintable(entree), "Frm" + entree);
        for (const char chiffre : { '2', '5', '0' }) // where the window puts the cursor
            QTest::keyClick(QApplication::focusWidget(), chiffre);
        auto *vu = fenetre->findChild<QWidget *>(controle);
        for (QLabel *legende : fenetre->findChildren<QLabel *>())
            vu = legende->text() == controle ? legende : vu;
        QVERIFY(vu);
        QAccessibleInterface *annonce = QAccessible::queryAccessibleInterface(vu);
        QString lu = annonce->text(QAccessible::Name) + " | ";
        if (QAccessibleTableInterface *table = annonce->tableInterface()) {
            for (int colonne = 0; colonne < table->columnCount(); ++colonne) {
                // The header through the table, as Qt's header-cell interfaces are never freed;
                // a list has none to read.
                lu += colonne ? ", " : "";
                if (qobject_cast<QTableView *>(vu))
                    lu += table->columnDescription(colonne) + " : ";
                lu += table->cellAt(0, colonne)->text(QAccessible::Name);
            }
        } else {
            lu += annonce->text(QAccessible::Description);
            if (qobject_cast<QAbstractButton *>(vu))
                lu += " | " + vu->toolTip();
        }
        QTEST(annonce->role(), "role");
        QTEST(lu, "lu");
    }

    void saisie_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::addColumn<QString>("apporte");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("bips");
        // clang-format off
        QTest::newRow("typed: every digit, six at most; backspace, tab") << "tapé" << "34567890\b\t" << "12345" << 0;
        QTest::newRow("typed: letter, signs, escape, digits of other scripts") << "tapé" << "a -+,.\x1b١٢１２" << "12" << 11;
        QTest::newRow("ctrl+a, c, v, x") << "Ctrl" << "acvx" << "12" << 4;
        QTest::newRow("pasted: cut to six") << "collé" << "3456789" << "123456" << 0;
        QTest::newRow("pasted: a letter") << "collé" << "3a" << "12" << 1;
        QTest::newRow("pasted: Arabic-Indic, full-width digits") << "collé" << "١１" << "12" << 1;
        QTest::newRow("dropped: cut to six") << "déposé" << "3456789" << "123456" << 0;
        QTest::newRow("dropped: a letter") << "déposé" << "3a" << "12" << 1;
        QTest::newRow("dropped: Arabic-Indic, full-width digits") << "déposé" << "١１" << "12" << 1;
        // clang-format on
    }

    // After "12" digits go in, up to six; all else beeps. Pasting uses the box's own French menu.
    void saisie()
    {
        QFETCH(QString, geste);
        QFETCH(QString, apporte);
        QApplication::clipboard()->setText("99");
        QTest::keyClicks(m_banc->saisie, "12");
        apporter(m_banc->saisie, geste, apporte);
        QTEST(m_banc->saisie->text(), "texte");
        QTEST(m_banc->plateforme.bips, "bips");
    }

    // Enter, keypad Enter or a click calculates; a warning, in the windows' font, wipes the result.
    void calcul()
    {
        QTest::keyClicks(m_banc->saisie, "007\r");
        QCOMPARE(m_banc->lignes().first(), "Pour 7 personnes");
        QTest::keyClicks(m_banc->saisie, "00");
        QTest::keyClick(m_banc->saisie, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_banc->lignes().first(), "Pour 0 personnes");
        QTest::keyClicks(m_banc->saisie, "999999");
        QTest::mouseClick(m_banc->calculer, Qt::LeftButton);
        QCOMPARE(m_banc->lignes().first(), "Pour 999999 personnes");
        QVERIFY(m_banc->saisie->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), m_banc->saisie);
        QTest::keyClicks(m_banc->saisie, "120\r0");
        Plateforme::remplacer(nullptr);
        QString vu;
        QTimer::singleShot(0, this, [&] {
            auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(boite && boite->icon() == QMessageBox::Warning && boite->buttons().size() == 1);
            QCOMPARE(policeVue(boite->findChild<QLabel *>("qt_msgbox_label")), PoliceDesFenetres);
            vu = boite->windowTitle() + " | " + boite->text() + " | " + m_banc->lignes().join("");
            boite->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(m_banc->calculer, Qt::LeftButton);
        QCOMPARE(vu, QString("Erreur | Indiquez un nombre de personnes | "));
        QVERIFY(m_banc->lignes().join("").isEmpty() && m_banc->saisie->text().isEmpty());
        QCOMPARE(m_banc->principale.focusWidget(), m_banc->calculer);
    }

    // The words a person reads, in the windows' font (menus, boxes and tips: one setting).
    void mots()
    {
        QCOMPARE(policeVue(&m_banc->principale), PoliceDesFenetres);
        QStringList lu;
        // clang-format off
        for (QAction *titre : m_banc->principale.menuBar()->actions()) {
            QCOMPARE(policeVue(titre->menu()), PoliceDesFenetres);
            lu << titre->text();
            for (QAction *action : titre->menu()->actions())
                lu << "  " + (action->isSeparator() ? "-" : action->text()) + " " + action->shortcut().toString();
        }
        QCOMPARE(lu, QStringList({ "&Fichier", "  Im&primer le résultat ", "  - ", "  &Quitter Ctrl+Q", "&Références", "  A&rticle CO 38 ",
            "  - ", "  &Effectif et catégorie… ", "  &Niveaux et escaliers… ", "  &Vérifier des dégagements… ", "  &5e catégorie (PE 11)… ", "&Mise à jour", "  &Site Internet ",
            "&?", "  &A propos de Salvanor - Dégagements F1" }));
        QCOMPARE(m_banc->principale.findChild<QLabel *>("Label6")->text(), "Ce logiciel permet de calculer le nombre et la largeur des dégagements (portes, "
            "sorties, issues, ...). Il est l'application de l'article CO 38 du réglement de sécurité des Etablissements Recevant du Public du 25 juin 1980 modifé.");
        const QStringList fixes { m_banc->principale.findChild<QLabel *>("Label1")->text(), m_banc->principale.findChild<QGroupBox *>("Frame1")->title(),
            m_banc->calculer->text(), m_banc->ouvrir("Apropos", "frmAbout")->findChild<QLabel *>("lblVersion")->text() };
        QCOMPARE(fixes, QStringList({ "Nombre de personnes :", "Calcul des dégagements", "Calculer", "Version " SALVANOR_VERSION }));
        // clang-format on
    }

    // Clip-less windows open; a click on the web icon opens the site shown or says how to reach it.
    void lienSite()
    {
        QTemporaryDir vide;
        Animation::setDossierClip(vide.path());
        QVERIFY(!m_banc->ouvrir("Apropos", "frmAbout")->findChild<Animation *>()->clip());
        QWidget *fenetre = m_banc->ouvrir("SiteInternet", "FrmInternet");
        QVERIFY(!fenetre->findChild<Animation *>()->clip());
        QCOMPARE(fenetre->findChild<QLabel *>("Image1")->pixmap().size(), QSize(233, 87));
        auto *adresse = fenetre->findChild<QLabel *>("Label2");
        const QString site = "https://" + adresse->text();
        auto *icone = fenetre->findChild<QLabel *>("Image2");
        QTest::mouseClick(adresse, Qt::LeftButton);
        QTest::mousePress(icone, Qt::LeftButton);
        QTest::mouseRelease(icone, Qt::LeftButton, {}, QPoint(icone->width() + 30, 5));
        QTest::mouseClick(icone, Qt::LeftButton);
        QCOMPARE(m_banc->plateforme.lancements, QStringList("xdg-open " + site));
        m_banc->plateforme.lancementPossible = false;
        QTest::mouseClick(icone, Qt::LeftButton);
        // clang-format off
        QCOMPARE(m_banc->plateforme.avertissements, QStringList("Erreur | Le navigateur n'a pas pu être démarré.\nPour consulter le site, tapez l'adresse " + site + " dans votre navigateur."));
        // clang-format on
    }

    // The article as published, paragraphs joined by CR LF; a failure names the first that differs.
    void article()
    {
        QFile reference(QFINDTESTDATA("reference/article-co38.txt"));
        QVERIFY(reference.open(QIODevice::ReadOnly));
        const QStringList attendu = QString(reference.readAll()).split('\n', Qt::SkipEmptyParts);
        QWidget *fenetre = m_banc->ouvrir("Article", "FrmCO38");
        const QStringList lu = fenetre->findChild<QLabel *>("Label1")->text().split("\r\n");
        for (qsizetype numero = 0; numero < qMax(lu.size(), attendu.size()); ++numero) {
            const QString paragraphe = "paragraph " + QString::number(numero + 1) + ": ";
            QCOMPARE(paragraphe + lu.value(numero), paragraphe + attendu.value(numero));
        }
    }

    // Closing the main window leaves the About box open; Quitter hides all, unloads none, ends.
    void quitter()
    {
        QPointer<QWidget> apropos = m_banc->ouvrir("Apropos", "frmAbout");
        bool derniereFermee = false;
        connect(qApp, &QGuiApplication::lastWindowClosed, this, [&] { derniereFermee = true; });
        QTimer::singleShot(0, this, [&] {
            m_banc->principale.close();
            QVERIFY(!derniereFermee && apropos->isVisible());
            m_banc->declencher("Quitter");
        });
        QObject gardien; // ends a loop that Quitter did not end
        QTimer::singleShot(5000, &gardien, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!derniereFermee && apropos && !apropos->isVisible());
    }
};

QTEST_MAIN(TstFenetres)
#include "tst_fenetres.moc"
