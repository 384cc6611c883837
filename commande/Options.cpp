// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Options.h"

#include "Lecture.h"

namespace LigneDeCommande {

namespace {

const QString Programme = QStringLiteral("salvanor-degagements");

QString optionInconnue(const QString &commande, const Grammaire &grammaire)
{
    const QStringList admises = grammaire.drapeaux + grammaire.avecValeur;
    if (admises.isEmpty())
        return QStringLiteral("option inconnue ; %1 n'en admet aucune.").arg(commande);
    return QStringLiteral("option inconnue ; %1 admet %2.")
        .arg(commande, admises.join(QStringLiteral(", ")));
}

} // namespace

// Control characters shown as "�", so that the message stays one line whatever was typed;
// invisible format characters (a direction override would show the line reversed) as "\u202E";
// cut when very long.
QString citer(QStringView texte)
{
    constexpr qsizetype Longueur = 80;
    QString cite;
    for (const QChar c : texte.first(std::min(texte.size(), Longueur))) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            cite += QChar::ReplacementCharacter;
        else if (c.category() == QChar::Other_Format)
            cite += QStringLiteral("\\u")
                + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        else
            cite += c;
    }
    if (texte.size() > Longueur)
        cite += u'…';
    return QStringLiteral("« %1 »").arg(cite);
}

QString minuscule(QString phrase)
{
    if (!phrase.isEmpty())
        phrase[0] = phrase.at(0).toLower();
    return phrase;
}

QString Refus::ligne() const
{
    return Programme + QStringLiteral(" : ")
        + (argument ? citer(*argument) + QStringLiteral(" : ") : QString()) + attendu + u'\n';
}

std::variant<Options, Refus> separer(
    const QString &commande, const QStringList &arguments, const Grammaire &grammaire)
{
    Options lues;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(u"--")) {
            lues.autres << argument;
            continue;
        }
        const qsizetype egal = argument.indexOf(u'=');
        const QString nom = egal < 0 ? argument : argument.first(egal);
        if (!grammaire.repetitions && (lues.drapeaux.contains(nom) || lues.valeurs.contains(nom)))
            return Refus { argument, QStringLiteral("l'option %1 est déjà donnée.").arg(nom) };
        if (grammaire.drapeaux.contains(nom)) {
            if (egal >= 0)
                return Refus { argument,
                    QStringLiteral("l'option %1 ne prend pas de valeur.").arg(nom) };
            lues.drapeaux.insert(nom);
            continue;
        }
        if (!grammaire.avecValeur.contains(nom))
            return Refus { argument, optionInconnue(commande, grammaire) };
        if (egal >= 0)
            lues.valeurs.insert(nom, argument.sliced(egal + 1));
        else if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(u"--"))
            lues.valeurs.insert(nom, arguments.at(++i));
        else
            return Refus { argument,
                QStringLiteral("un nombre de personnes attendu après %1, par exemple %1 120.")
                    .arg(nom) };
    }
    return lues;
}

std::variant<qint32, Refus> effectifOption(
    const Options &options, const QString &commande, const QString &option)
{
    const auto valeur = options.valeurs.constFind(option);
    if (valeur == options.valeurs.cend())
        return Refus { commande,
            QStringLiteral("option %1 attendue, par exemple %1 120.").arg(option) };
    const Lu<qint32> lu = lireEffectifCellule(*valeur);
    if (!lu)
        return Refus { *valeur, QStringLiteral("%1 : %2").arg(option, minuscule(lu.erreur)) };
    return *lu.valeur;
}

std::optional<Refus> sansAutreArgument(const Options &options, const QString &commande)
{
    if (options.autres.isEmpty())
        return std::nullopt;
    return Refus { options.autres.first(),
        QStringLiteral("argument inattendu après %1 ; voir salvanor-degagements --aide.")
            .arg(commande) };
}

} // namespace LigneDeCommande
