// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Animation.h"
#include "Banc.h"
#include "Gabarit.h"
#include "Ligne.h"

namespace {

bool memePolice(const QWidget *w, const QWidget *modele)
{
    const QFontInfo a(w->font()), b(modele->font());
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.bold() == b.bold();
}

// True when `a` is painted above `b`: of their ancestors under one parent, a's comes later.
bool auDessus(const QWidget *a, const QWidget *b)
{
    for (; a->parentWidget(); a = a->parentWidget())
        for (const QWidget *c = b; c->parentWidget(); c = c->parentWidget())
            if (const QObjectList &freres = a->parentWidget()->children();
                c->parentWidget() == a->parentWidget())
                return freres.indexOf(a) > freres.indexOf(c);
    return false;
}

enum Geste { Tape, Controle, Colle, Clic, PaveNumerique };

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

    void fenetres_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QColor>("fond");
        const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
        // clang-format off
        QTest::newRow("FrmPrincipale") << "" << "SalvaNOR - Dégagements" << QColor(0, 192, 0);
        QTest::newRow("FrmCO38") << "Article" << "Article CO 38" << menu;
        QTest::newRow("frmAbout") << "Apropos" << "À propos de SalvaNOR - Dégagements" << QColor(Qt::white);
        QTest::newRow("FrmInternet") << "SiteInternet" << "Form1" << QColor(Qt::white);
        // clang-format on
    }

    // Buttons and boxes whole and clickable, captions uncut, nothing but lines outside. Other
    // windows: modeless, unowned, centred, button focused; only the About box is a tool window
    // and closes on Escape; shown again, brought forward; Enter unloads; reloaded afresh.
    void fenetres()
    {
        QFETCH(QString, entree);
        const QString nom = QTest::currentDataTag();
        QPointer<QWidget> f
            = entree.isEmpty() ? &m_banc->principale : m_banc->ouvrir(qPrintable(entree), nom);
        QVERIFY(f && !f->windowIcon().pixmap(16).isNull());
        QTEST(f->windowTitle(), "titre");
        const QImage image = f->grab().toImage(); // the background, at the bottom left corner
        QTEST(image.pixelColor(1, image.height() - 2), "fond");
        const auto cadre
            = [&](const QWidget *w) { return QRect(w->mapTo(f, QPoint()), w->size()); };
        QWidgetList visibles = f->findChildren<QWidget *>();
        visibles.removeIf([&](QWidget *w) { return !w->isVisibleTo(f); });
        for (QWidget *w : visibles) {
            QVERIFY2(qobject_cast<Ligne *>(w) || f->rect().contains(cadre(w)),
                qPrintable(w->objectName()));
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)) {
                for (const QWidget *autre : visibles)
                    QVERIFY2(autre == w || autre->isAncestorOf(w) || w->isAncestorOf(autre)
                            || !cadre(autre).intersects(cadre(w)) || !auDessus(autre, w),
                        qPrintable(autre->objectName() + " covers " + w->objectName()));
                QVERIFY2(f->childAt(cadre(w).center()) == w, qPrintable(w->objectName()));
            }
            auto *l = qobject_cast<QLabel *>(w);
            auto *b = qobject_cast<QAbstractButton *>(w);
            auto *g = qobject_cast<QGroupBox *>(w);
            const QString texte = l ? l->text() : b ? b->text().remove('&') : g ? g->title() : "";
            const int largeur = w->width() - (l ? 0 : 4), hauteur = l ? l->height() : w->height();
            const QRect besoin = QFontMetrics(w->font()).boundingRect(
                QRect(0, 0, largeur, 10000), l && l->wordWrap() ? Qt::TextWordWrap : 0, texte);
            QVERIFY2(texte.isEmpty() || (besoin.width() <= largeur && besoin.height() <= hauteur),
                qPrintable(w->objectName()));
        }
        const auto centree = [&] {
            const QPoint ecart = f->frameGeometry().center() - f->screen()->geometry().center();
            return f && qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1;
        };
        QVERIFY(centree());
        if (entree.isEmpty())
            return;
        const bool apropos = nom == "frmAbout";
        QVERIFY(!f->isModal() && !f->parentWidget()
            && f->windowType() == (apropos ? Qt::Tool : Qt::Window));
        QVERIFY(apropos || !f->windowHandle()->transientParent());
        QVERIFY(
            QTest::qWaitForWindowActive(f) && qobject_cast<QAbstractButton *>(f->focusWidget()));
        QTest::keyClick(f->focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(f.isNull(), apropos);
        f = m_banc->ouvrir(qPrintable(entree), nom);
        m_banc->principale.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_banc->principale));
        QCOMPARE(m_banc->ouvrir(qPrintable(entree), nom), f.data());
        QTRY_COMPARE(QApplication::activeWindow(), f.data());
        QTest::keyClick(f->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(f.isNull());
        f = m_banc->ouvrir(qPrintable(entree), nom);
        QVERIFY(f && centree());
        if (auto *animation = f->findChild<Animation *>())
            QVERIFY(animation->isVisible() && animation->clip()->state() == QMovie::Running);
    }

    void saisie_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("touches");
        QTest::addColumn<int>("geste");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("bips");
        QTest::addColumn<QString>("premiere"); // the first result line
        // clang-format off
        QTest::newRow("every digit, six at most") << "12" << "34567890" << +Tape << "123456" << 0 << "";
        QTest::newRow("a letter beeps") << "12" << "a3" << +Tape << "123" << 1 << "";
        QTest::newRow("signs, space, escape") << "12" << " -+,.\x1b" << +Tape << "12" << 6 << "";
        QTest::newRow("backspace, tab") << "12" << "\b\t" << +Tape << "1" << 0 << "";
        QTest::newRow("ctrl+a, c, v, x") << "12" << "acvx" << +Controle << "12" << 4 << "";
        QTest::newRow("paste: cut to six") << "12" << "3456789" << +Colle << "123456" << 0 << "";
        QTest::newRow("paste: letters") << "12" << "3a" << +Colle << "12" << 1 << "";
        QTest::newRow("007, Enter") << "007" << "\r" << +Tape << "" << 0 << "Pour 7 personnes";
        QTest::newRow("00, keypad Enter") << "00" << "" << +PaveNumerique << "" << 0 << "Pour 0 personnes";
        QTest::newRow("999999, click") << "999999" << "" << +Clic << "" << 0 << "Pour 999999 personnes";
        // clang-format on
    }

    // Typed, pasted through the box's menu, or calculated: the box keeps its rule, and after a
    // calculation is empty and focused.
    void saisie()
    {
        QFETCH(QString, avant);
        QFETCH(QString, touches);
        QFETCH(int, geste);
        QApplication::clipboard()->setText(geste == Colle ? touches : "99");
        QTest::keyClicks(m_banc->saisie, avant);
        const std::function<void()> gestes[] = {
            [&] { QTest::keyClicks(m_banc->saisie, touches); },
            [&] { QTest::keyClicks(m_banc->saisie, touches, Qt::ControlModifier); },
            [&] {
                std::unique_ptr<QMenu>(m_banc->saisie->createStandardContextMenu())
                    ->actions()[5]
                    ->trigger();
            },
            [&] { QTest::mouseClick(m_banc->calculer, Qt::LeftButton); },
            [&] { QTest::keyClick(m_banc->saisie, Qt::Key_Enter, Qt::KeypadModifier); },
        };
        gestes[geste]();
        QTEST(m_banc->saisie->text(), "texte");
        QTEST(m_banc->plateforme.bips, "bips");
        QTEST(m_banc->lignes().first(), "premiere");
        QVERIFY(
            m_banc->lignes().first().isEmpty() || QApplication::focusWidget() == m_banc->saisie);
    }

    // The real box, in the window's font, wipes out the result; the focus stays on the button.
    void avertissement()
    {
        QTest::keyClicks(m_banc->saisie, "120\r0");
        Plateforme::remplacer(nullptr);
        QString vu;
        QTimer::singleShot(0, this, [&] {
            auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(boite && boite->icon() == QMessageBox::Warning && boite->buttons().size() == 1);
            QVERIFY(memePolice(boite->findChild<QLabel *>("qt_msgbox_label"), &m_banc->principale));
            vu = boite->windowTitle() + "|" + boite->text() + "|" + m_banc->lignes().join("");
            boite->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(m_banc->calculer, Qt::LeftButton);
        QCOMPARE(vu, QString("Erreur|Indiquez un nombre de personnes|"));
        QVERIFY(m_banc->lignes().join("").isEmpty() && m_banc->saisie->text().isEmpty());
        QCOMPARE(m_banc->principale.focusWidget(), m_banc->calculer);
    }

    // The menus as a person reads them, in the window's font (the dialog font), as are its tips;
    // the box's own menu in French, whatever the system's language (English here).
    void menus()
    {
        std::unique_ptr<QMenu> contextuel(m_banc->saisie->createStandardContextMenu());
        QStringList mots;
        for (QAction *a : contextuel->actions())
            mots << a->text().remove('&').section('\t', 0, 0);
        QCOMPARE(mots.join(' ').simplified(),
            QString("Annuler Rétablir Couper Copier Coller Supprimer Tout sélectionner"));
        QStringList lu;
        for (QAction *m : m_banc->principale.menuBar()->actions()) {
            QVERIFY(memePolice(m->menu(), &m_banc->principale));
            lu << m->text();
            for (QAction *a : m->menu()->actions())
                lu << "  " + (a->isSeparator() ? "-" : a->text()) + " " + a->shortcut().toString();
        }
        QCOMPARE(lu,
            QStringList({ "&Fichier", "  Im&primer le résultat ", "  - ", "  &Quitter Ctrl+Q",
                "&Références", "  A&rticle CO 38 ", "&Mise à jour", "  &Site Internet ", "&?",
                "  &A propos de Salvanor - Dégagements F1" }));
        QCOMPARE(
            QFontInfo(m_banc->principale.font()).family(), QFontInfo(Gabarit::police()).family());
        QToolTip::showText(m_banc->calculer->mapToGlobal(QPoint(2, 2)), "Calcul", m_banc->calculer);
        QWidgetList bulles = QApplication::topLevelWidgets();
        bulles.removeIf([](QWidget *w) { return !w->inherits("QTipLabel") || !w->isVisible(); });
        QVERIFY(bulles.size() == 1 && memePolice(bulles[0], &m_banc->principale));
    }

    // The results frame: a border that stands out from the green, the caption in its top line.
    void cadreGrave()
    {
        auto *cadre = m_banc->principale.findChild<QGroupBox *>("Frame1");
        const QImage image = cadre->grab().toImage();
        int y = 0;
        while (y < image.height()
            && qAbs(image.pixelColor(0, y).lightness() - QColor(0, 192, 0).lightness()) < 40)
            ++y;
        QVERIFY(
            qAbs(y / image.devicePixelRatio() - QFontMetrics(cadre->font()).height() / 2.0) <= 2);
    }

    // Without its clip a window opens all the same. A click on the web icon is a press and a
    // release on it. The article word for word: 14 paragraphs joined by CR LF, as published.
    void contenus()
    {
        QTemporaryDir vide;
        Animation::setDossierClip(vide.path());
        QVERIFY(!m_banc->ouvrir("Apropos", "frmAbout")->findChild<Animation *>()->clip());
        QWidget *w = m_banc->ouvrir("SiteInternet", "FrmInternet");
        QVERIFY(!w->findChild<Animation *>()->clip());
        QCOMPARE(w->findChild<QLabel *>("Image1")->pixmap().size(), QSize(233, 87));
        auto *icone = w->findChild<QLabel *>("Image2");
        QTest::mouseClick(w->findChild<QLabel *>("Label2"), Qt::LeftButton);
        QTest::mousePress(icone, Qt::LeftButton);
        QTest::mouseRelease(icone, Qt::LeftButton, {}, QPoint(icone->width() + 30, 5));
        QTest::mouseClick(icone, Qt::LeftButton);
        QTest::mouseClick(icone, Qt::LeftButton);
        QCOMPARE(m_banc->plateforme.lancements,
            QStringList(2, "xdg-open https://" + w->findChild<QLabel *>("Label2")->text()));
        m_banc->plateforme.lancementPossible = false;
        QTest::mouseClick(icone, Qt::LeftButton);
        QVERIFY(m_banc->plateforme.avertissements.value(0).startsWith("Erreur | Le navigateur"));
        const QString article
            = m_banc->ouvrir("Article", "FrmCO38")->findChild<QLabel *>("Label1")->text();
        QCOMPARE(QCryptographicHash::hash(article.toUtf8(), QCryptographicHash::Sha256).toHex(),
            QByteArray("389fa048f8de28f6f494801fd3cd9402132c1fb66ca938e74121a632b635a7af"));
    }

    // Closing the main window leaves the About box open (a tool window, the likeliest to let the
    // program end); Quitter hides all, closing (so unloading) none.
    void quitter()
    {
        QPointer<QWidget> apropos = m_banc->ouvrir("Apropos", "frmAbout");
        QTimer::singleShot(
            0, &m_banc->principale, &QWidget::close); // the loop ends if nothing is left
        QTimer::singleShot(100, this, [&] { m_banc->declencher("Quitter"); });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(apropos && !apropos->isVisible());
    }
};

QTEST_MAIN(TstFenetres)
#include "tst_fenetres.moc"
