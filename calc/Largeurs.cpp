// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Largeurs.h"

#include "Lecture.h"

#include <QMap>
#include <QStringList>

namespace {

constexpr qint32 LargeurAccessoire = 600; // CO 41 §2

// Within CO 44's 5 % tolerance: 20·w ≥ 19·W(n), exactly, in integers.
bool atteint(qint64 largeurMm, qint64 up, bool porte)
{
    return porte ? 20 * largeurMm >= 19 * largeurType(up) : largeurMm >= largeurType(up);
}

QString degagements(qint64 n)
{
    return QStringLiteral("%1 dégagement%2").arg(n).arg(n > 1 ? QStringLiteral("s") : QString());
}

// The exits as the bands count them.
struct Compte
{
    qint64 normaux = 0;
    qint64 accessoires = 0;
    qint64 upTotal = 0;
    // Above 200 persons: normals of 2 UP or more, their UP, and the 1-UP ones.
    qint64 larges = 0;
    qint64 upLarges = 0;
    qint64 etroits = 0;
};

Compte compter(const QList<Element> &elements)
{
    Compte compte;
    for (const Element &element : elements) {
        compte.upTotal += element.up;
        if (element.up >= 1)
            ++compte.normaux;
        if (element.accessoirePossible)
            ++compte.accessoires;
        if (element.up >= 2) {
            ++compte.larges;
            compte.upLarges += element.up;
        } else if (element.up == 1)
            ++compte.etroits;
    }
    return compte;
}

// What `effectif` persons ask of exits counted as `c` (§4 of the reading of CO 36 to CO 44).
Verdict juger(qint64 effectif, const Compte &c, bool escalierUnique)
{
    const Exigence exige = exigence(effectif);
    bool passe = false;
    if (effectif <= 0)
        return Verdict::SansObjet;
    if (effectif < 20)
        passe = c.normaux >= 1;
    else if (effectif <= 50)
        passe = c.normaux >= 1 && (escalierUnique || c.normaux + c.accessoires >= 2);
    else if (effectif <= 100)
        passe = c.upTotal >= 2 && (c.normaux >= 2 || (c.normaux == 1 && c.accessoires >= 1));
    else if (effectif <= SeuilDeuxUp)
        passe = c.normaux >= 2 && c.upTotal >= 3;
    else {
        // Each 1-UP exit counts once, as a dégagement or in the UP: some split of them meets
        // both exactly when these three hold.
        const qint64 a = c.larges;
        const qint64 b = c.etroits;
        const qint64 s = c.upLarges;
        passe = a + b >= exige.degagements && s + b >= exige.up
            && a + s + b >= exige.degagements + exige.up;
        if (passe && (a < exige.degagements || s < exige.up))
            return Verdict::ConformeSousReserve;
    }
    return passe ? Verdict::Conforme : Verdict::NonConforme;
}

QString enManque(qint64 nouveaux, qint64 up)
{
    if (nouveaux == 0)
        return QStringLiteral("%1 UP").arg(up);
    return QStringLiteral("%1 %2 %3 UP")
        .arg(degagements(nouveaux),
            nouveaux == 1 ? QStringLiteral("de") : QStringLiteral("totalisant"))
        .arg(up);
}

// What non-conforming exits lack: the fewest UP in new exits that make them pass.
QString manque(qint64 effectif, const Compte &c, bool escalierUnique)
{
    const Exigence exige = exigence(effectif);
    QString unUp = QStringLiteral("1 dégagement de 1 UP");
    QString accessoire = QStringLiteral("1 dégagement accessoire");
    if (effectif < 20)
        return unUp;
    if (effectif <= 50) {
        if (c.normaux >= 1)
            return accessoire;
        return c.accessoires >= 1 || escalierUnique ? unUp
                                                    : unUp + QStringLiteral(" et ") + accessoire;
    }
    if (effectif <= 100) {
        if (c.normaux == 0)
            return QStringLiteral("2 dégagements de 1 UP, ou 1 dégagement de 2 UP")
                + (c.accessoires >= 1 ? QString() : QStringLiteral(" et ") + accessoire);
        return c.upTotal >= 2 ? accessoire + QStringLiteral(", ou ") + unUp : unUp;
    }
    if (effectif <= SeuilDeuxUp) {
        const qint64 nouveaux = std::max<qint64>(0, exige.degagements - c.normaux);
        return enManque(nouveaux, nouveaux + std::max<qint64>(0, exige.up - c.upTotal - nouveaux));
    }
    // New exits of 2 UP at least (CO 36 §3); try every way of counting the 1-UP ones.
    qint64 meilleurs = -1;
    qint64 meilleurUp = 0;
    for (qint64 commeDegagements = 0; commeDegagements <= c.etroits; ++commeDegagements) {
        const qint64 nouveaux
            = std::max<qint64>(0, exige.degagements - c.larges - commeDegagements);
        const qint64 up
            = std::max(2 * nouveaux, exige.up - c.upLarges - (c.etroits - commeDegagements));
        if (meilleurs < 0 || up < meilleurUp || (up == meilleurUp && nouveaux < meilleurs)) {
            meilleurs = nouveaux;
            meilleurUp = up;
        }
    }
    return enManque(meilleurs, meilleurUp);
}

bool admis(Verdict verdict)
{
    return verdict == Verdict::Conforme || verdict == Verdict::ConformeSousReserve;
}

} // namespace

qint64 largeurType(qint64 up)
{
    if (up <= 0)
        return 0;
    if (up == 1)
        return 900;
    if (up == 2)
        return 1400;
    return 600 * up;
}

qint64 upCredites(qint32 largeurMm, bool porte)
{
    if (!atteint(largeurMm, 1, porte))
        return 0;
    if (!atteint(largeurMm, 2, porte))
        return 1;
    if (!atteint(largeurMm, 3, porte))
        return 2;
    // From 3 UP on, W(n) = 600·n: the greatest n with 20·w ≥ 19·600·n is w / 570.
    return largeurMm / (porte ? 570 : 600);
}

QString raisonCredit(qint32 largeurMm, bool porte, bool enGroupe)
{
    const QString prefixe = porte ? QStringLiteral("porte : ") : QString();
    const qint64 up = upCredites(largeurMm, porte);
    if (up == 0) {
        const QString seuil = porte ? QStringLiteral("0,95 × 0,90 m") : QStringLiteral("0,90 m");
        // Whether it may be an accessory is the group's to say, by its widest door.
        if (enGroupe)
            return prefixe
                + QStringLiteral("%1 < %2 : 0 UP, comptée avec son groupe (CO 43 §3)")
                      .arg(metres(largeurMm), seuil);
        if (largeurMm >= LargeurAccessoire)
            return prefixe
                + QStringLiteral("%1 < %2 : pas un dégagement normal, peut être accessoire")
                      .arg(metres(largeurMm), seuil);
        return prefixe
            + QStringLiteral("%1 < 0,60 m : ni dégagement normal, ni dégagement accessoire")
                  .arg(metres(largeurMm));
    }
    const qint64 type = largeurType(up);
    const QString seuil
        = largeurMm >= type ? metres(type) : QStringLiteral("0,95 × ") + metres(type);
    return prefixe + QStringLiteral("%1 ≥ %2 → %3 UP").arg(metres(largeurMm), seuil).arg(up);
}

QString motVerdict(Verdict verdict)
{
    switch (verdict) {
    case Verdict::SansObjet:
        return QStringLiteral("sans objet");
    case Verdict::Conforme:
        return QStringLiteral("conforme");
    case Verdict::ConformeSousReserve:
        return QStringLiteral("conforme sous réserve");
    case Verdict::NonConforme:
        break;
    }
    return QStringLiteral("non conforme");
}

Verification verifier(qint64 effectif, const QList<Sortie> &sorties, bool escalierUnique)
{
    Verification v;
    v.exige = exigence(effectif);
    // CO 43 §3: a group is one element, placed where its first exit is, its UP the sum.
    QMap<int, qsizetype> groupes;
    for (int indice = 0; indice < sorties.size(); ++indice) {
        const Sortie &sortie = sorties.at(indice);
        const qint64 up = upCredites(sortie.largeurMm, sortie.porte);
        const bool large = sortie.largeurMm >= LargeurAccessoire;
        const auto groupe = groupes.constFind(sortie.groupe);
        if (sortie.groupe > 0 && groupe != groupes.cend()) {
            Element &element = v.elements[*groupe];
            element.sorties << indice;
            element.up += up;
            // One door of 0,60 m is a passage of 0,60 m: a narrower one beside it takes nothing.
            element.accessoirePossible = element.accessoirePossible || large;
        } else {
            if (sortie.groupe > 0)
                groupes.insert(sortie.groupe, v.elements.size());
            v.elements << Element { { indice }, up, large };
        }
    }
    for (Element &element : v.elements)
        element.accessoirePossible = element.accessoirePossible && element.up == 0;
    const Compte compte = compter(v.elements);
    v.upTotal = compte.upTotal;
    v.degagementsNormaux = compte.normaux;

    v.verdict = juger(effectif, compte, escalierUnique);
    v.phrase = motVerdict(v.verdict);
    if (v.verdict == Verdict::ConformeSousReserve)
        v.phrase += QStringLiteral(" (CO 36 §3)");
    else if (v.verdict == Verdict::NonConforme)
        v.phrase += QStringLiteral(" : il manque ") + manque(effectif, compte, escalierUnique);

    // The verdict never improves as the effectif grows, so the turn is found by halving, between
    // 1 and the effectif past which F asks for more UP than the exits give (N ≤ 100 · UP).
    const auto passe = [&](qint64 n) { return admis(juger(n, compte, escalierUnique)); };
    if (passe(1)) {
        qint64 admisJusqua = 1;
        qint64 refuseDes = std::max<qint64>(100, 100 * compte.upTotal) + 1;
        while (refuseDes - admisJusqua > 1) {
            const qint64 milieu = admisJusqua + (refuseDes - admisJusqua) / 2;
            if (passe(milieu))
                admisJusqua = milieu;
            else
                refuseDes = milieu;
        }
        v.effectifMaximal = admisJusqua;
    }
    return v;
}
