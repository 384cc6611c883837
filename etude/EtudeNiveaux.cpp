// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "EtudeNiveaux.h"

#include "Format.h"
#include "Lecture.h"

#include <QSet>

namespace {

constexpr int IndiceMinimal = -9;
constexpr int IndiceMaximal = 99;

} // namespace

NiveauLu lireNiveau(const SaisieNiveau &saisie)
{
    NiveauLu lu { { saisie.indice, std::nullopt, std::nullopt }, {}, {} };
    if (!saisie.effectif.isEmpty()) {
        const Lu<qint32> effectif = lireEffectifCellule(saisie.effectif);
        lu.niveau.effectif = effectif.valeur;
        lu.erreurEffectif = effectif.erreur;
    }
    if (saisie.indice >= 0 || (saisie.effectif.isEmpty() && saisie.profondeur.isEmpty()))
        return lu;
    if (saisie.profondeur.isEmpty()) {
        lu.erreurProfondeur = QStringLiteral(
            "Indiquez la profondeur du sous-sol en mètres (par exemple 3,50) : celle de son point "
            "le plus bas accessible au public, sous le niveau moyen des seuils des issues sur "
            "l'extérieur.");
        return lu;
    }
    const Lu<qint32> profondeur = lireMillimetres(saisie.profondeur);
    lu.niveau.profondeurMm = profondeur.valeur;
    lu.erreurProfondeur = profondeur.erreur;
    return lu;
}

ResultatNiveaux resultatNiveaux(const EtudeNiveaux &etude)
{
    QList<Niveau> niveaux;
    for (const SaisieNiveau &saisie : etude.niveaux)
        niveaux << lireNiveau(saisie).niveau;
    return calculerNiveaux(niveaux);
}

QJsonObject versJson(const EtudeNiveaux &etude)
{
    QJsonArray niveaux;
    for (const SaisieNiveau &niveau : etude.niveaux)
        niveaux.append(QJsonObject { { QStringLiteral("niveau"), nomNiveau(niveau.indice) },
            { QStringLiteral("effectif"), niveau.effectif },
            { QStringLiteral("profondeur"), niveau.profondeur } });
    return { { QStringLiteral("niveaux"), niveaux } };
}

void lireJson(LecteurJson &lecteur, const QJsonObject &racine, EtudeNiveaux &etude)
{
    const QJsonArray niveaux = lecteur.liste(racine, QStringLiteral("niveaux"));
    for (qsizetype rang = 0; rang < niveaux.size() && lecteur.faute.isEmpty(); ++rang) {
        const QJsonObject objet
            = lecteur.objet(niveaux[rang], QStringLiteral("le niveau n° %1").arg(rang + 1));
        const QString nom = lecteur.texte(objet, QStringLiteral("niveau"));
        if (!lecteur.faute.isEmpty())
            return;
        const std::optional<int> indice = lireNomNiveau(nom);
        if (!indice) {
            lecteur.faute
                = QStringLiteral("« %1 » n'est pas un niveau (RDC, R+1 à R+99, SS1 à SS9)")
                      .arg(nom.left(FichierEtude::LongueurCellule));
            return;
        }
        const QString ou = QStringLiteral(" du niveau ") + nom;
        etude.niveaux << SaisieNiveau { *indice,
            lecteur.texte(objet, QStringLiteral("effectif"), ou),
            lecteur.texte(objet, QStringLiteral("profondeur"), ou) };
    }
}

QString defaut(const EtudeNiveaux &etude)
{
    QList<const QString *> cellules;
    QSet<int> vus;
    int precedent = IndiceMaximal + 1;
    for (const SaisieNiveau &niveau : etude.niveaux) {
        if (niveau.indice < IndiceMinimal || niveau.indice > IndiceMaximal)
            return QStringLiteral("un niveau n'est ni RDC, ni R+1 à R+99, ni SS1 à SS9");
        if (vus.contains(niveau.indice))
            return QStringLiteral("le niveau %1 figure deux fois").arg(nomNiveau(niveau.indice));
        if (niveau.indice > precedent)
            return QStringLiteral("les niveaux ne vont pas du plus haut au plus bas");
        vus.insert(niveau.indice);
        precedent = niveau.indice;
        cellules << &niveau.effectif << &niveau.profondeur;
    }
    return celluleTropLongue(cellules);
}
