// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "PageLargeurs.h"

#include "Document.h"
#include "MotsLargeurs.h"
#include "Tableau.h"

#include <algorithm>

namespace {

QList<QStringList> articlesAppliques(const LargeursLues &lues)
{
    QList<QStringList> articles {
        { QStringLiteral("CO 36 §2"),
            QStringLiteral("Unité de passage de 0,60 m, portée à 0,90 m pour 1 UP et à 1,40 m "
                           "pour 2 UP ; une largeur entre deux comptes pour la plus petite.") },
        { QStringLiteral("CO 44 §1"),
            QStringLiteral("Une porte peut avoir 5 % de moins que la largeur de ses UP ; pas les "
                           "couloirs ni les escaliers.") },
        { QStringLiteral("CO 38 §1"),
            QStringLiteral("Nombre et largeur des dégagements selon l'effectif.") },
    };
    if (!lues.verification)
        return articles;
    const Verification &v = *lues.verification;
    if (std::any_of(v.elements.cbegin(), v.elements.cend(),
            [](const Element &e) { return e.sorties.size() > 1; }))
        articles << QStringList { QStringLiteral("CO 43 §3"),
            QStringLiteral("Des portes à moins de 5 m l'une de l'autre, dans un local de plus de "
                           "10 m, sont un seul dégagement qui cumule leurs UP.") };
    if (std::any_of(v.elements.cbegin(), v.elements.cend(),
            [](const Element &e) { return e.accessoirePossible; }))
        articles << QStringList { QStringLiteral("CO 41"),
            QStringLiteral("Un dégagement accessoire (0,60 m au moins) ne compte ni dans le nombre "
                           "des dégagements ni dans les UP ; il complète ceux de 20 à 100 "
                           "personnes.") };
    if (lues.effectif.value_or(0) > SeuilDeuxUp)
        articles << QStringList { QStringLiteral("CO 36 §3"),
            QStringLiteral("Au-delà de 200 personnes, un dégagement normal a 2 UP au moins ; ceux "
                           "de 1 UP ne sont admis, au cas par cas, que comptés une seule fois.") };
    return articles;
}

} // namespace

void imprimerLargeurs(Imprimante &page, const EtudeLargeurs &etude, const QDate &date)
{
    const LargeursLues lues = lireLargeurs(etude);
    Document document;
    document.titre(QStringLiteral("Vérification des dégagements"));

    document.intertitre(QStringLiteral("Données saisies"));
    document.texte(
        QStringLiteral("Effectif : ") + (etude.effectif.isEmpty() ? Inconnu : etude.effectif));
    document.texte(QStringLiteral("Étage desservi par un escalier unique, plancher bas à 8 m au "
                                  "plus : ")
        + (etude.escalierUnique ? QStringLiteral("oui") : QStringLiteral("non")));
    QList<QStringList> sorties;
    for (int rang = 0; rang < etude.sorties.size(); ++rang) {
        const SaisieSortie &saisie = etude.sorties[rang];
        sorties << QStringList { QString::number(rang + 1), saisie.largeur,
            saisie.porte ? QStringLiteral("oui") : QStringLiteral("non"), saisie.groupe }
                + creditSortie(lues, rang);
    }
    document.tableau({ { QStringLiteral("Sortie"), 800 }, { QStringLiteral("Largeur (m)"), 1300 },
                         { QStringLiteral("Porte"), 700 }, { QStringLiteral("Groupe"), 900 },
                         { QStringLiteral("UP"), 600 }, { QStringLiteral("Décompte"), 5300 } },
        sorties);

    document.intertitre(QStringLiteral("Résultat"));
    for (const QString &ligne : bilanLargeurs(lues))
        document.texte(ligne);

    document.intertitre(QStringLiteral("Articles appliqués"));
    constexpr int LargeurArticle = 1800;
    document.tableau(
        { { QString(), LargeurArticle }, { QString(), Document::Largeur - LargeurArticle } },
        articlesAppliques(lues));

    document.imprimer(page, date);
}
