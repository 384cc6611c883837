// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The building tools' rules against published figures and independent restatements.
#include "Cinquieme.h"
#include "Largeurs.h"
#include "Lecture.h"
#include "Niveaux.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

using Largeurs = QList<QList<qint32>>;

// CO 38 §1 restated: 2 exits to 500, +1 per started 500; 1 UP per started 100, +1 below 501.
Exigence selonArticle(qint64 effectif)
{
    if (effectif <= 0)
        return {};
    if (effectif <= 100)
        return { effectif < 20 ? 1 : 2, effectif <= 50 ? 1 : 2, effectif >= 20 && effectif <= 50 };
    return { effectif <= 500 ? 2 : (effectif + 499) / 500 + 1,
        (effectif + 99) / 100 + (effectif <= 500 ? 1 : 0), false };
}

// "2*/1": dégagements (* when the second may be accessory) / UP; "—" when none.
QString enMots(const std::optional<Exigence> &exige)
{
    if (!exige)
        return QStringLiteral("—");
    return QString::number(exige->degagements) + (exige->accessoire ? "*/" : "/")
        + QString::number(exige->up);
}

// The fixtures are read here by hand, not by the readers under test: "2,4" is 2400 mm.
qint32 millimetres(const QString &metres)
{
    const QStringList parties = QString(metres).replace(u',', u'.').split(u'.');
    return parties.at(0).toInt() * 1000 + parties.value(1).leftJustified(3, u'0').toInt();
}

// "R+1=150 SS1=300@3,00" as on the command line; "R+1=?" for a count that could not be read.
QList<Niveau> batiment(const QString &texte)
{
    QList<Niveau> niveaux;
    for (const QString &mot : texte.split(u' ')) {
        const QString nom = mot.section(u'=', 0, 0);
        const QString effectif = mot.section(u'=', 1).section(u'@', 0, 0);
        const QString profondeur = mot.section(u'@', 1);
        niveaux << Niveau { nom == "RDC" ? 0
                                         : nom.sliced(2).toInt() * (nom.startsWith("SS") ? -1 : 1),
            effectif == "?" ? std::nullopt : std::optional<qint64>(effectif.toLongLong()),
            profondeur.isEmpty() ? std::nullopt : std::optional(millimetres(profondeur)) };
    }
    return niveaux;
}

// "2,40 0,90p 1,40p+0,90p": widths in metres, p for a door, + joining a CO 43 §3 group.
QList<Sortie> sorties(const QString &texte)
{
    QList<Sortie> liste;
    int groupe = 0;
    for (const QString &mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        ++groupe;
        for (const QString &membre : mot.split(u'+'))
            liste << Sortie { millimetres(QString(membre).remove(u'p')), membre.endsWith(u'p'),
                mot.contains(u'+') ? groupe : 0 };
    }
    return liste;
}

// CO 39 §2 restated: beyond 2 m and 100 persons, the hundred above, +10 % per started metre.
qint64 selonCo39(qint64 effectif, qint32 profondeurMm)
{
    if (profondeurMm <= 2000 || effectif <= 100)
        return effectif;
    const qint64 centaines = (effectif + 99) / 100 * 100;
    const qint64 metres = (profondeurMm - 2000 + 999) / 1000;
    return centaines + centaines * metres / 10;
}

// Read as expected, or refused by a French sentence holding the words expected.
bool attendu(const QString &lu, const QString &mots)
{
    return lu == mots || (lu.startsWith("Indiquez ") && lu.endsWith(u'.') && lu.contains(mots));
}

QList<qint64> chiffres(const ResultatNiveaux &resultat)
{
    QList<qint64> liste;
    for (const LigneNiveau &niveau : resultat.niveaux)
        liste << niveau.retenu->valeur << niveau.exigence->degagements << niveau.exigence->up;
    for (const LigneEscalier &flux : resultat.escaliers)
        liste << *flux.cumule << *flux.reel << flux.exigence->degagements << flux.exigence->up;
    return liste;
}

} // namespace

class TstRegles : public QObject
{
    Q_OBJECT

private slots:
    // CO 38 §1 to 5 000, a sign, and a sum of full levels raised by CO 39.
    void exigences()
    {
        QList<qint64> effectifs { -1, qint64(100) * INT32_MAX * 11 / 10 * 10000 };
        for (qint64 effectif = 0; effectif <= 5000; ++effectif)
            effectifs << effectif;
        for (const qint64 effectif : effectifs)
            QCOMPARE(exigence(effectif), selonArticle(effectif));
        QCOMPARE(motsExigence(0), "Aucun dégagement exigé");
        QCOMPARE(motsExigence(3000000000), "Il faut 6000001 dégagements totalisant 30000000 UP");
    }

    // CO 39 §2 at its edges: rounded up to the hundred, then +10 % per started metre, added.
    void majorations()
    {
        const ResultatNiveaux resultat = calculerNiveaux(batiment(
            "SS1=150@2 SS2=150@2,01 SS3=150@3 SS4=150@3,01 SS5=100@9 SS6=101@2,5 SS7=1000@4,5"));
        QStringList calculs;
        for (const LigneNiveau &niveau : resultat.niveaux)
            calculs << nomNiveau(niveau.indice) + u' ' + niveau.retenu->calcul;
        QCOMPARE(calculs,
            QStringList({ "RDC ", "SS1 ", "SS2 150 → 200 + 10 % = 220",
                "SS3 150 → 200 + 10 % = 220", "SS4 150 → 200 + 20 % = 240", "SS5 ",
                "SS6 101 → 200 + 10 % = 220", "SS7 1000 + 30 % = 1300" }));
        QCOMPARE(resultat.escaliers.last().cumule, 1300);
    }

    // CO 38 §2: flights carry the floors above or the basements below, never both; an unknown
    // level blanks its flights. Warnings' articles in order.
    void batiments_data()
    {
        QTest::addColumn<QString>("niveaux");
        QTest::addColumn<QString>("escaliers");
        QTest::addColumn<QString>("articles");
        // clang-format off
        QTest::newRow("étages vides, deux sous-sols majorés puis cumulés") << "R+2=150 SS1=300@3,00 SS2=90@6,00"
            << "R+2 150 2/3, R+1 150 2/3, SS1 420 2/6, SS2 90 2/2" << "CO 40, CO 36 §1, CO 49 §3, CO 36 §3, CO 36 §3";
        QTest::newRow("20, 51, 101 et 501 atteints par cumul") << "R+4=19 R+3=1 R+2=31 R+1=50 SS1=400@2 SS2=101@2"
            << "R+4 19 1/1, R+3 20 2*/1, R+2 51 2/2, R+1 101 2/3, SS1 501 3/6, SS2 101 2/3"
            << "CO 40, CO 36 §1, CO 49 §3, CO 38 §1 b, CO 38 §1 b, CO 36 §3, CO 38 §1 b, CO 36 §3";
        QTest::newRow("sous-sol de 20 à 50, trop profond") << "SS1=30@6,001" << "SS1 30 2*/1"
            << "CO 40, CO 36 §1, CO 49 §3, CO 38 §1 b, CO 38 §1 b";
        QTest::newRow("effectif inconnu, sous-sol sans profondeur") << "R+2=? R+1=10 SS1=10"
            << "R+2 — —, R+1 — —, SS1 — —" << "CO 36 §1, CO 49 §3";
        QTest::newRow("RDC seul : pas d'escalier") << "RDC=300" << "" << "CO 36 §3";
        QTest::newRow("200 tout juste : pas de rappel CO 36 §3") << "R+1=150 RDC=200 SS1=200@1"
            << "R+1 150 2/3, SS1 200 2/3" << "CO 36 §1, CO 49 §3";
        // clang-format on
    }
    void batiments()
    {
        QFETCH(QString, niveaux);
        const ResultatNiveaux resultat = calculerNiveaux(batiment(niveaux));
        QStringList lignes;
        for (const LigneEscalier &flux : resultat.escaliers)
            lignes << QStringLiteral("%1 %2 %3")
                          .arg(nomNiveau(flux.desservant),
                              flux.cumule ? QString::number(*flux.cumule) : "—",
                              enMots(flux.exigence));
        QTEST(lignes.join(", "), "escaliers");
        QStringList cites;
        for (const Avertissement &avertissement : resultat.avertissements) {
            cites << avertissement.article;
            const bool etage = avertissement.texte.contains("escaliers desservant R+");
            if (avertissement.article == "CO 38 §1 b")
                QCOMPARE(avertissement.texte.contains("8 m"), etage);
        }
        QTEST(cites.join(", "), "articles");
    }

    // Each flight carries exactly the levels it serves; no figure falls when a level grows.
    void batimentsAuHasard()
    {
        QRandomGenerator hasard(17);
        for (int essai = 0; essai < 300; ++essai) {
            QList<Niveau> niveaux { { 0, hasard.bounded(400), std::nullopt } };
            for (int indice = -3; indice <= 5; ++indice)
                if (indice != 0 && hasard.bounded(3) > 0)
                    niveaux << Niveau { indice, hasard.bounded(400),
                        indice < 0 ? std::optional<qint32>(hasard.bounded(8000)) : std::nullopt };
            const ResultatNiveaux avant = calculerNiveaux(niveaux);
            for (const LigneEscalier &flux : avant.escaliers) {
                qint64 cumule = 0;
                qint64 reel = 0;
                for (const Niveau &niveau : niveaux)
                    if (flux.desservant > 0 ? niveau.indice >= flux.desservant
                                            : niveau.indice <= flux.desservant) {
                        reel += *niveau.effectif;
                        cumule += niveau.profondeurMm
                            ? selonCo39(*niveau.effectif, *niveau.profondeurMm)
                            : *niveau.effectif;
                    }
                QCOMPARE(flux.cumule, cumule);
                QCOMPARE(flux.reel, reel);
            }
            *niveaux[hasard.bounded(niveaux.size())].effectif += 1 + hasard.bounded(300);
            const QList<qint64> plus = chiffres(calculerNiveaux(niveaux));
            const QList<qint64> moins = chiffres(avant);
            for (qsizetype rang = 0; rang < moins.size(); ++rang)
                QVERIFY(plus.at(rang) >= moins.at(rang));
        }
    }

    // One spelling per level, from R+99 down to SS9; nothing beyond, no zero, no leading zero.
    void nomsDeNiveaux_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("indice"); // 100: refused
        // clang-format off
        QTest::newRow("R+99, le plus haut") << "R+99" << 99;
        QTest::newRow("R+100") << "R+100" << 100;
        QTest::newRow("SS9, le plus bas") << "SS9" << -9;
        QTest::newRow("SS10") << "SS10" << 100;
        QTest::newRow("R+0") << "R+0" << 100;
        QTest::newRow("R+07") << "R+07" << 100;
        QTest::newRow("rdc en minuscules") << "rdc" << 100;
        // clang-format on
    }
    void nomsDeNiveaux()
    {
        QFETCH(QString, nom);
        QTEST(lireNomNiveau(nom).value_or(100), "indice");
    }

    // One text through both readers: exact millimetres and a count, or what is expected.
    void lectures_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("metres");
        QTest::addColumn<QString>("personnes");
        // clang-format off
        QTest::newRow("virgule") << "2,01" << "2010 2,01" << "nombre entier";
        QTest::newRow("trois décimales, point") << "0.855" << "855 0,855" << "nombre entier";
        QTest::newRow("entier, zéros devant") << "003" << "3000 3,00" << "3";
        QTest::newRow("le plus grand") << "2147483,647" << "2147483647 2147483,647" << "nombre entier";
        QTest::newRow("un de trop") << "2147483,648" << "2 147 483,647 au plus" << "nombre entier";
        QTest::newRow("le plus de personnes") << "2147483647" << "2 147 483,647 au plus" << "2147483647";
        QTest::newRow("une de trop") << "2147483648" << "2 147 483,647 au plus" << "2 147 483 647 au plus";
        QTest::newRow("lettre") << "12a" << "des chiffres et une virgule ou un point" << "des chiffres seulement";
        QTest::newRow("4 décimales") << "1,4000" << "trois décimales au plus" << "nombre entier";
        QTest::newRow("signe") << "-1,40" << "sans signe" << "sans signe";
        QTest::newRow("vide") << "" << "par exemple 1,40" << "par exemple 120";
        QTest::newRow("espace") << "1 000" << "sans espace" << "sans espace";
        QTest::newRow("rien avant la virgule") << ",5" << "un chiffre avant la virgule" << "nombre entier";
        QTest::newRow("rien après la virgule") << "5," << "un chiffre au moins après la virgule" << "nombre entier";
        // clang-format on
    }
    void lectures()
    {
        QFETCH(QString, texte);
        QFETCH(QString, metres);
        QFETCH(QString, personnes);
        const Lu<qint32> longueur = lireMillimetres(texte);
        const Lu<qint32> effectif = lireEffectifCellule(texte);
        const QString longueurLue = longueur
            ? QStringLiteral("%1 %2").arg(*longueur.valeur).arg(ecrireMetres(*longueur.valeur))
            : longueur.erreur;
        const QString effectifLu = effectif ? QString::number(*effectif.valeur) : effectif.erreur;
        QVERIFY2(attendu(longueurLue, metres), qPrintable(longueurLue));
        QVERIFY2(attendu(effectifLu, personnes), qPrintable(effectifLu));
    }

    // CO 36 widths rounded down, CO 44's 5 % for doors only: each type width and 1 mm below.
    void credits_data()
    {
        QTest::addColumn<QString>("largeur");
        QTest::addColumn<QString>("raison");
        const QString normal = QStringLiteral(" : pas un dégagement normal, peut être accessoire");
        // clang-format off
        QTest::newRow("1 UP") << "0,90" << "0,90 m ≥ 0,90 m → 1 UP";
        QTest::newRow("1 UP moins 1 mm") << "0,899" << "0,899 m < 0,90 m" + normal;
        QTest::newRow("porte 1 UP") << "0,855p" << "porte : 0,855 m ≥ 0,95 × 0,90 m → 1 UP";
        QTest::newRow("porte 1 UP moins 1 mm") << "0,854p" << "porte : 0,854 m < 0,95 × 0,90 m" + normal;
        QTest::newRow("porte trop étroite pour un accessoire") << "0,599p"
            << "porte : 0,599 m < 0,60 m : ni dégagement normal, ni dégagement accessoire";
        QTest::newRow("2 UP") << "1,40" << "1,40 m ≥ 1,40 m → 2 UP";
        QTest::newRow("2 UP moins 1 mm") << "1,399" << "1,399 m ≥ 0,90 m → 1 UP";
        QTest::newRow("porte 2 UP") << "1,33p" << "porte : 1,33 m ≥ 0,95 × 1,40 m → 2 UP";
        QTest::newRow("porte 2 UP moins 1 mm") << "1,329p" << "porte : 1,329 m ≥ 0,90 m → 1 UP";
        QTest::newRow("3 UP") << "1,80" << "1,80 m ≥ 1,80 m → 3 UP";
        QTest::newRow("3 UP moins 1 mm") << "1,799" << "1,799 m ≥ 1,40 m → 2 UP";
        QTest::newRow("porte 3 UP") << "1,71p" << "porte : 1,71 m ≥ 0,95 × 1,80 m → 3 UP";
        QTest::newRow("porte 3 UP moins 1 mm") << "1,709p" << "porte : 1,709 m ≥ 1,40 m → 2 UP";
        QTest::newRow("4 UP moins 1 mm") << "2,399" << "2,399 m ≥ 1,80 m → 3 UP";
        QTest::newRow("porte 4 UP moins 1 mm") << "2,279p" << "porte : 2,279 m ≥ 1,80 m → 3 UP";
        // clang-format on
    }
    void credits()
    {
        QFETCH(QString, largeur);
        const Sortie sortie = sorties(largeur).first();
        QTEST(raisonCredit(sortie.largeurMm, sortie.porte), "raison");
    }

    // Each band's verdict; the largest effectif is where it turns for good. "u": single stair.
    void verdicts_data()
    {
        QTest::addColumn<qint64>("effectif");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<qint64>("maximal");
        const QString manque = QStringLiteral("non conforme : il manque ");
        const QString reserve = QStringLiteral("conforme sous réserve (CO 36 §3)");
        // clang-format off
        QTest::newRow("personne") << 0LL << "0,90" << "sans objet" << 19LL;
        QTest::newRow("aucune sortie") << 5LL << "" << manque + "1 dégagement de 1 UP" << 0LL;
        QTest::newRow("20 : 1 UP seul") << 20LL << "0,90" << manque + "1 dégagement accessoire" << 19LL;
        QTest::newRow("50 : 1 UP et accessoire") << 50LL << "0,90 0,60" << "conforme" << 50LL;
        QTest::newRow("50 : 0,599 m n'est pas accessoire") << 50LL << "0,90 0,599" << manque + "1 dégagement accessoire" << 19LL;
        QTest::newRow("50 : escalier unique") << 50LL << "u 0,90" << "conforme" << 50LL;
        QTest::newRow("51 : 2 UP et accessoire") << 51LL << "1,40 0,60" << "conforme" << 100LL;
        QTest::newRow("51 : 2 UP seul") << 51LL << "1,40" << manque + "1 dégagement accessoire, ou 1 dégagement de 1 UP" << 19LL;
        QTest::newRow("51 : 1 UP et accessoire") << 51LL << "0,90 0,60" << manque + "1 dégagement de 1 UP" << 50LL;
        QTest::newRow("150 : deux de 1 UP, 3 UP exigées") << 150LL << "0,90 0,90" << manque + "1 UP" << 100LL;
        QTest::newRow("200 : 2 UP et 1 UP") << 200LL << "1,40 0,90" << "conforme" << 200LL;
        QTest::newRow("250 : 1 UP compté une fois") << 250LL << "2,40 0,90" << reserve << 300LL;
        QTest::newRow("301 : 1 UP dans les UP") << 301LL << "1,40 1,40 0,90" << reserve << 400LL;
        QTest::newRow("250 : trop peu de dégagements") << 250LL << "2,40" << manque + "1 dégagement de 2 UP" << 19LL;
        QTest::newRow("250 : trop peu d'UP") << 250LL << "0,90 0,90 0,90" << manque + "1 dégagement de 2 UP" << 200LL;
        QTest::newRow("250 : 1 UP comptés deux fois") << 250LL << "1,40 0,90 0,90" << manque + "1 UP" << 200LL;
        QTest::newRow("groupe CO 43 §3 : un seul dégagement") << 150LL << "1,40p+0,90p" << manque + "1 dégagement de 1 UP" << 19LL;
        QTest::newRow("groupe et sortie isolée") << 400LL << "1,40p+0,90p 1,80" << "conforme" << 500LL;
        QTest::newRow("groupe de portes étroites : accessoire") << 40LL << "0,90 0,80p+0,70p" << "conforme" << 50LL;
        QTest::newRow("groupe dont une porte seule a 0,60 m : accessoire") << 30LL << "0,90 0,70p+0,50p" << "conforme" << 50LL;
        // clang-format on
    }
    void verdicts()
    {
        QFETCH(qint64, effectif);
        QFETCH(QString, liste);
        QFETCH(qint64, maximal);
        const bool unique = liste.startsWith("u ");
        const QList<Sortie> lues = sorties(liste.remove("u "));
        QTEST(verifier(effectif, lues, unique).phrase, "phrase");
        QCOMPARE(verifier(effectif, lues, unique).effectifMaximal, maximal);
        for (qint64 autre = 1; autre <= maximal + 600; ++autre) {
            const Verdict verdict = verifier(autre, lues, unique).verdict;
            const bool admis
                = verdict == Verdict::Conforme || verdict == Verdict::ConformeSousReserve;
            QVERIFY2(admis == (autre <= maximal), qPrintable(QString::number(autre)));
        }
    }

    // PE 2 §3 and PE 11 at its edges: solutions in mm (600: 0,60 m or accessory), or CO 38 §1 d.
    void cinquieme_data()
    {
        QTest::addColumn<qint64>("public_");
        QTest::addColumn<qint64>("personnel");
        QTest::addColumn<QString>("options"); // e: existing building, s: sleeping rooms
        QTest::addColumn<QString>("regle");
        QTest::addColumn<Largeurs>("solutions");
        // clang-format off
        QTest::newRow("19 public et 50 personnels : pas PE 11") << 19LL << 50LL << "" << "69 —" << Largeurs {};
        QTest::newRow("19 public et sommeil") << 19LL << 0LL << "s" << "19 PE 11" << Largeurs { { 900 } };
        QTest::newRow("20") << 20LL << 0LL << "" << "20 PE 11" << Largeurs { { 1400 }, { 900, 600 } };
        QTest::newRow("50") << 45LL << 5LL << "" << "50 PE 11" << Largeurs { { 1400 }, { 900, 600 } };
        QTest::newRow("51") << 51LL << 0LL << "" << "51 PE 11" << Largeurs { { 900, 900 }, { 1400, 600 } };
        QTest::newRow("100 existant") << 100LL << 0LL << "e" << "100 PE 11" << Largeurs { { 800, 800 }, { 1400, 600 } };
        QTest::newRow("101") << 101LL << 0LL << "" << "101 PE 11" << Largeurs { { 1400, 900 } };
        QTest::newRow("200 existant") << 150LL << 50LL << "e" << "200 PE 11" << Largeurs { { 1400, 800 } };
        QTest::newRow("201") << 201LL << 0LL << "e" << "201 PE 11" << Largeurs { { 1400, 1400 } };
        QTest::newRow("300") << 250LL << 50LL << "" << "300 PE 11" << Largeurs { { 1400, 1400 } };
        QTest::newRow("301") << 250LL << 51LL << "" << "301 CO 38 §1 d 2/5" << Largeurs {};
        // clang-format on
    }
    void cinquieme()
    {
        QFETCH(qint64, public_);
        QFETCH(qint64, personnel);
        QFETCH(QString, options);
        const ResultatCinquieme resultat = calculerCinquieme(
            { public_, personnel, options.contains(u'e'), options.contains(u's') });
        QString regle = resultat.applicable ? resultat.regle : QStringLiteral("—");
        if (resultat.applicable && resultat.solutions.isEmpty())
            regle += u' ' + enMots(resultat.exigence);
        QTEST(QString::number(resultat.effectif) + u' ' + regle, "regle");
        QTEST(resultat.solutions, "solutions");
        QCOMPARE(resultat.raison.contains("PE 2 §3"), !resultat.applicable);
        const bool bande
            = resultat.applicable && resultat.effectif >= 20 && resultat.effectif <= 50;
        QCOMPARE(resultat.notes.filter("escalier unique").size(), bande ? 2 : 0);
    }
};

QTEST_APPLESS_MAIN(TstRegles)
#include "tst_regles.moc"
