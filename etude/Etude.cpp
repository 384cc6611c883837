// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Etude.h"

#include "Fichier.h"

#include <QFileInfo>
#include <QJsonDocument>

namespace {

const QString Marqueur = QStringLiteral("salvanor-etude");

// Far above any study a person types, far below what would hold the program up.
constexpr qint64 TailleMaximale = qint64(1024) * 1024;

QString defautEtude(const Etude &etude)
{
    return std::visit([](const auto &outil) { return defaut(outil); }, etude);
}

// `etude`, read by the reader of the tool `Outil` when the file names it.
template <class Outil>
void essayer(const QString &outil, LecteurJson &lecteur, const QJsonObject &racine,
    std::optional<Etude> &etude)
{
    if (etude || outil != Outil::Outil)
        return;
    Outil lue;
    lireJson(lecteur, racine, lue);
    etude = std::move(lue);
}

// The study of the tool named `outil`, read by that tool's own reader; none for a tool unknown.
template <class... Outils>
std::optional<Etude> lireOutil(const QString &outil, LecteurJson &lecteur,
    const QJsonObject &racine, const std::variant<Outils...> * /* the alternatives */)
{
    std::optional<Etude> etude;
    (essayer<Outils>(outil, lecteur, racine, etude), ...);
    return etude;
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

    LecteurJson lecteur;
    const QString outil = lecteur.texte(racine, QStringLiteral("outil"));
    std::optional<Etude> etude;
    if (lecteur.faute.isEmpty()) {
        etude = lireOutil(outil, lecteur, racine, static_cast<const Etude *>(nullptr));
        if (!etude)
            return endommage(QStringLiteral("l'outil « %1 » est inconnu")
                                 .arg(outil.left(FichierEtude::LongueurCellule)));
    }
    if (!lecteur.faute.isEmpty())
        return endommage(lecteur.faute);
    if (const QString raison = defautEtude(*etude); !raison.isEmpty())
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
    QJsonObject racine = std::visit([](const auto &outil) { return versJson(outil); }, etude);
    racine.insert(QStringLiteral("format"), Marqueur);
    racine.insert(QStringLiteral("version"),
        std::visit([](const auto &outil) { return outil.Version; }, etude));
    racine.insert(QStringLiteral("outil"),
        std::visit([](const auto &outil) { return QString(outil.Outil); }, etude));
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
    if (const QString raison = defautEtude(etude); !raison.isEmpty())
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
