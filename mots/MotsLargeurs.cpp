// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "MotsLargeurs.h"

#include "Json.h"
#include "Lecture.h"
#include "Tableau.h"

#include <algorithm>

namespace {

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

// Whether row `ligne` is one of doors counted as one (CO 43 §3).
bool enGroupe(const LargeursLues &lues, int ligne)
{
    const std::optional<Sortie> &sortie = lues.lignes.at(ligne).sortie;
    if (!sortie || sortie->groupe <= 0)
        return false;
    if (!lues.verification)
        return true;
    const int indice = int(lues.rangs.indexOf(ligne));
    return std::any_of(lues.verification->elements.cbegin(), lues.verification->elements.cend(),
        [&](const Element &e) { return e.sorties.size() > 1 && e.sorties.contains(indice); });
}

} // namespace

QStringList creditSortie(const LargeursLues &lues, int ligne)
{
    const LargeursLues::Ligne &lue = lues.lignes.at(ligne);
    if (!lue.erreurLargeur.isEmpty())
        return { Inconnu, lue.erreurLargeur };
    if (!lue.sortie)
        return { QString(), lue.erreurGroupe };
    return { QString::number(upCredites(lue.sortie->largeurMm, lue.sortie->porte)),
        lue.erreurGroupe.isEmpty()
            ? raisonCredit(lue.sortie->largeurMm, lue.sortie->porte, enGroupe(lues, ligne))
            : lue.erreurGroupe };
}

QStringList bilanLargeurs(const LargeursLues &lues)
{
    QStringList lignes;
    const bool effectifLu = lues.effectif.has_value();
    if (!lues.verification) {
        lignes << QStringLiteral("Une cellule ne peut être lue : son décompte dit ce qui est "
                                 "attendu.");
        lignes << QStringLiteral("Total : ") + Inconnu;
    } else {
        const Verification &v = *lues.verification;
        for (const Element &element : v.elements) {
            if (element.sorties.size() < 2)
                continue;
            QList<int> rangs;
            qint32 plusLarge = 0;
            for (const int indice : element.sorties) {
                rangs << lues.rangs.at(indice);
                plusLarge = std::max(plusLarge, lues.lignes.at(rangs.last()).sortie->largeurMm);
            }
            lignes << QStringLiteral("Sorties %1, à moins de 5 m : un seul dégagement de %2 UP "
                                     "(CO 43 §3)")
                          .arg(numeros(rangs))
                          .arg(element.up)
                    + (element.accessoirePossible
                            ? QStringLiteral(", qui peut être accessoire : sa sortie la plus large "
                                             "a %1 (CO 41)")
                                  .arg(metres(plusLarge))
                            : QString());
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
            + (lues.verification && effectifLu ? lues.verification->phrase : Inconnu);
    lignes << QStringLiteral("Effectif maximal admis par ces dégagements : ")
            + (lues.verification ? personnes(lues.verification->effectifMaximal) : Inconnu);
    return lignes;
}

QString jsonLargeurs(const LargeursLues &lues)
{
    const Verification &v = *lues.verification;
    QStringList elements;
    for (const Element &element : v.elements) {
        QStringList largeurs;
        QStringList portes;
        for (const int indice : element.sorties) {
            const Sortie &sortie = *lues.lignes.at(lues.rangs.at(indice)).sortie;
            largeurs << Json::metres(sortie.largeurMm);
            portes << Json::booleen(sortie.porte);
        }
        elements << Json::objet({ { QStringLiteral("largeurs_m"), Json::liste(largeurs) },
            { QStringLiteral("portes"), Json::liste(portes) },
            { QStringLiteral("up"), QString::number(element.up) } });
    }
    return Json::objet({ { QStringLiteral("effectif"), QString::number(lues.effectif.value_or(0)) },
        { QStringLiteral("exige"), Json::objet(Json::exigence(v.exige)) },
        { QStringLiteral("elements"), Json::liste(elements) },
        { QStringLiteral("up_total"), QString::number(v.upTotal) },
        { QStringLiteral("degagements_normaux"), QString::number(v.degagementsNormaux) },
        { QStringLiteral("verdict"), Json::chaine(motVerdict(v.verdict)) },
        { QStringLiteral("effectif_maximal"), QString::number(v.effectifMaximal) } });
}
