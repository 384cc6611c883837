// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FenetreLargeurs.h"

#include "CelluleSaisie.h"
#include "Gabarit.h"
#include "MotsLargeurs.h"
#include "PageLargeurs.h"

#include <QCheckBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

enum Colonne { ColonneLargeur, ColonnePorte, ColonneGroupe, ColonneUp, ColonneDecompte };

QTableWidgetItem *celluleCalculee()
{
    auto *cellule = new QTableWidgetItem;
    cellule->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cellule;
}

} // namespace

FenetreLargeurs::FenetreLargeurs()
    : FenetreEtude("FrmLargeurs", QStringLiteral("Vérifier des dégagements"))
{
    auto *mise = new QVBoxLayout(this);
    mise->addLayout(creerSaisie(), 3);
    mise->addLayout(creerResultats(), 1);
    mise->addLayout(creerCommandes());

    charger({}, EtudeLargeurs { {}, { SaisieSortie {} }, false });
    Gabarit::ouvrirCentree(this, 120, 36);
    m_effectif->setFocus();
}

QVBoxLayout *FenetreLargeurs::creerSaisie()
{
    m_effectif = new QLineEdit;
    m_effectif->setObjectName(QStringLiteral("Effectif"));
    m_effectif->setAccessibleName(QStringLiteral("Effectif"));
    m_effectif->setMaxLength(FichierEtude::LongueurCellule);
    connect(m_effectif, &QLineEdit::textChanged, this, &FenetreLargeurs::recalculer);
    m_escalierUnique = new QCheckBox(
        QStringLiteral("Étage desservi par un escalier &unique, plancher bas à 8 m au plus"));
    m_escalierUnique->setObjectName(QStringLiteral("EscalierUnique"));
    m_escalierUnique->setToolTip(
        QStringLiteral("CO 38 §1 b : de 20 à 50 personnes, un escalier d'une unité de passage "
                       "suffit alors"));
    connect(m_escalierUnique, &QCheckBox::toggled, this, &FenetreLargeurs::recalculer);
    auto *effectif = new QHBoxLayout;
    effectif->addWidget(Gabarit::legende(QStringLiteral("Effec&tif :"), m_effectif));
    effectif->addWidget(m_effectif);
    effectif->addSpacing(fontMetrics().averageCharWidth() * 4);
    effectif->addWidget(m_escalierUnique);
    effectif->addStretch();

    m_sorties = new QTableWidget(0, 5);
    m_sorties->setObjectName(QStringLiteral("Sorties"));
    m_sorties->setAccessibleName(QStringLiteral("Dégagements mesurés"));
    m_sorties->setAccessibleDescription(
        QStringLiteral("Chaque sortie : sa largeur en mètres, si c'est une porte, et son groupe : "
                       "le même numéro pour des portes à moins de 5 m l'une de l'autre dans un "
                       "local de plus de 10 m (CO 43 §3)"));
    m_sorties->setHorizontalHeaderLabels({ QStringLiteral("Largeur (m)"), QStringLiteral("Porte"),
        QStringLiteral("Groupe"), QStringLiteral("UP"), QStringLiteral("Décompte") });
    m_sorties->verticalHeader()->hide();
    m_sorties->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table; the arrows move inside it.
    m_sorties->setTabKeyNavigation(false);
    m_sorties->setItemDelegate(new CelluleSaisie(m_sorties));
    connect(m_sorties, &QTableWidget::itemChanged, this, &FenetreLargeurs::recalculer);

    m_ajouter = bouton("AjouterSortie", QStringLiteral("&Ajouter un dégagement"),
        QStringLiteral("Ajoute une ligne sous la dernière"));
    connect(m_ajouter, &QPushButton::clicked, this, &FenetreLargeurs::ajouterSortie);
    m_retirer = bouton("RetirerSortie", QStringLiteral("&Retirer le dégagement"),
        QStringLiteral("Retire la ligne en cours"));
    connect(m_retirer, &QPushButton::clicked, this, &FenetreLargeurs::retirerSortie);
    auto *boutons = new QVBoxLayout;
    boutons->addWidget(m_ajouter);
    boutons->addWidget(m_retirer);
    boutons->addStretch();
    auto *rangee = new QHBoxLayout;
    rangee->addWidget(m_sorties, 1);
    rangee->addLayout(boutons);

    auto *saisie = new QVBoxLayout;
    saisie->addLayout(effectif);
    saisie->addWidget(Gabarit::legende(QStringLiteral("&Dégagements mesurés :"), m_sorties));
    saisie->addLayout(rangee);
    return saisie;
}

QVBoxLayout *FenetreLargeurs::creerResultats()
{
    m_bilan = new QLabel;
    m_bilan->setObjectName(QStringLiteral("Bilan"));
    m_bilan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bilan->setWordWrap(true);
    m_bilan->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Reached with Tab, so that a screen reader reads the result in turn.
    m_bilan->setFocusPolicy(Qt::StrongFocus);
    m_bilan->setAccessibleDescription(QStringLiteral("Résultat de la vérification"));
    auto *resultats = new QVBoxLayout;
    resultats->addWidget(Gabarit::legende(QStringLiteral("Résu&ltat :"), m_bilan));
    resultats->addWidget(m_bilan, 1);
    return resultats;
}

void FenetreLargeurs::ajouterSortie()
{
    const int ligne = m_sorties->rowCount();
    insererSortie(ligne, {});
    m_sorties->setCurrentCell(ligne, ColonneLargeur);
    m_sorties->setFocus();
    recalculer();
}

void FenetreLargeurs::retirerSortie()
{
    const int ligne = m_sorties->currentRow();
    if (ligne < 0)
        return;
    m_sorties->removeRow(ligne);
    recalculer();
}

Etude FenetreLargeurs::etude() const
{
    EtudeLargeurs saisies;
    saisies.effectif = m_effectif->text();
    saisies.escalierUnique = m_escalierUnique->isChecked();
    for (int ligne = 0; ligne < m_sorties->rowCount(); ++ligne)
        saisies.sorties << SaisieSortie { m_sorties->item(ligne, ColonneLargeur)->text(),
            m_sorties->item(ligne, ColonnePorte)->checkState() == Qt::Checked,
            m_sorties->item(ligne, ColonneGroupe)->text() };
    return saisies;
}

void FenetreLargeurs::afficherEtude(const Etude &lue)
{
    const auto &saisies = std::get<EtudeLargeurs>(lue);
    {
        const QSignalBlocker silenceTable(m_sorties);
        const QSignalBlocker silenceEffectif(m_effectif);
        const QSignalBlocker silenceEscalier(m_escalierUnique);
        m_effectif->setText(saisies.effectif);
        m_escalierUnique->setChecked(saisies.escalierUnique);
        m_sorties->setRowCount(0);
        for (const SaisieSortie &sortie : saisies.sorties)
            insererSortie(m_sorties->rowCount(), sortie);
    }
    m_sorties->setCurrentCell(0, ColonneLargeur);
    recalculer();
}

std::function<void(Imprimante &)> FenetreLargeurs::pages() const
{
    return [etude = std::get<EtudeLargeurs>(etude()), date = QDate::currentDate()](
               Imprimante &page) { imprimerLargeurs(page, etude, date); };
}

void FenetreLargeurs::insererSortie(int ligne, const SaisieSortie &saisie)
{
    const QSignalBlocker silence(m_sorties);
    m_sorties->insertRow(ligne);
    m_sorties->setItem(ligne, ColonneLargeur, new QTableWidgetItem(saisie.largeur));
    auto *porte = new QTableWidgetItem;
    porte->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    porte->setCheckState(saisie.porte ? Qt::Checked : Qt::Unchecked);
    porte->setData(Qt::AccessibleDescriptionRole,
        QStringLiteral("Porte : 5 % de tolérance sur la largeur (CO 44)"));
    m_sorties->setItem(ligne, ColonnePorte, porte);
    m_sorties->setItem(ligne, ColonneGroupe, new QTableWidgetItem(saisie.groupe));
    m_sorties->setItem(ligne, ColonneUp, celluleCalculee());
    m_sorties->setItem(ligne, ColonneDecompte, celluleCalculee());
}

void FenetreLargeurs::recalculer()
{
    const LargeursLues lues = lireLargeurs(std::get<EtudeLargeurs>(etude()));
    {
        const QSignalBlocker silence(m_sorties);
        for (int ligne = 0; ligne < m_sorties->rowCount(); ++ligne) {
            const LargeursLues::Ligne &lue = lues.lignes.at(ligne);
            CelluleSaisie::marquer(m_sorties->item(ligne, ColonneLargeur), lue.erreurLargeur);
            CelluleSaisie::marquer(m_sorties->item(ligne, ColonneGroupe), lue.erreurGroupe);
            const QStringList credit = creditSortie(lues, ligne);
            m_sorties->item(ligne, ColonneUp)->setText(credit.value(0));
            m_sorties->item(ligne, ColonneDecompte)->setText(credit.value(1));
        }
        m_sorties->resizeColumnToContents(ColonneLargeur);
        m_sorties->resizeColumnToContents(ColonnePorte);
        m_sorties->resizeColumnToContents(ColonneGroupe);
        m_sorties->resizeColumnToContents(ColonneUp);
    }
    m_effectif->setStyleSheet(lues.erreurEffectif.isEmpty()
            ? QString()
            : QStringLiteral("QLineEdit { border: 2px solid red; }"));
    m_effectif->setToolTip(lues.erreurEffectif);
    m_effectif->setAccessibleDescription(lues.erreurEffectif);
    m_bilan->setText(bilanLargeurs(lues).join(u'\n'));
    m_retirer->setEnabled(m_sorties->rowCount() > 0);
    etudeModifiee();
}
