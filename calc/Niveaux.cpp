// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Niveaux.h"

#include "Lecture.h"

#include <QMap>
#include <algorithm>

namespace {

constexpr int EtageLePlusHaut = 99;
constexpr int SousSolLePlusBas = 9;
constexpr qint32 ProfondeurMajoree = 2000; // CO 39 §2: "à plus de 2 mètres"
constexpr qint64 EffectifMajore = 100; // CO 39 §2: "plus de 100 personnes"
constexpr qint32 ProfondeurMaximale = 6000; // CO 40

QString escalier(int desservant)
{
    return QStringLiteral("Les escaliers desservant ") + nomNiveau(desservant);
}

// The CO 36 §3 reminder for what carries `reel` real persons, and the 20–50 band's note.
void avertirLigne(QList<Avertissement> &avertissements, const QString &quoi,
    const std::optional<qint64> &reel, const std::optional<Exigence> &exige, const QString &bande)
{
    if (reel && *reel > SeuilDeuxUp)
        avertissements << Avertissement { QStringLiteral("CO 36 §3"),
            QStringLiteral("%1 : %2, plus de 200 : chaque dégagement normal doit avoir au moins "
                           "2 UP.")
                .arg(quoi, personnes(*reel)) };
    if (exige && exige->accessoire)
        avertissements << Avertissement { QStringLiteral("CO 38 §1 b"), bande.arg(quoi) };
}

} // namespace

QString nomNiveau(int indice)
{
    if (indice == 0)
        return QStringLiteral("RDC");
    return indice > 0 ? QStringLiteral("R+%1").arg(indice) : QStringLiteral("SS%1").arg(-indice);
}

std::optional<int> lireNomNiveau(QStringView texte)
{
    if (texte == u"RDC")
        return 0;
    const bool etage = texte.startsWith(u"R+");
    if (!etage && !texte.startsWith(u"SS"))
        return std::nullopt;
    const QStringView nombre = texte.sliced(2);
    // One spelling per level: no leading zero, no sign, ASCII digits.
    if (nombre.isEmpty() || nombre.size() > 2 || nombre.front() == u'0'
        || !std::all_of(
            nombre.begin(), nombre.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int valeur = nombre.toInt();
    if (valeur > (etage ? EtageLePlusHaut : SousSolLePlusBas))
        return std::nullopt;
    return etage ? valeur : -valeur;
}

EffectifTheorique effectifTheorique(qint64 effectif, qint32 profondeurMm)
{
    if (profondeurMm <= ProfondeurMajoree || effectif <= EffectifMajore)
        return { effectif, {} };
    // Rounded up to the hundred first, then 10 % of that per metre or part beyond 2 m, added.
    const qint64 arrondi = (effectif / 100 + (effectif % 100 != 0 ? 1 : 0)) * 100;
    const qint64 depassement = qint64(profondeurMm) - ProfondeurMajoree;
    const qint64 metresEntames = (depassement + 999) / 1000;
    const qint64 valeur = arrondi + arrondi / 10 * metresEntames;
    const QString majoration
        = QStringLiteral("%1 + %2 % = %3").arg(arrondi).arg(10 * metresEntames).arg(valeur);
    return { valeur,
        arrondi == effectif ? majoration
                            : QStringLiteral("%1 → %2").arg(effectif).arg(majoration) };
}

ResultatNiveaux calculerNiveaux(const QList<Niveau> &niveaux)
{
    ResultatNiveaux resultat;
    if (niveaux.isEmpty())
        return resultat;
    // By index; a repeated index keeps its first entry. The RDC is always there: every flight
    // ends on it.
    QMap<int, Niveau> parIndice;
    for (const Niveau &niveau : niveaux)
        if (!parIndice.contains(niveau.indice))
            parIndice.insert(niveau.indice, niveau);
    const int haut = std::max(0, parIndice.lastKey());
    const int bas = std::min(0, parIndice.firstKey());

    for (int indice = haut; indice >= bas; --indice) {
        LigneNiveau ligne { indice, qint64(0), {}, {}, {} };
        const auto trouve = parIndice.constFind(indice);
        if (trouve != parIndice.cend()) {
            ligne.effectif = trouve->effectif;
            if (indice < 0)
                ligne.profondeurMm = trouve->profondeurMm;
        }
        const bool profondeurConnue
            = indice >= 0 || ligne.profondeurMm || trouve == parIndice.cend();
        if (ligne.effectif && profondeurConnue)
            ligne.retenu = ligne.profondeurMm
                ? effectifTheorique(*ligne.effectif, *ligne.profondeurMm)
                : EffectifTheorique { *ligne.effectif, {} };
        if (ligne.retenu)
            ligne.exigence = exigence(ligne.retenu->valeur);
        resultat.niveaux << ligne;
    }

    // A flight carries its level and every level further from the RDC: walk outwards from the
    // farthest level, floors and basements apart.
    const auto cumuler = [&](int depuis, int jusqua, int pas) {
        std::optional<qint64> cumule = 0;
        std::optional<qint64> reel = 0;
        QList<LigneEscalier> lignes;
        for (int indice = depuis; indice != jusqua; indice += pas) {
            const LigneNiveau &niveau = resultat.niveaux.at(haut - indice);
            if (!niveau.retenu || !cumule) {
                cumule.reset();
                reel.reset();
            } else {
                *cumule += niveau.retenu->valeur;
                *reel += *niveau.effectif;
            }
            lignes << LigneEscalier { indice, cumule, reel,
                cumule ? std::optional<Exigence>(exigence(*cumule)) : std::nullopt };
        }
        return lignes;
    };
    resultat.escaliers << cumuler(haut, 0, -1);
    QList<LigneEscalier> sousSols = cumuler(bas, 0, 1);
    std::reverse(sousSols.begin(), sousSols.end());
    resultat.escaliers << sousSols;

    QList<Avertissement> &avertissements = resultat.avertissements;
    if (bas < -1)
        avertissements << Avertissement { QStringLiteral("CO 40"),
            QStringLiteral("%1 niveaux de sous-sol (SS1 à %2) : l'article CO 40 n'admet qu'un seul "
                           "niveau de sous-sol accessible au public, sauf dispositions "
                           "particulières ; le calcul est fait quand même.")
                .arg(-bas)
                .arg(nomNiveau(bas)) };
    for (const LigneNiveau &niveau : std::as_const(resultat.niveaux))
        if (niveau.profondeurMm && *niveau.profondeurMm > ProfondeurMaximale)
            avertissements << Avertissement { QStringLiteral("CO 40"),
                QStringLiteral("%1 : son point le plus bas est à plus de 6 m sous le niveau moyen "
                               "des seuils des issues sur l'extérieur, ce que l'article CO 40 "
                               "n'admet pas sauf dispositions particulières ; le calcul est fait "
                               "quand même.")
                    .arg(nomNiveau(niveau.indice)) };
    if (!resultat.escaliers.isEmpty())
        avertissements << Avertissement { QStringLiteral("CO 36 §1, CO 49 §3"),
            QStringLiteral("Les sorties du RDC qu'empruntent les personnes venant des escaliers "
                           "doivent aussi écouler leur flux : leur largeur se calcule sur le "
                           "nombre total de personnes appelées à les emprunter.") };
    for (const LigneNiveau &niveau : std::as_const(resultat.niveaux))
        avertirLigne(avertissements, nomNiveau(niveau.indice), niveau.effectif, niveau.exigence,
            QStringLiteral("%1 : le 2e dégagement peut être un dégagement accessoire."));
    for (const LigneEscalier &flux : std::as_const(resultat.escaliers))
        avertirLigne(avertissements, escalier(flux.desservant), flux.reel, flux.exigence,
            flux.desservant > 0
                ? QStringLiteral("%1 : un seul escalier de 1 UP suffit si le plancher bas du "
                                 "niveau le plus haut accessible au public est à 8 m au plus "
                                 "au-dessus du sol et que l'article CO 25 n'est pas appliqué ; "
                                 "sinon il est complété par un dégagement accessoire.")
                : QStringLiteral("%1 : un escalier de 1 UP, complété par un dégagement "
                                 "accessoire."));
    return resultat;
}
