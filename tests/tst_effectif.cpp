// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The effectif tool against figures worked out by hand from the articles, the thresholds of
// PE 2 §1 as printed, and the worked examples of the reference notes.
#include "Effectif.h"
#include "LectureEffectif.h"
#include "Niveaux.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// "--spectacle RDC:L.places=40 RDC:L.banc=4,6" as on the command line; the first zone refused
// gives its phrase instead.
Lu<EntreeEffectif> batiment(const QString &texte)
{
    EntreeEffectif entree { {}, texte.contains("--spectacle"), texte.contains("--sommeil") };
    for (const QString &mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        const Lu<Zone> zone = lireZone(mot);
        if (zone)
            entree.zones << *zone.valeur;
        else if (!mot.startsWith("--"))
            return { std::nullopt, zone.erreur };
    }
    return { entree, {} };
}

ResultatEffectif calcule(const QString &texte)
{
    return *calculerEffectif(*batiment(texte).valeur).valeur;
}

// "–" for a column without a figure.
QString chiffre(const std::optional<qint64> &figure)
{
    return figure ? QString::number(*figure) : QStringLiteral("–");
}

QString barres(const std::optional<qint64> &a, const std::optional<qint64> &b, qint64 c)
{
    return chiffre(a) + '/' + chiffre(b) + '/' + chiffre(c);
}

// "M, N, Y | R+1 45/0, RDC 130/12 | 0/45/175 | 187 | cat. 5 50/100/200 PE 11 | M 2, GN 2, GN 1":
// types, levels (public/staff), public by class, effectif, category (with GN 2's types alone),
// thresholds, exit rule, warnings (N 2 and L 3: zones raised to their minimum / zones).
QString enMots(const ResultatEffectif &r)
{
    QStringList niveaux;
    for (const NiveauEffectif &niveau : r.niveaux)
        niveaux << nomNiveau(niveau.indice) + ' ' + chiffre(niveau.public_) + '/'
                + chiffre(niveau.personnel);
    QStringList articles;
    for (const Avertissement &avertissement : r.avertissements) {
        const auto minima
            = QRegularExpression("à (\\d+) zones? sur (\\d+)").match(avertissement.texte);
        articles << avertissement.article
                + (minima.hasMatch() ? ' ' + minima.captured(1) + '/' + minima.captured(2) : "");
    }
    const QString seuls = r.typesSeuls.isEmpty() ? "" : " (" + r.typesSeuls.join(", ") + ")";
    return QStringList { r.types.join(", "), niveaux.join(", "),
        barres(r.public_.sousSol, r.public_.etages, r.public_.total), chiffre(r.effectif),
        "cat. " + chiffre(r.categorie) + seuls + ' '
            + barres(r.seuils.sousSol, r.seuils.etages, r.seuils.total) + ' ' + r.regle,
        articles.join(", ") }
        .join(" | ");
}

} // namespace

class TstEffectif : public QObject
{
    Q_OBJECT

private slots:
    // Every density a whole numerator over D: a fraction of a person is never lost.
    void natures()
    {
        for (const Nature &lue : ::natures())
            for (const Densite &d : { lue.densite, lue.densiteR2, lue.densiteR3 })
                QVERIFY2(DenominateurZone * d.personnes % d.pour == 0, qPrintable(lue.code));
    }

    // Each zone's public by hand from its article, as a fraction of persons; "!": the seats
    // were raised to 1 per 2 m².
    void publics_data()
    {
        QTest::addColumn<QString>("zones");
        QTest::addColumn<QString>("personnes");
        // clang-format off
        QTest::newRow("M.vente par niveau") << "SS1:M.vente=3 RDC:M.vente=450 R+1:M.vente=1 R+2:M.vente=120 R+3:M.vente=150 R+9:M.vente=0,15" << "1 150 1/3 20 10 1/100";
        QTest::newRow("M, centre et faible densité") << "RDC:M.mail=10 RDC:M.boutique=299,99 R+4:M.boutique=6 R+5:M.faible=9 RDC:M.declare=7" << "2 29999/600 1 1 7";
        QTest::newRow("N, places sous et au-dessus de la moitié de l'aire") << "RDC:N.assis=80 RDC:N.places=30@60 RDC:N.places=30@60,01 RDC:N.places=31@60 RDC:N.places=0@0,01 RDC:N.debout=40 RDC:N.attente=5,5 RDC:N.declare=12" << "80 30 6001/200! 31 1/200! 80 33/2 12";
        QTest::newRow("L, bancs au millimètre") << "RDC:L.places=40 RDC:L.banc=4,6 RDC:L.banc=0,001 RDC:L.debout=2 RDC:L.promenoir=0,3 RDC:L.cabaret=3 RDC:L.polyvalente=7 RDC:L.reunion=7 RDC:L.multimedia=10@30 RDC:L.multimedia=10@19,99 RDC:L.declare=5" << "40 46/5 1/500 6 3/2 4 7 7 15! 10 5";
        QTest::newRow("P, T, Y") << "R+1:P.danse=75 RDC:P.declare=3 RDC:T.exposition=250 R+2:T.permanente=90 RDC:T.declare=1 R+3:Y.musee=400 RDC:Y.declare=2" << "100 3 250 10 1 80 2";
        QTest::newRow("V, W") << "RDC:V.places=180 RDC:V.banc=30 RDC:V.debout=0,5 RDC:V.declare=4 RDC:W.public=1250 R+1:W.non-amenage=2400 RDC:W.non-amenage=0,01 RDC:W.declare=9" << "180 60 1 4 125 24 1/10000 9";
        QTest::newRow("déclarés et personnel") << "RDC:X.declare=123456789 RDC:R.declare=28 RDC:S.declare=0 RDC:O.declare=60 RDC:personnel=9" << "123456789 28 0 60 0";
        // clang-format on
    }
    void publics()
    {
        QFETCH(QString, zones);
        QFETCH(QString, personnes);
        const QList<Zone> lues = batiment(zones).valeur->zones;
        const ResultatEffectif r = calcule(zones);
        const QStringList fractions = personnes.split(' ');
        QCOMPARE(r.numerateurs.size(), fractions.size());
        for (qsizetype rang = 0; rang < fractions.size(); ++rang) {
            const QString fraction = fractions.at(rang);
            QCOMPARE(minimumApplique(lues.at(rang)), fraction.endsWith('!'));
            const qint64 sur = std::max(1LL, fraction.section('/', 1).remove('!').toLongLong());
            QVERIFY2(r.numerateurs.at(rang) * sur
                    == fraction.section('/', 0, 0).remove('!').toLongLong() * DenominateurZone,
                qPrintable(fraction));
        }
    }

    // PE 2 §1's row of each type, as printed: at T − 1 below, at T the 1st group by that class
    // (and by the total if reached too). A column without a figure ("–") stays 5th with all but
    // the total there.
    void seuils_data()
    {
        QTest::addColumn<QString>("cas"); // the type, then options or a zone
        QTest::addColumn<QString>("rangee"); // sous-sol, étages, total
        // clang-format off
        QTest::newRow("L") << "L" << "100 – 200";
        QTest::newRow("L, spectacle") << "L --spectacle" << "20 – 50";
        QTest::newRow("L, un cabaret de 0 m²") << "L RDC:L.cabaret=0" << "20 – 50";
        QTest::newRow("M, spectacle sans effet") << "M --spectacle" << "100 100 200";
        QTest::newRow("N") << "N" << "100 200 200";
        QTest::newRow("O") << "O" << "– – 100";
        QTest::newRow("P") << "P" << "20 100 120";
        QTest::newRow("R") << "R" << "100 100 200";
        QTest::newRow("R, sommeil") << "R --sommeil" << "– – 30";
        QTest::newRow("S, sommeil sans effet") << "S --sommeil" << "100 100 200";
        QTest::newRow("T") << "T" << "100 100 200";
        QTest::newRow("V") << "V" << "100 200 300";
        QTest::newRow("W") << "W" << "100 100 200";
        QTest::newRow("X") << "X" << "100 100 200";
        QTest::newRow("Y") << "Y" << "100 100 200";
        // clang-format on
    }
    void seuils()
    {
        QFETCH(QString, cas);
        QFETCH(QString, rangee);
        const QStringList figures = rangee.split(' ');
        const QStringList niveaux { "SS1", "R+1", "RDC" };
        for (int colonne = 0; colonne < 3; ++colonne) {
            const bool sans = figures.at(colonne) == "–";
            const qint64 figure = figures.at(sans ? 2 : colonne).toLongLong();
            for (qint64 public_ = figure - 1; public_ <= figure - (sans ? 1 : 0); ++public_) {
                const QString zones
                    = QStringLiteral("%1 %2:%3.declare=%4")
                          .arg(cas.section(' ', 1), niveaux.at(colonne), cas.section(' ', 0, 0))
                          .arg(public_);
                const ResultatEffectif r = calcule(zones);
                const bool premier = public_ == figure;
                const QList<bool> atteints { r.atteints.sousSol, r.atteints.etages,
                    r.atteints.total, r.groupe == 1 };
                const QList<bool> attendus { colonne == 0 && premier, colonne == 1 && premier,
                    public_ >= figures.at(2).toLongLong(), premier };
                QVERIFY2(atteints == attendus, qPrintable(zones));
                QCOMPARE(
                    barres(r.seuils.sousSol, r.seuils.etages, r.seuils.total), figures.join('/'));
            }
        }
    }

    // Whole buildings: the reference's worked examples, then each edge of a rule, then every
    // refusal of a zone and of the cap (words of the phrase, which is in lower case).
    void etablissements_data()
    {
        QTest::addColumn<QString>("zones");
        QTest::addColumn<QString>("resultat");
        // clang-format off
        QTest::newRow("exemple : magasin sur trois niveaux") << "RDC:M.vente=450 R+1:M.vente=240 R+2:M.vente=120 RDC:personnel=9" << "M | R+2 20/0, R+1 80/0, RDC 150/9 | 0/100/250 | 259 | cat. 4 100/100/200 CO 38 | M 2, GN 1";
        QTest::newRow("exemple : restaurant, 96,5 arrondi à 97") << "SS1:N.debout=40 SS1:N.attente=5,5 RDC:N.assis=80 RDC:personnel=4" << "N | RDC 80/4, SS1 97/0 | 97/0/177 | 181 | cat. 5 100/200/200 PE 11 | GN 1";
        QTest::newRow("exemple : spectacle, 49,2 arrondi à 50") << "--spectacle RDC:L.places=40 RDC:L.banc=4,6" << "L | RDC 50/0 | 0/0/50 | 50 | cat. 4 20/–/50 CO 38 | ";
        QTest::newRow("exemple : spectacle, 49") << "--spectacle RDC:L.places=40 RDC:L.banc=4,5" << "L | RDC 49/0 | 0/0/49 | 49 | cat. 5 20/–/50 PE 11 | ";
        QTest::newRow("exemple : musée, magasin et restaurant") << "RDC:Y.musee=400 RDC:M.vente=150 R+1:N.assis=45 RDC:personnel=12" << "M, N, Y | R+1 45/0, RDC 130/12 | 0/45/175 | 187 | cat. 5 50/100/200 PE 11 | M 2, GN 2, GN 1";
        QTest::newRow("exemple : culte") << "RDC:V.places=180 RDC:V.banc=30 R+1:V.banc=25 RDC:personnel=3" << "V | R+1 50/0, RDC 240/3 | 0/50/290 | 293 | cat. 5 100/200/300 PE 11 | GN 1";
        QTest::newRow("exemple : hôtel et restaurant") << "R+1:O.declare=60 RDC:N.assis=80 RDC:personnel=15" << "N, O | R+1 60/0, RDC 80/15 | 0/60/140 | 155 | cat. 5 50/100/200 PE 11 | O 1, GN 2, GN 1";
        QTest::newRow("exemple : internat") << "--sommeil RDC:R.declare=28 R+1:R.declare=4 RDC:personnel=6" << "R | R+1 4/0, RDC 28/6 | 0/4/32 | 38 | cat. 4 –/–/30 CO 38 | R 1, GN 1";
        QTest::newRow("exemple : école sans sommeil") << "RDC:R.declare=28 R+1:R.declare=4 RDC:personnel=6" << "R | R+1 4/0, RDC 28/6 | 0/4/32 | 38 | cat. 5 100/100/200 PE 11 | R 1, GN 1";
        QTest::newRow("exemple : bureaux, CO 38 §1 d") << "RDC:W.public=1250 R+1:W.non-amenage=2400 RDC:personnel=400" << "W | R+1 24/0, RDC 125/400 | 0/24/149 | 549 | cat. 5 100/100/200 CO 38 §1 d | GN 1";
        QTest::newRow("exemple : salon") << "RDC:T.exposition=250 RDC:personnel=460" << "T | RDC 250/460 | 0/0/250 | 710 | cat. 2 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("exemple : bibliothèque, PE 2 §3") << "RDC:S.declare=12 RDC:personnel=3" << "S | RDC 12/3 | 0/0/12 | 15 | cat. 5 100/100/200 PE 2 §3 | GN 1";
        QTest::newRow("exemple : bibliothèque avec sommeil") << "--sommeil RDC:S.declare=12 RDC:personnel=3" << "S | RDC 12/3 | 0/0/12 | 15 | cat. 5 100/100/200 PE 11 | GN 1";
        QTest::newRow("exemple : dancing en étage") << "R+1:P.danse=75" << "P | R+1 100/0 | 0/100/100 | 100 | cat. 4 20/100/120 CO 38 | ";
        QTest::newRow("catégorie : 300") << "RDC:T.declare=250 RDC:personnel=50" << "T | RDC 250/50 | 0/0/250 | 300 | cat. 4 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("catégorie : 301") << "RDC:T.declare=250 RDC:personnel=51" << "T | RDC 250/51 | 0/0/250 | 301 | cat. 3 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("catégorie : 700") << "RDC:T.declare=250 RDC:personnel=450" << "T | RDC 250/450 | 0/0/250 | 700 | cat. 3 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("catégorie : 701") << "RDC:T.declare=250 RDC:personnel=451" << "T | RDC 250/451 | 0/0/250 | 701 | cat. 2 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("catégorie : 1500") << "RDC:T.declare=250 RDC:personnel=1250" << "T | RDC 250/1250 | 0/0/250 | 1500 | cat. 2 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("catégorie : 1501") << "RDC:T.declare=250 RDC:personnel=1251" << "T | RDC 250/1251 | 0/0/250 | 1501 | cat. 1 100/100/200 CO 38 | T 1, GN 1";
        QTest::newRow("personnel : 5e à 300, PE 11") << "RDC:M.declare=199 RDC:personnel=101" << "M | RDC 199/101 | 0/0/199 | 300 | cat. 5 100/100/200 PE 11 | GN 1";
        QTest::newRow("personnel : 5e à 301, CO 38 §1 d") << "RDC:M.declare=199 RDC:personnel=102" << "M | RDC 199/102 | 0/0/199 | 301 | cat. 5 100/100/200 CO 38 §1 d | GN 1";
        QTest::newRow("PE 2 §3 : 19 public, personnel") << "RDC:M.declare=19 RDC:personnel=100" << "M | RDC 19/100 | 0/0/19 | 119 | cat. 5 100/100/200 PE 2 §3 | GN 1";
        QTest::newRow("PE 2 §3 : 20 public") << "RDC:M.declare=20" << "M | RDC 20/0 | 0/0/20 | 20 | cat. 5 100/100/200 PE 11 | ";
        QTest::newRow("PE 2 §3 : 19, sommeil") << "--sommeil RDC:M.declare=19" << "M | RDC 19/0 | 0/0/19 | 19 | cat. 5 100/100/200 PE 11 | ";
        QTest::newRow("PE 2 §3 : 19 à l'hôtel") << "RDC:O.declare=19" << "O | RDC 19/0 | 0/0/19 | 19 | cat. 5 –/–/100 PE 11 | O 1";
        QTest::newRow("arrondi : trois tiers, une personne") << "RDC:M.vente=1 RDC:M.vente=1 RDC:M.vente=1" << "M | RDC 1/0 | 0/0/1 | 1 | cat. 5 100/100/200 PE 2 §3 | M 2";
        QTest::newRow("arrondi : un tiers par niveau") << "RDC:M.vente=1 R+1:M.vente=1" << "M | R+1 1/0, RDC 1/0 | 0/1/2 | 2 | cat. 5 100/100/200 PE 2 §3 | M 2";
        QTest::newRow("GN 2 : 49 en sous-sol") << "SS1:M.declare=49 RDC:N.declare=1" << "M, N | RDC 1/0, SS1 49/0 | 49/0/50 | 50 | cat. 5 50/100/200 PE 11 | GN 2";
        QTest::newRow("GN 2 : 50 en sous-sol") << "SS1:M.declare=50 RDC:N.declare=1" << "M, N | RDC 1/0, SS1 50/0 | 50/0/51 | 51 | cat. 4 50/100/200 CO 38 | GN 2";
        QTest::newRow("GN 2 : 100 en étage, L sans étages") << "R+1:L.declare=100 RDC:M.declare=1" << "L, M | R+1 100/0, RDC 1/0 | 0/100/101 | 101 | cat. 4 50/100/200 CO 38 | GN 2";
        QTest::newRow("GN 2 : P seul à 19 exactement") << "SS1:P.danse=14,25 SS1:M.vente=0,03" << "M, P | SS1 20/0 | 20/0/20 | 20 | cat. 5 50/100/200 PE 11 | M 2, GN 2";
        QTest::newRow("GN 2 : P seul à 19,01, au moins 4e") << "SS1:P.danse=14,26 SS1:M.vente=0,03" << "M, P | SS1 20/0 | 20/0/20 | 20 | cat. 4 (P) 50/100/200 CO 38 | M 2, GN 2";
        QTest::newRow("GN 2 : type présent sans public") << "RDC:T.exposition=150 RDC:M.vente=0" << "M, T | RDC 150/0 | 0/0/150 | 150 | cat. 5 50/100/200 PE 11 | M 2, T 1, GN 2";
        QTest::newRow("tous les avertissements") << "RDC:M.vente=1 RDC:N.places=1@4 RDC:N.places=2@4 RDC:L.polyvalente=1 RDC:L.multimedia=0@0 RDC:T.exposition=1 RDC:O.declare=1 RDC:R.declare=1 RDC:personnel=1" << "L, M, N, O, R, T | RDC 9/1 | 0/0/9 | 10 | cat. 5 50/100/200 PE 11 | M 2, N 2 1/2, L 1, L 3 0/1, T 1, O 1, R 1, GN 2, GN 1";
        QTest::newRow("sans deux-points") << "RDC" << "il manque « : »";
        QTest::newRow("sans égal après le deux-points") << "RDC=5:M.vente" << "il manque « = »";
        QTest::newRow("R+0") << "R+0:M.vente=1" << "niveau inconnu « R+0 »";
        QTest::newRow("nature en minuscules") << "RDC:m.vente=1" << "écrivez « M.vente »";
        QTest::newRow("nature inconnue") << "RDC:M.stock=1" << "nature inconnue « M.stock »";
        QTest::newRow("type J") << "RDC:J.declare=5" << "le type J n'est pas traité";
        QTest::newRow("type CTS") << "RDC:CTS=5" << "le type CTS n'est pas traité";
        QTest::newRow("virgule dans un nombre") << "RDC:L.places=1,5" << "nombre entier attendu, par exemple 40 : sans virgule ni point.";
        QTest::newRow("3 décimales de m²") << "RDC:M.vente=1,234" << "surface attendue en m², par exemple 120 ou 85,5 : deux décimales au plus.";
        QTest::newRow("4 décimales de m") << "RDC:L.banc=1.2345" << "longueur attendue en mètres, par exemple 12 ou 4,60 : trois décimales au plus.";
        QTest::newRow("11 chiffres") << "RDC:M.vente=01234567890" << "dix chiffres au plus avant la virgule";
        QTest::newRow("signe") << "RDC:M.vente=-5" << "sans signe";
        QTest::newRow("unité") << "RDC:M.vente=5m2" << "des chiffres et une virgule ou un point seulement";
        QTest::newRow("espace") << "RDC:M.vente=5\t" << "sans espace";
        QTest::newRow("quantité vide") << "RDC:M.vente=" << "la quantité est vide";
        QTest::newRow("rien avant la virgule") << "RDC:M.vente=,5" << "un chiffre avant la virgule";
        QTest::newRow("rien après la virgule") << "RDC:M.vente=5," << "un chiffre au moins après la virgule";
        QTest::newRow("deux virgules") << "RDC:L.banc=1,2,3" << "une seule virgule";
        QTest::newRow("places sans @") << "RDC:N.places=30" << "il manque « @ »";
        QTest::newRow("places vides") << "RDC:N.places=@60" << "il manque les places";
        QTest::newRow("surface vide") << "RDC:N.places=30@" << "il manque la surface";
        QTest::newRow("@ sur un nombre") << "R+1:L.places=30@60" << "« @ » ne sert qu'aux places déclarées";
        QTest::newRow("places au-delà du plafond") << "RDC:L.multimedia=2147483648@1" << "nombre de places attendu, par exemple 120 : 2 147 483 647 au plus.";
        QTest::newRow("personnel au-delà du plafond") << "RDC:personnel=2147483648" << "2 147 483 647 au plus";
        QTest::newRow("boutique de 300 m²") << "RDC:M.boutique=300" << "en M.vente";
        QTest::newRow("seulement du personnel") << "RDC:personnel=5" << "aucune zone de public";
        QTest::newRow("3 personnes par m² sur 10 milliards de m²") << "RDC:N.attente=9999999999,99" << "public de RDC trop nombreux";
        QTest::newRow("personnel au-delà du plafond en somme") << "RDC:personnel=2147483647 R+1:personnel=1 RDC:M.declare=1" << "personnel trop nombreux";
        QTest::newRow("effectif au-delà du plafond") << "RDC:X.declare=2147483647 R+1:personnel=1" << "effectif de 2147483648 personnes";
        QTest::newRow("effectif au plafond") << "RDC:X.declare=2147483646 R+1:personnel=1" << "X | R+1 0/1, RDC 2147483646/0 | 0/0/2147483646 | 2147483647 | cat. 1 100/100/200 CO 38 | GN 1";
        QTest::newRow("zéros devant, places et aire") << "SS9:N.places=0012@0,5 R+99:L.banc=0000000001.5" << "L, N | R+99 3/0, SS9 12/0 | 12/3/15 | 15 | cat. 5 50/100/200 PE 2 §3 | N 2 0/1, GN 2";
        QTest::newRow("boutique de 299,99 m²") << "RDC:M.boutique=299,99" << "M | RDC 50/0 | 0/0/50 | 50 | cat. 5 100/100/200 PE 11 | M 2";
        // clang-format on
    }
    void etablissements()
    {
        QFETCH(QString, zones);
        QFETCH(QString, resultat);
        const Lu<EntreeEffectif> entree = batiment(zones);
        const Lu<ResultatEffectif> lu = calculerEffectif(entree.valeur.value_or(EntreeEffectif {}));
        if (!entree || !lu) {
            const QString phrase = entree ? lu.erreur : entree.erreur;
            QVERIFY2(phrase.front().isLower() && phrase.endsWith('.') && phrase.contains(resultat),
                qPrintable(phrase));
            return;
        }
        const ResultatEffectif &r = *lu.valeur;
        QCOMPARE(enMots(r), resultat);
        // The exits follow the effectif, staff included.
        QCOMPARE(r.exigence,
            r.regle.startsWith("CO 38") ? std::optional(exigence(r.effectif)) : std::nullopt);
        QCOMPARE(r.cinquieme ? r.cinquieme->effectif : -1, r.groupe == 2 ? r.effectif : -1);
        for (const Avertissement &avertissement : r.avertissements)
            if (avertissement.article == "GN 1")
                QCOMPARE(avertissement.texte.contains("PE 11 §5"), r.groupe == 2);
    }

    // A cell: the same forms, said with "Indiquez". A zone no reader gives is refused.
    void cellules()
    {
        QVERIFY(!calculerEffectif({ { Zone { 0, nature(u"M.declare"), -1, 0 } } }));
        QCOMPARE(lireSurface(u"9999999999.99").valeur, 999999999999);
        QCOMPARE(lireSurface(u"0,755").erreur,
            "Indiquez une surface en m², par exemple 120 ou 85,5 : deux décimales au plus.");
        QCOMPARE(lireNombreZone(u"").erreur, "Indiquez un nombre entier, par exemple 40.");
    }
};

QTEST_APPLESS_MAIN(TstEffectif)
#include "tst_effectif.moc"
