// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every tool's part of the study file shares:
//   LongueurCellule   the longest cell a file holds
//   LecteurJson       reads one JSON object's values, keeping the first fault met
//   celluleTropLongue the fault of a study holding a longer cell, or nothing
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace FichierEtude {

// Far beyond anything a person types into one cell.
inline constexpr int LongueurCellule = 200;

} // namespace FichierEtude

class LecteurJson
{
public:
    // Empty while every value read had the form expected; then what was wrong, in French.
    QString faute;

    // `ou` follows the key in a fault: " du niveau R+1".
    QString texte(const QJsonObject &objet, const QString &cle, const QString &ou = {});
    bool booleen(const QJsonObject &objet, const QString &cle);
    QJsonArray liste(const QJsonObject &objet, const QString &cle);
    QJsonObject objet(const QJsonValue &valeur, const QString &quoi);

private:
    void mauvaisType(const QString &quoi);
};

// "une case dépasse 200 caractères" when one of `cellules` does; empty otherwise.
QString celluleTropLongue(const QList<const QString *> &cellules);
