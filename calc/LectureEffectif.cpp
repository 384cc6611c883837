// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "LectureEffectif.h"

#include "Niveaux.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace {

constexpr qsizetype ChiffresMaximum = 10;
constexpr qint64 BoutiqueMaximale = 30000; // M 2 §1 b: "inférieure à 300 m²", in hundredths of m²

// What a quantity is, in a cell's sentence and in an argument's phrase.
struct Genre
{
    const char16_t *cellule;
    const char16_t *argument;
    const char16_t *exemple;
    int decimales;
};

constexpr Genre GenreSurface { u"une surface en m²", u"surface attendue en m²",
    u"par exemple 120 ou 85,5", 2 };
constexpr Genre GenreLongueur { u"une longueur en mètres", u"longueur attendue en mètres",
    u"par exemple 12 ou 4,60", 3 };
constexpr Genre GenreNombre { u"un nombre entier", u"nombre entier attendu", u"par exemple 40", 0 };
constexpr Genre GenrePlaces { u"un nombre de places", u"nombre de places attendu",
    u"par exemple 120", 0 };
constexpr Genre GenrePlacesSurface { u"les places et la surface sous la forme PLACES@SURFACE",
    u"places et surface attendues sous la forme PLACES@SURFACE", u"par exemple 120@85,5", 0 };

// "Indiquez une surface en m², par exemple 120 ou 85,5 : deux décimales au plus."
QString phrase(const Genre &genre, Saisie saisie, const QString &detail)
{
    const QString debut = saisie == Saisie::Cellule
        ? QStringLiteral("Indiquez ") + QString::fromUtf16(genre.cellule)
        : QString::fromUtf16(genre.argument);
    return debut + QStringLiteral(", ") + QString::fromUtf16(genre.exemple)
        + (detail.isEmpty() ? QString() : QStringLiteral(" : ") + detail) + u'.';
}

bool chiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool separateur(QChar c)
{
    return c == u',' || c == u'.';
}

bool contient(QStringView texte, bool (*critere)(QChar))
{
    return std::any_of(texte.begin(), texte.end(), critere);
}

// Digits and at most `genre.decimales` decimals into an integer in the unit's base, or what is
// wrong with them.
Lu<qint64> lire(QStringView texte, const Genre &genre, Saisie saisie)
{
    const auto refus = [&](const QString &detail) {
        return Lu<qint64> { std::nullopt, phrase(genre, saisie, detail) };
    };
    const bool entier = genre.decimales == 0;
    if (texte.isEmpty())
        return refus(
            saisie == Saisie::Cellule ? QString() : QStringLiteral("la quantité est vide"));
    if (contient(texte, [](QChar c) { return c.isSpace(); }))
        return refus(QStringLiteral("sans espace"));
    if (contient(texte, [](QChar c) { return c == u'+' || c == u'-' || c == QChar(0x2212); }))
        return refus(QStringLiteral("sans signe + ou -"));
    if (texte.contains(u'@'))
        return refus(QStringLiteral("« @ » ne sert qu'aux places déclarées (N.places, "
                                    "L.multimedia)"));
    if (!std::all_of(
            texte.begin(), texte.end(), [](QChar c) { return chiffre(c) || separateur(c); }))
        return refus(entier ? QStringLiteral("des chiffres seulement")
                            : QStringLiteral("des chiffres et une virgule ou un point seulement"));
    const auto position = std::find_if(texte.begin(), texte.end(), separateur);
    if (entier && position != texte.end())
        return refus(QStringLiteral("sans virgule ni point"));
    const QStringView entiers = texte.first(position - texte.begin());
    const QStringView decimales
        = position == texte.end() ? QStringView() : texte.sliced(entiers.size() + 1);
    if (contient(decimales, separateur))
        return refus(QStringLiteral("une seule virgule"));
    if (entiers.isEmpty())
        return refus(QStringLiteral("un chiffre avant la virgule"));
    if (position != texte.end() && decimales.isEmpty())
        return refus(QStringLiteral("un chiffre au moins après la virgule"));
    if (decimales.size() > genre.decimales)
        return refus(genre.decimales == 2 ? QStringLiteral("deux décimales au plus")
                                          : QStringLiteral("trois décimales au plus"));
    if (entiers.size() > ChiffresMaximum)
        return refus(entier ? QStringLiteral("dix chiffres au plus")
                            : QStringLiteral("dix chiffres au plus avant la virgule"));
    // At most 10 + 3 digits: far inside a qint64.
    const auto ajouter = [](qint64 valeur, QChar c) { return valeur * 10 + (c.unicode() - u'0'); };
    qint64 valeur = std::accumulate(entiers.begin(), entiers.end(), qint64(0), ajouter);
    valeur = std::accumulate(decimales.begin(), decimales.end(), valeur, ajouter);
    for (qsizetype rang = decimales.size(); rang < genre.decimales; ++rang)
        valeur *= 10;
    if (entier && valeur > quantiteMaximale(Unite::Nombre))
        return refus(QStringLiteral("2 147 483 647 au plus"));
    return { valeur, {} };
}

Lu<Quantite> refusQuantite(const QString &phrase)
{
    return { std::nullopt, phrase };
}

// "120", "85,50": hundredths of m² as lireSurface reads them.
QString ecrireSurface(qint64 centiemes)
{
    const QString entiers = QString::number(centiemes / 100);
    return centiemes % 100 == 0
        ? entiers
        : entiers + QStringLiteral(",%1").arg(centiemes % 100, 2, 10, QChar(u'0'));
}

// "L, M, N, O, P, R, S, T, V, W, X et Y", from the table.
QString typesTraites()
{
    QStringList types;
    for (const Nature &lue : natures())
        if (!lue.type.isEmpty() && !types.contains(lue.type))
            types << lue.type;
    types.sort();
    const QString dernier = types.takeLast();
    return types.join(QStringLiteral(", ")) + QStringLiteral(" et ") + dernier;
}

} // namespace

Lu<qint64> lireSurface(QStringView texte, Saisie saisie)
{
    return lire(texte, GenreSurface, saisie);
}

Lu<qint64> lireLongueurZone(QStringView texte, Saisie saisie)
{
    return lire(texte, GenreLongueur, saisie);
}

Lu<qint64> lireNombreZone(QStringView texte, Saisie saisie)
{
    return lire(texte, GenreNombre, saisie);
}

Lu<Quantite> lireQuantite(const Nature &nature, QStringView texte, Saisie saisie)
{
    if (nature.unite == Unite::PlacesSurface) {
        const qsizetype arobase = texte.indexOf(u'@');
        const auto refus = [&](const char16_t *detail) {
            return refusQuantite(phrase(GenrePlacesSurface, saisie, QString::fromUtf16(detail)));
        };
        if (arobase < 0)
            return refus(u"il manque « @ »");
        const QStringView places = texte.first(arobase);
        const QStringView surface = texte.sliced(arobase + 1);
        if (places.isEmpty())
            return refus(u"il manque les places avant « @ »");
        if (surface.isEmpty())
            return refus(u"il manque la surface après « @ »");
        if (surface.contains(u'@'))
            return refus(u"un seul « @ »");
        const Lu<qint64> sieges = lire(places, GenrePlaces, saisie);
        if (!sieges)
            return refusQuantite(sieges.erreur);
        const Lu<qint64> aire = lire(surface, GenreSurface, saisie);
        if (!aire)
            return refusQuantite(aire.erreur);
        return { Quantite { *aire.valeur, *sieges.valeur }, {} };
    }
    const Genre &genre = nature.unite == Unite::Surface ? GenreSurface
        : nature.unite == Unite::Longueur               ? GenreLongueur
                                                        : GenreNombre;
    const Lu<qint64> lu = lire(texte, genre, saisie);
    if (!lu)
        return refusQuantite(lu.erreur);
    // One zone is one shop (B3): a larger one is counted as a sales area.
    if (nature.code == u"M.boutique" && *lu.valeur >= BoutiqueMaximale)
        return refusQuantite(saisie == Saisie::Cellule
                ? QStringLiteral("Indiquez une boutique de moins de 300 m², ou saisissez-la en "
                                 "M.vente (M 2 §1 b).")
                : QStringLiteral("boutique de moins de 300 m² attendue (M 2 §1 b) : saisissez "
                                 "une boutique plus grande en M.vente."));
    return { Quantite { *lu.valeur, 0 }, {} };
}

Lu<Zone> lireZone(QStringView argument)
{
    const auto refus = [](const QString &phrase) { return Lu<Zone> { std::nullopt, phrase }; };
    const QString forme = QStringLiteral("zone attendue sous la forme NIVEAU:NATURE=QUANTITÉ, par "
                                         "exemple RDC:M.vente=120 : ");
    const qsizetype deuxPoints = argument.indexOf(u':');
    if (deuxPoints < 0)
        return refus(forme + QStringLiteral("il manque « : » après le niveau."));
    const qsizetype egal = argument.indexOf(u'=', deuxPoints + 1);
    if (egal < 0)
        return refus(forme + QStringLiteral("il manque « = » après la nature."));
    const QStringView texteNiveau = argument.first(deuxPoints);
    const QStringView code = argument.sliced(deuxPoints + 1, egal - deuxPoints - 1);

    const std::optional<int> niveau = lireNomNiveau(texteNiveau);
    if (!niveau)
        return refus(
            (texteNiveau.isEmpty() ? QStringLiteral("niveau manquant avant « : »")
                                   : QStringLiteral("niveau inconnu « %1 »").arg(texteNiveau))
            + QStringLiteral(" : RDC, R+1 à R+99 ou SS1 à SS9 attendu, en capitales et sans zéro "
                             "devant."));
    const qsizetype point = code.indexOf(u'.');
    const QStringView type = point < 0 ? code : code.first(point);
    if (typeNonTraite(type))
        return refus(QStringLiteral("le type %1 n'est pas traité par cet outil, qui ne traite que "
                                    "les types %2.")
                         .arg(type, typesTraites()));
    const Nature *lue = nature(code);
    if (!lue) {
        const QList<Nature> &liste = natures();
        const auto proche = std::find_if(liste.begin(), liste.end(), [code](const Nature &autre) {
            return code.compare(autre.code, Qt::CaseInsensitive) == 0;
        });
        return refus(proche != liste.end()
                ? QStringLiteral("nature inconnue « %1 » : écrivez « %2 », majuscules et "
                                 "minuscules comprises.")
                      .arg(code, proche->code)
                : (code.isEmpty() ? QStringLiteral("nature manquante entre « : » et « = »")
                                  : QStringLiteral("nature inconnue « %1 »").arg(code))
                    + QStringLiteral(" : par exemple M.vente, N.assis, L.banc ou personnel, "
                                     "écrites exactement ainsi."));
    }
    const Lu<Quantite> quantite = lireQuantite(*lue, argument.sliced(egal + 1), Saisie::Argument);
    if (!quantite)
        return refus(quantite.erreur);
    return { Zone { *niveau, lue, quantite.valeur->quantite, quantite.valeur->places }, {} };
}

QString ecrireZone(const Zone &zone)
{
    QString quantite;
    switch (zone.nature->unite) {
    case Unite::Surface:
        quantite = ecrireSurface(zone.quantite);
        break;
    case Unite::Longueur:
        quantite = ecrireMetres(zone.quantite);
        break;
    case Unite::Nombre:
        quantite = QString::number(zone.quantite);
        break;
    case Unite::PlacesSurface:
        quantite = QString::number(zone.places) + u'@' + ecrireSurface(zone.quantite);
        break;
    }
    return nomNiveau(zone.niveau) + u':' + zone.nature->code + u'=' + quantite;
}
