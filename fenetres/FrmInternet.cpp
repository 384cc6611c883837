// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FrmInternet.h"

#include "Animation.h"
#include "Gabarit.h"
#include "Ligne.h"
#include "Logo.h"
#include "Plateforme.h"
#include "Produit.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using Gabarit::etiquette;
using Gabarit::police;

FrmInternet::FrmInternet(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    Gabarit::preparerFenetre(this, "FrmInternet", QStringLiteral("Form1"));
    setFixedSize(Gabarit::px(5370), Gabarit::px(3315));
    Gabarit::fond(this, Qt::white);

    m_ok = Gabarit::bouton(this, "Command1", QStringLiteral("OK"), { 4080, 3000, 1183, 255 },
        QStringLiteral("OK"), QStringLiteral("Ferme la fenêtre du site Internet"));
    // Enter presses the focused button, as Space does; Escape does nothing here.
    m_ok->setAutoDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &FrmInternet::Command1_Click);

    m_animation = Logo::animation(this, 1335, Qt::white);

    m_icone = new QLabel(this);
    m_icone->setObjectName(QStringLiteral("Image2"));
    Gabarit::placer(m_icone, 3720, 2280, 240, 240);
    m_icone->setPixmap(QIcon(QStringLiteral(":/icones/web.ico")).pixmap(16, 16));
    m_icone->setToolTip(QStringLiteral("Accès au site"));
    m_icone->setAccessibleName(QStringLiteral("Accès au site"));
    m_icone->setAccessibleDescription(
        QStringLiteral("Ouvre https://%1 dans le navigateur").arg(Produit::SiteInternet));
    m_icone->setCursor(Qt::PointingHandCursor);
    m_icone->installEventFilter(this);

    // Taller than designed, from just under the line: an e-mail address of any real length
    // needs a second line at this size.
    etiquette(this, "Label3", QStringLiteral("Contact : ") + Produit::Contact,
        { 960, 2775, 2775, 540 }, police(9.75, true))
        ->setWordWrap(true);
    etiquette(this, "Label2", Produit::SiteInternet, { 1320, 2280, 2295, 375 }, police(12, true));
    auto *texte = etiquette(this, "Label1",
        QStringLiteral("Mises à jour et téléchargements gratuits de logiciels spécifiques "
                       "sécurité et textes officiels"),
        { 120, 1560, 5175, 615 }, police(9.75, true));
    texte->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    texte->setWordWrap(true);
    const QColor trait = palette().color(QPalette::WindowText);
    new Ligne(this, QStringLiteral("Line2"), 0, 5400, 2760, trait);
    new Ligne(this, QStringLiteral("Line1"), 0, 5400, 1560, trait);
    Logo::image(this);
    Gabarit::empiler(this);

    Form_Load();
}

void FrmInternet::Form_Load()
{
    Gabarit::centrer(this);
    Logo::demarrer(m_animation);
    m_ok->setFocus();
}

void FrmInternet::Image2_Click()
{
    // The historic command line: the browser's fixed path, one blank, the site address.
    const QString programme = QStringLiteral("C:\\program files\\internet explorer\\iexplore");
    if (!Plateforme::courante().demarrerNavigateur(programme, Produit::SiteInternet))
        Plateforme::courante().avertir(this, QStringLiteral("Erreur"),
            QStringLiteral("Le navigateur n'a pas pu être démarré.\n"
                           "Pour consulter le site, tapez l'adresse https://%1 dans votre "
                           "navigateur.")
                .arg(Produit::SiteInternet));
}

void FrmInternet::Command1_Click()
{
    close();
}

bool FrmInternet::eventFilter(QObject *objet, QEvent *evenement)
{
    const auto type = evenement->type();
    if (objet != m_icone || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        || static_cast<QMouseEvent *>(evenement)->button() != Qt::LeftButton)
        return QWidget::eventFilter(objet, evenement);
    const bool surIcone
        = m_icone->rect().contains(static_cast<QMouseEvent *>(evenement)->position().toPoint());
    if (type == QEvent::MouseButtonPress)
        m_appuiSurIcone = true;
    else if (std::exchange(m_appuiSurIcone, false) && surIcone)
        Image2_Click();
    return true;
}
