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
    Gabarit::preparerFenetre(
        this, "frmAbout", QStringLiteral("À propos de SalvaNOR - Dégagements"));
    setFixedSize(Gabarit::px(5400), Gabarit::px(3420));
    Gabarit::fond(this, Qt::white);

    Animation1 = Logo::animation(this, 1215, QColor(224, 224, 224));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    Gabarit::placer(cmdOK, 3840, 2985, 1260, 345);
    cmdOK->setDefault(true);
    cmdOK->setToolTip(QStringLiteral("OK"));
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    cmdOK->setAccessibleDescription(QStringLiteral("Ferme la fenêtre À propos"));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    etiquette(this, "Label1", QStringLiteral("Logiciel gratuit, fourni sans garantie."),
        { 840, 1920, 3495, 255 }, police());
    const QColor gris(128, 128, 128);
    new Ligne(this, QStringLiteral("Line1_2"), 0, 5430, 1560, gris);
    new Ligne(this, QStringLiteral("Line1_1"), -120, 5444, 2445, gris);
    auto *titre = etiquette(
        this, "lblTitreApp", Produit::Titre, { 840, 1680, 4125, 240 }, police(9.75, true));
    titre->setStyleSheet(QStringLiteral("color: black"));
    new Ligne(this, QStringLiteral("Line1_0"), 105, 5654, 2460, Qt::white, 2);
    lblVersion = etiquette(
        this, "lblVersion", QStringLiteral("Version"), { 840, 2160, 2445, 225 }, police(9.75));
    auto *copyright = etiquette(this, "lblCopyright",
        QStringLiteral("© 2026 Les auteurs de SalvaNOR. Tous droits réservés."),
        { 135, 2625, 4980, 345 }, police());
    copyright->setStyleSheet(QStringLiteral("color: black"));
    Logo::image(this);
    Gabarit::empiler(this);

    setTabOrder(cmdOK, Animation1);
    Form_Load();
}

void frmAbout::Form_Load()
{
    Gabarit::centrer(this);
    lblVersion->setText(QStringLiteral("Version ") + Produit::Version);
    Logo::demarrer(Animation1);
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    close();
}
