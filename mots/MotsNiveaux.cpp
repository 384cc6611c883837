// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "MotsNiveaux.h"

#include "Json.h"
#include "Lecture.h"

namespace {

QString nombre(const std::optional<qint64> &valeur)
{
    return valeur ? QString::number(*valeur) : Inconnu;
}

// Dégagements, UP and the main window's words, or dashes where nothing could be computed.
QStringList colonnesExigence(
    const std::optional<qint64> &effectif, const std::optional<Exigence> &e)
{
    if (!e || !effectif)
        return { Inconnu, Inconnu, Inconnu };
    return { QString::number(e->degagements)
            + (e->accessoire ? QStringLiteral(" (dont 1 accessoire)") : QString()),
        QString::number(e->up), motsExigence(*effectif) };
}

} // namespace

QString nomEscalier(int desservant)
{
    return QStringLiteral("Escaliers desservant ") + nomNiveau(desservant);
}

Tableau tableauNiveaux(const ResultatNiveaux &resultat)
{
    Tableau t { { QStringLiteral("Niveau"), QStringLiteral("Effectif"),
                    QStringLiteral("Profondeur (m)"), QStringLiteral("Effectif retenu"),
                    QStringLiteral("Dégagements"), QStringLiteral("UP"),
                    QStringLiteral("Solution") },
        {} };
    for (const LigneNiveau &niveau : resultat.niveaux) {
        QString retenu = Inconnu;
        if (niveau.retenu)
            retenu = niveau.retenu->calcul.isEmpty() ? QString::number(niveau.retenu->valeur)
                                                     : niveau.retenu->calcul;
        const QString profondeur = niveau.indice >= 0 ? QString()
            : niveau.profondeurMm                     ? ecrireMetres(*niveau.profondeurMm)
                                                      : Inconnu;
        QStringList cellules { nomNiveau(niveau.indice), nombre(niveau.effectif), profondeur,
            retenu };
        cellules << colonnesExigence(
            niveau.retenu ? std::optional<qint64>(niveau.retenu->valeur) : std::nullopt,
            niveau.exigence);
        t.lignes << cellules;
    }
    return t;
}

Tableau tableauEscaliers(const ResultatNiveaux &resultat)
{
    Tableau t { { QStringLiteral("Escaliers"), QStringLiteral("Effectif cumulé"),
                    QStringLiteral("Effectif réel"), QStringLiteral("Dégagements"),
                    QStringLiteral("UP"), QStringLiteral("Solution") },
        {} };
    for (const LigneEscalier &escalier : resultat.escaliers) {
        QStringList cellules { nomEscalier(escalier.desservant), nombre(escalier.cumule),
            nombre(escalier.reel) };
        cellules << colonnesExigence(escalier.cumule, escalier.exigence);
        t.lignes << cellules;
    }
    return t;
}

QStringList lignesAvertissements(const QList<Avertissement> &avertissements)
{
    QStringList lignes;
    for (const Avertissement &avertissement : avertissements)
        lignes << avertissement.article + QStringLiteral(" : ") + avertissement.texte;
    return lignes;
}

QString jsonNiveaux(const ResultatNiveaux &resultat)
{
    using Json::Membre;
    QStringList niveaux;
    for (const LigneNiveau &ligne : resultat.niveaux) {
        QList<Membre> membres { { QStringLiteral("niveau"), Json::chaine(nomNiveau(ligne.indice)) },
            { QStringLiteral("effectif"), Json::nombre(ligne.effectif) } };
        if (ligne.indice < 0)
            membres << Membre { QStringLiteral("profondeur_m"),
                ligne.profondeurMm ? Json::metres(*ligne.profondeurMm) : QStringLiteral("null") };
        membres << Membre { QStringLiteral("effectif_retenu"),
            Json::nombre(
                ligne.retenu ? std::optional<qint64>(ligne.retenu->valeur) : std::nullopt) };
        membres << Json::exigence(ligne.exigence);
        niveaux << Json::objet(membres);
    }
    QStringList escaliers;
    for (const LigneEscalier &ligne : resultat.escaliers) {
        QList<Membre> membres { { QStringLiteral("desservant"),
                                    Json::chaine(nomNiveau(ligne.desservant)) },
            { QStringLiteral("effectif_cumule"), Json::nombre(ligne.cumule) },
            { QStringLiteral("effectif_reel"), Json::nombre(ligne.reel) } };
        membres << Json::exigence(ligne.exigence);
        escaliers << Json::objet(membres);
    }
    return Json::objet({ { QStringLiteral("niveaux"), Json::liste(niveaux) },
        { QStringLiteral("escaliers"), Json::liste(escaliers) },
        { QStringLiteral("avertissements"), Json::avertissements(resultat.avertissements) } });
}
