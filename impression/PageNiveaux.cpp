// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "PageNiveaux.h"

#include "Document.h"
#include "MotsNiveaux.h"

namespace {

// The rules the study applies, in the order a reader meets them.
const QList<QStringList> ArticlesAppliques {
    { QStringLiteral("CO 38 §1"),
        QStringLiteral("Nombre et largeur des dégagements d'un niveau selon son effectif.") },
    { QStringLiteral("CO 38 §2"),
        QStringLiteral("Les escaliers desservant un niveau cumulent son effectif avec ceux des "
                       "niveaux au-dessus, ou en dessous pour les sous-sols.") },
    { QStringLiteral("CO 39"),
        QStringLiteral("Sous-sol à plus de 2 m sous le niveau moyen des seuils et de plus de 100 "
                       "personnes : effectif arrondi à la centaine supérieure, majoré de 10 % par "
                       "mètre ou fraction de mètre au-delà de 2 m.") },
    { QStringLiteral("CO 40"),
        QStringLiteral("Un seul niveau de sous-sol accessible au public, son point le plus bas à "
                       "6 m au plus sous le niveau moyen des seuils.") },
    { QStringLiteral("CO 36 §1, §3"),
        QStringLiteral("Chaque dégagement est calculé pour toutes les personnes qui l'empruntent ; "
                       "au-delà de 200 personnes, aucun dégagement normal de moins de 2 UP.") },
    { QStringLiteral("CO 49 §3"),
        QStringLiteral("Un escalier débouche sur l'extérieur, ou sur un cheminement de même "
                       "largeur menant à une sortie à moins de 20 m.") },
};

constexpr int LargeurArticle = 2000;

} // namespace

void imprimerNiveaux(Imprimante &page, const EtudeNiveaux &etude, const QDate &date)
{
    const ResultatNiveaux resultat = resultatNiveaux(etude);
    Document document;
    document.titre(QStringLiteral("Niveaux et escaliers"));

    document.intertitre(QStringLiteral("Niveaux saisis"));
    QList<QStringList> saisis;
    for (const SaisieNiveau &niveau : etude.niveaux)
        saisis << QStringList { nomNiveau(niveau.indice), niveau.effectif, niveau.profondeur };
    document.tableau({ { QStringLiteral("Niveau"), 1000 }, { QStringLiteral("Effectif"), 2400 },
                         { QStringLiteral("Profondeur (m)"), 2400 } },
        saisis);

    document.intertitre(QStringLiteral("Résultats par niveau"));
    document.tableau(tableauNiveaux(resultat), { 800, 1000, 1250, 1900, 1300, 550, 2800 });
    if (!resultat.escaliers.isEmpty()) {
        document.intertitre(QStringLiteral("Escaliers"));
        document.tableau(tableauEscaliers(resultat), { 2700, 1300, 1200, 1300, 600, 2500 });
    }

    const QList<Document::Colonne> articleEtTexte { { QString(), LargeurArticle },
        { QString(), Document::Largeur - LargeurArticle } };
    if (!resultat.avertissements.isEmpty()) {
        document.intertitre(QStringLiteral("Avertissements"));
        QList<QStringList> avertissements;
        for (const Avertissement &avertissement : resultat.avertissements)
            avertissements << QStringList { avertissement.article, avertissement.texte };
        document.tableau(articleEtTexte, avertissements);
    }
    document.intertitre(QStringLiteral("Articles appliqués"));
    document.tableau(articleEtTexte, ArticlesAppliques);

    document.imprimer(page, date);
}
