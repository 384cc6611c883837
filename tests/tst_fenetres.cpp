// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Animation.h"
#include "Banc.h"
#include "Disposition.h"
#include "Gabarit.h"
#include "Ligne.h"

namespace {

// The dialog font the windows were drawn in, 8.25 pt "MS Sans Serif", is read here through the
// font with Arial's metrics that the program depends on.
const QString PoliceDesFenetres = "Liberation Sans 8.25";

// A widget's font as a person reads it: family and size, and whether bold.
QString policeVue(const QWidget *widget)
{
    const QFontInfo vue(widget->font());
    return vue.family() + " " + QString::number(vue.pointSizeF()) + (vue.bold() ? " gras" : "");
}

// Types `texte`, one key press per character, in any script.
void taper(QWidget *cible, const QString &texte)
{
    for (const QChar caractere : texte)
        if (caractere.unicode() < 0x80)
            QTest::keyClick(cible, char(caractere.unicode()));
        else
            QTest::sendKeyEvent(
                QTest::Click, cible, Qt::Key_unknown, QString(caractere), Qt::NoModifier);
}

// Pastes the clipboard through the box's own menu, as a person does.
void collerParLeMenu(QLineEdit *saisie)
{
    std::unique_ptr<QMenu> menu(saisie->createStandardContextMenu());
    for (QAction *action : menu->actions())
        if (action->text().startsWith("Co&ller"))
            action->trigger();
}

// Drops `texte` on the box, as dragged there from another program.
void deposer(QLineEdit *saisie, const QString &texte)
{
    QMimeData donnees;
    donnees.setText(texte);
    const QPoint point = saisie->rect().center();
    QDragEnterEvent entree(point, Qt::CopyAction, &donnees, Qt::LeftButton, {});
    QApplication::sendEvent(saisie, &entree);
    QDropEvent depot(point, Qt::CopyAction, &donnees, Qt::LeftButton, {});
    QApplication::sendEvent(saisie, &depot);
}

} // namespace

class TstFenetres : public QObject
{
    Q_OBJECT

    std::unique_ptr<Banc> m_banc;

    // The window a data row names, opened from its menu entry (the main window has none).
    QWidget *fenetreDeLaLigne()
    {
        QFETCH(QString, entree);
        if (entree.isEmpty())
            return &m_banc->principale;
        return m_banc->ouvrir(qPrintable(entree), QTest::currentDataTag());
    }
    // The windows as a person finds them; the type is a tool window's or a plain window's.
    static void lesFenetres(bool avecPrincipale)
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QColor>("fond");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("reduireAgrandir");
        QTest::addColumn<bool>("echapFerme");
        const int outil = Qt::Tool, fenetre = Qt::Window;
        // clang-format off
        if (avecPrincipale)
            QTest::newRow("FrmPrincipale") << "" << "SalvaNOR - Dégagements" << QColor(0, 192, 0) << fenetre << true << false;
        // The light grey of the toolkit's menus, which the article's window takes.
        QTest::newRow("FrmCO38") << "Article" << "Article CO 38" << QColor(239, 239, 239) << fenetre << true << false;
        QTest::newRow("frmAbout") << "Apropos" << "À propos de SalvaNOR - Dégagements" << QColor(Qt::white) << outil << false << true;
        QTest::newRow("FrmInternet") << "SiteInternet" << "Form1" << QColor(Qt::white) << fenetre << true << false;
        // clang-format on
    }

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

    void apparence_data() { lesFenetres(true); }

    // Title, icon, the background as painted (at the bottom left corner); fixed in size,
    // modeless, owned by no window; only the About box is a tool window (no task-bar button),
    // without minimise or maximise button, and only it closes, so unloads, on Escape.
    void apparence()
    {
        QPointer<QWidget> fenetre = fenetreDeLaLigne();
        QVERIFY(fenetre && !fenetre->windowIcon().pixmap(16).isNull());
        QTEST(fenetre->windowTitle(), "titre");
        const QImage image = fenetre->grab().toImage();
        QTEST(image.pixelColor(1, image.height() - 2), "fond");
        QVERIFY(!fenetre->isModal() && !fenetre->parentWidget());
        QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
        QTEST(int(fenetre->windowType()), "type");
        const Qt::WindowFlags boutons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QTEST(fenetre->windowFlags().testAnyFlags(boutons), "reduireAgrandir");
        QVERIFY(fenetre->windowType() == Qt::Tool || !fenetre->windowHandle()->transientParent());
        // Escape as a person presses it: in the window that has the keyboard.
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
        QTest::keyClick(fenetre->focusWidget(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTEST(fenetre.isNull(), "echapFerme");
    }

    void disposition_data() { lesFenetres(true); }

    // Controls inside the window (lines may run off it), buttons and boxes reached by a click at
    // their centre, captions uncut; the window centred on the screen.
    void disposition()
    {
        QWidget *fenetre = fenetreDeLaLigne();
        QVERIFY(fenetre);
        const auto cadre = [&](const QWidget *widget) {
            return QRect(widget->mapTo(fenetre, QPoint()), widget->size());
        };
        QWidgetList visibles = fenetre->findChildren<QWidget *>();
        visibles.removeIf([&](QWidget *widget) { return !widget->isVisibleTo(fenetre); });
        for (QWidget *widget : visibles) {
            const QString nom = widget->objectName();
            QVERIFY2(qobject_cast<Ligne *>(widget) || fenetre->rect().contains(cadre(widget)),
                qPrintable(nom + " lies outside the window"));
            if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget))
                QVERIFY2(fenetre->childAt(cadre(widget).center()) == widget,
                    qPrintable(nom + " is covered where a click reaches it"));
            // Labels, buttons and frames: the caption within the control, less a border but
            // for a label.
            auto *etiquette = qobject_cast<QLabel *>(widget);
            const QString texte = widget->property(widget->inherits("QGroupBox") ? "title" : "text")
                                      .toString()
                                      .remove('&');
            const int largeur = widget->width() - (etiquette ? 0 : 4);
            const int retour = etiquette && etiquette->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect besoin = QFontMetrics(widget->font())
                                     .boundingRect(QRect(0, 0, largeur, 10000), retour, texte);
            QVERIFY2(texte.isEmpty()
                    || (besoin.width() <= largeur && besoin.height() <= widget->height()),
                qPrintable(nom + " cuts its caption"));
        }
        QVERIFY(centree(fenetre));
    }

    void revenir_data() { lesFenetres(false); }

    // Chosen again while open, the same window comes forward. Enter presses the focused button,
    // which unloads the window; shown again it is loaded afresh: centred, its clip playing.
    void revenir()
    {
        QPointer<QWidget> fenetre = fenetreDeLaLigne();
        m_banc->principale.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_banc->principale));
        QCOMPARE(fenetreDeLaLigne(), fenetre.data());
        QTRY_COMPARE(QApplication::activeWindow(), fenetre.data());
        QVERIFY(qobject_cast<QAbstractButton *>(fenetre->focusWidget()));
        QTest::keyClick(fenetre->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(fenetre.isNull());
        fenetre = fenetreDeLaLigne();
        QVERIFY(fenetre && centree(fenetre));
        if (auto *animation = fenetre->findChild<Animation *>())
            QVERIFY(animation->isVisible() && animation->clip()->state() == QMovie::Running);
    }

    void roleAccessible_data()
    {
        QTest::addColumn<QString>("entree");
        // clang-format off
        QTest::newRow("FrmPrincipale") << "";
        QTest::newRow("FrmCO38") << "Article";
        QTest::newRow("frmAbout") << "Apropos";
        QTest::newRow("FrmInternet") << "SiteInternet";
        QTest::newRow("FrmNiveaux") << "Niveaux";
        QTest::newRow("FrmLargeurs") << "Largeurs";
        QTest::newRow("FrmCinquieme") << "Cinquieme";
        // clang-format on
    }
    // Every window is announced to a screen reader as a window or a dialog, never as a filler,
    // and named by the caption a person reads on it.
    void roleAccessible()
    {
        QWidget *fenetre = fenetreDeLaLigne();
        QVERIFY(fenetre);
        const QAccessibleInterface *annonce = QAccessible::queryAccessibleInterface(fenetre);
        QVERIFY(annonce);
        QVERIFY2(annonce->role() == QAccessible::Window || annonce->role() == QAccessible::Dialog,
            qPrintable(QString("role %1").arg(annonce->role())));
        const QString legende = fenetre->windowHandle()->title();
        QVERIFY(!legende.isEmpty());
        QCOMPARE(annonce->text(QAccessible::Name), legende);
    }

    void saisie_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::addColumn<QString>("apporte");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("bips");
        // clang-format off
        QTest::newRow("typed: every digit, six at most") << "tapé" << "34567890" << "123456" << 0;
        QTest::newRow("typed: letter, signs, space, escape") << "tapé" << "a -+,.\x1b" << "12" << 7;
        QTest::newRow("typed: backspace, tab") << "tapé" << "\b\t" << "1" << 0;
        QTest::newRow("typed: Arabic-Indic, full-width digits") << "tapé" << "١٢１２" << "12" << 4;
        QTest::newRow("ctrl+a, c, v, x") << "Ctrl" << "acvx" << "12" << 4;
        QTest::newRow("pasted: cut to six") << "collé" << "3456789" << "123456" << 0;
        QTest::newRow("pasted: a letter") << "collé" << "3a" << "12" << 1;
        QTest::newRow("pasted: Arabic-Indic, full-width digits") << "collé" << "١１" << "12" << 1;
        QTest::newRow("dropped: cut to six") << "déposé" << "3456789" << "123456" << 0;
        QTest::newRow("dropped: a letter") << "déposé" << "3a" << "12" << 1;
        QTest::newRow("dropped: Arabic-Indic, full-width digits") << "déposé" << "١１" << "12" << 1;
        // clang-format on
    }

    // After "12", typed, pasted through the box's menu or dropped: digits go in, up to six;
    // anything else, whatever the script, beeps and goes nowhere.
    void saisie()
    {
        QFETCH(QString, geste);
        QFETCH(QString, apporte);
        QApplication::clipboard()->setText(geste == "collé" ? apporte : "99");
        QTest::keyClicks(m_banc->saisie, "12");
        if (geste == "tapé")
            taper(m_banc->saisie, apporte);
        else if (geste == "Ctrl")
            QTest::keyClicks(m_banc->saisie, apporte, Qt::ControlModifier);
        else if (geste == "collé")
            collerParLeMenu(m_banc->saisie);
        else
            deposer(m_banc->saisie, apporte);
        QTEST(m_banc->saisie->text(), "texte");
        QTEST(m_banc->plateforme.bips, "bips");
    }

    void calcul_data()
    {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("geste");
        QTest::addColumn<QString>("premiere");
        // clang-format off
        QTest::newRow("007, Enter") << "007" << "Entrée" << "Pour 7 personnes";
        QTest::newRow("00, keypad Enter") << "00" << "Entrée du pavé" << "Pour 0 personnes";
        QTest::newRow("999999, click") << "999999" << "clic" << "Pour 999999 personnes";
        // clang-format on
    }

    // Enter, keypad Enter or a click calculates; the box is then empty and keeps the focus.
    void calcul()
    {
        QFETCH(QString, saisi);
        QFETCH(QString, geste);
        QTest::keyClicks(m_banc->saisie, saisi);
        if (geste == "clic")
            QTest::mouseClick(m_banc->calculer, Qt::LeftButton);
        else if (geste == "Entrée")
            QTest::keyClick(m_banc->saisie, Qt::Key_Return);
        else
            QTest::keyClick(m_banc->saisie, Qt::Key_Enter, Qt::KeypadModifier);
        QTEST(m_banc->lignes().first(), "premiere");
        QVERIFY(m_banc->saisie->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), m_banc->saisie);
    }

    // The real box, in the windows' font, wipes out the result; the focus stays on the button.
    void avertissement()
    {
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

    // The menus as a person reads them, in the windows' font (as are boxes and tips: one setting);
    // the box's own menu in French whatever the system's language (English here).
    void menus()
    {
        QCOMPARE(policeVue(&m_banc->principale), PoliceDesFenetres);
        std::unique_ptr<QMenu> contextuel(m_banc->saisie->createStandardContextMenu());
        QStringList mots;
        for (QAction *action : contextuel->actions())
            mots << action->text().remove('&').section('\t', 0, 0);
        QCOMPARE(mots.join(' ').simplified(),
            QString("Annuler Rétablir Couper Copier Coller Supprimer Tout sélectionner"));
        QStringList lu;
        for (QAction *titre : m_banc->principale.menuBar()->actions()) {
            QCOMPARE(policeVue(titre->menu()), PoliceDesFenetres);
            lu << titre->text();
            for (QAction *action : titre->menu()->actions())
                lu << "  " + (action->isSeparator() ? "-" : action->text()) + " "
                        + action->shortcut().toString();
        }
        QCOMPARE(lu,
            QStringList({ "&Fichier", "  Im&primer le résultat ", "  - ", "  &Quitter Ctrl+Q",
                "&Références", "  A&rticle CO 38 ", "  - ", "  &Niveaux et escaliers… ",
                "  &Vérifier des dégagements… ", "  &5e catégorie (PE 11)… ", "&Mise à jour",
                "  &Site Internet ", "&?", "  &A propos de Salvanor - Dégagements F1" }));
    }

    // The fixed words as a person reads them; the About box's version line: the word, one
    // space, the program's version.
    void textes()
    {
        const QStringList lus { m_banc->principale.findChild<QLabel *>("Label6")->text(),
            m_banc->principale.findChild<QLabel *>("Label1")->text(),
            m_banc->principale.findChild<QGroupBox *>("Frame1")->title(), m_banc->calculer->text(),
            m_banc->ouvrir("Apropos", "frmAbout")->findChild<QLabel *>("lblVersion")->text() };
        QCOMPARE(lus,
            QStringList({ "Ce logiciel permet de calculer le nombre et la largeur des dégagements "
                          "(portes, sorties, issues, ...). Il est l'application de l'article CO 38 "
                          "du réglement de sécurité des Etablissements Recevant du Public du 25 "
                          "juin 1980 modifé.",
                "Nombre de personnes :", "Calcul des dégagements", "Calculer",
                "Version " SALVANOR_VERSION }));
    }

    // The results frame: a border that stands out from the green, the caption in its top line.
    void cadreGrave()
    {
        auto *cadre = m_banc->principale.findChild<QGroupBox *>("Frame1");
        const QImage image = cadre->grab().toImage();
        int bord = 0;
        while (bord < image.height()
            && qAbs(image.pixelColor(0, bord).lightness() - QColor(0, 192, 0).lightness()) < 40)
            ++bord;
        const qreal milieuDuTitre = QFontMetrics(cadre->font()).height() / 2.0;
        QVERIFY(qAbs(bord / image.devicePixelRatio() - milieuDuTitre) <= 2);
    }

    // Without their clip the About and web-site windows open all the same.
    void sansClip()
    {
        QTemporaryDir vide;
        Animation::setDossierClip(vide.path());
        QVERIFY(!m_banc->ouvrir("Apropos", "frmAbout")->findChild<Animation *>()->clip());
        QVERIFY(!m_banc->ouvrir("SiteInternet", "FrmInternet")->findChild<Animation *>()->clip());
    }

    // A click on the web icon is a press and a release on it; it opens the site shown, or says
    // how to reach it.
    void lienSite()
    {
        QWidget *fenetre = m_banc->ouvrir("SiteInternet", "FrmInternet");
        QCOMPARE(fenetre->findChild<QLabel *>("Image1")->pixmap().size(), QSize(233, 87));
        const QString site = fenetre->findChild<QLabel *>("Label2")->text();
        auto *icone = fenetre->findChild<QLabel *>("Image2");
        QTest::mouseClick(fenetre->findChild<QLabel *>("Label2"), Qt::LeftButton);
        QTest::mousePress(icone, Qt::LeftButton);
        QTest::mouseRelease(icone, Qt::LeftButton, {}, QPoint(icone->width() + 30, 5));
        QTest::mouseClick(icone, Qt::LeftButton);
        QTest::mouseClick(icone, Qt::LeftButton);
        QCOMPARE(m_banc->plateforme.lancements, QStringList(2, "xdg-open https://" + site));
        m_banc->plateforme.lancementPossible = false;
        QTest::mouseClick(icone, Qt::LeftButton);
        QCOMPARE(m_banc->plateforme.avertissements,
            QStringList("Erreur | Le navigateur n'a pas pu être démarré.\nPour consulter le "
                        "site, tapez l'adresse https://"
                + site + " dans votre navigateur."));
    }

    // The article as published: fourteen paragraphs joined by CR LF; a failure names the first
    // paragraph that differs.
    void article()
    {
        QFile reference(QFINDTESTDATA("reference/article-co38.txt"));
        QVERIFY(reference.open(QIODevice::ReadOnly));
        const QStringList attendu = QString(reference.readAll()).split('\n', Qt::SkipEmptyParts);
        QWidget *fenetre = m_banc->ouvrir("Article", "FrmCO38");
        const QStringList lu = fenetre->findChild<QLabel *>("Label1")->text().split("\r\n");
        for (qsizetype numero = 0; numero < qMax(lu.size(), attendu.size()); ++numero)
            QVERIFY2(lu.value(numero) == attendu.value(numero),
                qPrintable(QString("paragraph %1\n   shown: %2\nexpected: %3")
                               .arg(numero + 1)
                               .arg(lu.value(numero), attendu.value(numero))));
    }

    // Closing the main window leaves the About box open, a window of its own; Quitter then hides
    // all, closing (so unloading) none, and ends the program.
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
        QTimer limite;
        connect(&limite, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
        limite.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!derniereFermee && apropos && !apropos->isVisible());
    }
};

QTEST_MAIN(TstFenetres)
#include "tst_fenetres.moc"
