// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Format.h"

#include <algorithm>

QString LecteurJson::texte(const QJsonObject &objet, const QString &cle, const QString &ou)
{
    const QJsonValue valeur = objet.value(cle);
    if (!valeur.isString())
        mauvaisType(QStringLiteral("« %1 »%2").arg(cle, ou));
    return valeur.toString();
}

bool LecteurJson::booleen(const QJsonObject &objet, const QString &cle)
{
    const QJsonValue valeur = objet.value(cle);
    if (!valeur.isBool())
        mauvaisType(QStringLiteral("« %1 »").arg(cle));
    return valeur.toBool();
}

QJsonArray LecteurJson::liste(const QJsonObject &objet, const QString &cle)
{
    const QJsonValue valeur = objet.value(cle);
    if (!valeur.isArray())
        mauvaisType(QStringLiteral("« %1 »").arg(cle));
    return valeur.toArray();
}

QJsonObject LecteurJson::objet(const QJsonValue &valeur, const QString &quoi)
{
    if (!valeur.isObject())
        mauvaisType(quoi);
    return valeur.toObject();
}

void LecteurJson::mauvaisType(const QString &quoi)
{
    if (faute.isEmpty())
        faute = QStringLiteral("%1 n'a pas la forme attendue").arg(quoi);
}

QString celluleTropLongue(const QList<const QString *> &cellules)
{
    if (std::none_of(cellules.cbegin(), cellules.cend(),
            [](const QString *cellule) { return cellule->size() > FichierEtude::LongueurCellule; }))
        return {};
    return QStringLiteral("une case dépasse %1 caractères").arg(FichierEtude::LongueurCellule);
}
