// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FenetreCinquieme.h"

#include "Gabarit.h"
#include "Lecture.h"
#include "MotsCinquieme.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *champ(QWidget *parent, const char *nom, const QString &description)
{
    auto *saisie = new QLineEdit(parent);
    saisie->setObjectName(QLatin1String(nom));
    saisie->setAccessibleName(QLatin1String(nom));
    saisie->setAccessibleDescription(description);
    saisie->setMaximumWidth(saisie->fontMetrics().averageCharWidth() * 16);
    return saisie;
}

// A count read from its box; what cannot be read is marked where it is typed, and kept. An empty
// box reads as 0 here: the caller decides what it means.
Lu<qint32> lireChamp(QLineEdit *saisie)
{
    Lu<qint32> lu
        = saisie->text().isEmpty() ? Lu<qint32> { 0, {} } : lireEffectifCellule(saisie->text());
    saisie->setStyleSheet(lu ? QString() : QStringLiteral("QLineEdit { border: 2px solid red; }"));
    saisie->setToolTip(lu.erreur);
    return lu;
}

// What the tip shows, a screen reader reads.
void bulle(QWidget *controle, const QString &texte)
{
    controle->setToolTip(texte);
    controle->setAccessibleDescription(texte);
}

QLabel *ligneResultat(QWidget *cadre, const char *nom, const QString &description)
{
    auto *ligne = new QLabel(cadre);
    ligne->setObjectName(QLatin1String(nom));
    ligne->setWordWrap(true);
    ligne->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Reached with Tab, so that a screen reader reads the results in turn.
    ligne->setFocusPolicy(Qt::StrongFocus);
    ligne->setAccessibleDescription(description);
    return ligne;
}

} // namespace

FenetreCinquieme::FenetreCinquieme(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    Gabarit::preparerFenetre(this, "FrmCinquieme", QStringLiteral("5e catégorie (PE 11)"));
    auto *colonne = new QVBoxLayout(this);
    creerSaisie();
    creerResultat();
    auto *fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setAccessibleName(QStringLiteral("Fermer"));
    bulle(fermer, QStringLiteral("Ferme la fenêtre"));
    // Enter presses the focused button, as Space does.
    fermer->setAutoDefault(true);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    auto *rangee = new QHBoxLayout;
    rangee->addStretch();
    rangee->addWidget(fermer);
    colonne->addLayout(rangee);

    recalculer();
    Gabarit::ouvrirCentree(this, 100, 36);
    m_public->setFocus();
}

void FenetreCinquieme::remplir(qint64 public_, qint64 personnel, bool sommeil)
{
    m_public->setText(QString::number(public_));
    m_personnel->setText(QString::number(personnel));
    m_sommeil->setChecked(sommeil);
}

void FenetreCinquieme::creerSaisie()
{
    auto *cadre = new QGroupBox(QStringLiteral("Établissement"), this);
    auto *formulaire = new QFormLayout(cadre);
    m_public = champ(cadre, "Public", QStringLiteral("Nombre de personnes du public, en chiffres"));
    m_personnel = champ(cadre, "Personnel",
        QStringLiteral("Membres du personnel qui ne disposent pas de dégagements propres, en "
                       "chiffres ; vide : aucun"));
    formulaire->addRow(QStringLiteral("&Public :"), m_public);
    formulaire->addRow(QStringLiteral("P&ersonnel sans dégagements propres :"), m_personnel);
    m_existant = new QCheckBox(
        QStringLiteral("Établissement e&xistant (rénovation, immeuble existant)"), cadre);
    m_existant->setObjectName(QStringLiteral("Existant"));
    bulle(m_existant, QStringLiteral("PE 11 : 0,90 m peut alors être ramené à 0,80 m"));
    m_sommeil = new QCheckBox(QStringLiteral("Locaux à &sommeil"), cadre);
    m_sommeil->setObjectName(QStringLiteral("Sommeil"));
    bulle(m_sommeil,
        QStringLiteral("PE 2 §3 : avec des locaux à sommeil, PE 11 s'applique même à 19 "
                       "personnes du public ou moins"));
    formulaire->addRow(m_existant);
    formulaire->addRow(m_sommeil);
    layout()->addWidget(cadre);

    connect(m_public, &QLineEdit::textChanged, this, &FenetreCinquieme::recalculer);
    connect(m_personnel, &QLineEdit::textChanged, this, &FenetreCinquieme::recalculer);
    connect(m_existant, &QCheckBox::toggled, this, &FenetreCinquieme::recalculer);
    connect(m_sommeil, &QCheckBox::toggled, this, &FenetreCinquieme::recalculer);
}

void FenetreCinquieme::creerResultat()
{
    auto *cadre = new QGroupBox(QStringLiteral("Résultat"), this);
    auto *formulaire = new QFormLayout(cadre);
    formulaire->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_application = ligneResultat(
        cadre, "Application", QStringLiteral("Résultat : application de l'article PE 11"));
    m_effectif = ligneResultat(cadre, "Effectif", QStringLiteral("Résultat : effectif compté"));
    m_solutions = ligneResultat(cadre, "Solutions", QStringLiteral("Résultat : dégagements admis"));
    m_notes = new QListWidget(cadre);
    m_notes->setObjectName(QStringLiteral("Notes"));
    m_notes->setAccessibleName(QStringLiteral("Notes"));
    m_notes->setWordWrap(true);
    formulaire->addRow(QStringLiteral("&Règle :"), m_application);
    formulaire->addRow(QStringLiteral("Effec&tif (PE 11 §5) :"), m_effectif);
    formulaire->addRow(QStringLiteral("&Dégagements :"), m_solutions);
    auto *notes = new QLabel(QStringLiteral("&Notes :"), cadre);
    notes->setBuddy(m_notes);
    formulaire->addRow(notes);
    formulaire->addRow(m_notes);
    qobject_cast<QVBoxLayout *>(layout())->addWidget(cadre, 1);
}

void FenetreCinquieme::recalculer()
{
    const Lu<qint32> public_ = lireChamp(m_public);
    const Lu<qint32> personnel = lireChamp(m_personnel);
    if (m_public->text().isEmpty())
        return effacer(QStringLiteral("Indiquez le nombre de personnes du public."));
    if (!public_ || !personnel)
        return effacer(QStringLiteral("—"));
    EntreeCinquieme entree;
    entree.public_ = *public_.valeur;
    entree.personnel = *personnel.valeur;
    entree.existant = m_existant->isChecked();
    entree.sommeil = m_sommeil->isChecked();
    afficher(motsCinquieme(entree, calculerCinquieme(entree)));
}

void FenetreCinquieme::afficher(const MotsCinquieme &mots)
{
    m_application->setText(mots.regle);
    m_effectif->setText(mots.effectif);
    m_solutions->setText(mots.solutions.join(QStringLiteral(",\n")));
    m_notes->clear();
    m_notes->addItems(mots.notes);
}

void FenetreCinquieme::effacer(const QString &raison)
{
    m_application->setText(raison);
    for (QLabel *ligne : { m_effectif, m_solutions })
        ligne->setText(QStringLiteral("—"));
    m_notes->clear();
}
