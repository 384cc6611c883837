// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// --aide (or --help) and --version; the help is made of each command's part.
#include "Commande.h"
#include "Produit.h"

namespace LigneDeCommande {

namespace {

const QString Programme = QStringLiteral("salvanor-degagements");

QString aide()
{
    QString usages = QStringLiteral("Utilisation :\n"
                                    "  %1                  ouvre la fenêtre principale\n"
                                    "  %1 ÉTUDE.salvanor   ouvre une étude dans sa fenêtre\n")
                         .arg(Programme);
    QString descriptions = QStringLiteral("Commandes :\n");
    QString exemples = QStringLiteral("Exemples :\n");
    for (const Commande &commande : commandes()) {
        if (!commande.usage.isEmpty())
            usages += QStringLiteral("  %1 %2\n").arg(Programme, commande.usage);
        descriptions += commande.description;
        if (!commande.exemple.isEmpty())
            exemples += QStringLiteral("  %1 %2\n").arg(Programme, commande.exemple);
    }
    descriptions
        += QStringLiteral("  --json         la réponse en JSON, pour un autre programme.\n");
    return usages + u'\n' + descriptions + u'\n' + exemples + u'\n'
        + QStringLiteral(
            "Code de sortie : 0 quand la réponse est donnée ; 2 quand un argument ne "
            "peut être lu ;\n"
            "1 quand la réponse n'a pas pu être écrite en entier (disque plein, sortie\n"
            "fermée). Dans ces deux cas, une ligne d'explication sur la sortie d'erreur.\n");
}

Reponse seul(const Options &options, const QString &commande, const QString &texte)
{
    if (const std::optional<Refus> refus = sansAutreArgument(options, commande))
        return *refus;
    return texte;
}

} // namespace

Commande commandeAide()
{
    return { QStringLiteral("--aide"), {},
        [](const Options &o) { return seul(o, QStringLiteral("--aide"), aide()); },
        QStringLiteral("--aide | --help | --version"), {}, {} };
}

Commande commandeHelp()
{
    return { QStringLiteral("--help"), {},
        [](const Options &o) { return seul(o, QStringLiteral("--help"), aide()); }, {}, {}, {},
        true };
}

Commande commandeVersion()
{
    return { QStringLiteral("--version"), {},
        [](const Options &o) {
            return seul(
                o, QStringLiteral("--version"), Produit::Titre + u' ' + Produit::Version + u'\n');
        },
        {}, {}, {} };
}

} // namespace LigneDeCommande
