// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The test fixture: the platform's services recorded, the main window as a person finds it.
#pragma once

#include "FrmPrincipale.h"
#include "Plateforme.h"

#include <QTest>
#include <QtWidgets>

// Installed for its lifetime: counts beeps, writes down warnings ("title | text", marked when
// the busy pointer is still on over them) and program starts.
struct Enregistreur : Plateforme
{
    int bips = 0;
    QStringList avertissements, lancements;
    bool lancementPossible = true;

    Enregistreur() { remplacer(this); }
    ~Enregistreur() override { remplacer(nullptr); }
    void bip() override { ++bips; }
    void avertir(QWidget *, const QString &titre, const QString &texte) override
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
    Reponse demander(QWidget *, const QString &titre, const QString &question) override
    {
        questions << titre + " | " + question;
        return reponses.isEmpty() ? Reponse::Annuler : reponses.takeFirst();
    }
    // File dialogs shown (their titles); each returns `fichierChoisi` (empty: cancelled).
    QStringList dialogues;
    QString fichierChoisi;
    QString fichierAOuvrir(QWidget *, const QString &titre, const QString &) override
    {
        dialogues << titre;
        return fichierChoisi;
    }
    QString fichierAEnregistrer(
        QWidget *, const QString &titre, const QString &, const QString &) override
    {
        dialogues << titre;
        return fichierChoisi;
    }
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
    // Triggers a menu entry, once it is checked to exist and be enabled.
    void declencher(const char *entree)
    {
        auto *action = principale.findChild<QAction *>(entree);
        QVERIFY2(action && action->isEnabled(), entree);
        action->trigger();
    }
    // Clicks the button `nom` of `fenetre`, once it is checked to exist and be enabled.
    static void cliquer(QWidget *fenetre, const char *nom)
    {
        auto *bouton = fenetre->findChild<QPushButton *>(nom);
        QVERIFY2(bouton && bouton->isEnabled(), nom);
        QTest::mouseClick(bouton, Qt::LeftButton);
    }
    // Types into a cell as a person does: F2, the old text selected, the new one typed. The
    // editor is left open, so that only the keys can have reached the results.
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
    // Triggers `entree`, then the one window named `nom` that shows, once exposed, or nullptr.
    QWidget *ouvrir(const char *entree, const QString &nom)
    {
        declencher(entree);
        QWidgetList visibles = QApplication::topLevelWidgets();
        visibles.removeIf([&](QWidget *fenetre) {
            return fenetre->objectName() != nom || !fenetre->isVisible();
        });
        if (visibles.size() != 1 || !QTest::qWaitForWindowExposed(visibles.first()))
            return nullptr;
        return visibles.first();
    }
};
