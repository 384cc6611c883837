// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FrmCO38.h"

#include "Gabarit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

FrmCO38::FrmCO38(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    Gabarit::preparerFenetre(this, "FrmCO38", QStringLiteral("Article CO 38"));
    setFixedSize(Gabarit::px(7545), Gabarit::px(6420));
    const QColor fondMenu = QApplication::palette("QMenu").color(QPalette::Window);
    Gabarit::fond(this, fondMenu);

    m_fermer
        = Gabarit::bouton(this, "Command2", QStringLiteral("Fermer"), { 6240, 5880, 1215, 375 },
            QStringLiteral("Fermer"), QStringLiteral("Ferme la fenêtre de l'article CO 38"));
    // Enter presses the focused button, as Space does; Escape does nothing here.
    m_fermer->setAutoDefault(true);
    connect(m_fermer, &QPushButton::clicked, this, &FrmCO38::Command2_Click);

    // As wide as the window: the 30 twips the design had beyond its edge were never seen.
    m_texte = Gabarit::etiquette(
        this, "Label1", QStringLiteral("Label1"), { 0, 120, 7545, 6015 }, Gabarit::police());
    m_texte->setWordWrap(true);
    Gabarit::fond(m_texte, fondMenu);
    m_texte->setForegroundRole(QPalette::WindowText);
    m_texte->setAccessibleDescription(QStringLiteral("Texte de l'article CO 38"));
    Gabarit::empiler(this);

    Form_Load();
}

namespace {

// The article, put together from its fourteen paragraphs.
QString texteArticle()
{
    static const char *const Morceaux[] = {
        "Article CO 38",
        "Calcul des dégagements",
        "§.1. Les niveaux, locaux, secteurs ou compartiments doivent être desservis dans les "
        "conditions suivantes, en fonction de l'effectif des personnes qui peuvent y être "
        "admises :",
        "a) De 1 à 19 personnes :",
        "-   Par un dégagement ayant une largeur d'une unité de passage.",
        "b) De 20 à 50 personnes :",
        "-   Soit par deux dégagements donnant sur l'extérieur ou sur des locaux différents non "
        "en cul-de-sac. L'un de ces dégagements doit avoir une largeur d'une unité de passage, "
        "l'autre pouvant être un dégagement accessoire ;",
        "-   Soit, pour les locaux situés en étage par un escalier ayant une largeur d'une unité "
        "de passage complété par un dégagement accessoire si le plancher bas du niveau "
        "accessible au public est situé à plus de huit mètres au-dessus du sol, ou s'il est "
        "fait application de l'article CO 25 relatif aux compartiments, soit pour les locaux "
        "situés en sous-sol, par un escalier ayant une largeur d'une unité de passage complété "
        "par un dégagement accessoire.",
        "c) De 51 à 100 personnes:",
        "-   Par deux dégagements d'une unité de passage ou par un de deux unités. Dans ce "
        "dernier cas, ce dégagement doit être complété par un dégagement accessoire.",
        "d) Plus de 100 personnes:",
        "-   Par deux dégagements jusqu'à 500 personnes, augmentés d'un dégagement par 500 "
        "personnes ou fraction de 500 personnes au-dessus des 500 premières. La largeur des "
        "dégagements doit être calculée à raison d'une unité de passage pour 100 personnes ou "
        "fraction de 100 personnes; au-dessous de 501 personnes, le nombre d'unités de passage "
        "est majoré d'une unité.",
        "§ 2. A chaque niveau l'effectif à prendre en compte pour calculer le nombre et la "
        "largeur des escaliers desservant ce niveau doit cumuler l'effectif admis à ce niveau "
        "avec ceux des niveaux situés au-dessus pour les niveaux en surélévation, ou avec ceux "
        "des niveaux en dessous pour les niveaux en sous-sol.",
        "§ 3. Dans les niveaux recevant un effectif d'handicapés physiques circulant en fauteuil "
        "roulant égal ou supérieur à 10 p. 100 de l'effectif total du public le nombre et la "
        "largeur des dégagements horizontaux peuvent être augmentés, après avis de la "
        "commission consultative départementale de la protection civile.",
    };
    QStringList morceaux;
    for (const char *morceau : Morceaux)
        morceaux << QString::fromUtf8(morceau);
    return morceaux.join(QStringLiteral("\r\n"));
}

} // namespace

void FrmCO38::Form_Load()
{
    Gabarit::centrer(this);
    m_texte->setText(texteArticle());
    m_fermer->setFocus();
}

void FrmCO38::Command2_Click()
{
    close();
}
