// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every command reads its arguments with:
//   Refus             why the arguments could not be read: the argument and what was expected
//   Grammaire         the options a command accepts, with or without a value
//   Options, separer  the arguments after the command: options, and the others in order
//   effectifOption    a count of persons given with an option
#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>
#include <variant>

namespace LigneDeCommande {

// What was typed, between « », as the one line on stderr quotes it.
QString citer(QStringView texte);
// A reader's sentence ("Indiquez …") continued after a colon.
QString minuscule(QString phrase);

struct Refus
{
    // The argument as typed; none when there is nothing to name.
    std::optional<QString> argument;
    QString attendu;

    // The one line on stderr.
    QString ligne() const;
};

struct Grammaire
{
    QStringList drapeaux;
    QStringList avecValeur;
    // Given twice, an option is refused, unless the command takes repeats as harmless.
    bool repetitions = false;
};

struct Options
{
    QSet<QString> drapeaux;
    QHash<QString, QString> valeurs;
    QStringList autres;

    bool contient(const QString &drapeau) const { return drapeaux.contains(drapeau); }
};

// "--option valeur" or "--option=valeur"; anything not starting with "--" is another argument,
// so that "-5" reaches the reader that explains why it is refused.
std::variant<Options, Refus> separer(
    const QString &commande, const QStringList &arguments, const Grammaire &grammaire);

// A count of persons given with `option`, 0 included.
std::variant<qint32, Refus> effectifOption(
    const Options &options, const QString &commande, const QString &option);

// A refusal naming the first argument that is not an option, if any.
std::optional<Refus> sansAutreArgument(const Options &options, const QString &commande);

} // namespace LigneDeCommande
