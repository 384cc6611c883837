// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "LigneDeCommande.h"

#include "Commande.h"
#include "Fichier.h"

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace LigneDeCommande {

namespace {

// Set by garderSortiesStandard().
bool sortieFermee = false;

Reponse reponse(const QStringList &arguments)
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

Issue repondre(const QStringList &arguments)
{
    const Reponse lue = reponse(arguments);
    if (const auto *refus = std::get_if<Refus>(&lue))
        return { ArgumentsIllisibles, {}, refus->ligne() };
    return { Reussite, std::get<QString>(lue), {} };
}

void garderSortiesStandard()
{
#ifdef Q_OS_UNIX
    for (const int descripteur : { 1, 2 }) {
        if (::fcntl(descripteur, F_GETFD) != -1)
            continue;
        sortieFermee = sortieFermee || descripteur == 1;
        const int nul = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nul >= 0 && nul != descripteur) {
            ::dup2(nul, descripteur);
            ::close(nul);
        }
    }
#endif
}

int executer(const QStringList &arguments, int sortie, int erreurs)
{
    Issue issue = repondre(arguments);
    if (issue.code == Reussite) {
        const QString raison = sortieFermee && sortie == 1
            ? QStringLiteral("elle est fermée")
            : Fichier::ecrireSur(sortie, issue.sortie.toUtf8());
        if (!raison.isEmpty())
            issue = { ReponseNonEcrite, {},
                QStringLiteral("salvanor-degagements : la réponse n'a pas pu être écrite en entier "
                               "sur la sortie standard : %1.\n")
                    .arg(raison) };
    }
    // Where even this line cannot go, the exit code still tells.
    if (!issue.erreurs.isEmpty())
        Fichier::ecrireSur(erreurs, issue.erreurs.toUtf8());
    return issue.code;
}

} // namespace LigneDeCommande
