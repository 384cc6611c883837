// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The building tools' rules against the published figures and independent restatements:
// CO 38 §1 and §2, CO 39, CO 36 with CO 43 §3 and CO 44, PE 11; and what a person types.
#include "Cinquieme.h"
#include "Largeurs.h"
#include "Lecture.h"
#include "Niveaux.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// CO 38 §1 restated: two exits up to 500, then one per started 500; one UP per started hundred,
// one more below 501.
Exigence selonArticle(qint64 n)
{
    if (n <= 0)
        return {};
    if (n <= 100)
        return { n < 20 ? 1 : 2, n <= 50 ? 1 : 2, n >= 20 && n <= 50 };
    return { n <= 500 ? 2 : (n + 499) / 500 + 1, (n + 99) / 100 + (n <= 500 ? 1 : 0), false };
}

QString enMots(const std::optional<Exigence> &e)
{
    return e
        ? QStringLiteral("%1%2/%3").arg(e->degagements).arg(e->accessoire ? "*" : "").arg(e->up)
        : QStringLiteral("—");
}

// "R+1=150 SS1=300@3,00" as on the command line; "R+1=?" for a count that could not be read.
QList<Niveau> batiment(const QString &texte)
{
    QList<Niveau> niveaux;
    for (const QString &mot : texte.split(u' ')) {
        const QStringList parties = mot.split(QRegularExpression("[=@]"));
        niveaux << Niveau { *lireNomNiveau(parties[0]), lireEffectifCellule(parties[1]).valeur,
            parties.size() > 2 ? lireMillimetres(parties[2]).valeur : std::nullopt };
    }
    return niveaux;
}

// "2,40 0,90p 1,40p+0,90p": widths in metres, p for a door, + joining a CO 43 §3 group.
QList<Sortie> sorties(const QString &texte)
{
    QList<Sortie> liste;
    const QStringList mots = texte.split(u' ', Qt::SkipEmptyParts);
    for (int groupe = 1; groupe <= mots.size(); ++groupe)
        for (const QString &membre : mots[groupe - 1].split(u'+'))
            liste << Sortie { *lireMillimetres(QString(membre).remove(u'p')).valeur,
                membre.endsWith(u'p'), mots[groupe - 1].contains(u'+') ? groupe : 0 };
    return liste;
}

bool admis(const Verification &v)
{
    return v.verdict == Verdict::Conforme || v.verdict == Verdict::ConformeSousReserve;
}

// Every figure a building's result shows, row by row, for comparing two results.
QList<qint64> chiffres(const ResultatNiveaux &r)
{
    QList<qint64> liste;
    for (const LigneNiveau &n : r.niveaux)
        liste << n.retenu->valeur << n.exigence->degagements << n.exigence->up;
    for (const LigneEscalier &e : r.escaliers)
        liste << *e.cumule << *e.reel << e.exigence->degagements << e.exigence->up;
    return liste;
}

} // namespace

class TstRegles : public QObject
{
    Q_OBJECT

private slots:
    // The published checkpoints of CO 38 §1, then every count to 5 000 and a sum of a hundred
    // full levels raised by CO 39, against the restatement.
    void exigences()
    {
        const QList<std::tuple<qint64, qint64, qint64>> publies { { 101, 2, 3 }, { 200, 2, 3 },
            { 201, 2, 4 }, { 500, 2, 6 }, { 501, 3, 6 }, { 1000, 3, 10 }, { 1001, 4, 11 },
            { 1500, 4, 15 }, { 1501, 5, 16 } };
        for (const auto &[n, degagements, up] : publies)
            QCOMPARE(exigence(n), (Exigence { degagements, up, false }));
        QList<qint64> effectifs { -1, qint64(100) * INT32_MAX * 11 / 10 * 10000 };
        for (qint64 n = 0; n <= 5000; ++n)
            effectifs << n;
        for (const qint64 n : effectifs)
            QCOMPARE(exigence(n), selonArticle(n));
        QCOMPARE(motsExigence(0), "Aucun dégagement exigé");
        QCOMPARE(motsExigence(75),
            "Il faut 2 dégagements de 1 UP ou 1 dégagement de 2 UP et 1 dégagement accessoire");
        QCOMPARE(motsExigence(3000000000), "Il faut 6000001 dégagements totalisant 30000000 UP");
    }

    // CO 39 §2: both thresholds strict; rounded up to the hundred, then 10 % per started metre
    // beyond 2 m, added, not compounded. "150@2,01" → how it is obtained; "" when not raised.
    void theoriques_data()
    {
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("calcul");
        QTest::newRow("2,00 m : rien") << "150@2"
                                       << "";
        QTest::newRow("2,01 m : arrondi puis 10 %") << "150@2,01"
                                                    << "150 → 200 + 10 % = 220";
        QTest::newRow("3,00 m") << "150@3"
                                << "150 → 200 + 10 % = 220";
        QTest::newRow("3,01 m") << "150@3,01"
                                << "150 → 200 + 20 % = 240";
        QTest::newRow("6,00 m") << "150@6,000"
                                << "150 → 200 + 40 % = 280";
        QTest::newRow("100 personnes : rien") << "100@9"
                                              << "";
        QTest::newRow("101 personnes") << "101@2,5"
                                       << "101 → 200 + 10 % = 220";
        QTest::newRow("additionné, pas composé") << "1000@4,5"
                                                 << "1000 + 30 % = 1300";
    }
    void theoriques()
    {
        QFETCH(QString, niveau);
        QFETCH(QString, calcul);
        const qint64 effectif = niveau.section(u'@', 0, 0).toLongLong();
        const EffectifTheorique t
            = effectifTheorique(effectif, *lireMillimetres(niveau.section(u'@', 1)).valeur);
        QCOMPARE(t.calcul, calcul);
        QCOMPARE(t.valeur, calcul.isEmpty() ? effectif : calcul.section(u' ', -1).toLongLong());
    }

    // CO 38 §2: flights carry the levels above (floors) or below (basements), never both; a level
    // missing in between is empty; an unknown level blanks the flights that carry it. Each flight
    // as "served level, cumulated effectif, requirement"; the articles of the warnings in order.
    void batiments_data()
    {
        QTest::addColumn<QString>("niveaux");
        QTest::addColumn<QString>("escaliers");
        QTest::addColumn<QString>("articles");
        QTest::newRow("deux sous-sols, chacun majoré puis cumulé")
            << "SS1=300@3,00 SS2=90@6,00"
            << "SS1 420 2/6, SS2 90 2/2"
            << "CO 40, CO 36 §1, CO 49 §3, CO 36 §3, CO 36 §3";
        QTest::newRow("20 atteint par cumul") << "R+2=19 R+1=1"
                                              << "R+2 19 1/1, R+1 20 2*/1"
                                              << "CO 36 §1, CO 49 §3, CO 38 §1 b";
        QTest::newRow("51, 101 et 501 atteints par cumul")
            << "R+3=1 R+2=50 R+1=50 RDC=400 SS1=400@2 SS2=101@2"
            << "R+3 1 1/1, R+2 51 2/2, R+1 101 2/3, SS1 501 3/6, SS2 101 2/3"
            << "CO 40, CO 36 §1, CO 49 §3, CO 38 §1 b, CO 38 §1 b, CO 36 §3, CO 36 §3, CO 36 §3";
        QTest::newRow("sous-sol de 20 à 50") << "SS1=30@1"
                                             << "SS1 30 2*/1"
                                             << "CO 36 §1, CO 49 §3, CO 38 §1 b, CO 38 §1 b";
        QTest::newRow("un étage vide porte ceux du dessus") << "R+2=150 RDC=10"
                                                            << "R+2 150 2/3, R+1 150 2/3"
                                                            << "CO 36 §1, CO 49 §3";
        QTest::newRow("effectif inconnu, sous-sol sans profondeur") << "R+2=? R+1=10 SS1=10"
                                                                    << "R+2 — —, R+1 — —, SS1 — —"
                                                                    << "CO 36 §1, CO 49 §3";
        QTest::newRow("RDC seul : pas d'escalier") << "RDC=300"
                                                   << ""
                                                   << "CO 36 §3";
        QTest::newRow("trop profond") << "SS1=10@6,001"
                                      << "SS1 10 1/1"
                                      << "CO 40, CO 36 §1, CO 49 §3";
    }
    void batiments()
    {
        QFETCH(QString, niveaux);
        QFETCH(QString, escaliers);
        QFETCH(QString, articles);
        const ResultatNiveaux r = calculerNiveaux(batiment(niveaux));
        QStringList lignes;
        for (const LigneEscalier &e : r.escaliers)
            lignes << QStringLiteral("%1 %2 %3")
                          .arg(nomNiveau(e.desservant), e.cumule ? QString::number(*e.cumule) : "—",
                              enMots(e.exigence));
        QCOMPARE(lignes.join(", "), escaliers);
        QStringList cites;
        for (const Avertissement &a : r.avertissements) {
            cites << a.article;
            QVERIFY2(a.texte.contains(QRegularExpression("(RDC|R\\+\\d|SS\\d).*\\.$")),
                qPrintable(a.texte));
            // Only a floor's single stair depends on the 8 m height.
            if (a.article == "CO 38 §1 b")
                QCOMPARE(a.texte.contains("8 m"), a.texte.contains("escaliers desservant R+"));
        }
        QCOMPARE(cites.join(", "), articles);
        // Every level from the top one (the RDC at least) to the deepest has its row.
        QCOMPARE(r.niveaux.first().indice, std::max(0, batiment(niveaux).first().indice));
        QCOMPARE(r.niveaux.size(), r.niveaux.first().indice - r.niveaux.last().indice + 1);
    }

    // Random buildings: each flight carries exactly the levels it serves, and no figure shown
    // decreases when one level's effectif grows.
    void batimentsAuHasard()
    {
        QRandomGenerator hasard(17);
        for (int essai = 0; essai < 300; ++essai) {
            QList<Niveau> niveaux;
            for (int indice = hasard.bounded(6); indice >= -hasard.bounded(4); --indice)
                if (hasard.bounded(4) > 0)
                    niveaux << Niveau { indice, hasard.bounded(400),
                        indice < 0 ? std::optional<qint32>(hasard.bounded(8000)) : std::nullopt };
            if (niveaux.isEmpty())
                continue;
            const ResultatNiveaux avant = calculerNiveaux(niveaux);
            for (const LigneEscalier &e : avant.escaliers) {
                qint64 cumule = 0;
                qint64 reel = 0;
                for (const Niveau &n : niveaux)
                    if (e.desservant > 0 ? n.indice >= e.desservant : n.indice <= e.desservant) {
                        reel += *n.effectif;
                        cumule += n.profondeurMm
                            ? effectifTheorique(*n.effectif, *n.profondeurMm).valeur
                            : *n.effectif;
                    }
                QCOMPARE(e.cumule, cumule);
                QCOMPARE(e.reel, reel);
            }
            *niveaux[hasard.bounded(niveaux.size())].effectif += 1 + hasard.bounded(300);
            const QList<qint64> plus = chiffres(calculerNiveaux(niveaux));
            const QList<qint64> moins = chiffres(avant);
            for (int i = 0; i < moins.size(); ++i)
                QVERIFY(plus[i] >= moins[i]);
        }
    }

    void nomsDeNiveaux()
    {
        for (int indice = -9; indice <= 99; ++indice)
            QCOMPARE(lireNomNiveau(nomNiveau(indice)), indice);
        for (const char *refuse :
            { "R+0", "R+01", "R+100", "SS0", "SS10", "rdc", "R1", "SS-1", "" })
            QVERIFY2(!lireNomNiveau(QString(refuse)), refuse);
    }

    // Metres into exact millimetres, written back as a person writes them; counts; or a French
    // sentence saying what is expected. "m:" for a length, "n:" for a count.
    void lectures_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        const QList<std::tuple<const char *, const char *, const char *>> cas {
            { "virgule", "m:2,01", "2010 2,01" }, { "trois décimales", "m:0,855", "855 0,855" },
            { "point", "m:1.39", "1390 1,39" }, { "entier", "m:3", "3000 3,00" },
            { "zéros devant", "m:007,5", "7500 7,50" },
            { "plus grand", "m:2147483,647", "2147483647 2147483,647" },
            { "lettres", "m:1,4a", "des chiffres et une virgule ou un point" },
            { "4 décimales", "m:1,4000", "trois décimales au plus" },
            { "signe", "m:-1,40", "sans signe" }, { "vide", "m:", "par exemple 1,40" },
            { "espace autour", "m: 1,40", "sans espace" },
            { "deux virgules", "m:1,4.0", "une seule virgule" },
            { "rien avant la virgule", "m:,5", "un chiffre avant la virgule" },
            { "rien après la virgule", "m:5,", "un chiffre au moins après la virgule" },
            { "trop grand", "m:2147483,648", "2 147 483,647 au plus" },
            { "bien trop grand", "m:99999999999999999999", "2 147 483,647 au plus" },
            { "zéro personne", "n:00", "0" },
            { "le plus de personnes", "n:2147483647", "2147483647" },
            { "trop de personnes", "n:2147483648", "2 147 483 647 au plus" },
            { "espace des milliers", "n:1 000", "sans espace" },
            { "personnes en décimales", "n:12,5", "nombre entier" },
            { "personnes avec signe", "n:+5", "sans signe" },
            { "chiffre arabe", "n:٣", "des chiffres seulement" },
            { "aucune personne", "n:", "par exemple 120" }
        };
        for (const auto &[nom, texte, attendu] : cas)
            QTest::newRow(nom) << QString::fromUtf8(texte) << QString::fromUtf8(attendu);
    }
    void lectures()
    {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        const QString saisie = texte.sliced(2);
        const Lu<qint32> lu
            = texte.startsWith("m") ? lireMillimetres(saisie) : lireEffectifCellule(saisie);
        if (!lu)
            QVERIFY2(lu.erreur.startsWith("Indiquez") && lu.erreur.contains(attendu),
                qPrintable(lu.erreur));
        else
            QCOMPARE(QString::number(*lu.valeur)
                    + (texte.startsWith("m") ? u' ' + ecrireMetres(*lu.valeur) : QString()),
                attendu);
    }

    // CO 36 widths rounded down; CO 44's 5 % for doors only, at every type width and 1 mm below:
    // "0,90=1" a width that is not a door, "0,855p=1" a door.
    void credits_data()
    {
        QTest::addColumn<QString>("largeur");
        QTest::addColumn<qint64>("up");
        const QList<std::tuple<QString, QString, qint64>> seuils { { "0,90", "0,855", 1 },
            { "1,40", "1,33", 2 }, { "1,80", "1,71", 3 }, { "2,40", "2,28", 4 },
            { "4,20", "3,99", 7 } };
        for (const auto &[autre, porte, up] : seuils) {
            const qint32 mm = *lireMillimetres(autre).valeur;
            const qint32 mmPorte = *lireMillimetres(porte).valeur;
            QTest::addRow("%lld UP", up) << autre << up;
            QTest::addRow("%lld UP moins 1 mm", up) << ecrireMetres(mm - 1) << up - 1;
            QTest::addRow("porte %lld UP", up) << porte + u'p' << up;
            QTest::addRow("porte %lld UP moins 1 mm", up)
                << ecrireMetres(mmPorte - 1) + u'p' << up - 1;
            QTest::addRow("porte à %lld UP pile", up) << autre + u'p' << up;
        }
    }
    void credits()
    {
        QFETCH(QString, largeur);
        QFETCH(qint64, up);
        const Sortie sortie = sorties(largeur).first();
        QCOMPARE(upCredites(sortie.largeurMm, sortie.porte), up);
    }

    void raisons()
    {
        QCOMPARE(raisonCredit(1330, true), "porte : 1,33 m ≥ 0,95 × 1,40 m → 2 UP");
        QCOMPARE(raisonCredit(1600, false), "1,60 m ≥ 1,40 m → 2 UP");
        QCOMPARE(raisonCredit(890, false),
            "0,89 m < 0,90 m : pas un dégagement normal, peut être accessoire");
        QCOMPARE(raisonCredit(599, true),
            "porte : 0,599 m < 0,60 m : ni dégagement normal, ni dégagement accessoire");
    }

    // The verdict in each band as a person reads it, and the largest effectif the exits allow.
    // A row: effectif, exits ("u" for the single-stair option), phrase, largest effectif.
    void verdicts_data()
    {
        QTest::addColumn<QString>("cas");
        const QList<std::pair<const char *, const char *>> lignes { { "personne",
                                                                        "0|0,90|sans objet|19" },
            { "aucune sortie", "5||non conforme : il manque 1 dégagement de 1 UP|0" },
            { "19 : porte tolérée", "19|0,855p|conforme|19" },
            { "20 : 1 UP seul", "20|0,90|non conforme : il manque 1 dégagement accessoire|19" },
            { "50 : 1 UP et accessoire", "50|0,90 0,60|conforme|50" },
            { "50 : 0,599 m n'est pas accessoire",
                "50|0,90 0,599|non conforme : il manque 1 dégagement accessoire|19" },
            { "50 : escalier unique", "50|u 0,90|conforme|50" },
            { "51 : 2 UP et accessoire", "51|1,40 0,60|conforme|100" },
            { "51 : 2 UP seul",
                "51|1,40|non conforme : il manque 1 dégagement accessoire, ou 1 dégagement de 1 "
                "UP|19" },
            { "51 : 1 UP et accessoire",
                "51|0,90 0,60|non conforme : il manque 1 dégagement de 1 UP|50" },
            { "200 : 2 UP et 1 UP", "200|1,40 0,90|conforme|200" },
            { "200 : une seule sortie",
                "200|1,80|non conforme : il manque 1 dégagement de 1 UP|19" },
            { "250 : 1 UP compté une fois", "250|2,40 0,90|conforme sous réserve (CO 36 §3)|300" },
            { "301 : 1 UP dans les UP", "301|1,40 1,40 0,90|conforme sous réserve (CO 36 §3)|400" },
            { "250 : sans 1 UP", "250|1,40 1,40|conforme|300" },
            { "250 : trop peu de dégagements",
                "250|2,40|non conforme : il manque 1 dégagement de 2 UP|19" },
            { "250 : trois de 1 UP",
                "250|0,90 0,90 0,90|non conforme : il manque 1 dégagement de 2 UP|200" },
            { "250 : 1 UP comptés deux fois",
                "250|1,40 0,90 0,90|non conforme : il manque 1 UP|200" },
            { "groupe CO 43 §3 : un seul dégagement",
                "150|1,40p+0,90p|non conforme : il manque 1 dégagement de 1 UP|19" },
            { "groupe et sortie isolée", "400|1,40p+0,90p 1,80|conforme|500" },
            { "groupe de portes étroites : accessoire", "40|0,90 0,80p+0,70p|conforme|50" } };
        for (const auto &[nom, cas] : lignes)
            QTest::newRow(nom) << QString::fromUtf8(cas);
    }
    void verdicts()
    {
        QFETCH(QString, cas);
        const QStringList champs = cas.split(u'|');
        QString liste = champs[1];
        const bool unique = liste.startsWith("u ");
        const Verification v
            = verifier(champs[0].toLongLong(), sorties(liste.remove("u ")), unique);
        QCOMPARE(v.phrase, champs[2]);
        QCOMPARE(motVerdict(v.verdict), champs[2].section(QRegularExpression(" [(:]"), 0, 0));
        QCOMPARE(v.effectifMaximal, champs[3].toLongLong());
    }

    // Random exits: the verdict never improves as the effectif grows, the largest effectif is
    // exactly where it turns, and above 200 it is what trying every split of the 1-UP exits gives.
    void verdictsAuHasard()
    {
        QRandomGenerator hasard(18);
        for (int essai = 0; essai < 400; ++essai) {
            QList<Sortie> liste;
            for (int i = hasard.bounded(6); i > 0; --i)
                liste << Sortie { 500 + hasard.bounded(2500), hasard.bounded(2) == 1,
                    hasard.bounded(3) };
            const bool unique = hasard.bounded(4) == 0;
            const qint64 maximal = verifier(1, liste, unique).effectifMaximal;
            QVERIFY(maximal == 0 || admis(verifier(maximal, liste, unique)));
            QVERIFY(!admis(verifier(maximal + 1, liste, unique)));
            const qint64 n = 1 + hasard.bounded(2 * maximal + 300);
            const Verification v = verifier(n, liste, unique);
            QCOMPARE(admis(v), n <= maximal);
            if (n <= 200)
                continue;
            qint64 larges = 0;
            qint64 upLarges = 0;
            qint64 etroits = 0;
            for (const Element &e : v.elements) {
                larges += e.up >= 2 ? 1 : 0;
                upLarges += e.up >= 2 ? e.up : 0;
                etroits += e.up == 1 ? 1 : 0;
            }
            bool partage = false;
            for (qint64 commeSorties = 0; commeSorties <= etroits; ++commeSorties)
                partage = partage
                    || (larges + commeSorties >= v.exige.degagements
                        && upLarges + etroits - commeSorties >= v.exige.up);
            QCOMPARE(admis(v), partage);
        }
    }

    // PE 2 §3 and the PE 11 table at its edges, in metres as printed:
    // public|staff|e(xisting) s(leeping)|effectif counted, rule and solutions.
    void cinquieme_data()
    {
        QTest::addColumn<QString>("cas");
        const QList<std::pair<const char *, const char *>> lignes {
            { "19 public et 50 personnels : pas PE 11", "19|50||69 non applicable" },
            { "19 public et sommeil", "19|0|s|19 PE 11 0,90" },
            { "20", "20|0||20 PE 11 1,40 ou 0,90+0,60" },
            { "50 avec le personnel", "30|20||50 PE 11 1,40 ou 0,90+0,60" },
            { "51", "51|0||51 PE 11 0,90+0,90 ou 1,40+0,60" },
            { "100 existant", "100|0|e|100 PE 11 0,80+0,80 ou 1,40+0,60" },
            { "101", "101|0||101 PE 11 1,40+0,90" },
            { "200 existant", "150|50|e|200 PE 11 1,40+0,80" },
            { "201", "201|0|e|201 PE 11 1,40+1,40" }, { "300", "300|0||300 PE 11 1,40+1,40" },
            { "301", "250|51||301 CO 38 §1 d 2/5" }
        };
        for (const auto &[nom, cas] : lignes)
            QTest::newRow(nom) << QString::fromUtf8(cas);
    }
    void cinquieme()
    {
        QFETCH(QString, cas);
        const QStringList champs = cas.split(u'|');
        const ResultatCinquieme r = calculerCinquieme({ champs[0].toLongLong(),
            champs[1].toLongLong(), champs[2].contains(u'e'), champs[2].contains(u's') });
        QStringList solutions;
        for (const QList<qint32> &largeurs : r.solutions) {
            QStringList metres;
            for (const qint32 mm : largeurs)
                metres << ecrireMetres(mm);
            solutions << metres.join(u'+');
        }
        QString lu = QString::number(r.effectif) + u' ' + r.regle;
        lu += !r.applicable         ? QStringLiteral("non applicable")
            : r.solutions.isEmpty() ? u' ' + enMots(r.exigence)
                                    : u' ' + solutions.join(" ou ");
        QCOMPARE(lu, champs[3]);
        QCOMPARE(r.raison.contains("PE 2 §3"), !r.applicable);
        for (const QString &note : r.notes)
            QVERIFY2(note.contains(QRegularExpression("^(PE|CO) \\d+")), qPrintable(note));
        QCOMPARE(r.notes.filter("escalier unique").size(),
            r.applicable && r.effectif >= 20 && r.effectif <= 50 ? 2 : 0);
    }
};

QTEST_APPLESS_MAIN(TstRegles)
#include "tst_regles.moc"
