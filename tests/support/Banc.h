// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The fixtures: the platform's services recorded (Enregistreur), the main window as a person finds
// it (Banc), one window opened from it (BancFenetre).
#pragma once

#include "FrmPrincipale.h"
#include "Plateforme.h"

#include <QTest>
#include <QtWidgets>

// Installed for its lifetime; warnings are "title | text", marked while the pointer is busy.
struct Enregistreur : Plateforme
{
    using Texte = const QString &;
    int bips = 0;
    QStringList avertissements, lancements;
    bool lancementPossible = true;

    Enregistreur() { remplacer(this); }
    ~Enregistreur() override { remplacer(nullptr); }
    void bip() override { ++bips; }
    void avertir(QWidget *, Texte titre, Texte texte) override
    {
        avertissements << titre + " | " + texte
                + (QApplication::overrideCursor() ? " [sablier]" : "");
    }
    bool lancer(const QString &programme, const QStringList &arguments) override
    {
        lancements << (QStringList(programme) + arguments).join(' ');
        return lancementPossible;
    }

    // Questions asked ("title | question"), answered in turn from `reponses`, then Annuler.
    QStringList questions;
    QList<Reponse> reponses;
    Reponse demander(QWidget *, Texte titre, Texte question) override
    {
        questions << titre + " | " + question;
        return reponses.isEmpty() ? Reponse::Annuler : reponses.takeFirst();
    }
    // What every file dialog returns (empty: cancelled).
    QString fichierChoisi;
    QString fichierAOuvrir(QWidget *, Texte, Texte) override { return fichierChoisi; }
    QString fichierAEnregistrer(QWidget *, Texte, Texte, Texte) override { return fichierChoisi; }
};

struct Banc
{
    Enregistreur plateforme;
    FrmPrincipale principale;
    QLineEdit *saisie = principale.findChild<QLineEdit *>("Text1");
    QPushButton *calculer = principale.findChild<QPushButton *>("CmdCalculer");

    Banc()
    {
        principale.show();
        if (!QTest::qWaitForWindowActive(&principale))
            qWarning("the main window did not become active");
    }
    // The four result lines, top to bottom.
    QStringList lignes() const
    {
        QStringList textes;
        for (const char *nom : { "Label2", "Label3", "Label4", "Label5" })
            textes << principale.findChild<QLabel *>(nom)->text();
        return textes;
    }
    void declencher(const char *entree)
    {
        auto *action = principale.findChild<QAction *>(entree);
        QVERIFY2(action && action->isEnabled(), entree);
        action->trigger();
    }
    static void cliquer(QWidget *fenetre, const char *nom)
    {
        auto *bouton = fenetre->findChild<QPushButton *>(nom);
        QVERIFY2(bouton && bouton->isEnabled(), nom);
        QTest::mouseClick(bouton, Qt::LeftButton);
    }
    // F2, the old text selected, the new one typed; left open, so only keys reach the results.
    static void taper(QTableWidget *table, int ligne, int colonne, const QString &texte)
    {
        table->setFocus();
        table->setCurrentCell(ligne, colonne);
        QTest::keyClick(table, Qt::Key_F2);
        auto *editeur = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY2(editeur, "the cell opens no editor");
        QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editeur, Qt::Key_Backspace);
        QTest::keyClicks(editeur, texte);
    }
    // The windows named `nom` that show.
    static QWidgetList visibles(const QString &nom)
    {
        QWidgetList fenetres = QApplication::topLevelWidgets();
        fenetres.removeIf([&](auto *vue) { return !vue->isVisible() || vue->objectName() != nom; });
        return fenetres;
    }
    // Triggers `entree`, then the one window named `nom` that shows, once exposed, or nullptr.
    QWidget *ouvrir(const char *entree, const QString &nom)
    {
        declencher(entree);
        const QWidgetList fenetres = visibles(nom);
        const bool seule = fenetres.size() == 1 && QTest::qWaitForWindowExposed(fenetres.first());
        return seule ? fenetres.first() : nullptr;
    }
};

// Active, so that access keys reach it; fermer() checks that no window is left.
struct BancFenetre
{
    std::unique_ptr<Banc> m_banc;
    QPointer<QWidget> m_fenetre;

    void ouvrir(const char *entree, const QString &nom)
    {
        m_banc = std::make_unique<Banc>();
        m_fenetre = m_banc->ouvrir(entree, nom);
        QVERIFY(m_fenetre && QTest::qWaitForWindowActive(m_fenetre));
    }
    void fermer()
    {
        m_banc.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
};
