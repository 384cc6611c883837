// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FenetreNiveaux.h"

#include "CelluleSaisie.h"
#include "Gabarit.h"
#include "MotsNiveaux.h"
#include "PageNiveaux.h"
#include "Tables.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace {

enum Colonne { ColonneNiveau, ColonneEffectif, ColonneProfondeur };
// On the "Niveau" cell: the level's index (0 RDC, +k floors, −k basements).
constexpr int RoleIndice = Qt::UserRole;
constexpr int EtageLePlusHaut = 99;
constexpr int SousSolLePlusProfond = -9;

} // namespace

FenetreNiveaux::FenetreNiveaux()
    : FenetreEtude("FrmNiveaux", QStringLiteral("Niveaux et escaliers"))
{
    auto *mise = new QVBoxLayout(this);
    mise->addLayout(creerSaisie(), 2);
    mise->addLayout(creerResultats(), 5);
    mise->addLayout(creerCommandes());

    charger({}, EtudeNiveaux { { SaisieNiveau {} } });
    Gabarit::ouvrirCentree(this, 150, 50);
    m_saisie->setFocus();
}

QVBoxLayout *FenetreNiveaux::creerSaisie()
{
    m_saisie = tableauSaisie("Saisie", QStringLiteral("Niveaux du bâtiment"), 3);
    m_saisie->setHorizontalHeaderLabels(
        { QStringLiteral("Niveau"), QStringLiteral("Effectif"), QStringLiteral("Profondeur (m)") });
    m_saisie->setAccessibleDescription(
        QStringLiteral("Du dernier étage au sous-sol le plus profond : l'effectif de chaque "
                       "niveau et, pour un sous-sol, sa profondeur en mètres"));
    m_saisie->setItemDelegate(new CelluleSaisie(m_saisie));
    // As wide as its columns: what is typed in it is short.
    m_saisie->horizontalHeader()->setStretchLastSection(false);
    m_saisie->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_saisie->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    connect(m_saisie, &QTableWidget::itemChanged, this, &FenetreNiveaux::recalculer);
    connect(m_saisie, &QTableWidget::currentCellChanged, this, &FenetreNiveaux::mettreAJourBoutons);

    m_ajouterEtage = bouton("AjouterEtage", QStringLiteral("&Ajouter un étage"),
        QStringLiteral("Ajoute un étage au-dessus du dernier"));
    connect(m_ajouterEtage, &QPushButton::clicked, this, &FenetreNiveaux::ajouterEtage);
    m_ajouterSousSol = bouton("AjouterSousSol", QStringLiteral("Ajouter un &sous-sol"),
        QStringLiteral("Ajoute un sous-sol sous le plus profond"));
    connect(m_ajouterSousSol, &QPushButton::clicked, this, &FenetreNiveaux::ajouterSousSol);
    m_retirer = bouton("RetirerNiveau", QStringLiteral("&Retirer le niveau"), {});
    connect(m_retirer, &QPushButton::clicked, this, &FenetreNiveaux::retirerNiveau);

    auto *boutons = new QVBoxLayout;
    boutons->addWidget(m_ajouterEtage);
    boutons->addWidget(m_ajouterSousSol);
    boutons->addWidget(m_retirer);
    boutons->addStretch();
    auto *rangee = new QHBoxLayout;
    rangee->addWidget(m_saisie);
    rangee->addLayout(boutons);
    rangee->addStretch();

    auto *saisie = new QVBoxLayout;
    saisie->addWidget(Gabarit::legende(QStringLiteral("Niveaux du &bâtiment :"), m_saisie));
    saisie->addLayout(rangee);
    return saisie;
}

QVBoxLayout *FenetreNiveaux::creerResultats()
{
    m_niveaux = tableauResultat("ResultatNiveaux", QStringLiteral("Dégagements des niveaux"));
    m_escaliers = tableauResultat("ResultatEscaliers", QStringLiteral("Dégagements des escaliers"));
    m_avertissements = new QListWidget;
    m_avertissements->setObjectName(QStringLiteral("Avertissements"));
    m_avertissements->setAccessibleName(QStringLiteral("Avertissements"));
    m_avertissements->setWordWrap(true);

    auto *resultats = new QVBoxLayout;
    resultats->addWidget(Gabarit::legende(QStringLiteral("Dégagements des &niveaux :"), m_niveaux));
    resultats->addWidget(m_niveaux, 2);
    resultats->addWidget(
        Gabarit::legende(QStringLiteral("Dégagements des es&caliers :"), m_escaliers));
    resultats->addWidget(m_escaliers, 2);
    resultats->addWidget(Gabarit::legende(QStringLiteral("A&vertissements :"), m_avertissements));
    resultats->addWidget(m_avertissements, 1);
    return resultats;
}

void FenetreNiveaux::ajouterEtage()
{
    insererNiveau(0, { indice(0) + 1, {}, {} });
    m_saisie->setCurrentCell(0, ColonneEffectif);
    m_saisie->setFocus();
    recalculer();
}

void FenetreNiveaux::ajouterSousSol()
{
    const int ligne = m_saisie->rowCount();
    insererNiveau(ligne, { indice(ligne - 1) - 1, {}, {} });
    m_saisie->setCurrentCell(ligne, ColonneEffectif);
    m_saisie->setFocus();
    recalculer();
}

void FenetreNiveaux::retirerNiveau()
{
    const int ligne = ligneARetirer();
    if (ligne < 0)
        return;
    m_saisie->removeRow(ligne);
    recalculer();
}

Etude FenetreNiveaux::etude() const
{
    EtudeNiveaux saisies;
    for (int ligne = 0; ligne < m_saisie->rowCount(); ++ligne)
        saisies.niveaux << SaisieNiveau { indice(ligne),
            m_saisie->item(ligne, ColonneEffectif)->text(),
            m_saisie->item(ligne, ColonneProfondeur)->text() };
    return saisies;
}

void FenetreNiveaux::afficherEtude(const Etude &lue)
{
    const auto &saisies = std::get<EtudeNiveaux>(lue);
    // Every level from the top down to the deepest, the RDC included, whatever the file holds.
    int haut = 0;
    int bas = 0;
    for (const SaisieNiveau &niveau : saisies.niveaux) {
        haut = std::max(haut, niveau.indice);
        bas = std::min(bas, niveau.indice);
    }
    const QSignalBlocker silence(m_saisie);
    m_saisie->setRowCount(0);
    for (int niveauVoulu = haut; niveauVoulu >= bas; --niveauVoulu) {
        const auto trouve = std::find_if(saisies.niveaux.cbegin(), saisies.niveaux.cend(),
            [niveauVoulu](const SaisieNiveau &niveau) { return niveau.indice == niveauVoulu; });
        insererNiveau(m_saisie->rowCount(),
            trouve != saisies.niveaux.cend() ? *trouve : SaisieNiveau { niveauVoulu, {}, {} });
    }
    m_saisie->setCurrentCell(0, ColonneEffectif);
    recalculer();
}

std::function<void(Imprimante &)> FenetreNiveaux::pages() const
{
    return [etude = std::get<EtudeNiveaux>(etude()), date = QDate::currentDate()](
               Imprimante &page) { imprimerNiveaux(page, etude, date); };
}

void FenetreNiveaux::insererNiveau(int ligne, const SaisieNiveau &saisie)
{
    const QSignalBlocker silence(m_saisie);
    m_saisie->insertRow(ligne);
    auto *nom = new QTableWidgetItem(nomNiveau(saisie.indice));
    nom->setData(RoleIndice, saisie.indice);
    nom->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    m_saisie->setItem(ligne, ColonneNiveau, nom);
    m_saisie->setItem(ligne, ColonneEffectif, new QTableWidgetItem(saisie.effectif));
    auto *profondeur = new QTableWidgetItem(saisie.profondeur);
    if (saisie.indice >= 0) {
        profondeur->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        profondeur->setBackground(palette().brush(QPalette::Window));
        profondeur->setData(
            Qt::AccessibleDescriptionRole, QStringLiteral("Sans objet : sous-sols seulement"));
    }
    m_saisie->setItem(ligne, ColonneProfondeur, profondeur);
}

int FenetreNiveaux::indice(int ligne) const
{
    return m_saisie->item(ligne, ColonneNiveau)->data(RoleIndice).toInt();
}

int FenetreNiveaux::ligneARetirer() const
{
    const int dernier = m_saisie->rowCount() - 1;
    const bool sousSol = m_saisie->currentRow() >= 0 && indice(m_saisie->currentRow()) < 0;
    if (indice(0) > 0 && !sousSol)
        return 0;
    return indice(dernier) < 0 ? dernier : -1;
}

void FenetreNiveaux::recalculer()
{
    QList<Niveau> niveaux;
    {
        const QSignalBlocker silence(m_saisie);
        const auto saisie = std::get<EtudeNiveaux>(etude());
        for (int ligne = 0; ligne < saisie.niveaux.size(); ++ligne) {
            const NiveauLu lu = lireNiveau(saisie.niveaux[ligne]);
            CelluleSaisie::marquer(m_saisie->item(ligne, ColonneEffectif), lu.erreurEffectif);
            CelluleSaisie::marquer(m_saisie->item(ligne, ColonneProfondeur), lu.erreurProfondeur);
            niveaux << lu.niveau;
        }
    }
    const ResultatNiveaux resultat = calculerNiveaux(niveaux);
    remplir(m_niveaux, tableauNiveaux(resultat));
    remplir(m_escaliers, tableauEscaliers(resultat));
    m_avertissements->clear();
    m_avertissements->addItems(lignesAvertissements(resultat.avertissements));
    mettreAJourBoutons();
    etudeModifiee();
}

void FenetreNiveaux::mettreAJourBoutons()
{
    m_ajouterEtage->setEnabled(indice(0) < EtageLePlusHaut);
    m_ajouterSousSol->setEnabled(indice(m_saisie->rowCount() - 1) > SousSolLePlusProfond);
    const int ligne = ligneARetirer();
    m_retirer->setEnabled(ligne >= 0);
    const QString retire = ligne < 0 ? QStringLiteral("Le rez-de-chaussée reste")
        : ligne == 0
        ? QStringLiteral("Retire %1, le dernier étage").arg(nomNiveau(indice(ligne)))
        : QStringLiteral("Retire %1, le sous-sol le plus profond").arg(nomNiveau(indice(ligne)));
    m_retirer->setToolTip(retire);
    m_retirer->setAccessibleDescription(retire);
}
