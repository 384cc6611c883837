// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// --effectif ZONE…: the effectif and category from a building's zones, as the "Effectif et
// catégorie" window counts them.
#include "Commande.h"
#include "LectureEffectif.h"
#include "MotsEffectif.h"
#include "Niveaux.h"

#include <algorithm>

namespace LigneDeCommande {

namespace {

// "250", "2,40", "1,40p+0,90p": what --largeurs takes, typed after --effectif.
bool ressembleASortie(const QString &argument)
{
    return !argument.isEmpty() && std::all_of(argument.begin(), argument.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u',' || c == u'.' || c == u'p' || c == u'+';
    });
}

QString texte(const QList<Zone> &zones, const MotsEffectif &mots)
{
    QString texte = QStringLiteral("Zones :\n");
    for (const Zone &zone : zones)
        texte += QStringLiteral("  %1 %2 : %3\n")
                     .arg(nomNiveau(zone.niveau), zone.nature->code, calculZone(zone));
    texte += u'\n' + aligner(mots.niveaux) + u'\n' + aligner(mots.classes) + u'\n';
    for (const QString &ligne : mots.bilan() + mots.avertissements)
        texte += ligne + u'\n';
    texte += QStringLiteral("Textes suivis :\n");
    for (const QString &ligne : mots.textes)
        texte += QStringLiteral("  %1\n").arg(ligne);
    return texte;
}

Reponse repondre(const Options &options)
{
    const QString commande = QStringLiteral("--effectif");
    EntreeEffectif entree;
    // Every argument's form first, the first bad one named; only then the sums and the cap.
    for (const QString &argument : options.autres) {
        if (!argument.contains(u':') && ressembleASortie(argument))
            return Refus { argument,
                QStringLiteral("une zone est attendue, NIVEAU:NATURE=QUANTITÉ, par exemple "
                               "RDC:M.vente=300 ; pour vérifier des dégagements existants, la "
                               "commande est --largeurs --effectif N SORTIE…, par exemple "
                               "--largeurs --effectif 250 2,40.") };
        const Lu<Zone> zone = lireZone(argument);
        if (!zone)
            return Refus { argument, zone.erreur };
        entree.zones << *zone.valeur;
    }
    entree.spectacle = options.contient(QStringLiteral("--spectacle"));
    entree.sommeil = options.contient(QStringLiteral("--sommeil"));
    const Lu<ResultatEffectif> resultat = calculerEffectif(entree);
    if (!resultat)
        return Refus { commande, resultat.erreur };
    return options.contient(QStringLiteral("--json"))
        ? jsonEffectif(*resultat.valeur) + u'\n'
        : texte(entree.zones, motsEffectif(entree, *resultat.valeur));
}

} // namespace

Commande commandeEffectif()
{
    return { QStringLiteral("--effectif"),
        { { QStringLiteral("--json"), QStringLiteral("--spectacle"), QStringLiteral("--sommeil") },
            {}, true },
        &repondre, QStringLiteral("--effectif [--json] [--spectacle] [--sommeil] ZONE…"),
        QStringLiteral(
            "  --effectif     l'effectif et la catégorie d'un établissement à partir de ses "
            "zones\n"
            "                 (GN 1, GN 2, PE 2, articles 1 et 2 des types), puis la règle des\n"
            "                 dégagements (CO 38, PE 11, CO 38 §1 d ou PE 2 §3). ZONE :\n"
            "                 NIVEAU:NATURE=QUANTITÉ, par exemple RDC:M.vente=300 (m²),\n"
            "                 R+1:L.banc=4,60 (m), RDC:L.places=120, SS1:N.places=120@85,5\n"
            "                 (places déclarées@m²), RDC:personnel=20 (personnel sans\n"
            "                 dégagements propres). Natures : M.vente, M.mail, M.boutique,\n"
            "                 M.faible, N.assis, N.places, N.debout, N.attente, L.places, L.banc,\n"
            "                 L.debout, L.promenoir, L.cabaret, L.polyvalente, L.reunion,\n"
            "                 L.multimedia, P.danse, T.exposition, T.permanente, Y.musee,\n"
            "                 V.places, V.banc, V.debout, W.public, W.non-amenage, et pour un\n"
            "                 effectif déclaré X.declare, R.declare, S.declare, O.declare,\n"
            "                 L.declare, M.declare, N.declare, P.declare, T.declare, Y.declare,\n"
            "                 V.declare, W.declare. --spectacle : projection, spectacle ou\n"
            "                 cabaret (L 1 §1 c, d) ; --sommeil : locaux à sommeil (GN 1 §4).\n"),
        QStringLiteral("--effectif RDC:M.vente=300 R+1:M.vente=200 RDC:personnel=20") };
}

} // namespace LigneDeCommande
