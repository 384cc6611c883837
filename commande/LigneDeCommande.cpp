// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "LigneDeCommande.h"

#include "CalculDegagements.h"
#include "Cinquieme.h"
#include "Largeurs.h"
#include "Lecture.h"
#include "Niveaux.h"
#include "Produit.h"
#include "TableNiveaux.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <variant>

namespace LigneDeCommande {
namespace {

const QString Programme = QStringLiteral("salvanor-degagements");
const QString Commandes
    = QStringLiteral("--calcul, --niveaux, --largeurs, --cinquieme, --aide ou --version");

// What was typed, between « », as the one line on stderr quotes it: control characters shown
// as "�", so that the message stays one line whatever was typed, and cut when very long.
QString citer(QStringView texte)
{
    constexpr qsizetype Longueur = 80;
    QString cite = texte.first(std::min(texte.size(), Longueur)).toString();
    if (texte.size() > Longueur)
        cite += u'…';
    for (QChar &c : cite)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            c = QChar::ReplacementCharacter;
    return QStringLiteral("« %1 »").arg(cite);
}

// Why the arguments could not be read: the argument as typed (none when there is nothing to
// name) and what was expected there, in French.
struct Refus
{
    std::optional<QString> argument;
    QString attendu;

    // The one line on stderr.
    QString ligne() const
    {
        return Programme + QStringLiteral(" : ")
            + (argument ? citer(*argument) + QStringLiteral(" : ") : QString()) + attendu + u'\n';
    }
};

// The whole answer for stdout, or why there is none.
using Reponse = std::variant<QString, Refus>;

// A reader's sentence ("Indiquez …") continued after a colon.
QString minuscule(QString phrase)
{
    if (!phrase.isEmpty())
        phrase[0] = phrase.at(0).toLower();
    return phrase;
}

// ---- Options --------------------------------------------------------------------------------

// What a command accepts besides its other arguments.
struct Grammaire
{
    QStringList drapeaux;
    QStringList avecValeur;
};

// The arguments after the command: options, each at most once, and the others in order.
struct Options
{
    QSet<QString> drapeaux;
    QHash<QString, QString> valeurs;
    QStringList autres;

    bool contient(const QString &drapeau) const { return drapeaux.contains(drapeau); }
};

QString optionInconnue(const QString &commande, const Grammaire &grammaire)
{
    const QStringList admises = grammaire.drapeaux + grammaire.avecValeur;
    if (admises.isEmpty())
        return QStringLiteral("option inconnue ; %1 n'en admet aucune.").arg(commande);
    return QStringLiteral("option inconnue ; %1 admet %2.")
        .arg(commande, admises.join(QStringLiteral(", ")));
}

// "--option valeur" or "--option=valeur"; anything not starting with "--" is another argument,
// so that "-5" reaches the reader that explains why it is refused.
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
        if (lues.drapeaux.contains(nom) || lues.valeurs.contains(nom))
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

// A count of persons given with an option, 0 included.
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

// ---- JSON, written by hand: the keys stay in the documented order ----------------------------

QString chaineJson(const QString &texte)
{
    QString json = QStringLiteral("\"");
    for (const QChar c : texte) {
        if (c == u'"' || c == u'\\')
            json += u'\\' + QString(c);
        else if (c.unicode() < 0x20)
            json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            json += c;
    }
    return json + u'"';
}

QString nombreJson(const std::optional<qint64> &valeur)
{
    return valeur ? QString::number(*valeur) : QStringLiteral("null");
}

QString booleenJson(bool valeur)
{
    return valeur ? QStringLiteral("true") : QStringLiteral("false");
}

// Exact decimal metres from integer millimetres: 3500 → 3.5, 855 → 0.855, 3000 → 3.
QString metresJson(qint32 millimetres)
{
    QString texte = QString::number(millimetres / 1000);
    if (millimetres % 1000 == 0)
        return texte;
    QString decimales = QStringLiteral("%1").arg(millimetres % 1000, 3, 10, QChar(u'0'));
    while (decimales.endsWith(u'0'))
        decimales.chop(1);
    return texte + u'.' + decimales;
}

using Membre = std::pair<QString, QString>;

QString objetJson(const QList<Membre> &membres)
{
    QStringList paires;
    for (const auto &[cle, valeur] : membres)
        paires << chaineJson(cle) + QStringLiteral(": ") + valeur;
    return u'{' + paires.join(QStringLiteral(", ")) + u'}';
}

QString listeJson(const QStringList &valeurs)
{
    return u'[' + valeurs.join(QStringLiteral(", ")) + u']';
}

// "degagements", "accessoire", "up": nothing required (0 and 0) when it could not be computed.
QList<Membre> exigenceJson(const std::optional<Exigence> &exige)
{
    const Exigence e = exige.value_or(Exigence {});
    return { { QStringLiteral("degagements"), QString::number(e.degagements) },
        { QStringLiteral("accessoire"), booleenJson(e.accessoire) },
        { QStringLiteral("up"), QString::number(e.up) } };
}

// ---- Text --------------------------------------------------------------------------------------

QString personnes(qint64 n)
{
    return QStringLiteral("%1 personne%2").arg(n).arg(n > 1 ? QStringLiteral("s") : QString());
}

// Columns padded to their widest cell, a rule under the headings, no trailing spaces.
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

// ---- --calcul ----------------------------------------------------------------------------------

// The count is read as the main window's box reads it (LireEffectif): the same text gives the
// same lines here and there, "0" and an empty text refused alike.
Reponse repondreCalcul(const Options &options)
{
    if (options.autres.isEmpty())
        return Refus { QStringLiteral("--calcul"),
            QStringLiteral("un nombre de personnes attendu après --calcul, par exemple "
                           "--calcul 120.") };
    if (options.autres.size() > 1)
        return Refus { options.autres.at(1),
            QStringLiteral("un seul nombre de personnes attendu après --calcul.") };
    const QString &texte = options.autres.first();
    const std::optional<qint32> effectif = LireEffectif(texte);
    if (!effectif)
        return Refus { texte,
            QStringLiteral("nombre de personnes attendu : des chiffres seulement, de 1 à "
                           "2 147 483 647, par exemple 120.") };
    QString texteSortie;
    for (const QString &ligne : CalculDegagements(*effectif))
        if (!ligne.isEmpty())
            texteSortie += ligne + u'\n';
    return texteSortie;
}

// ---- --niveaux ---------------------------------------------------------------------------------

// "R+1=200", "RDC=0", "SS1=150@3,50".
std::variant<Niveau, Refus> lireNiveau(const QString &argument)
{
    const qsizetype egal = argument.indexOf(u'=');
    if (egal < 0)
        return Refus { argument,
            QStringLiteral("niveau et effectif attendus sous la forme NIVEAU=EFFECTIF, par "
                           "exemple R+1=200, ou SS1=150@3,50 pour un sous-sol.") };
    const QStringView texte(argument);
    const std::optional<int> indice = lireNomNiveau(texte.first(egal));
    if (!indice)
        return Refus { argument, QStringLiteral("niveau attendu RDC, R+1 à R+99 ou SS1 à SS9.") };
    const QString nom = nomNiveau(*indice);
    const QStringView reste = texte.sliced(egal + 1);
    const qsizetype arobase = reste.indexOf(u'@');
    const Lu<qint32> effectif = lireEffectifCellule(arobase < 0 ? reste : reste.first(arobase));
    if (!effectif)
        return Refus { argument,
            QStringLiteral("effectif de %1 : %2").arg(nom, minuscule(effectif.erreur)) };
    Niveau niveau { *indice, *effectif.valeur, std::nullopt };
    if (*indice >= 0) {
        if (arobase >= 0)
            return Refus { argument,
                QStringLiteral("pas de profondeur pour %1 : seuls les sous-sols (SS1 à SS9) en "
                               "ont une.")
                    .arg(nom) };
        return niveau;
    }
    if (arobase < 0)
        return Refus { argument,
            QStringLiteral("profondeur de %1 attendue, en mètres sous le niveau moyen des seuils "
                           "des issues sur l'extérieur, par exemple %1=150@3,50.")
                .arg(nom) };
    const Lu<qint32> profondeur = lireMillimetres(reste.sliced(arobase + 1));
    if (!profondeur)
        return Refus { argument,
            QStringLiteral("profondeur de %1 : %2").arg(nom, minuscule(profondeur.erreur)) };
    niveau.profondeurMm = *profondeur.valeur;
    return niveau;
}

QString niveauxJson(const ResultatNiveaux &resultat)
{
    QStringList niveaux;
    for (const LigneNiveau &ligne : resultat.niveaux) {
        QList<Membre> membres { { QStringLiteral("niveau"), chaineJson(nomNiveau(ligne.indice)) },
            { QStringLiteral("effectif"), nombreJson(ligne.effectif) } };
        if (ligne.indice < 0)
            membres << Membre { QStringLiteral("profondeur_m"),
                ligne.profondeurMm ? metresJson(*ligne.profondeurMm) : QStringLiteral("null") };
        membres << Membre { QStringLiteral("effectif_retenu"),
            nombreJson(ligne.retenu ? std::optional<qint64>(ligne.retenu->valeur) : std::nullopt) };
        membres << exigenceJson(ligne.exigence);
        niveaux << objetJson(membres);
    }
    QStringList escaliers;
    for (const LigneEscalier &ligne : resultat.escaliers) {
        QList<Membre> membres { { QStringLiteral("desservant"),
                                    chaineJson(nomNiveau(ligne.desservant)) },
            { QStringLiteral("effectif_cumule"), nombreJson(ligne.cumule) },
            { QStringLiteral("effectif_reel"), nombreJson(ligne.reel) } };
        membres << exigenceJson(ligne.exigence);
        escaliers << objetJson(membres);
    }
    QStringList avertissements;
    for (const Avertissement &avertissement : resultat.avertissements)
        avertissements << objetJson(
            { { QStringLiteral("article"), chaineJson(avertissement.article) },
                { QStringLiteral("texte"), chaineJson(avertissement.texte) } });
    return objetJson({ { QStringLiteral("niveaux"), listeJson(niveaux) },
               { QStringLiteral("escaliers"), listeJson(escaliers) },
               { QStringLiteral("avertissements"), listeJson(avertissements) } })
        + u'\n';
}

QString niveauxTexte(const ResultatNiveaux &resultat)
{
    QString texte = aligner(tableauNiveaux(resultat));
    if (!resultat.escaliers.isEmpty())
        texte += u'\n' + aligner(tableauEscaliers(resultat));
    if (!resultat.avertissements.isEmpty())
        texte += u'\n';
    for (const Avertissement &avertissement : resultat.avertissements)
        texte += avertissement.article + QStringLiteral(" : ") + avertissement.texte + u'\n';
    return texte;
}

Reponse repondreNiveaux(const Options &options)
{
    if (options.autres.isEmpty())
        return Refus { QStringLiteral("--niveaux"),
            QStringLiteral("au moins un niveau attendu, par exemple --niveaux RDC=300 R+1=200.") };
    QList<Niveau> lus;
    QSet<int> indices;
    for (const QString &argument : options.autres) {
        const std::variant<Niveau, Refus> lu = lireNiveau(argument);
        if (const auto *refus = std::get_if<Refus>(&lu))
            return *refus;
        const auto &niveau = std::get<Niveau>(lu);
        if (indices.contains(niveau.indice))
            return Refus { argument,
                QStringLiteral("le niveau %1 est déjà donné : un niveau une seule fois.")
                    .arg(nomNiveau(niveau.indice)) };
        indices.insert(niveau.indice);
        lus << niveau;
    }
    const ResultatNiveaux resultat = calculerNiveaux(lus);
    return options.contient(QStringLiteral("--json")) ? niveauxJson(resultat)
                                                      : niveauxTexte(resultat);
}

// ---- --largeurs --------------------------------------------------------------------------------

// "2,40", "1,40p", or a CO 43 §3 group "1,40p+0,90p" (numbered `groupe`).
std::optional<Refus> lireSortie(const QString &argument, int groupe, QList<Sortie> &sorties)
{
    const QStringList parties = argument.split(u'+');
    for (const QString &partie : parties) {
        const bool porte = partie.endsWith(u'p');
        const QStringView largeur = QStringView(partie).chopped(porte ? 1 : 0);
        if (largeur.isEmpty())
            return Refus { argument,
                QStringLiteral("largeur en mètres attendue, suivie de p pour une porte ; les "
                               "portes d'un même groupe (CO 43 §3) se joignent par + : "
                               "1,40p+0,90p.") };
        const Lu<qint32> lu = lireMillimetres(largeur);
        if (!lu) {
            const QString quoi = parties.size() > 1
                ? QStringLiteral("largeur %1 : ").arg(citer(largeur))
                : QString();
            return Refus { argument,
                quoi + minuscule(lu.erreur)
                    + QStringLiteral(" Une porte s'écrit avec p : 1,40p.") };
        }
        sorties << Sortie { *lu.valeur, porte, parties.size() > 1 ? groupe : 0 };
    }
    return std::nullopt;
}

QString largeursJson(qint64 effectif, const QList<Sortie> &sorties, const Verification &v)
{
    QStringList elements;
    for (const Element &element : v.elements) {
        QStringList largeurs;
        QStringList portes;
        for (const int indice : element.sorties) {
            largeurs << metresJson(sorties.at(indice).largeurMm);
            portes << booleenJson(sorties.at(indice).porte);
        }
        elements << objetJson({ { QStringLiteral("largeurs_m"), listeJson(largeurs) },
            { QStringLiteral("portes"), listeJson(portes) },
            { QStringLiteral("up"), QString::number(element.up) } });
    }
    return objetJson({ { QStringLiteral("effectif"), QString::number(effectif) },
               { QStringLiteral("exige"), objetJson(exigenceJson(v.exige)) },
               { QStringLiteral("elements"), listeJson(elements) },
               { QStringLiteral("up_total"), QString::number(v.upTotal) },
               { QStringLiteral("degagements_normaux"), QString::number(v.degagementsNormaux) },
               { QStringLiteral("verdict"), chaineJson(motVerdict(v.verdict)) },
               { QStringLiteral("effectif_maximal"), QString::number(v.effectifMaximal) } })
        + u'\n';
}

QString largeursTexte(qint64 effectif, const QList<Sortie> &sorties, const Verification &v)
{
    QString texte = QStringLiteral("Effectif : %1\n").arg(personnes(effectif));
    for (qsizetype numero = 0; numero < v.elements.size(); ++numero) {
        const Element &element = v.elements.at(numero);
        if (element.sorties.size() == 1) {
            texte += QStringLiteral("Dégagement %1 : %2\n")
                         .arg(numero + 1)
                         .arg(raisonCredit(sorties.at(element.sorties.first()).largeurMm,
                             sorties.at(element.sorties.first()).porte));
            continue;
        }
        texte += QStringLiteral("Dégagement %1, %2 sorties à moins de 5 m comptées comme une "
                                "(CO 43 §3) : %3 UP\n")
                     .arg(numero + 1)
                     .arg(element.sorties.size())
                     .arg(element.up);
        for (const int indice : element.sorties)
            texte += QStringLiteral("  %1\n").arg(
                raisonCredit(sorties.at(indice).largeurMm, sorties.at(indice).porte));
    }
    texte += QStringLiteral("Total : %1 UP, %2\n")
                 .arg(v.upTotal)
                 .arg(v.degagementsNormaux > 1
                         ? QStringLiteral("%1 dégagements normaux").arg(v.degagementsNormaux)
                         : QStringLiteral("%1 dégagement normal").arg(v.degagementsNormaux));
    texte += QStringLiteral("Exigé (CO 38 §1) : %1\n").arg(motsExigence(effectif));
    texte += QStringLiteral("Verdict : %1\n").arg(v.phrase);
    texte += QStringLiteral("Effectif maximal admis par ces dégagements : %1\n")
                 .arg(personnes(v.effectifMaximal));
    return texte;
}

Reponse repondreLargeurs(const Options &options)
{
    const QString commande = QStringLiteral("--largeurs");
    const std::variant<qint32, Refus> effectif
        = effectifOption(options, commande, QStringLiteral("--effectif"));
    if (const auto *refus = std::get_if<Refus>(&effectif))
        return *refus;
    if (options.autres.isEmpty())
        return Refus { commande,
            QStringLiteral("au moins une sortie attendue : sa largeur en mètres, suivie de p "
                           "pour une porte, par exemple --largeurs --effectif 250 2,40 1,40p.") };
    QList<Sortie> sorties;
    // Each argument its own group number: "+" joins exits within one argument only.
    for (qsizetype numero = 0; numero < options.autres.size(); ++numero)
        if (const std::optional<Refus> refus
            = lireSortie(options.autres.at(numero), int(numero) + 1, sorties))
            return *refus;
    const qint64 n = std::get<qint32>(effectif);
    const Verification verification
        = verifier(n, sorties, options.contient(QStringLiteral("--escalier-unique")));
    return options.contient(QStringLiteral("--json")) ? largeursJson(n, sorties, verification)
                                                      : largeursTexte(n, sorties, verification);
}

// ---- --cinquieme -------------------------------------------------------------------------------

QString largeurSolution(qint32 millimetres)
{
    return millimetres == 600 ? QStringLiteral("0,60 m ou un dégagement accessoire")
                              : ecrireMetres(millimetres) + QStringLiteral(" m");
}

QString cinquiemeJson(const ResultatCinquieme &r)
{
    QList<Membre> membres { { QStringLiteral("applicable"), booleenJson(r.applicable) },
        { QStringLiteral("effectif"), QString::number(r.effectif) } };
    if (!r.applicable) {
        membres << Membre { QStringLiteral("raison"), chaineJson(r.raison) };
        return objetJson(membres) + u'\n';
    }
    membres << Membre { QStringLiteral("regle"), chaineJson(r.regle) };
    if (r.solutions.isEmpty()) {
        membres << Membre { QStringLiteral("degagements"),
            QString::number(r.exigence.degagements) };
        membres << Membre { QStringLiteral("up"), QString::number(r.exigence.up) };
        return objetJson(membres) + u'\n';
    }
    QStringList solutions;
    for (const QList<qint32> &solution : r.solutions) {
        QStringList largeurs;
        for (const qint32 largeur : solution)
            largeurs << metresJson(largeur);
        solutions << listeJson(largeurs);
    }
    membres << Membre { QStringLiteral("solutions"), listeJson(solutions) };
    return objetJson(membres) + u'\n';
}

QString cinquiemeTexte(const EntreeCinquieme &entree, const ResultatCinquieme &r)
{
    QString texte = QStringLiteral("Effectif : %1 (public %2, personnel %3)\n")
                        .arg(personnes(r.effectif))
                        .arg(entree.public_)
                        .arg(entree.personnel);
    if (!r.applicable)
        return texte + QStringLiteral("L'article PE 11 ne s'applique pas : %1\n").arg(r.raison);
    texte += QStringLiteral("Règle : %1\n").arg(r.regle);
    if (r.solutions.isEmpty())
        texte += motsExigence(r.effectif) + u'\n';
    else
        texte += QStringLiteral("Solutions admises :\n");
    for (const QList<qint32> &solution : r.solutions) {
        QStringList largeurs;
        for (const qint32 largeur : solution)
            largeurs << largeurSolution(largeur);
        texte += QStringLiteral("  - %1\n").arg(largeurs.join(QStringLiteral(" + ")));
    }
    for (const QString &note : r.notes)
        texte += QStringLiteral("Note : %1\n").arg(note);
    return texte;
}

Reponse repondreCinquieme(const Options &options)
{
    const QString commande = QStringLiteral("--cinquieme");
    if (const std::optional<Refus> refus = sansAutreArgument(options, commande))
        return *refus;
    const std::variant<qint32, Refus> public_
        = effectifOption(options, commande, QStringLiteral("--public"));
    if (const auto *refus = std::get_if<Refus>(&public_))
        return *refus;
    const std::variant<qint32, Refus> personnel
        = effectifOption(options, commande, QStringLiteral("--personnel"));
    if (const auto *refus = std::get_if<Refus>(&personnel))
        return *refus;
    const EntreeCinquieme entree { std::get<qint32>(public_), std::get<qint32>(personnel),
        options.contient(QStringLiteral("--existant")),
        options.contient(QStringLiteral("--sommeil")) };
    const ResultatCinquieme resultat = calculerCinquieme(entree);
    return options.contient(QStringLiteral("--json")) ? cinquiemeJson(resultat)
                                                      : cinquiemeTexte(entree, resultat);
}

// ---- --aide, --version -------------------------------------------------------------------------

QString aide()
{
    return QStringLiteral(
        "Utilisation :\n"
        "  salvanor-degagements                  ouvre la fenêtre principale\n"
        "  salvanor-degagements ÉTUDE.salvanor   ouvre une étude dans sa fenêtre\n"
        "  salvanor-degagements --calcul N\n"
        "  salvanor-degagements --niveaux [--json] NIVEAU=EFFECTIF[@PROFONDEUR]…\n"
        "  salvanor-degagements --largeurs [--json] --effectif N [--escalier-unique] SORTIE…\n"
        "  salvanor-degagements --cinquieme [--json] --public P --personnel S [--existant] "
        "[--sommeil]\n"
        "  salvanor-degagements --aide | --help | --version\n"
        "\n"
        "Commandes :\n"
        "  --calcul N     le résultat de la fenêtre principale pour N personnes (CO 38 §1).\n"
        "  --niveaux      un bâtiment niveau par niveau, les dégagements de chaque niveau et les\n"
        "                 escaliers qui cumulent les niveaux desservis (CO 38 §2, CO 39, CO 40).\n"
        "                 NIVEAU : RDC, R+1 à R+99 ou SS1 à SS9, chacun une fois ; EFFECTIF en\n"
        "                 personnes ; PROFONDEUR, obligatoire pour un sous-sol et pour lui seul :\n"
        "                 en mètres sous le niveau moyen des seuils des issues sur l'extérieur,\n"
        "                 virgule ou point, trois décimales au plus. Un niveau absent entre le\n"
        "                 plus haut et le plus bas compte pour 0 personne.\n"
        "  --largeurs     des dégagements existants vérifiés pour un effectif (CO 36, CO 43 §3,\n"
        "                 CO 44). SORTIE : une largeur en mètres, suivie de p pour une porte ;\n"
        "                 des portes à moins de 5 m l'une de l'autre, jointes par +, comptent\n"
        "                 pour un seul dégagement (1,40p+0,90p). --escalier-unique : étage\n"
        "                 desservi par un escalier unique, plancher bas à 8 m au plus.\n"
        "  --cinquieme    la 5e catégorie (PE 2 §3, PE 11) : --public, --personnel (sans\n"
        "                 dégagements propres), --existant (0,90 m peut être 0,80 m), --sommeil\n"
        "                 (locaux à sommeil).\n"
        "  --json         la réponse en JSON, pour un autre programme.\n"
        "\n"
        "Exemples :\n"
        "  salvanor-degagements --calcul 120\n"
        "  salvanor-degagements --niveaux SS1=150@3,50 RDC=300 R+1=200 R+2=100\n"
        "  salvanor-degagements --largeurs --effectif 250 2,40 0,90\n"
        "  salvanor-degagements --cinquieme --json --public 120 --personnel 30\n"
        "\n"
        "Code de sortie : 0 quand la réponse est donnée ; 2 quand un argument ne peut être lu,\n"
        "avec une ligne d'explication sur la sortie d'erreur.\n");
}

Reponse texteSeul(const Options &options, const QString &commande, const QString &texte)
{
    if (const std::optional<Refus> refus = sansAutreArgument(options, commande))
        return *refus;
    return texte;
}

struct Commande
{
    QString nom;
    Grammaire grammaire;
    Reponse (*repondre)(const Options &);
};

const QList<Commande> &commandes()
{
    static const QList<Commande> liste {
        { QStringLiteral("--calcul"), {}, &repondreCalcul },
        { QStringLiteral("--niveaux"), { { QStringLiteral("--json") }, {} }, &repondreNiveaux },
        { QStringLiteral("--largeurs"),
            { { QStringLiteral("--json"), QStringLiteral("--escalier-unique") },
                { QStringLiteral("--effectif") } },
            &repondreLargeurs },
        { QStringLiteral("--cinquieme"),
            { { QStringLiteral("--json"), QStringLiteral("--existant"),
                  QStringLiteral("--sommeil") },
                { QStringLiteral("--public"), QStringLiteral("--personnel") } },
            &repondreCinquieme },
        { QStringLiteral("--aide"), {},
            [](const Options &o) { return texteSeul(o, QStringLiteral("--aide"), aide()); } },
        { QStringLiteral("--help"), {},
            [](const Options &o) { return texteSeul(o, QStringLiteral("--help"), aide()); } },
        { QStringLiteral("--version"), {},
            [](const Options &o) {
                return texteSeul(o, QStringLiteral("--version"),
                    Produit::Titre + u' ' + Produit::Version + u'\n');
            } },
    };
    return liste;
}

Reponse repondre(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Refus { std::nullopt, QStringLiteral("commande attendue : %1.").arg(Commandes) };
    const QString &premier = arguments.first();
    if (!premier.startsWith(u'-') || premier.isEmpty()) {
        if (arguments.size() > 1)
            return Refus { arguments.at(1),
                QStringLiteral("une seule étude à ouvrir à la fois, ou une commande : %1.")
                    .arg(Commandes) };
        return Refus { premier, QStringLiteral("commande attendue : %1.").arg(Commandes) };
    }
    for (const Commande &commande : commandes()) {
        if (premier != commande.nom)
            continue;
        const std::variant<Options, Refus> options
            = separer(commande.nom, arguments.sliced(1), commande.grammaire);
        if (const auto *refus = std::get_if<Refus>(&options))
            return *refus;
        return commande.repondre(std::get<Options>(options));
    }
    const bool optionDUneCommande
        = std::any_of(commandes().begin(), commandes().end(), [&](const Commande &commande) {
              const Grammaire &g = commande.grammaire;
              return g.drapeaux.contains(premier) || g.avecValeur.contains(premier);
          });
    if (optionDUneCommande)
        return Refus { premier,
            QStringLiteral("la commande vient d'abord, puis ses options : %1.").arg(Commandes) };
    return Refus { premier, QStringLiteral("option inconnue ; commandes : %1.").arg(Commandes) };
}

} // namespace

bool estCommande(int argc, char **argv)
{
    if (argc > 2)
        return true;
    return argc == 2 && (argv[1][0] == '-' || argv[1][0] == '\0');
}

int executer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const Reponse reponse = repondre(arguments);
    if (const auto *refus = std::get_if<Refus>(&reponse)) {
        erreurs << refus->ligne();
        erreurs.flush();
        return ArgumentsIllisibles;
    }
    sortie << std::get<QString>(reponse);
    sortie.flush();
    return Reussite;
}

} // namespace LigneDeCommande
