// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// --calcul N: the main window's result lines.
#include "CalculDegagements.h"
#include "Commande.h"

namespace LigneDeCommande {

namespace {

// The count is read as the main window's box reads it (LireEffectif): the same text gives the
// same lines here and there, "0" and an empty text refused alike.
Reponse repondre(const Options &options)
{
    if (options.autres.isEmpty())
        return Refus { QStringLiteral("--calcul"),
            QStringLiteral("un nombre de personnes attendu après --calcul, par exemple "
                           "--calcul 120.") };
    if (options.autres.size() > 1)
        return Refus { options.autres.at(1),
            QStringLiteral("un seul nombre de personnes attendu après --calcul.") };
    const QString &texte = options.autres.first();
    const std::optional<qint32> effectif = LireEffectif(texte);
    if (!effectif)
        return Refus { texte,
            QStringLiteral("nombre de personnes attendu : des chiffres seulement, de 1 à "
                           "2 147 483 647, par exemple 120.") };
    QString texteSortie;
    for (const QString &ligne : CalculDegagements(*effectif))
        if (!ligne.isEmpty())
            texteSortie += ligne + u'\n';
    return texteSortie;
}

} // namespace

Commande commandeCalcul()
{
    return { QStringLiteral("--calcul"), {}, &repondre, QStringLiteral("--calcul N"),
        QStringLiteral("  --calcul N     le résultat de la fenêtre principale pour N personnes "
                       "(CO 38 §1).\n"),
        QStringLiteral("--calcul 120") };
}

} // namespace LigneDeCommande
