// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// --niveaux NIVEAU=EFFECTIF[@PROFONDEUR]…: a whole building, as the "Niveaux et escaliers" window.
#include "Commande.h"
#include "Lecture.h"
#include "MotsNiveaux.h"

namespace LigneDeCommande {

namespace {

// "R+1=200", "RDC=0", "SS1=150@3,50".
std::variant<Niveau, Refus> lireNiveau(const QString &argument)
{
    const qsizetype egal = argument.indexOf(u'=');
    if (egal < 0)
        return Refus { argument,
            QStringLiteral("niveau et effectif attendus sous la forme NIVEAU=EFFECTIF, par "
                           "exemple R+1=200, ou SS1=150@3,50 pour un sous-sol.") };
    const QStringView saisi(argument);
    const std::optional<int> indice = lireNomNiveau(saisi.first(egal));
    if (!indice)
        return Refus { argument, QStringLiteral("niveau attendu RDC, R+1 à R+99 ou SS1 à SS9.") };
    const QString nom = nomNiveau(*indice);
    const QStringView reste = saisi.sliced(egal + 1);
    const qsizetype arobase = reste.indexOf(u'@');
    const Lu<qint32> effectif = lireEffectifCellule(arobase < 0 ? reste : reste.first(arobase));
    if (!effectif)
        return Refus { argument,
            QStringLiteral("effectif de %1 : %2").arg(nom, minuscule(effectif.erreur)) };
    Niveau niveau { *indice, *effectif.valeur, std::nullopt };
    if (*indice >= 0) {
        if (arobase >= 0)
            return Refus { argument,
                QStringLiteral("pas de profondeur pour %1 : seuls les sous-sols (SS1 à SS9) en "
                               "ont une.")
                    .arg(nom) };
        return niveau;
    }
    if (arobase < 0)
        return Refus { argument,
            QStringLiteral("profondeur de %1 attendue, en mètres sous le niveau moyen des seuils "
                           "des issues sur l'extérieur, par exemple %1=150@3,50.")
                .arg(nom) };
    const Lu<qint32> profondeur = lireMillimetres(reste.sliced(arobase + 1));
    if (!profondeur)
        return Refus { argument,
            QStringLiteral("profondeur de %1 : %2").arg(nom, minuscule(profondeur.erreur)) };
    niveau.profondeurMm = *profondeur.valeur;
    return niveau;
}

QString texte(const ResultatNiveaux &resultat)
{
    QString texte = aligner(tableauNiveaux(resultat));
    if (!resultat.escaliers.isEmpty())
        texte += u'\n' + aligner(tableauEscaliers(resultat));
    if (!resultat.avertissements.isEmpty())
        texte += u'\n';
    for (const QString &ligne : lignesAvertissements(resultat.avertissements))
        texte += ligne + u'\n';
    return texte;
}

Reponse repondre(const Options &options)
{
    if (options.autres.isEmpty())
        return Refus { QStringLiteral("--niveaux"),
            QStringLiteral("au moins un niveau attendu, par exemple --niveaux RDC=300 R+1=200.") };
    QList<Niveau> lus;
    QSet<int> indices;
    for (const QString &argument : options.autres) {
        const std::variant<Niveau, Refus> lu = lireNiveau(argument);
        if (const auto *refus = std::get_if<Refus>(&lu))
            return *refus;
        const auto &niveau = std::get<Niveau>(lu);
        if (indices.contains(niveau.indice))
            return Refus { argument,
                QStringLiteral("le niveau %1 est déjà donné : un niveau une seule fois.")
                    .arg(nomNiveau(niveau.indice)) };
        indices.insert(niveau.indice);
        lus << niveau;
    }
    const ResultatNiveaux resultat = calculerNiveaux(lus);
    return options.contient(QStringLiteral("--json")) ? jsonNiveaux(resultat) + u'\n'
                                                      : texte(resultat);
}

} // namespace

Commande commandeNiveaux()
{
    return { QStringLiteral("--niveaux"), { { QStringLiteral("--json") }, {} }, &repondre,
        QStringLiteral("--niveaux [--json] NIVEAU=EFFECTIF[@PROFONDEUR]…"),
        QStringLiteral(
            "  --niveaux      un bâtiment niveau par niveau, les dégagements de chaque niveau et "
            "les\n"
            "                 escaliers qui cumulent les niveaux desservis (CO 38 §2, CO 39, CO "
            "40).\n"
            "                 NIVEAU : RDC, R+1 à R+99 ou SS1 à SS9, chacun une fois ; EFFECTIF "
            "en\n"
            "                 personnes ; PROFONDEUR, obligatoire pour un sous-sol et pour lui "
            "seul :\n"
            "                 en mètres sous le niveau moyen des seuils des issues sur "
            "l'extérieur,\n"
            "                 virgule ou point, trois décimales au plus. Un niveau absent entre "
            "le\n"
            "                 plus haut et le plus bas compte pour 0 personne.\n"),
        QStringLiteral("--niveaux SS1=150@3,50 RDC=300 R+1=200 R+2=100") };
}

} // namespace LigneDeCommande
