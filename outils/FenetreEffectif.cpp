// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FenetreEffectif.h"

#include "CelluleSaisie.h"
#include "FenetreCinquieme.h"
#include "FenetreNiveaux.h"
#include "FenetresUniques.h"
#include "Gabarit.h"
#include "MotsEffectif.h"
#include "PageEffectif.h"
#include "Tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>

namespace {

enum Colonne {
    ColonneNiveau,
    ColonneNature,
    ColonneQuantite,
    ColonneUnite,
    ColonnePlaces,
    ColonnePublic
};
// On the level's cell its index, on the nature's its code.
constexpr int RoleValeur = Qt::UserRole;
constexpr int EtageLePlusHaut = 99;
constexpr int SousSolLePlusProfond = -9;

// What each type's establishments are, for the list of natures.
QString nomDuType(const QString &type)
{
    static const QMap<QString, QString> noms {
        { "L", QStringLiteral("salles d'audition, de conférences, de réunions, de spectacles") },
        { "M", QStringLiteral("magasins de vente, centres commerciaux") },
        { "N", QStringLiteral("restaurants et débits de boissons") },
        { "O", QStringLiteral("hôtels") },
        { "P", QStringLiteral("salles de danse et salles de jeux") },
        { "R", QStringLiteral("établissements d'enseignement") },
        { "S", QStringLiteral("bibliothèques, centres de documentation") },
        { "T", QStringLiteral("salles d'exposition") },
        { "V", QStringLiteral("établissements de culte") },
        { "W", QStringLiteral("administrations, banques, bureaux") },
        { "X", QStringLiteral("établissements sportifs couverts") },
        { "Y", QStringLiteral("musées") },
    };
    return type.isEmpty() ? QStringLiteral("Personnel")
                          : QStringLiteral("Type %1 : %2").arg(type, noms.value(type));
}

QString unite(const Nature &nature)
{
    switch (nature.unite) {
    case Unite::Surface:
    case Unite::PlacesSurface:
        return QStringLiteral("m²");
    case Unite::Longueur:
        return QStringLiteral("m");
    case Unite::Nombre:
        break;
    }
    return nature.code.endsWith(u".places") ? QStringLiteral("places")
                                            : QStringLiteral("personnes");
}

// "M — surface de vente (M 2 §1 a)" in its cell; the list adds the rest and the unit.
QString libelle(const Nature &nature, bool complet)
{
    const QString quoi = complet ? nature.description : nature.description.section(u',', 0, 0);
    // The staff are no type: their line opens with what they are.
    QString libelle = nature.type.isEmpty()
        ? QStringLiteral("%1 (%2)").arg(quoi, nature.article)
        : QStringLiteral("%1 — %2 (%3)").arg(nature.type, quoi, nature.article);
    if (nature.type.isEmpty())
        libelle[0] = libelle[0].toUpper();
    if (!complet)
        return libelle;
    return libelle + QStringLiteral(", ")
        + (nature.unite == Unite::PlacesSurface ? QStringLiteral("places et m²") : unite(nature));
}

// Levels from the top floor down to the deepest basement, chosen, never typed.
void remplirNiveaux(QComboBox *choix)
{
    for (int indice = EtageLePlusHaut; indice >= SousSolLePlusProfond; --indice)
        choix->addItem(nomNiveau(indice), indice);
    choix->setMaxVisibleItems(20);
}

// Natures grouped by type under a heading that cannot be chosen.
void remplirNatures(QComboBox *choix)
{
    auto *modele = new QStandardItemModel(choix);
    QString type = QStringLiteral("?");
    for (const Nature &candidate : natures()) {
        if (candidate.type != type) {
            type = candidate.type;
            auto *titre = new QStandardItem(nomDuType(type));
            titre->setFlags(Qt::ItemIsEnabled);
            QFont gras = choix->font();
            gras.setBold(true);
            titre->setFont(gras);
            modele->appendRow(titre);
        }
        auto *entree = new QStandardItem(libelle(candidate, true));
        entree->setData(candidate.code, RoleValeur);
        modele->appendRow(entree);
    }
    choix->setModel(modele);
    choix->setMaxVisibleItems(20);
}

// The level and the nature are chosen from lists; the other cells are typed, key by key.
class ChoixZone : public CelluleSaisie
{
public:
    using CelluleSaisie::CelluleSaisie;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        if (index.column() != ColonneNiveau && index.column() != ColonneNature)
            return CelluleSaisie::createEditor(parent, option, index);
        auto *choix = new QComboBox(parent);
        if (index.column() == ColonneNiveau)
            remplirNiveaux(choix);
        else
            remplirNatures(choix);
        choix->setAccessibleName(
            index.column() == ColonneNiveau ? QStringLiteral("Niveau") : QStringLiteral("Nature"));
        connect(choix, &QComboBox::activated, this, &ChoixZone::transmettre);
        return choix;
    }
    void setEditorData(QWidget *editeur, const QModelIndex &index) const override
    {
        auto *choix = qobject_cast<QComboBox *>(editeur);
        if (!choix)
            return CelluleSaisie::setEditorData(editeur, index);
        choix->setCurrentIndex(choix->findData(index.data(RoleValeur), RoleValeur));
    }
    void setModelData(
        QWidget *editeur, QAbstractItemModel *modele, const QModelIndex &index) const override
    {
        auto *choix = qobject_cast<QComboBox *>(editeur);
        if (!choix)
            return CelluleSaisie::setModelData(editeur, modele, index);
        const QVariant valeur = choix->currentData(RoleValeur);
        if (!valeur.isValid())
            return;
        modele->setData(index, valeur, RoleValeur);
        modele->setData(index,
            index.column() == ColonneNiveau ? nomNiveau(valeur.toInt())
                                            : libelle(*nature(valeur.toString()), false));
    }
};

QTableWidgetItem *celluleCalculee()
{
    auto *cellule = new QTableWidgetItem;
    cellule->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cellule;
}

QLabel *texteResultat(const char *nom, const QString &description)
{
    auto *texte = new QLabel;
    texte->setObjectName(QLatin1String(nom));
    texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texte->setWordWrap(true);
    texte->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Reached with Tab, so that a screen reader reads the result in turn.
    texte->setFocusPolicy(Qt::StrongFocus);
    texte->setAccessibleDescription(description);
    return texte;
}

QListWidget *liste(const char *nom, const QString &titre)
{
    auto *liste = new QListWidget;
    liste->setObjectName(QLatin1String(nom));
    liste->setAccessibleName(titre);
    liste->setWordWrap(true);
    return liste;
}

} // namespace

FenetreEffectif::FenetreEffectif()
    : FenetreEtude("FenetreEffectif", QStringLiteral("Effectif et catégorie"))
{
    auto *mise = new QVBoxLayout(this);
    mise->addLayout(creerSaisie(), 2);
    mise->addLayout(creerResultats(), 3);
    mise->addLayout(creerCommandes());

    charger({}, EtudeEffectif { { SaisieZone { 0, natures().constFirst().code, {}, {} } } });
    Gabarit::ouvrirCentree(this, 170, 56);
    m_zones->setFocus();
}

QVBoxLayout *FenetreEffectif::creerSaisie()
{
    m_zones = tableauSaisie("Zones", QStringLiteral("Zones du bâtiment"), 6);
    m_zones->setHorizontalHeaderLabels({ QStringLiteral("Niveau"), QStringLiteral("Nature"),
        QStringLiteral("Quantité"), QStringLiteral("Unité"), QStringLiteral("Places déclarées"),
        QStringLiteral("Public de la zone") });
    m_zones->setAccessibleDescription(QStringLiteral(
        "Chaque zone : son niveau et sa nature, choisis dans une liste (F2), et sa quantité dans "
        "l'unité indiquée ; pour des places déclarées, la surface de la zone et le nombre de "
        "places"));
    m_zones->setItemDelegate(new ChoixZone(m_zones));
    connect(m_zones, &QTableWidget::itemChanged, this, &FenetreEffectif::recalculer);

    m_ajouter = bouton("AjouterZone", QStringLiteral("&Ajouter une zone"),
        QStringLiteral("Ajoute une zone sous la zone en cours, au même niveau et de même nature"));
    connect(m_ajouter, &QPushButton::clicked, this, &FenetreEffectif::ajouterZone);
    m_retirer = bouton("RetirerZone", QStringLiteral("&Retirer la zone"),
        QStringLiteral("Retire la zone en cours"));
    connect(m_retirer, &QPushButton::clicked, this, &FenetreEffectif::retirerZone);
    auto *boutons = new QVBoxLayout;
    boutons->addWidget(m_ajouter);
    boutons->addWidget(m_retirer);
    boutons->addStretch();
    auto *rangee = new QHBoxLayout;
    rangee->addWidget(m_zones, 1);
    rangee->addLayout(boutons);

    m_spectacle = new QCheckBox(
        QStringLiteral("Salle de s&pectacle : projection, spectacle ou cabaret (L 1 §1 c, d)"));
    m_spectacle->setObjectName(QStringLiteral("Spectacle"));
    m_spectacle->setToolTip(QStringLiteral("L 1 §2 : les seuils du type L sont alors de 20 "
                                           "personnes en sous-sol et 50 au total"));
    m_spectacle->setAccessibleDescription(m_spectacle->toolTip());
    connect(m_spectacle, &QCheckBox::toggled, this, &FenetreEffectif::recalculer);
    m_sommeil = new QCheckBox(QStringLiteral("Locaux à so&mmeil pour le public (GN 1 §4)"));
    m_sommeil->setObjectName(QStringLiteral("Sommeil"));
    m_sommeil->setToolTip(QStringLiteral("Seuil de 30 personnes pour le type R ; l'exception de "
                                         "PE 2 §3 (19 personnes au plus) ne s'applique plus"));
    m_sommeil->setAccessibleDescription(m_sommeil->toolTip());
    connect(m_sommeil, &QCheckBox::toggled, this, &FenetreEffectif::recalculer);
    auto *cases = new QHBoxLayout;
    cases->addWidget(m_spectacle);
    cases->addSpacing(fontMetrics().averageCharWidth() * 4);
    cases->addWidget(m_sommeil);
    cases->addStretch();

    auto *saisie = new QVBoxLayout;
    saisie->addWidget(Gabarit::legende(QStringLiteral("&Zones du bâtiment :"), m_zones));
    saisie->addLayout(rangee);
    saisie->addLayout(cases);
    return saisie;
}

QVBoxLayout *FenetreEffectif::creerResultats()
{
    m_niveaux = tableauResultat("ResultatNiveaux", QStringLiteral("Public par niveau"));
    m_classes = tableauResultat("Classement", QStringLiteral("Classement"));
    m_bilan = texteResultat("Bilan", QStringLiteral("Seuils, effectif, catégorie et dégagements"));
    m_avertissements = liste("Avertissements", QStringLiteral("Avertissements"));
    m_textes = liste("Textes", QStringLiteral("Textes suivis"));

    // The room a window gives is shared by the layout's stretches, not by what each list would
    // like: the zones typed keep theirs.
    for (QWidget *vue : std::initializer_list<QWidget *> {
             m_zones, m_niveaux, m_classes, m_avertissements, m_textes }) {
        vue->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        vue->setMinimumHeight(vue->fontMetrics().lineSpacing() * 4);
    }

    auto *niveaux = new QVBoxLayout;
    niveaux->addWidget(Gabarit::legende(QStringLiteral("Public par ni&veau :"), m_niveaux));
    niveaux->addWidget(m_niveaux, 1);
    auto *classes = new QVBoxLayout;
    classes->addWidget(Gabarit::legende(QStringLiteral("&Classement :"), m_classes));
    classes->addWidget(m_classes, 1);
    auto *tables = new QHBoxLayout;
    tables->addLayout(niveaux, 3);
    tables->addLayout(classes, 2);

    // The numbers handed on, beside the result they come from.
    m_versNiveaux = bouton("VersNiveaux", QStringLiteral("Dégagements par &niveau…"),
        QStringLiteral("Ouvre « Niveaux et escaliers » avec l'effectif de chaque niveau, public "
                       "et personnel"));
    connect(m_versNiveaux, &QPushButton::clicked, this, &FenetreEffectif::versNiveaux);
    m_versCinquieme = bouton("VersCinquieme", QStringLiteral("&5e catégorie (PE 11)…"),
        QStringLiteral("Ouvre « 5e catégorie (PE 11) » avec le public et le personnel"));
    connect(m_versCinquieme, &QPushButton::clicked, this, &FenetreEffectif::versCinquieme);
    auto *versAutres = new QVBoxLayout;
    versAutres->addWidget(m_versNiveaux);
    versAutres->addWidget(m_versCinquieme);
    versAutres->addStretch();
    auto *bilan = new QHBoxLayout;
    bilan->addWidget(m_bilan, 1);
    bilan->addLayout(versAutres);

    auto *resultats = new QVBoxLayout;
    resultats->addLayout(tables, 3);
    resultats->addWidget(Gabarit::legende(QStringLiteral("Résu&ltat :"), m_bilan));
    resultats->addLayout(bilan);
    resultats->addWidget(Gabarit::legende(QStringLiteral("Avertissemen&ts :"), m_avertissements));
    resultats->addWidget(m_avertissements, 2);
    resultats->addWidget(Gabarit::legende(QStringLiteral("Textes s&uivis :"), m_textes));
    resultats->addWidget(m_textes, 1);
    return resultats;
}

void FenetreEffectif::ajouterZone()
{
    const int courante = m_zones->currentRow();
    SaisieZone zone { 0, natures().constFirst().code, {}, {} };
    if (courante >= 0) {
        zone.niveau = m_zones->item(courante, ColonneNiveau)->data(RoleValeur).toInt();
        zone.nature = m_zones->item(courante, ColonneNature)->data(RoleValeur).toString();
    }
    const int ligne = courante + 1;
    insererZone(ligne, zone);
    m_zones->setCurrentCell(ligne, ColonneQuantite);
    m_zones->setFocus();
    recalculer();
}

void FenetreEffectif::retirerZone()
{
    const int ligne = m_zones->currentRow();
    if (ligne < 0)
        return;
    m_zones->removeRow(ligne);
    recalculer();
}

void FenetreEffectif::versNiveaux()
{
    if (!m_resultat)
        return;
    EtudeNiveaux niveaux;
    for (const NiveauEffectif &niveau : m_resultat->niveaux)
        niveaux.niveaux << SaisieNiveau { niveau.indice,
            QString::number(niveau.public_ + niveau.personnel), {} };
    // The RDC is the levels window's every flight's end: always there.
    if (std::none_of(niveaux.niveaux.cbegin(), niveaux.niveaux.cend(),
            [](const SaisieNiveau &niveau) { return niveau.indice == 0; })) {
        const auto sousSol = std::find_if(niveaux.niveaux.begin(), niveaux.niveaux.end(),
            [](const SaisieNiveau &niveau) { return niveau.indice < 0; });
        niveaux.niveaux.insert(sousSol, SaisieNiveau { 0, QStringLiteral("0"), {} });
    }
    auto *fenetre = FenetresUniques::afficher<FenetreNiveaux>();
    if (fenetre && fenetre->peutAbandonner())
        fenetre->nouvelle(niveaux);
}

void FenetreEffectif::versCinquieme()
{
    if (!m_resultat || !m_resultat->cinquieme)
        return;
    if (auto *fenetre = FenetresUniques::afficher<FenetreCinquieme>())
        fenetre->remplir(m_resultat->public_.total, m_resultat->personnel,
            m_sommeil->isChecked() || m_resultat->types.contains(u"O"));
}

Etude FenetreEffectif::etude() const
{
    EtudeEffectif saisies;
    saisies.spectacle = m_spectacle->isChecked();
    saisies.sommeil = m_sommeil->isChecked();
    for (int ligne = 0; ligne < m_zones->rowCount(); ++ligne)
        saisies.zones << SaisieZone { m_zones->item(ligne, ColonneNiveau)->data(RoleValeur).toInt(),
            m_zones->item(ligne, ColonneNature)->data(RoleValeur).toString(),
            m_zones->item(ligne, ColonneQuantite)->text(),
            m_zones->item(ligne, ColonnePlaces)->text() };
    return saisies;
}

void FenetreEffectif::afficherEtude(const Etude &lue)
{
    const auto &saisie = std::get<EtudeEffectif>(lue);
    {
        const QSignalBlocker silenceTable(m_zones);
        const QSignalBlocker silenceSpectacle(m_spectacle);
        const QSignalBlocker silenceSommeil(m_sommeil);
        m_spectacle->setChecked(saisie.spectacle);
        m_sommeil->setChecked(saisie.sommeil);
        m_zones->setRowCount(0);
        for (const SaisieZone &zone : saisie.zones)
            insererZone(m_zones->rowCount(), zone);
    }
    m_zones->setCurrentCell(0, ColonneQuantite);
    recalculer();
}

std::function<void(Imprimante &)> FenetreEffectif::pages() const
{
    return [etude = std::get<EtudeEffectif>(etude()), date = QDate::currentDate()](
               Imprimante &page) { imprimerEffectif(page, etude, date); };
}

void FenetreEffectif::insererZone(int ligne, const SaisieZone &saisie)
{
    const QSignalBlocker silence(m_zones);
    m_zones->insertRow(ligne);
    auto *niveau = new QTableWidgetItem(nomNiveau(saisie.niveau));
    niveau->setData(RoleValeur, saisie.niveau);
    m_zones->setItem(ligne, ColonneNiveau, niveau);
    const Nature *choisie = nature(saisie.nature);
    auto *natureChoisie = new QTableWidgetItem(choisie ? libelle(*choisie, false) : saisie.nature);
    natureChoisie->setData(RoleValeur, saisie.nature);
    m_zones->setItem(ligne, ColonneNature, natureChoisie);
    m_zones->setItem(ligne, ColonneQuantite, new QTableWidgetItem(saisie.quantite));
    m_zones->setItem(ligne, ColonneUnite, celluleCalculee());
    m_zones->setItem(ligne, ColonnePlaces, new QTableWidgetItem(saisie.places));
    m_zones->setItem(ligne, ColonnePublic, celluleCalculee());
}

void FenetreEffectif::recalculer()
{
    const auto saisie = std::get<EtudeEffectif>(etude());
    const EffectifLu lu = lireEffectif(saisie);
    {
        const QSignalBlocker silence(m_zones);
        for (int ligne = 0; ligne < m_zones->rowCount(); ++ligne) {
            const EffectifLu::Ligne &lue = lu.lignes.at(ligne);
            const Nature *choisie = nature(saisie.zones.at(ligne).nature);
            // The nature's unit, and the seats' cell only where seats are declared.
            const bool places = choisie && choisie->unite == Unite::PlacesSurface;
            m_zones->item(ligne, ColonneNature)
                ->setToolTip(choisie ? libelle(*choisie, true) : QString());
            m_zones->item(ligne, ColonneUnite)->setText(choisie ? unite(*choisie) : QString());
            QTableWidgetItem *siege = m_zones->item(ligne, ColonnePlaces);
            siege->setFlags(places ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                   : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            siege->setBackground(places ? QBrush() : palette().brush(QPalette::Window));
            siege->setData(Qt::AccessibleDescriptionRole,
                places ? QString() : QStringLiteral("Sans objet : places déclarées seulement"));
            CelluleSaisie::marquer(m_zones->item(ligne, ColonneQuantite), lue.erreurQuantite);
            CelluleSaisie::marquer(siege, lue.erreurPlaces);
            const bool illisible = !lue.erreurQuantite.isEmpty() || !lue.erreurPlaces.isEmpty();
            m_zones->item(ligne, ColonnePublic)
                ->setText(lue.zone  ? calculZone(*lue.zone)
                        : illisible ? Inconnu
                                    : QString());
        }
    }

    m_resultat.reset();
    m_avertissements->clear();
    m_textes->clear();
    if (lu.resultat) {
        m_resultat = *lu.resultat.valeur;
        const MotsEffectif mots = motsEffectif(lu.entree, *m_resultat);
        remplir(m_niveaux, mots.niveaux);
        remplir(m_classes, mots.classes);
        m_bilan->setText(mots.bilan().join(u'\n'));
        m_avertissements->addItems(mots.avertissements);
        m_textes->addItems(mots.textes);
    } else {
        remplir(m_niveaux, {});
        remplir(m_classes, {});
        const bool publique = std::any_of(lu.entree.zones.cbegin(), lu.entree.zones.cend(),
            [](const Zone &zone) { return !zone.nature->type.isEmpty(); });
        QString raison = lu.resultat.erreur;
        raison[0] = raison[0].toUpper();
        m_bilan->setText(publique ? raison
                                  : QStringLiteral("Indiquez au moins une zone de public : son "
                                                   "niveau, sa nature et sa quantité ; le "
                                                   "personnel seul ne fait pas un établissement."));
    }
    m_versNiveaux->setEnabled(m_resultat.has_value());
    m_versCinquieme->setEnabled(m_resultat && m_resultat->regle == u"PE 11");
    m_retirer->setEnabled(m_zones->rowCount() > 0);
    etudeModifiee();
}
