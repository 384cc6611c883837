// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "EtudeLargeurs.h"

#include "Format.h"
#include "Lecture.h"

#include <algorithm>

namespace {

constexpr int SortiesMaximales = 500;

QString tropDeSorties()
{
    return QStringLiteral("le nombre de sorties dépasse %1").arg(SortiesMaximales);
}

} // namespace

LargeursLues lireLargeurs(const EtudeLargeurs &etude)
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
    const bool illisible
        = std::any_of(lues.lignes.cbegin(), lues.lignes.cend(), [](const LargeursLues::Ligne &l) {
              return !l.erreurLargeur.isEmpty() || !l.erreurGroupe.isEmpty();
          });
    if (!illisible)
        lues.verification = verifier(lues.effectif.value_or(0), sorties, etude.escalierUnique);
    return lues;
}

QJsonObject versJson(const EtudeLargeurs &etude)
{
    QJsonArray sorties;
    for (const SaisieSortie &sortie : etude.sorties)
        sorties.append(QJsonObject { { QStringLiteral("largeur"), sortie.largeur },
            { QStringLiteral("porte"), sortie.porte },
            { QStringLiteral("groupe"), sortie.groupe } });
    return { { QStringLiteral("effectif"), etude.effectif },
        { QStringLiteral("escalier_unique"), etude.escalierUnique },
        { QStringLiteral("sorties"), sorties } };
}

void lireJson(LecteurJson &lecteur, const QJsonObject &racine, EtudeLargeurs &etude)
{
    etude.effectif = lecteur.texte(racine, QStringLiteral("effectif"));
    etude.escalierUnique = lecteur.booleen(racine, QStringLiteral("escalier_unique"));
    const QJsonArray sorties = lecteur.liste(racine, QStringLiteral("sorties"));
    if (sorties.size() > SortiesMaximales) {
        lecteur.faute = tropDeSorties();
        return;
    }
    for (qsizetype rang = 0; rang < sorties.size() && lecteur.faute.isEmpty(); ++rang) {
        const QString ou = QStringLiteral(" de la sortie n° %1").arg(rang + 1);
        const QJsonObject objet
            = lecteur.objet(sorties[rang], QStringLiteral("la sortie n° %1").arg(rang + 1));
        etude.sorties << SaisieSortie { lecteur.texte(objet, QStringLiteral("largeur"), ou),
            lecteur.booleen(objet, QStringLiteral("porte")),
            lecteur.texte(objet, QStringLiteral("groupe"), ou) };
    }
}

QString defaut(const EtudeLargeurs &etude)
{
    if (etude.sorties.size() > SortiesMaximales)
        return tropDeSorties();
    QList<const QString *> cellules { &etude.effectif };
    for (const SaisieSortie &sortie : etude.sorties)
        cellules << &sortie.largeur << &sortie.groupe;
    return celluleTropLongue(cellules);
}
