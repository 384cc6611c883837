// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Commande.h"

namespace LigneDeCommande {

const QList<Commande> &commandes()
{
    // One line per command.
    static const QList<Commande> table {
        commandeEffectif(),
        commandeCalcul(),
        commandeNiveaux(),
        commandeLargeurs(),
        commandeCinquieme(),
        commandeAide(),
        commandeHelp(),
        commandeVersion(),
    };
    return table;
}

QString nomsDesCommandes()
{
    QStringList noms;
    for (const Commande &commande : commandes())
        if (!commande.alias)
            noms << commande.nom;
    const QString dernier = noms.takeLast();
    return noms.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + dernier;
}

QString aligner(const Tableau &tableau)
{
    QList<qsizetype> largeurs;
    for (const QString &entete : tableau.entetes)
        largeurs << entete.size();
    for (const QStringList &ligne : tableau.lignes)
        for (qsizetype colonne = 0; colonne < ligne.size() && colonne < largeurs.size(); ++colonne)
            largeurs[colonne] = std::max(largeurs.at(colonne), ligne.at(colonne).size());
    const auto ecrire = [&](const QStringList &cellules) {
        QStringList alignees;
        for (qsizetype colonne = 0; colonne < cellules.size(); ++colonne)
            alignees << cellules.at(colonne).leftJustified(largeurs.value(colonne));
        QString texte = alignees.join(QStringLiteral("  "));
        while (texte.endsWith(u' '))
            texte.chop(1);
        return texte + u'\n';
    };
    QStringList traits;
    for (const qsizetype largeur : std::as_const(largeurs))
        traits << QString(largeur, u'-');
    QString texte = ecrire(tableau.entetes) + ecrire(traits);
    for (const QStringList &ligne : tableau.lignes)
        texte += ecrire(ligne);
    return texte;
}

} // namespace LigneDeCommande
