// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The JSON the command line writes for scripts, by hand so that keys stay in their documented
// order; each tool's object is written beside its French words (MotsNiveaux…).
//   Membre, objet, liste    an object's members in order, an array
//   chaine, nombre, booleen, metres   values; lengths as exact decimal metres (3500 → 3.5)
//   exigence                "degagements", "accessoire", "up" of a CO 38 §1 requirement
//   avertissements          [{"article": …, "texte": …}, …]
#pragma once

#include "Avertissement.h"
#include "Exigence.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace Json {

using Membre = std::pair<QString, QString>;

QString objet(const QList<Membre> &membres);
QString liste(const QStringList &valeurs);

QString chaine(const QString &texte);
// "null" for none.
QString nombre(const std::optional<qint64> &valeur);
QString booleen(bool valeur);
QString metres(qint64 millimetres);

// Nothing required (0 and 0) when it could not be computed.
QList<Membre> exigence(const std::optional<Exigence> &exige);
QString avertissements(const QList<Avertissement> &avertissements);

} // namespace Json
