// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "PageLargeurs.h"

#include "Document.h"

#include <algorithm>

namespace {

const QString Tiret = QStringLiteral("—");

QString personnes(qint64 n)
{
    return QStringLiteral("%1 personne%2").arg(n).arg(n > 1 ? QStringLiteral("s") : QString());
}

// "il faut 2 dégagements totalisant 4 UP", to follow a colon.
QString exigeApres(qint64 effectif)
{
    QString mots = motsExigence(effectif);
    mots[0] = mots[0].toLower();
    return mots;
}

// Exits 1, 3 and 4 as a person numbers them: "1, 3 et 4".
QString numeros(const QList<int> &rangs)
{
    QStringList textes;
    for (const int rang : rangs)
        textes << QString::number(rang + 1);
    const QString dernier = textes.takeLast();
    return textes.isEmpty() ? dernier : textes.join(QStringLiteral(", ")) + " et " + dernier;
}

bool aDesErreurs(const LargeursLues &lues)
{
    return std::any_of(lues.lignes.cbegin(), lues.lignes.cend(), [](const LargeursLues::Ligne &l) {
        return !l.erreurLargeur.isEmpty() || !l.erreurGroupe.isEmpty();
    });
}

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
    if (lues.effectif.value_or(0) > 200)
        articles << QStringList { QStringLiteral("CO 36 §3"),
            QStringLiteral("Au-delà de 200 personnes, un dégagement normal a 2 UP au moins ; ceux "
                           "de 1 UP ne sont admis, au cas par cas, que comptés une seule fois.") };
    return articles;
}

} // namespace

LargeursLues lireLargeurs(const Etude &etude)
{
    LargeursLues lues;
    if (!etude.effectif.isEmpty()) {
        const Lu<qint32> effectif = lireEffectifCellule(etude.effectif);
        lues.effectif = effectif.valeur;
        lues.erreurEffectif = effectif.erreur;
    }
    QList<Sortie> sorties;
    for (int rang = 0; rang < etude.sorties.size(); ++rang) {
        const SaisieSortie &saisie = etude.sorties[rang];
        LargeursLues::Ligne ligne;
        Sortie sortie { 0, saisie.porte, 0 };
        if (!saisie.groupe.isEmpty()) {
            const Lu<qint32> groupe = lireEffectifCellule(saisie.groupe);
            sortie.groupe = groupe.valeur.value_or(0);
            if (!groupe)
                ligne.erreurGroupe = QStringLiteral(
                    "Indiquez un numéro de groupe en chiffres, par exemple 1 : le même pour des "
                    "portes à moins de 5 m l'une de l'autre dans un local de plus de 10 m (CO 43 "
                    "§3) ; vide pour une sortie comptée seule.");
        }
        if (!saisie.largeur.isEmpty()) {
            const Lu<qint32> largeur = lireMillimetres(saisie.largeur);
            ligne.erreurLargeur = largeur.erreur;
            if (largeur) {
                sortie.largeurMm = *largeur.valeur;
                ligne.sortie = sortie;
                sorties << sortie;
                lues.rangs << rang;
            }
        }
        lues.lignes << ligne;
    }
    if (!aDesErreurs(lues))
        lues.verification = verifier(lues.effectif.value_or(0), sorties, etude.escalierUnique);
    return lues;
}

QStringList creditSortie(const LargeursLues &lues, int ligne)
{
    const LargeursLues::Ligne &lue = lues.lignes.at(ligne);
    if (!lue.erreurLargeur.isEmpty())
        return { Tiret, lue.erreurLargeur };
    if (!lue.sortie)
        return { QString(), lue.erreurGroupe };
    return { QString::number(upCredites(lue.sortie->largeurMm, lue.sortie->porte)),
        lue.erreurGroupe.isEmpty() ? raisonCredit(lue.sortie->largeurMm, lue.sortie->porte)
                                   : lue.erreurGroupe };
}

QStringList bilanLargeurs(const LargeursLues &lues)
{
    QStringList lignes;
    const bool effectifLu = lues.effectif.has_value();
    if (!lues.verification) {
        lignes << QStringLiteral("Une cellule ne peut être lue : son décompte dit ce qui est "
                                 "attendu.");
        lignes << QStringLiteral("Total : ") + Tiret;
    } else {
        const Verification &v = *lues.verification;
        for (const Element &element : v.elements) {
            if (element.sorties.size() < 2)
                continue;
            QList<int> rangs;
            for (const int indice : element.sorties)
                rangs << lues.rangs.at(indice);
            lignes << QStringLiteral("Sorties %1, à moins de 5 m : un seul dégagement de %2 UP "
                                     "(CO 43 §3)")
                          .arg(numeros(rangs))
                          .arg(element.up);
        }
        const qint64 accessoires = std::count_if(v.elements.cbegin(), v.elements.cend(),
            [](const Element &e) { return e.accessoirePossible; });
        QString total
            = QStringLiteral("Total : %1 UP en %2 dégagement%3 norma%4")
                  .arg(v.upTotal)
                  .arg(v.degagementsNormaux)
                  .arg(v.degagementsNormaux > 1 ? QStringLiteral("s") : QString(),
                      v.degagementsNormaux > 1 ? QStringLiteral("ux") : QStringLiteral("l"));
        if (accessoires > 0)
            total += QStringLiteral(", %1 pouvant être accessoire%2 (CO 41)")
                         .arg(accessoires)
                         .arg(accessoires > 1 ? QStringLiteral("s") : QString());
        lignes << total;
    }
    if (!lues.erreurEffectif.isEmpty())
        lignes << QStringLiteral("Exigé (CO 38 §1) : ") + lues.erreurEffectif;
    else if (!effectifLu)
        lignes << QStringLiteral("Exigé (CO 38 §1) : indiquez l'effectif.");
    else
        lignes << QStringLiteral("Exigé pour %1 (CO 38 §1) : %2")
                      .arg(personnes(*lues.effectif), exigeApres(*lues.effectif));
    lignes << QStringLiteral("Verdict : ")
            + (lues.verification && effectifLu ? lues.verification->phrase : Tiret);
    lignes << QStringLiteral("Effectif maximal admis par ces dégagements : ")
            + (lues.verification ? personnes(lues.verification->effectifMaximal) : Tiret);
    return lignes;
}

void imprimerLargeurs(Imprimante &page, const Etude &etude, const QDate &date)
{
    const LargeursLues lues = lireLargeurs(etude);
    Document document;
    document.titre(QStringLiteral("Vérification des dégagements"));

    document.intertitre(QStringLiteral("Données saisies"));
    document.texte(
        QStringLiteral("Effectif : ") + (etude.effectif.isEmpty() ? Tiret : etude.effectif));
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
