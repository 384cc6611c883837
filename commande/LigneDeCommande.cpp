// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "LigneDeCommande.h"

#include "Commande.h"

#include <algorithm>

namespace LigneDeCommande {

namespace {

Reponse repondre(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Refus { std::nullopt,
            QStringLiteral("commande attendue : %1.").arg(nomsDesCommandes()) };
    const QString &premier = arguments.first();
    if (!premier.startsWith(u'-') || premier.isEmpty()) {
        if (arguments.size() > 1)
            return Refus { arguments.at(1),
                QStringLiteral("une seule étude à ouvrir à la fois, ou une commande : %1.")
                    .arg(nomsDesCommandes()) };
        return Refus { premier, QStringLiteral("commande attendue : %1.").arg(nomsDesCommandes()) };
    }
    const QList<Commande> &table = commandes();
    const auto commande = std::find_if(table.cbegin(), table.cend(),
        [&](const Commande &candidate) { return candidate.nom == premier; });
    if (commande != table.cend()) {
        const std::variant<Options, Refus> options
            = separer(commande->nom, arguments.sliced(1), commande->grammaire);
        if (const auto *refus = std::get_if<Refus>(&options))
            return *refus;
        return commande->repondre(std::get<Options>(options));
    }
    const bool optionDUneCommande
        = std::any_of(table.cbegin(), table.cend(), [&](const Commande &c) {
              return c.grammaire.drapeaux.contains(premier)
                  || c.grammaire.avecValeur.contains(premier);
          });
    if (optionDUneCommande)
        return Refus { premier,
            QStringLiteral("la commande vient d'abord, puis ses options : %1.")
                .arg(nomsDesCommandes()) };
    return Refus { premier,
        QStringLiteral("option inconnue ; commandes : %1.").arg(nomsDesCommandes()) };
}

} // namespace

bool estCommande(int argc, char **argv)
{
    if (argc > 2)
        return true;
    return argc == 2 && (argv[1][0] == '-' || argv[1][0] == '\0');
}

int executer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const Reponse reponse = repondre(arguments);
    if (const auto *refus = std::get_if<Refus>(&reponse)) {
        erreurs << refus->ligne();
        erreurs.flush();
        return ArgumentsIllisibles;
    }
    sortie << std::get<QString>(reponse);
    sortie.flush();
    return Reussite;
}

} // namespace LigneDeCommande
