// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// --cinquieme --public P --personnel S: the 5th category, as the "5e catégorie (PE 11)" window.
#include "Commande.h"
#include "MotsCinquieme.h"

namespace LigneDeCommande {

namespace {

// The window's captions, then its words; solutions aligned under the first.
QString texte(const MotsCinquieme &mots)
{
    const QString solutions = QStringLiteral("Dégagements : ");
    QString texte
        = QStringLiteral("Règle : %1\nEffectif (PE 11 §5) : %2\n").arg(mots.regle, mots.effectif)
        + solutions + mots.solutions.join(QStringLiteral(",\n") + QString(solutions.size(), u' '))
        + u'\n';
    for (const QString &note : mots.notes)
        texte += QStringLiteral("Note : %1\n").arg(note);
    return texte;
}

Reponse repondre(const Options &options)
{
    const QString commande = QStringLiteral("--cinquieme");
    if (const std::optional<Refus> refus = sansAutreArgument(options, commande))
        return *refus;
    const std::variant<qint32, Refus> public_
        = effectifOption(options, commande, QStringLiteral("--public"));
    if (const auto *refus = std::get_if<Refus>(&public_))
        return *refus;
    const std::variant<qint32, Refus> personnel
        = effectifOption(options, commande, QStringLiteral("--personnel"));
    if (const auto *refus = std::get_if<Refus>(&personnel))
        return *refus;
    const EntreeCinquieme entree { std::get<qint32>(public_), std::get<qint32>(personnel),
        options.contient(QStringLiteral("--existant")),
        options.contient(QStringLiteral("--sommeil")) };
    const ResultatCinquieme resultat = calculerCinquieme(entree);
    return options.contient(QStringLiteral("--json")) ? jsonCinquieme(resultat) + u'\n'
                                                      : texte(motsCinquieme(entree, resultat));
}

} // namespace

Commande commandeCinquieme()
{
    return { QStringLiteral("--cinquieme"),
        { { QStringLiteral("--json"), QStringLiteral("--existant"), QStringLiteral("--sommeil") },
            { QStringLiteral("--public"), QStringLiteral("--personnel") } },
        &repondre,
        QStringLiteral("--cinquieme [--json] --public P --personnel S [--existant] [--sommeil]"),
        QStringLiteral(
            "  --cinquieme    la 5e catégorie (PE 2 §3, PE 11) : --public, --personnel (sans\n"
            "                 dégagements propres), --existant (0,90 m peut être 0,80 m), "
            "--sommeil\n"
            "                 (locaux à sommeil).\n"),
        QStringLiteral("--cinquieme --json --public 120 --personnel 30") };
}

} // namespace LigneDeCommande
