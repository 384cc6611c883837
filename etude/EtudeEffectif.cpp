// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "EtudeEffectif.h"

#include "Format.h"
#include "LectureEffectif.h"
#include "Niveaux.h"

namespace {

constexpr int ZonesMaximales = 5000;

QString tropDeZones()
{
    return QStringLiteral("le nombre de zones dépasse %1").arg(ZonesMaximales);
}

} // namespace

EffectifLu lireEffectif(const EtudeEffectif &etude)
{
    EffectifLu lu;
    for (const SaisieZone &saisie : etude.zones) {
        EffectifLu::Ligne ligne;
        const Nature *lue = nature(saisie.nature);
        if (lue && lue->unite == Unite::PlacesSurface) {
            // Seats and area in two cells: once one is typed, both are expected.
            if (!saisie.quantite.isEmpty() || !saisie.places.isEmpty()) {
                const Lu<qint64> surface = lireSurface(saisie.quantite);
                const Lu<qint64> places = saisie.places.isEmpty() ? Lu<qint64> { std::nullopt,
                    QStringLiteral("Indiquez le nombre de places assises déclarées, par "
                                   "exemple 120.") }
                                                                  : lireNombreZone(saisie.places);
                ligne.erreurQuantite = surface.erreur;
                ligne.erreurPlaces = places.erreur;
                if (surface && places)
                    ligne.zone = Zone { saisie.niveau, lue, *surface.valeur, *places.valeur };
            }
        } else if (lue && !saisie.quantite.isEmpty()) {
            const Lu<Quantite> quantite = lireQuantite(*lue, saisie.quantite);
            ligne.erreurQuantite = quantite.erreur;
            if (quantite)
                ligne.zone = Zone { saisie.niveau, lue, quantite.valeur->quantite, 0 };
        }
        if (ligne.zone)
            lu.entree.zones << *ligne.zone;
        lu.lignes << ligne;
    }
    lu.entree.spectacle = etude.spectacle;
    lu.entree.sommeil = etude.sommeil;
    lu.resultat = calculerEffectif(lu.entree);
    return lu;
}

QJsonObject versJson(const EtudeEffectif &etude)
{
    QJsonArray zones;
    for (const SaisieZone &zone : etude.zones)
        zones.append(QJsonObject { { QStringLiteral("niveau"), nomNiveau(zone.niveau) },
            { QStringLiteral("nature"), zone.nature },
            { QStringLiteral("quantite"), zone.quantite },
            { QStringLiteral("places"), zone.places } });
    return { { QStringLiteral("zones"), zones }, { QStringLiteral("spectacle"), etude.spectacle },
        { QStringLiteral("sommeil"), etude.sommeil } };
}

void lireJson(LecteurJson &lecteur, const QJsonObject &racine, EtudeEffectif &etude)
{
    etude.spectacle = lecteur.booleen(racine, QStringLiteral("spectacle"));
    etude.sommeil = lecteur.booleen(racine, QStringLiteral("sommeil"));
    const QJsonArray zones = lecteur.liste(racine, QStringLiteral("zones"));
    if (zones.size() > ZonesMaximales) {
        lecteur.faute = tropDeZones();
        return;
    }
    for (qsizetype rang = 0; rang < zones.size() && lecteur.faute.isEmpty(); ++rang) {
        const QString ou = QStringLiteral(" de la zone n° %1").arg(rang + 1);
        const QJsonObject objet
            = lecteur.objet(zones[rang], QStringLiteral("la zone n° %1").arg(rang + 1));
        const QString nom = lecteur.texte(objet, QStringLiteral("niveau"), ou);
        const QString code = lecteur.texte(objet, QStringLiteral("nature"), ou);
        if (!lecteur.faute.isEmpty())
            return;
        const std::optional<int> niveau = lireNomNiveau(nom);
        if (!niveau) {
            lecteur.faute
                = QStringLiteral("« %1 » n'est pas un niveau (RDC, R+1 à R+99, SS1 à SS9)")
                      .arg(nom.left(FichierEtude::LongueurCellule));
            return;
        }
        if (!nature(code)) {
            lecteur.faute = QStringLiteral("la nature « %1 »%2 est inconnue")
                                .arg(code.left(FichierEtude::LongueurCellule), ou);
            return;
        }
        etude.zones << SaisieZone { *niveau, code,
            lecteur.texte(objet, QStringLiteral("quantite"), ou),
            lecteur.texte(objet, QStringLiteral("places"), ou) };
    }
}

QString defaut(const EtudeEffectif &etude)
{
    if (etude.zones.size() > ZonesMaximales)
        return tropDeZones();
    QList<const QString *> cellules;
    for (const SaisieZone &zone : etude.zones) {
        if (zone.niveau < -9 || zone.niveau > 99)
            return QStringLiteral("un niveau n'est ni RDC, ni R+1 à R+99, ni SS1 à SS9");
        if (!nature(zone.nature))
            return QStringLiteral("la nature « %1 » est inconnue")
                .arg(zone.nature.left(FichierEtude::LongueurCellule));
        cellules << &zone.quantite << &zone.places;
    }
    return celluleTropLongue(cellules);
}
