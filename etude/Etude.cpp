// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Etude.h"

#include "Fichier.h"
#include "Niveaux.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace {

const QString Marqueur = QStringLiteral("salvanor-etude");
const QString OutilNiveaux = QStringLiteral("niveaux");
const QString OutilLargeurs = QStringLiteral("largeurs");

// Far above any study a person types, far below what would hold the program up.
constexpr qint64 TailleMaximale = qint64(1024) * 1024;
constexpr int SortiesMaximales = 500;
constexpr int IndiceMinimal = -9;
constexpr int IndiceMaximal = 99;

// What makes a study unfit for the file, whichever way it came; empty when it is fit.
QString defaut(const Etude &etude)
{
    QList<const QString *> cellules { &etude.effectif };
    QSet<int> vus;
    int precedent = IndiceMaximal + 1;
    for (const SaisieNiveau &niveau : etude.niveaux) {
        if (niveau.indice < IndiceMinimal || niveau.indice > IndiceMaximal)
            return QStringLiteral("un niveau n'est ni RDC, ni R+1 à R+99, ni SS1 à SS9");
        if (vus.contains(niveau.indice))
            return QStringLiteral("le niveau %1 figure deux fois").arg(nomNiveau(niveau.indice));
        if (niveau.indice > precedent)
            return QStringLiteral("les niveaux ne vont pas du plus haut au plus bas");
        vus.insert(niveau.indice);
        precedent = niveau.indice;
        cellules << &niveau.effectif << &niveau.profondeur;
    }
    if (etude.sorties.size() > SortiesMaximales)
        return QStringLiteral("le nombre de sorties dépasse %1").arg(SortiesMaximales);
    for (const SaisieSortie &sortie : etude.sorties)
        cellules << &sortie.largeur << &sortie.groupe;
    if (std::any_of(cellules.cbegin(), cellules.cend(),
            [](const QString *cellule) { return cellule->size() > FichierEtude::LongueurCellule; }))
        return QStringLiteral("une case dépasse %1 caractères").arg(FichierEtude::LongueurCellule);
    return {};
}

// Reads the values of one JSON object, keeping the first fault met.
class Lecteur
{
public:
    QString faute;

    QString texte(const QJsonObject &objet, const QString &cle, const QString &ou)
    {
        const QJsonValue valeur = objet.value(cle);
        if (!valeur.isString())
            mauvaisType(QStringLiteral("« %1 »%2").arg(cle, ou));
        return valeur.toString();
    }
    bool booleen(const QJsonObject &objet, const QString &cle)
    {
        const QJsonValue valeur = objet.value(cle);
        if (!valeur.isBool())
            mauvaisType(QStringLiteral("« %1 »").arg(cle));
        return valeur.toBool();
    }
    QJsonArray liste(const QJsonObject &objet, const QString &cle)
    {
        const QJsonValue valeur = objet.value(cle);
        if (!valeur.isArray())
            mauvaisType(QStringLiteral("« %1 »").arg(cle));
        return valeur.toArray();
    }
    QJsonObject objet(const QJsonValue &valeur, const QString &quoi)
    {
        if (!valeur.isObject())
            mauvaisType(quoi);
        return valeur.toObject();
    }

private:
    void mauvaisType(const QString &quoi)
    {
        if (faute.isEmpty())
            faute = QStringLiteral("%1 n'a pas la forme attendue").arg(quoi);
    }
};

void lireNiveaux(Lecteur &lecteur, const QJsonObject &racine, Etude &etude)
{
    const QJsonArray niveaux = lecteur.liste(racine, QStringLiteral("niveaux"));
    for (qsizetype rang = 0; rang < niveaux.size() && lecteur.faute.isEmpty(); ++rang) {
        const QJsonObject objet
            = lecteur.objet(niveaux[rang], QStringLiteral("le niveau n° %1").arg(rang + 1));
        const QString nom = lecteur.texte(objet, QStringLiteral("niveau"), {});
        if (!lecteur.faute.isEmpty())
            return;
        const std::optional<int> indice = lireNomNiveau(nom);
        if (!indice) {
            lecteur.faute
                = QStringLiteral("« %1 » n'est pas un niveau (RDC, R+1 à R+99, SS1 à SS9)")
                      .arg(nom.left(FichierEtude::LongueurCellule));
            return;
        }
        const QString ou = QStringLiteral(" du niveau ") + nom;
        etude.niveaux << SaisieNiveau { *indice,
            lecteur.texte(objet, QStringLiteral("effectif"), ou),
            lecteur.texte(objet, QStringLiteral("profondeur"), ou) };
    }
}

void lireLargeurs(Lecteur &lecteur, const QJsonObject &racine, Etude &etude)
{
    etude.effectif = lecteur.texte(racine, QStringLiteral("effectif"), {});
    etude.escalierUnique = lecteur.booleen(racine, QStringLiteral("escalier_unique"));
    const QJsonArray sorties = lecteur.liste(racine, QStringLiteral("sorties"));
    if (sorties.size() > SortiesMaximales) {
        lecteur.faute = QStringLiteral("le nombre de sorties dépasse %1").arg(SortiesMaximales);
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

// `sujet` opens every sentence: "Ce fichier" or "Le fichier « etude.salvanor »".
Lu<Etude> lireSous(const QByteArray &octets, const QString &sujet)
{
    const auto refus = [&](const QString &phrase) {
        return Lu<Etude> { std::nullopt, sujet + phrase + u'.' };
    };
    const auto endommage = [&](const QString &raison) {
        return refus(QStringLiteral(" est endommagé : ") + raison);
    };
    if (octets.size() > TailleMaximale)
        return refus(QStringLiteral(" n'est pas une étude SalvaNOR : il dépasse 1 Mio"));
    if (octets.trimmed().isEmpty())
        return endommage(QStringLiteral("il est vide"));
    QJsonParseError erreur {};
    const QJsonDocument document = QJsonDocument::fromJson(octets, &erreur);
    if (erreur.error != QJsonParseError::NoError) {
        const bool tronque = erreur.error == QJsonParseError::UnterminatedObject
            || erreur.error == QJsonParseError::UnterminatedArray
            || erreur.error == QJsonParseError::UnterminatedString
            || erreur.offset >= octets.trimmed().size();
        return endommage(tronque
                ? QStringLiteral("il s'arrête avant la fin")
                : QStringLiteral("son contenu est illisible à l'octet %1").arg(erreur.offset));
    }
    const QJsonObject racine = document.object();
    if (!document.isObject() || racine.value(QStringLiteral("format")).toString() != Marqueur)
        return refus(QStringLiteral(" n'est pas une étude SalvaNOR"));
    const QJsonValue version = racine.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1)
        return endommage(QStringLiteral("son numéro de format est illisible"));
    if (version.toInt() > FichierEtude::Version)
        return refus(QStringLiteral(" a été enregistré par une version plus récente de %1 "
                                    "(format %2) ; il ne peut pas être ouvert ici")
                         .arg(QStringLiteral("SalvaNOR - Dégagements"))
                         .arg(version.toInt()));

    Etude etude;
    Lecteur lecteur;
    const QString outil = lecteur.texte(racine, QStringLiteral("outil"), {});
    if (outil == OutilNiveaux) {
        etude.outil = Etude::Outil::Niveaux;
        lireNiveaux(lecteur, racine, etude);
    } else if (outil == OutilLargeurs) {
        etude.outil = Etude::Outil::Largeurs;
        lireLargeurs(lecteur, racine, etude);
    } else if (lecteur.faute.isEmpty()) {
        return endommage(QStringLiteral("l'outil « %1 » est inconnu")
                             .arg(outil.left(FichierEtude::LongueurCellule)));
    }
    if (!lecteur.faute.isEmpty())
        return endommage(lecteur.faute);
    if (const QString raison = defaut(etude); !raison.isEmpty())
        return endommage(raison);
    return { std::move(etude), {} };
}

QString nomAffiche(const QString &chemin)
{
    return QStringLiteral("Le fichier « %1 »").arg(QFileInfo(chemin).fileName());
}

} // namespace

namespace FichierEtude {

QByteArray ecrire(const Etude &etude)
{
    QJsonObject racine { { QStringLiteral("format"), Marqueur },
        { QStringLiteral("version"), Version } };
    if (etude.outil == Etude::Outil::Niveaux) {
        racine.insert(QStringLiteral("outil"), OutilNiveaux);
        QJsonArray niveaux;
        for (const SaisieNiveau &niveau : etude.niveaux)
            niveaux.append(QJsonObject { { QStringLiteral("niveau"), nomNiveau(niveau.indice) },
                { QStringLiteral("effectif"), niveau.effectif },
                { QStringLiteral("profondeur"), niveau.profondeur } });
        racine.insert(QStringLiteral("niveaux"), niveaux);
    } else {
        racine.insert(QStringLiteral("outil"), OutilLargeurs);
        racine.insert(QStringLiteral("effectif"), etude.effectif);
        racine.insert(QStringLiteral("escalier_unique"), etude.escalierUnique);
        QJsonArray sorties;
        for (const SaisieSortie &sortie : etude.sorties)
            sorties.append(QJsonObject { { QStringLiteral("largeur"), sortie.largeur },
                { QStringLiteral("porte"), sortie.porte },
                { QStringLiteral("groupe"), sortie.groupe } });
        racine.insert(QStringLiteral("sorties"), sorties);
    }
    return QJsonDocument(racine).toJson(QJsonDocument::Indented);
}

Lu<Etude> lire(const QByteArray &octets)
{
    return lireSous(octets, QStringLiteral("Ce fichier"));
}

QString enregistrer(const QString &chemin, const Etude &etude)
{
    const QString echec = QStringLiteral("L'étude n'a pas été enregistrée : %1.");
    // Never a file this program would refuse to open.
    if (const QString raison = defaut(etude); !raison.isEmpty())
        return echec.arg(raison);
    const QString raison = Fichier::ecrire(chemin, ecrire(etude));
    return raison.isEmpty() ? QString() : echec.arg(raison);
}

Lu<Etude> ouvrir(const QString &chemin)
{
    const Lu<QByteArray> octets = Fichier::lire(chemin, TailleMaximale);
    if (!octets)
        return { std::nullopt,
            nomAffiche(chemin) + QStringLiteral(" n'a pas pu être ouvert : ") + octets.erreur
                + u'.' };
    return lireSous(*octets.valeur, nomAffiche(chemin));
}

} // namespace FichierEtude
