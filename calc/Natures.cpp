// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Natures.h"

#include <algorithm>
#include <limits>

namespace {

// Where each figure was read; the secondary copies are to be checked again on Légifrance.
const QString Vente2017 = QStringLiteral("arrêté du 15 novembre 2017 (copie secondaire)");
const QString Places2022 = QStringLiteral("arrêté du 7 février 2022 (copie secondaire)");
const QString Etalab = QStringLiteral("règlement, copie etalab");
const QString Etalab2022 = QStringLiteral("règlement, copie etalab, maintenu en 2022");
const QString ChapitreL = QStringLiteral("règlement, copie etalab (chapitre L du 5 février 2007)");

// Areas in hundredths of m², lengths in mm.
constexpr Densite ParM2(qint64 personnes, qint64 m2)
{
    return { personnes, m2 * 100 };
}
constexpr Densite ParMetre(qint64 personnes, qint64 mm)
{
    return { personnes, mm };
}
constexpr Densite Chacun { 1, 1 };

Nature uniforme(const char16_t *code, Unite unite, Densite densite, const char16_t *article,
    const QString &texte, const char16_t *description)
{
    const QString lu = QString::fromUtf16(code);
    return { lu, lu.section(u'.', 0, 0), unite, densite, densite, densite,
        QString::fromUtf16(article), texte, QString::fromUtf16(description) };
}

// A count the user works out or declares, under the article that allows it.
Nature declare(const char16_t *code, const char16_t *article, const QString &texte)
{
    return uniforme(code, Unite::Nombre, Chacun, article, texte, u"effectif déclaré du niveau");
}

QList<Nature> table()
{
    using enum Unite;
    Nature vente = uniforme(u"M.vente", Surface, ParM2(1, 3), u"M 2 §1 a", Vente2017,
        u"surface de vente, hors réserves, ateliers et bureaux");
    vente.densiteR2 = ParM2(1, 6);
    vente.densiteR3 = ParM2(1, 15);
    Nature personnel = uniforme(u"personnel", Nombre, { 0, 1 }, u"GN 1 §2 b", Etalab,
        u"personnel sans dégagements propres");
    personnel.type.clear();
    return {
        vente,
        uniforme(u"M.mail", Surface, ParM2(1, 5), u"M 2 §1 b", Vente2017,
            u"mails d'un centre commercial"),
        uniforme(u"M.boutique", Surface, ParM2(1, 6), u"M 2 §1 b", Vente2017,
            u"boutique d'un centre commercial, de moins de 300 m²"),
        uniforme(u"M.faible", Surface, ParM2(1, 9), u"M 2 §1 c", Vente2017,
            u"vente à faible densité d'occupation"),
        declare(u"M.declare", u"M 2 §1 d", QString()),
        uniforme(u"N.assis", Surface, ParM2(1, 1), u"N 2", Etalab2022,
            u"zone assise sans places déclarées"),
        uniforme(u"N.places", PlacesSurface, ParM2(1, 2), u"N 2", Places2022,
            u"places assises déclarées, et la surface de la zone"),
        uniforme(u"N.debout", Surface, ParM2(2, 1), u"N 2", Etalab, u"zone debout"),
        uniforme(u"N.attente", Surface, ParM2(3, 1), u"N 2", Etalab, u"files d'attente"),
        declare(u"N.declare", u"N 2", QString()),
        uniforme(u"L.places", Nombre, Chacun, u"L 3 a", ChapitreL,
            u"sièges, ou places numérotées de bancs"),
        uniforme(u"L.banc", Longueur, ParMetre(1, 500), u"L 3 a", ChapitreL,
            u"longueur de bancs sans places numérotées"),
        uniforme(u"L.debout", Surface, ParM2(3, 1), u"L 3 a", ChapitreL,
            u"public debout, sans sièges ni bancs"),
        uniforme(u"L.promenoir", Longueur, ParMetre(5, 1000), u"L 3 a", ChapitreL,
            u"longueur de promenoirs et de files d'attente"),
        uniforme(u"L.cabaret", Surface, ParM2(4, 3), u"L 3 b", ChapitreL, u"salle de cabaret"),
        uniforme(u"L.polyvalente", Surface, ParM2(1, 1), u"L 3 c", ChapitreL,
            u"salle polyvalente entière"),
        uniforme(u"L.reunion", Surface, ParM2(1, 1), u"L 3 d", ChapitreL,
            u"salle de réunion sans spectacle, entière"),
        uniforme(u"L.multimedia", PlacesSurface, ParM2(1, 2), u"L 3 e", ChapitreL,
            u"effectif déclaré, et la surface de la salle entière"),
        declare(u"L.declare", u"L 3", QString()),
        uniforme(u"P.danse", Surface, ParM2(4, 3), u"P 2", Etalab, u"salle de danse ou de jeux"),
        declare(u"P.declare", u"P 2", QString()),
        uniforme(u"T.exposition", Surface, ParM2(1, 1), u"T 2 a", Etalab,
            u"expositions temporaires, foires, salons"),
        uniforme(u"T.permanente", Surface, ParM2(1, 9), u"T 2 b", Etalab,
            u"exposition permanente (voitures, bateaux, machines)"),
        declare(u"T.declare", u"T 2", QString()),
        uniforme(
            u"Y.musee", Surface, ParM2(1, 5), u"Y 2 §1", Etalab, u"salles accessibles au public"),
        declare(u"Y.declare", u"Y 2", QString()),
        uniforme(u"V.places", Nombre, Chacun, u"V 2 a", Etalab, u"places assises"),
        uniforme(u"V.banc", Longueur, ParMetre(1, 500), u"V 2 a", Etalab, u"longueur de bancs"),
        uniforme(u"V.debout", Surface, ParM2(2, 1), u"V 2 b", Etalab,
            u"surface réservée aux fidèles, sans sièges"),
        declare(u"V.declare", u"V 2", QString()),
        uniforme(u"W.public", Surface, ParM2(1, 10), u"W 2 a", Etalab,
            u"locaux aménagés pour le public (halls, guichets, salles d'attente)"),
        uniforme(u"W.non-amenage", Surface, ParM2(1, 100), u"W 2 b", Etalab,
            u"surface de plancher dont l'aménagement n'est pas prévu"),
        declare(u"W.declare", u"W 2", QString()),
        declare(u"X.declare", u"X 2 §1", Etalab),
        declare(u"R.declare", u"R 2", Etalab),
        declare(u"S.declare", u"S 2", Etalab),
        declare(u"O.declare", u"O 2", Etalab),
        personnel,
    };
}

} // namespace

const QList<Nature> &natures()
{
    static const QList<Nature> liste = table();
    return liste;
}

const Nature *nature(QStringView code)
{
    const QList<Nature> &liste = natures();
    const auto trouve = std::find_if(
        liste.begin(), liste.end(), [code](const Nature &lue) { return lue.code == code; });
    return trouve == liste.end() ? nullptr : &*trouve;
}

bool typeNonTraite(QStringView type)
{
    static const QStringList autres { QStringLiteral("J"), QStringLiteral("U"),
        QStringLiteral("PA"), QStringLiteral("CTS"), QStringLiteral("SG"), QStringLiteral("PS"),
        QStringLiteral("GA"), QStringLiteral("OA"), QStringLiteral("EF"), QStringLiteral("REF") };
    return autres.contains(type);
}

Densite densite(const Nature &nature, int niveau)
{
    if (niveau >= 3)
        return nature.densiteR3;
    return niveau == 2 ? nature.densiteR2 : nature.densite;
}

qint64 quantiteMaximale(Unite unite)
{
    switch (unite) {
    case Unite::Surface:
    case Unite::PlacesSurface:
        return 999'999'999'999;
    case Unite::Longueur:
        return 9'999'999'999'999;
    case Unite::Nombre:
        break;
    }
    return std::numeric_limits<qint32>::max();
}
