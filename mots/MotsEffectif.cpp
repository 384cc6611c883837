// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "MotsEffectif.h"

#include "Json.h"
#include "MotsCinquieme.h"
#include "Niveaux.h"

namespace {

// Hundredths as a person writes them: "66,67", "9,2", "100".
QString centiemes(qint64 valeur)
{
    QString texte = QString::number(valeur / 100);
    if (valeur % 100 != 0) {
        QString decimales = QStringLiteral("%1").arg(valeur % 100, 2, 10, QChar(u'0'));
        if (decimales.endsWith(u'0'))
            decimales.chop(1);
        texte += u',' + decimales;
    }
    return texte;
}

// A numerator over DenominateurZone, to the nearest hundredth: for reading, never for counting.
QString personnesExactes(qint64 numerateur)
{
    return centiemes((numerateur * 100 + DenominateurZone / 2) / DenominateurZone);
}

// "3 m²", "0,50 m": `pour` units of the nature's base.
QString mesure(qint64 quantite, Unite unite)
{
    if (unite == Unite::Longueur)
        return metres(quantite);
    return centiemes(quantite) + QStringLiteral(" m²");
}

QString densiteEnMots(const Densite &densite, Unite unite)
{
    return QStringLiteral("%1 / %2").arg(densite.personnes).arg(mesure(densite.pour, unite));
}

QString seuil(const std::optional<qint64> &valeur)
{
    return valeur ? QString::number(*valeur) : Inconnu;
}

QString ordinal(int rang, bool feminin)
{
    if (rang == 1)
        return feminin ? QStringLiteral("1re") : QStringLiteral("1er");
    return QStringLiteral("%1e").arg(rang);
}

// "le public des étages (100) atteint le seuil de 100", each class reached.
QStringList atteints(const ResultatEffectif &r)
{
    QStringList raisons;
    const auto ajouter = [&](bool atteint, const QString &classe, qint64 public_,
                             const std::optional<qint64> &seuil) {
        if (atteint)
            raisons << QStringLiteral("le public %1 (%2) atteint le seuil de %3")
                           .arg(classe)
                           .arg(public_)
                           .arg(*seuil);
    };
    ajouter(r.atteints.sousSol, QStringLiteral("du sous-sol"), r.public_.sousSol, r.seuils.sousSol);
    ajouter(r.atteints.etages, QStringLiteral("des étages"), r.public_.etages, r.seuils.etages);
    ajouter(r.atteints.total, QStringLiteral("total"), r.public_.total, r.seuils.total);
    return raisons;
}

QString bandeCategorie(int categorie)
{
    switch (categorie) {
    case 1:
        return QStringLiteral("plus de 1 500 personnes");
    case 2:
        return QStringLiteral("de 701 à 1 500 personnes");
    case 3:
        return QStringLiteral("de 301 à 700 personnes");
    default:
        return QStringLiteral("300 personnes au plus");
    }
}

QString motsCategorie(const ResultatEffectif &r)
{
    const QString titre = QStringLiteral("%1 groupe, %2 catégorie")
                              .arg(ordinal(r.groupe, false), ordinal(r.categorie, true));
    if (r.groupe == 2)
        return titre + QStringLiteral(" : le public reste sous chacun des seuils (PE 2 §1)")
            + (r.personnel > 0 ? QStringLiteral(" ; le personnel ne compte pas pour le "
                                                "classement (GN 1 §2 b)")
                               : QString())
            + u'.';
    QStringList raisons = atteints(r);
    if (!raisons.isEmpty())
        raisons.last() += QStringLiteral(" (%1)").arg(r.seuils.article);
    for (const QString &type : r.typesSeuls)
        raisons << QStringLiteral("le type %1 seul atteint ses propres seuils : 4e catégorie au "
                                  "moins (GN 2 §2)")
                       .arg(type);
    return titre + QStringLiteral(" : ") + raisons.join(QStringLiteral(" ; "))
        + QStringLiteral(" ; effectif de %1, public et personnel : %2 (R143-19).")
              .arg(personnes(r.effectif), bandeCategorie(r.categorie));
}

QString motsRegle(const ResultatEffectif &r)
{
    const QString pour = QStringLiteral("pour %1, public et personnel").arg(personnes(r.effectif));
    if (r.regle == u"PE 2 §3")
        return QStringLiteral("PE 2 §3 : ") + r.cinquieme->raison;
    if (r.regle == u"PE 11") {
        const MotsCinquieme mots
            = motsCinquieme({ r.public_.total, r.personnel, false, false }, *r.cinquieme);
        return QStringLiteral("PE 11 §3, %1 (PE 11 §5) : %2.")
            .arg(pour, mots.solutions.join(QStringLiteral(", ")));
    }
    QString mots = motsExigence(r.effectif);
    mots[0] = mots[0].toLower();
    if (r.regle == u"CO 38 §1 d")
        return QStringLiteral("CO 38 §1 d, auquel PE 11 renvoie au-delà de 300 personnes, %1 : "
                              "%2.")
            .arg(pour, mots);
    return QStringLiteral("CO 38, %1 : %2 ; niveau par niveau et par escalier, voir « Niveaux et "
                          "escaliers » (CO 38 §2, CO 39).")
        .arg(pour, mots);
}

QString motsSeuils(const ResultatEffectif &r)
{
    const QString rangee = QStringLiteral("%1 en sous-sol, %2 en étages, %3 au total")
                               .arg(seuil(r.seuils.sousSol), seuil(r.seuils.etages))
                               .arg(r.seuils.total);
    if (r.types.size() > 1)
        return QStringLiteral("Seuils de plusieurs types (%1) : %2 (%3).")
            .arg(r.types.join(QStringLiteral(", ")), rangee, r.seuils.article);
    return QStringLiteral("Seuils du type %1 : %2 (%3).")
        .arg(r.types.value(0), rangee, r.seuils.article);
}

} // namespace

QString calculZone(const Zone &zone)
{
    const Nature &choisie = *zone.nature;
    const qint64 numerateur = numerateurZone(zone);
    const Densite parUnite = densite(choisie, zone.niveau);
    switch (choisie.unite) {
    case Unite::Surface:
    case Unite::Longueur:
        return QStringLiteral("%1 × %2 = %3")
            .arg(mesure(zone.quantite, choisie.unite), densiteEnMots(parUnite, choisie.unite),
                personnesExactes(numerateur));
    case Unite::PlacesSurface: {
        const QString minimum = QStringLiteral("%1 × %2 = %3")
                                    .arg(mesure(zone.quantite, Unite::Surface),
                                        densiteEnMots(parUnite, Unite::Surface),
                                        personnesExactes(DenominateurZone * parUnite.personnes
                                            / parUnite.pour * zone.quantite));
        return QStringLiteral("%1 place%2 déclarée%2, au moins %3 → %4")
            .arg(zone.places)
            .arg(zone.places > 1 ? QStringLiteral("s") : QString(), minimum,
                personnesExactes(numerateur));
    }
    case Unite::Nombre:
        break;
    }
    if (choisie.type.isEmpty())
        return QStringLiteral("%1, hors public").arg(personnes(zone.quantite));
    return personnes(zone.quantite);
}

MotsEffectif motsEffectif(const EntreeEffectif &entree, const ResultatEffectif &r)
{
    MotsEffectif mots;
    mots.niveaux.entetes = QStringList { QStringLiteral("Niveau"), QStringLiteral("Public exact"),
        QStringLiteral("Public"), QStringLiteral("Personnel"), QStringLiteral("Effectif") };
    for (const NiveauEffectif &niveau : r.niveaux)
        mots.niveaux.lignes << QStringList { nomNiveau(niveau.indice),
            personnesExactes(niveau.numerateur), QString::number(niveau.public_),
            QString::number(niveau.personnel), QString::number(niveau.public_ + niveau.personnel) };

    mots.classes.entetes = QStringList { QStringLiteral("Public"), QStringLiteral("Personnes"),
        QStringLiteral("Seuil"), QStringLiteral("Atteint") };
    const auto classe
        = [&](const QString &nom, qint64 public_, const std::optional<qint64> &s, bool atteint) {
              mots.classes.lignes << QStringList { nom, QString::number(public_), seuil(s),
                  !s            ? Inconnu
                      : atteint ? QStringLiteral("oui")
                                : QStringLiteral("non") };
          };
    classe(QStringLiteral("En sous-sol"), r.public_.sousSol, r.seuils.sousSol, r.atteints.sousSol);
    classe(QStringLiteral("En étages"), r.public_.etages, r.seuils.etages, r.atteints.etages);
    classe(QStringLiteral("Total"), r.public_.total, r.seuils.total, r.atteints.total);

    mots.effectif = QStringLiteral("%1 : %2 du public et %3 du personnel")
                        .arg(personnes(r.effectif))
                        .arg(r.public_.total)
                        .arg(r.personnel);
    mots.seuils = motsSeuils(r);
    mots.categorie = motsCategorie(r);
    mots.regle = motsRegle(r);
    for (const Avertissement &avertissement : r.avertissements)
        mots.avertissements << QStringLiteral("Avertissement (%1) : %2")
                                   .arg(avertissement.article, avertissement.texte);
    for (const Nature &suivie : natures()) {
        const bool utilisee = std::any_of(entree.zones.cbegin(), entree.zones.cend(),
            [&](const Zone &zone) { return zone.nature == &suivie; });
        if (utilisee)
            mots.textes << QStringLiteral("%1 (%2) : %3")
                               .arg(suivie.article, suivie.code,
                                   suivie.texte.isEmpty()
                                       ? QStringLiteral("effectif déclaré, sans densité")
                                       : suivie.texte);
    }
    return mots;
}

QStringList MotsEffectif::bilan() const
{
    return { seuils, QStringLiteral("Effectif : ") + effectif,
        QStringLiteral("Catégorie : ") + categorie, QStringLiteral("Dégagements : ") + regle };
}

QString jsonEffectif(const ResultatEffectif &r)
{
    using Json::Membre;
    QStringList niveaux;
    for (const NiveauEffectif &niveau : r.niveaux)
        niveaux << Json::objet(
            { { QStringLiteral("niveau"), Json::chaine(nomNiveau(niveau.indice)) },
                { QStringLiteral("public"), QString::number(niveau.public_) },
                { QStringLiteral("personnel"), QString::number(niveau.personnel) } });
    QStringList types;
    for (const QString &type : r.types)
        types << Json::chaine(type);
    const auto classes = [](const std::optional<qint64> &sousSol,
                             const std::optional<qint64> &etages, qint64 total) {
        return Json::objet({ { QStringLiteral("sous_sol"), Json::nombre(sousSol) },
            { QStringLiteral("etages"), Json::nombre(etages) },
            { QStringLiteral("total"), QString::number(total) } });
    };
    return Json::objet({ { QStringLiteral("niveaux"), Json::liste(niveaux) },
        { QStringLiteral("types"), Json::liste(types) },
        { QStringLiteral("public"), classes(r.public_.sousSol, r.public_.etages, r.public_.total) },
        { QStringLiteral("personnel"), QString::number(r.personnel) },
        { QStringLiteral("effectif"), QString::number(r.effectif) },
        { QStringLiteral("groupe"), QString::number(r.groupe) },
        { QStringLiteral("categorie"), QString::number(r.categorie) },
        { QStringLiteral("seuils"), classes(r.seuils.sousSol, r.seuils.etages, r.seuils.total) },
        { QStringLiteral("regle_degagements"), Json::chaine(r.regle) },
        { QStringLiteral("avertissements"), Json::avertissements(r.avertissements) } });
}
