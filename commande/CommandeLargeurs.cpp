// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// --largeurs --effectif N SORTIE…: existing exits checked, as the "Vérifier des dégagements"
// window checks them.
#include "Commande.h"
#include "Lecture.h"
#include "MotsLargeurs.h"

namespace LigneDeCommande {

namespace {

// "2,40", "1,40p", or a CO 43 §3 group "1,40p+0,90p" (numbered `groupe`), as the window's rows.
std::optional<Refus> lireSortie(const QString &argument, int groupe, EtudeLargeurs &etude)
{
    const QStringList parties = argument.split(u'+');
    for (const QString &partie : parties) {
        const bool porte = partie.endsWith(u'p');
        const QStringView largeur = QStringView(partie).chopped(porte ? 1 : 0);
        if (largeur.isEmpty())
            return Refus { argument,
                QStringLiteral("largeur en mètres attendue, suivie de p pour une porte ; les "
                               "portes d'un même groupe (CO 43 §3) se joignent par + : "
                               "1,40p+0,90p.") };
        const Lu<qint32> lu = lireMillimetres(largeur);
        if (!lu) {
            const QString quoi = parties.size() > 1
                ? QStringLiteral("largeur %1 : ").arg(citer(largeur))
                : QString();
            return Refus { argument,
                quoi + minuscule(lu.erreur)
                    + QStringLiteral(" Une porte s'écrit avec p : 1,40p.") };
        }
        etude.sorties << SaisieSortie { largeur.toString(), porte,
            parties.size() > 1 ? QString::number(groupe) : QString() };
    }
    return std::nullopt;
}

// The exits as the window's table numbers them, then the window's result lines.
QString texte(const EtudeLargeurs &etude, const LargeursLues &lues)
{
    QString texte = QStringLiteral("Effectif : %1\n").arg(personnes(*lues.effectif));
    for (int rang = 0; rang < etude.sorties.size(); ++rang)
        texte += QStringLiteral("Sortie %1 : %2\n")
                     .arg(rang + 1)
                     .arg(creditSortie(lues, rang).value(1));
    for (const QString &ligne : bilanLargeurs(lues))
        texte += ligne + u'\n';
    return texte;
}

Reponse repondre(const Options &options)
{
    const QString commande = QStringLiteral("--largeurs");
    const std::variant<qint32, Refus> effectif
        = effectifOption(options, commande, QStringLiteral("--effectif"));
    if (const auto *refus = std::get_if<Refus>(&effectif))
        return *refus;
    if (options.autres.isEmpty())
        return Refus { commande,
            QStringLiteral("au moins une sortie attendue : sa largeur en mètres, suivie de p "
                           "pour une porte, par exemple --largeurs --effectif 250 2,40 1,40p.") };
    EtudeLargeurs etude { options.valeurs.value(QStringLiteral("--effectif")), {},
        options.contient(QStringLiteral("--escalier-unique")) };
    // Each argument its own group number: "+" joins exits within one argument only.
    for (qsizetype numero = 0; numero < options.autres.size(); ++numero)
        if (const std::optional<Refus> refus
            = lireSortie(options.autres.at(numero), int(numero) + 1, etude))
            return *refus;
    const LargeursLues lues = lireLargeurs(etude);
    return options.contient(QStringLiteral("--json")) ? jsonLargeurs(lues) + u'\n'
                                                      : texte(etude, lues);
}

} // namespace

Commande commandeLargeurs()
{
    return { QStringLiteral("--largeurs"),
        { { QStringLiteral("--json"), QStringLiteral("--escalier-unique") },
            { QStringLiteral("--effectif") } },
        &repondre, QStringLiteral("--largeurs [--json] --effectif N [--escalier-unique] SORTIE…"),
        QStringLiteral(
            "  --largeurs     des dégagements existants vérifiés pour un effectif (CO 36, CO 43 "
            "§3,\n"
            "                 CO 44). SORTIE : une largeur en mètres, suivie de p pour une porte "
            ";\n"
            "                 des portes à moins de 5 m l'une de l'autre, jointes par +, "
            "comptent\n"
            "                 pour un seul dégagement (1,40p+0,90p). --escalier-unique : étage\n"
            "                 desservi par un escalier unique, plancher bas à 8 m au plus.\n"),
        QStringLiteral("--largeurs --effectif 250 2,40 0,90") };
}

} // namespace LigneDeCommande
