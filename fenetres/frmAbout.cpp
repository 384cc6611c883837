// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "frmAbout.h"

#include "Animation.h"
#include "Gabarit.h"
#include "Ligne.h"
#include "Logo.h"
#include "Produit.h"

#include <QLabel>
#include <QPushButton>

using Gabarit::etiquette;
using Gabarit::police;

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    // A tool window: fixed frame, no minimise or maximise button, no task-bar button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Still a window of its own: it keeps the program running after the main one is closed.
    setAttribute(Qt::WA_QuitOnClose);
    Gabarit::preparerFenetre(this, "frmAbout", QStringLiteral("À propos de ") + Produit::Titre);
    setFixedSize(Gabarit::px(5400), Gabarit::px(3420));
    Gabarit::fond(this, Qt::white);

    m_animation = Logo::animation(this, 1215, QColor(224, 224, 224));

    m_ok = Gabarit::bouton(this, "cmdOK", QStringLiteral("OK"), { 3840, 2985, 1260, 345 },
        QStringLiteral("OK"), QStringLiteral("Ferme la fenêtre À propos"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    etiquette(this, "Label1", QStringLiteral("Logiciel libre, GNU GPL v3+, sans garantie."),
        { 840, 1920, 3495, 255 }, police());
    const QColor gris(128, 128, 128);
    new Ligne(this, QStringLiteral("Line1_2"), 0, 5430, 1560, gris);
    new Ligne(this, QStringLiteral("Line1_1"), -120, 5444, 2445, gris);
    auto *titre = etiquette(
        this, "lblTitreApp", Produit::Titre, { 840, 1680, 4125, 240 }, police(9.75, true));
    titre->setStyleSheet(QStringLiteral("color: black"));
    new Ligne(this, QStringLiteral("Line1_0"), 105, 5654, 2460, Qt::white, 2);
    m_version = etiquette(
        this, "lblVersion", QStringLiteral("Version"), { 840, 2160, 2445, 225 }, police(9.75));
    auto *copyright = etiquette(this, "lblCopyright",
        QStringLiteral("© 2026 Les auteurs de SalvaNOR."), { 135, 2625, 4980, 345 }, police());
    copyright->setStyleSheet(QStringLiteral("color: black"));
    Logo::image(this);
    Gabarit::empiler(this);

    setTabOrder(m_ok, m_animation);
    Form_Load();
}

void frmAbout::Form_Load()
{
    Gabarit::centrer(this);
    m_version->setText(QStringLiteral("Version ") + Produit::Version);
    Logo::demarrer(m_animation);
    m_ok->setFocus();
}

void frmAbout::cmdOK_Click()
{
    close();
}
