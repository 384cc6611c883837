// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Effectif.h"

#include "Niveaux.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr qint64 Plafond = std::numeric_limits<qint32>::max();
// Beyond it a level alone holds more than the ceiling: refused before any sum can overflow.
constexpr qint64 NumerateurMaximal = Plafond * DenominateurZone;
constexpr qint64 PublicExclu = 19; // PE 2 §3
constexpr qint64 EffectifPe11 = 300; // PE 11 §3, then CO 38 §1 d
// R143-19: 1st category from 1 501, 2nd from 701, 3rd from 301.
constexpr qint64 Premiere = 1501;
constexpr qint64 Deuxieme = 701;
constexpr qint64 Troisieme = 301;

struct Rangee
{
    char16_t type;
    // L: a spectacle activity; R: sleeping rooms.
    bool variante;
    std::optional<qint64> sousSol;
    std::optional<qint64> etages;
    qint64 total;
    const char16_t *article;
};

constexpr std::optional<qint64> Sans = std::nullopt;
// PE 2 §1's table and each type's article 1.
constexpr std::array<Rangee, 15> Rangees { {
    { u'L', false, 100, Sans, 200, u"L 1 §2" }, // L 1 §1 a, b, e, f, g
    { u'L', true, 20, Sans, 50, u"L 1 §2" }, // L 1 §1 c, d
    { u'M', false, 100, 100, 200, u"M 1 §1" }, { u'N', false, 100, 200, 200, u"N 1" },
    { u'O', false, Sans, Sans, 100, u"O 1 §1 a" }, { u'P', false, 20, 100, 120, u"P 1 §1" },
    { u'R', false, 100, 100, 200, u"R 1" },
    { u'R', true, Sans, Sans, 30, u"PE 2" }, // locaux réservés au sommeil
    { u'S', false, 100, 100, 200, u"S 1" }, { u'T', false, 100, 100, 200, u"T 1 §1" },
    { u'V', false, 100, 200, 300, u"V 1" }, { u'W', false, 100, 100, 200, u"W 1" },
    { u'X', false, 100, 100, 200, u"X 1 §1" }, { u'Y', false, 100, 100, 200, u"Y 1 §1" },
    { u'*', false, 50, 100, 200, u"GN 2 §2" }, // several types
} };

Seuils rangee(char16_t type, bool variante)
{
    const auto trouve = std::find_if(Rangees.begin(), Rangees.end(),
        [&](const Rangee &r) { return r.type == type && r.variante == variante; });
    Q_ASSERT(trouve != Rangees.end());
    const Rangee &r = *trouve;
    return { r.sousSol, r.etages, r.total, QString::fromUtf16(r.article) };
}

Seuils seuilsDuType(const QString &type, bool spectacle, bool sommeil)
{
    const char16_t lettre = type.front().unicode();
    return rangee(lettre, (lettre == u'L' && spectacle) || (lettre == u'R' && sommeil));
}

Atteints atteints(const Seuils &seuils, const Classes &public_)
{
    return { seuils.sousSol && public_.sousSol >= *seuils.sousSol,
        seuils.etages && public_.etages >= *seuils.etages, public_.total >= seuils.total };
}

bool unAtteint(const Atteints &a)
{
    return a.sousSol || a.etages || a.total;
}

void ajouter(Classes &classes, int niveau, qint64 public_)
{
    if (niveau < 0)
        classes.sousSol += public_;
    else if (niveau > 0)
        classes.etages += public_;
    classes.total += public_;
}

// ⌈numerateur / D⌉ for numerateur ≥ 0.
qint64 arrondi(qint64 numerateur)
{
    return (numerateur + DenominateurZone - 1) / DenominateurZone;
}

bool publique(const Zone &zone)
{
    return !zone.nature->type.isEmpty();
}

bool lisible(const Zone &zone)
{
    // A nature of the table only: each of its types has a row of thresholds.
    if (!zone.nature || nature(zone.nature->code) != zone.nature || zone.quantite < 0
        || zone.quantite > quantiteMaximale(zone.nature->unite))
        return false;
    return zone.nature->unite != Unite::PlacesSurface
        || (zone.places >= 0 && zone.places <= quantiteMaximale(Unite::Nombre));
}

Lu<ResultatEffectif> refus(const QString &phrase)
{
    return { std::nullopt, phrase };
}

// "1 zone sur 2", "0 zone sur 3", "2 zones sur 2".
QString minima(qint64 appliques, qint64 zones)
{
    return QStringLiteral("%1 zone%2 sur %3")
        .arg(appliques)
        .arg(appliques > 1 ? QStringLiteral("s") : QString())
        .arg(zones);
}

QList<Avertissement> avertir(const EntreeEffectif &entree, const ResultatEffectif &r)
{
    const auto compter = [&](const char16_t *code, bool minimum) {
        return std::count_if(entree.zones.begin(), entree.zones.end(), [&](const Zone &zone) {
            return zone.nature->code == code && (!minimum || minimumApplique(zone));
        });
    };
    const auto present = [&](const char16_t *code) { return compter(code, false) > 0; };
    QList<Avertissement> liste;
    if (present(u"M.vente") || present(u"M.mail") || present(u"M.boutique") || present(u"M.faible"))
        liste << Avertissement { QStringLiteral("M 2"),
            QStringLiteral("M 2 §1 : densités de l'arrêté du 15 novembre 2017, par niveau, sur la "
                           "surface de vente (sans les réserves, ateliers ni bureaux) ; la règle "
                           "d'avant le 1er juillet 2017 donnait d'autres chiffres : à vérifier "
                           "sur Légifrance.") };
    if (present(u"N.places"))
        liste << Avertissement { QStringLiteral("N 2"),
            QStringLiteral("N 2 : la déclaration des places assises est admise depuis le "
                           "10 février 2022 (déclaration contrôlée, après avis de la commission "
                           "de sécurité), jamais moins d'une personne par 2 m² ; minimum appliqué "
                           "à %1.")
                .arg(minima(compter(u"N.places", true), compter(u"N.places", false))) };
    if (present(u"L.polyvalente"))
        liste << Avertissement { QStringLiteral("L 1"),
            QStringLiteral("L 1 §2 : depuis le 10 février 2022, les salles polyvalentes relèvent "
                           "des seuils de 100 personnes en sous-sol et 200 au total (20 et 50 "
                           "auparavant).") };
    if (present(u"L.multimedia"))
        liste << Avertissement { QStringLiteral("L 3"),
            QStringLiteral("L 3 e : effectif déclaré, jamais moins d'une personne par 2 m² de la "
                           "salle entière ; minimum appliqué à %1.")
                .arg(minima(compter(u"L.multimedia", true), compter(u"L.multimedia", false))) };
    if (r.types.contains(u"T"))
        liste << Avertissement { QStringLiteral("T 1"),
            QStringLiteral("T 1 §1 : seuil total de 200 personnes, comme l'écrit l'article T 1 ; "
                           "une version consolidée du tableau de l'article PE 2 indique 100.") };
    if (r.types.contains(u"O"))
        liste << Avertissement { QStringLiteral("O 1"),
            QStringLiteral("O 1 §1 a : hôtels, seuil de 100 personnes ; les autres hébergements "
                           "collectifs (O 1 §1 b, plus de 15 personnes) ne sont pas traités ; les "
                           "salles réservées aux clients de l'hôtel ne s'ajoutent pas (O 2) ; "
                           "l'établissement est supposé avoir des locaux à sommeil.") };
    if (r.types.contains(u"R"))
        liste << Avertissement { QStringLiteral("R 1"),
            QStringLiteral("R 1 : les écoles maternelles, crèches, haltes-garderies et jardins "
                           "d'enfants ne sont pas traités (interdits en sous-sol, 1er groupe dès "
                           "un enfant en étage) : faites leur calcul à la main.") };
    if (r.types.size() > 1)
        liste << Avertissement { QStringLiteral("GN 2"),
            QStringLiteral("GN 2 §2 : plusieurs types, donc seuils de 50 en sous-sol, 100 en "
                           "étages et 200 au total, et 4e catégorie au moins si un type seul "
                           "atteint les siens ; toutes les zones sont additionnées comme occupées "
                           "en même temps (sauf déclaration écrite de non-simultanéité acceptée "
                           "par le maire) ; des locaux isolés selon CO 7 à CO 9 forment des "
                           "établissements distincts (GN 3).") };
    if (r.personnel > 0)
        liste << Avertissement { QStringLiteral("GN 1"),
            r.groupe == 2
                ? QStringLiteral("GN 1 §2 b : en 5e catégorie, le personnel ne compte pas pour le "
                                 "classement mais s'ajoute au public pour les dégagements "
                                 "(PE 11 §5).")
                : QStringLiteral("GN 1 §2 b : en 1er groupe, le personnel s'ajoute au public pour "
                                 "la catégorie et pour les dégagements.") };
    return liste;
}

} // namespace

qint64 numerateurZone(const Zone &zone)
{
    if (!zone.nature)
        return 0;
    const Densite d = densite(*zone.nature, zone.niveau);
    // Whole for every density of the table: D is a multiple of every `pour` over `personnes`.
    const qint64 numerateur = DenominateurZone * d.personnes / d.pour * zone.quantite;
    if (zone.nature->unite != Unite::PlacesSurface)
        return numerateur;
    return std::max(numerateur, DenominateurZone * zone.places);
}

bool minimumApplique(const Zone &zone)
{
    return zone.nature && zone.nature->unite == Unite::PlacesSurface
        && numerateurZone(zone) > DenominateurZone * zone.places;
}

Lu<ResultatEffectif> calculerEffectif(const EntreeEffectif &entree)
{
    for (qsizetype rang = 0; rang < entree.zones.size(); ++rang)
        if (!lisible(entree.zones.at(rang)))
            return refus(QStringLiteral("zone %1 : nature ou quantité hors de ce qu'une saisie "
                                        "peut donner.")
                             .arg(rang + 1));
    if (std::none_of(entree.zones.begin(), entree.zones.end(), publique))
        return refus(QStringLiteral("aucune zone de public : le personnel seul ne fait pas un "
                                    "établissement ; ajoutez une zone, par exemple "
                                    "RDC:M.vente=120."));
    const QString auPlus = QStringLiteral("2 147 483 647 personnes au plus");

    struct Cumul
    {
        qint64 numerateur = 0;
        qint64 personnel = 0;
        QMap<QString, qint64> parType;
    };
    QMap<int, Cumul> cumuls;
    ResultatEffectif r;
    for (const Zone &zone : entree.zones) {
        const qint64 numerateur = numerateurZone(zone);
        r.numerateurs << numerateur;
        Cumul &cumul = cumuls[zone.niveau];
        if (!publique(zone)) {
            cumul.personnel += zone.quantite;
            r.personnel += zone.quantite;
            if (r.personnel > Plafond)
                return refus(QStringLiteral("personnel trop nombreux : %1.").arg(auPlus));
            continue;
        }
        cumul.numerateur += numerateur;
        if (cumul.numerateur > NumerateurMaximal)
            return refus(QStringLiteral("public de %1 trop nombreux : %2.")
                             .arg(nomNiveau(zone.niveau), auPlus));
        cumul.parType[zone.nature->type] += numerateur;
    }

    for (auto niveau = cumuls.cend(); niveau != cumuls.cbegin();) {
        --niveau;
        const qint64 public_ = arrondi(niveau->numerateur);
        r.niveaux << NiveauEffectif { niveau.key(), niveau->numerateur, public_,
            niveau->personnel };
        ajouter(r.public_, niveau.key(), public_);
        for (auto type = niveau->parType.cbegin(); type != niveau->parType.cend(); ++type)
            ajouter(r.publicParType[type.key()], niveau.key(), arrondi(type.value()));
    }
    r.types = r.publicParType.keys();
    r.effectif = r.public_.total + r.personnel;
    if (r.effectif > Plafond)
        return refus(QStringLiteral("effectif de %1 personnes, public et personnel : %2.")
                         .arg(r.effectif)
                         .arg(auPlus));

    // One L.cabaret zone makes the whole L public a spectacle's (B1); a hotel always has
    // sleeping rooms (B4).
    const bool spectacle = entree.spectacle
        || std::any_of(entree.zones.begin(), entree.zones.end(),
            [](const Zone &zone) { return zone.nature->code == u"L.cabaret"; });
    const bool sommeil = entree.sommeil || r.types.contains(u"O");
    if (r.types.size() == 1) {
        r.seuils = seuilsDuType(r.types.front(), spectacle, entree.sommeil);
    } else {
        r.seuils = rangee(u'*', false);
        for (const QString &type : std::as_const(r.types))
            if (unAtteint(atteints(
                    seuilsDuType(type, spectacle, entree.sommeil), r.publicParType.value(type))))
                r.typesSeuls << type;
    }
    // The public alone places the establishment; the staff only raise a 1st-group category.
    r.atteints = atteints(r.seuils, r.public_);
    const qint64 n = r.effectif;
    if (unAtteint(r.atteints) || !r.typesSeuls.isEmpty()) {
        r.groupe = 1;
        r.categorie = n >= Premiere ? 1 : n >= Deuxieme ? 2 : n >= Troisieme ? 3 : 4;
        r.regle = QStringLiteral("CO 38");
        r.exigence = exigence(n);
    } else {
        r.cinquieme = calculerCinquieme({ r.public_.total, r.personnel, false, sommeil });
        if (r.public_.total <= PublicExclu && !sommeil) {
            r.regle = QStringLiteral("PE 2 §3");
        } else if (n <= EffectifPe11) {
            r.regle = QStringLiteral("PE 11");
        } else {
            r.regle = QStringLiteral("CO 38 §1 d");
            r.exigence = exigence(n);
        }
    }
    r.avertissements = avertir(entree, r);
    return { r, {} };
}
