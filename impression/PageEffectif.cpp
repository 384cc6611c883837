// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "PageEffectif.h"

#include "Document.h"
#include "MotsEffectif.h"
#include "Niveaux.h"

namespace {

QString ouiNon(bool oui)
{
    return oui ? QStringLiteral("oui") : QStringLiteral("non");
}

} // namespace

void imprimerEffectif(Imprimante &page, const EtudeEffectif &etude, const QDate &date)
{
    const EffectifLu lu = lireEffectif(etude);
    Document document;
    document.titre(QStringLiteral("Effectif et catégorie"));

    document.intertitre(QStringLiteral("Zones saisies"));
    QList<QStringList> zones;
    for (int rang = 0; rang < etude.zones.size(); ++rang) {
        const SaisieZone &saisie = etude.zones[rang];
        const EffectifLu::Ligne &ligne = lu.lignes[rang];
        const QString erreur
            = ligne.erreurQuantite.isEmpty() ? ligne.erreurPlaces : ligne.erreurQuantite;
        zones << QStringList { nomNiveau(saisie.niveau), saisie.nature, saisie.quantite,
            saisie.places, ligne.zone ? calculZone(*ligne.zone) : erreur };
    }
    document.tableau({ { QStringLiteral("Niveau"), 800 }, { QStringLiteral("Nature"), 1700 },
                         { QStringLiteral("Quantité"), 1300 }, { QStringLiteral("Places"), 900 },
                         { QStringLiteral("Public de la zone"), 4900 } },
        zones);
    document.texte(QStringLiteral("Salle de spectacle (L 1 §1 c, d) : ") + ouiNon(etude.spectacle));
    document.texte(QStringLiteral("Locaux à sommeil (GN 1 §4) : ") + ouiNon(etude.sommeil));

    if (!lu.resultat) {
        document.intertitre(QStringLiteral("Résultat"));
        document.texte(lu.resultat.erreur);
        document.imprimer(page, date);
        return;
    }
    const MotsEffectif mots = motsEffectif(lu.entree, *lu.resultat.valeur);
    document.intertitre(QStringLiteral("Niveaux"));
    document.tableau(mots.niveaux, { 1200, 2000, 1600, 1600, 1600 });
    document.intertitre(QStringLiteral("Classement"));
    document.tableau(mots.classes, { 2000, 1600, 1600, 1600 });
    for (const QString &ligne : mots.bilan())
        document.texte(ligne);
    if (!mots.avertissements.isEmpty()) {
        document.intertitre(QStringLiteral("Avertissements"));
        for (const QString &avertissement : mots.avertissements)
            document.texte(avertissement);
    }
    document.intertitre(QStringLiteral("Textes suivis"));
    for (const QString &texte : mots.textes)
        document.texte(texte);
    document.imprimer(page, date);
}
