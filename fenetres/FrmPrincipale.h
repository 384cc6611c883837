// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The main window: the person-count box, the result frame and the menu.
#pragma once

#include "FenetreUnique.h"
#include "FrmCO38.h"
#include "FrmCinquieme.h"
#include "FrmInternet.h"
#include "FrmLargeurs.h"
#include "FrmNiveaux.h"
#include "frmAbout.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

class FrmPrincipale : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmPrincipale(QWidget *parent = nullptr);
    ~FrmPrincipale() override;

    void CmdCalculer_Click();
    // Key filter of the person-count box: sets `keyAscii` to 0 to discard the character.
    void Text1_KeyPress(qint16 &keyAscii);
    void Imprime_Click();
    void Quitter_Click();
    void Article_Click();
    void Niveaux_Click();
    void Largeurs_Click();
    void Cinquieme_Click();
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
    void Form_Load();

    QLineEdit *m_saisie = nullptr;
    QPushButton *m_calculer = nullptr;
    // Result lines 1 to 4.
    std::array<QLabel *, 4> m_lignes {};
    QAction *m_imprime = nullptr;
    FenetreUnique<FrmCO38> m_article;
    FenetreUnique<FrmNiveaux> m_niveaux;
    FenetreUnique<FrmLargeurs> m_largeurs;
    FenetreUnique<FrmCinquieme> m_cinquieme;
    FenetreUnique<FrmInternet> m_siteInternet;
    FenetreUnique<frmAbout> m_aPropos;
};
