// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The main window: the person-count box, the result frame and the menu.
#pragma once

#include "FenetresUniques.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class FrmPrincipale : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmPrincipale(QWidget *parent = nullptr);
    ~FrmPrincipale() override;

    void CmdCalculer_Click();
    void Imprime_Click();
    void Quitter_Click();
    void Article_Click();
    void SiteInternet_Click();
    void Apropos_Click();
    // Opens the study `chemin` in its window, or says in French why it cannot be read.
    void ouvrirEtude(const QString &chemin);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    void creerControles();
    void creerMenu();
    // The entry of a tool window in "Références": its name and caption are the window's own.
    template <class Outil> void ajouterOutil(QMenu *menu);
    void Form_Load();
    // Key filter of the person-count box: sets `keyAscii` to 0 to discard the character.
    void Text1_KeyPress(qint16 &keyAscii);

    QLineEdit *m_saisie = nullptr;
    QPushButton *m_calculer = nullptr;
    // Result lines 1 to 4.
    std::array<QLabel *, 4> m_lignes {};
    QAction *m_imprime = nullptr;
    // Every secondary window, one instance each, while this window lives.
    FenetresUniques m_fenetres;
};
