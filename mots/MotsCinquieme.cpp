// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "MotsCinquieme.h"

#include "Json.h"
#include "Lecture.h"
#include "Tableau.h"

namespace {

// PE 11 §3 writes "0,60 mètre ou un dégagement accessoire" for this width.
constexpr qint32 LargeurAccessoire = 600;

// "1 dégagement de 1,40 m + 1 dégagement de 0,90 m".
QString motsSolution(const QList<qint32> &largeurs)
{
    QStringList morceaux;
    for (qsizetype debut = 0; debut < largeurs.size();) {
        qsizetype fin = debut;
        while (fin < largeurs.size() && largeurs[fin] == largeurs[debut])
            ++fin;
        const qsizetype nombre = fin - debut;
        QString mots = QStringLiteral("%1 dégagement%2 de %3")
                           .arg(nombre)
                           .arg(nombre > 1 ? QStringLiteral("s") : QString())
                           .arg(metres(largeurs[debut]));
        if (largeurs[debut] == LargeurAccessoire)
            mots += QStringLiteral(" ou 1 dégagement accessoire");
        morceaux << mots;
        debut = fin;
    }
    return morceaux.join(QStringLiteral(" + "));
}

} // namespace

MotsCinquieme motsCinquieme(const EntreeCinquieme &entree, const ResultatCinquieme &resultat)
{
    MotsCinquieme mots;
    mots.effectif = QStringLiteral("%1 (%2 du public + %3 du personnel)")
                        .arg(personnes(resultat.effectif))
                        .arg(entree.public_)
                        .arg(entree.personnel);
    if (!resultat.applicable) {
        mots.regle = QStringLiteral("L'article PE 11 ne s'applique pas.");
        mots.solutions = QStringList(Inconnu);
        mots.notes = QStringList(resultat.raison);
        return mots;
    }
    if (resultat.solutions.isEmpty()) {
        mots.regle
            = QStringLiteral("CO 38 §1 d, auquel l'article PE 11 renvoie au-delà de 300 personnes");
        mots.solutions << motsExigence(resultat.effectif);
    } else {
        mots.regle = QStringLiteral("Article PE 11 §3");
        for (const QList<qint32> &solution : resultat.solutions)
            mots.solutions << motsSolution(solution);
        if (mots.solutions.size() > 1)
            for (QString &solution : mots.solutions)
                solution.prepend(QStringLiteral("soit "));
    }
    mots.notes = resultat.notes;
    return mots;
}

QString jsonCinquieme(const ResultatCinquieme &r)
{
    QList<Json::Membre> membres { { QStringLiteral("applicable"), Json::booleen(r.applicable) },
        { QStringLiteral("effectif"), QString::number(r.effectif) } };
    if (!r.applicable) {
        membres << Json::Membre { QStringLiteral("raison"), Json::chaine(r.raison) };
        return Json::objet(membres);
    }
    membres << Json::Membre { QStringLiteral("regle"), Json::chaine(r.regle) };
    if (r.solutions.isEmpty()) {
        membres << Json::Membre { QStringLiteral("degagements"),
            QString::number(r.exigence.degagements) };
        membres << Json::Membre { QStringLiteral("up"), QString::number(r.exigence.up) };
        return Json::objet(membres);
    }
    QStringList solutions;
    for (const QList<qint32> &solution : r.solutions) {
        QStringList largeurs;
        for (const qint32 largeur : solution)
            largeurs << Json::metres(largeur);
        solutions << Json::liste(largeurs);
    }
    membres << Json::Membre { QStringLiteral("solutions"), Json::liste(solutions) };
    return Json::objet(membres);
}
