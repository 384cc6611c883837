// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The building tools' rules against the article's published figures and against independent
// restatements: CO 38 §1 and §2, CO 39, CO 36 with CO 43 §3 and CO 44, PE 11; and the reading of
// what a person types.
#include "Cinquieme.h"
#include "Largeurs.h"
#include "Lecture.h"
#include "Niveaux.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// CO 38 §1 d restated: two exits up to 500, then one per started 500; one UP per started
// hundred, one more below 501.
Exigence selonArticle(qint64 n)
{
    if (n <= 100)
        return n <= 0 ? Exigence {}
            : n < 20  ? Exigence { 1, 1, false }
            : n <= 50 ? Exigence { 2, 1, true }
                      : Exigence { 2, 2, false };
    return { n <= 500 ? 2 : (n + 499) / 500 + 1, (n + 99) / 100 + (n <= 500 ? 1 : 0), false };
}

QString enMots(const std::optional<Exigence> &e)
{
    return e
        ? QStringLiteral("%1%2/%3").arg(e->degagements).arg(e->accessoire ? "*" : "").arg(e->up)
        : QStringLiteral("—");
}

// "R+1=150 SS1=300@3,00" as the command line gives it; "R+1=?" for a count that is unknown.
QList<Niveau> batiment(const QString &texte)
{
    QList<Niveau> niveaux;
    for (const QString &mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parties = mot.split(QRegularExpression("[=@]"));
        Niveau niveau { lireNomNiveau(parties[0]).value(), lireEffectifCellule(parties[1]).valeur,
            {} };
        if (parties.size() > 2)
            niveau.profondeurMm = lireMillimetres(parties[2]).valeur;
        niveaux << niveau;
    }
    return niveaux;
}

// "R+1 150 2/3, SS1 420 2/6": each flight's served level, cumulated effectif and requirement.
QString escaliers(const ResultatNiveaux &r)
{
    QStringList lignes;
    for (const LigneEscalier &e : r.escaliers)
        lignes << nomNiveau(e.desservant) + u' '
                + (e.cumule ? QString::number(*e.cumule) : QStringLiteral("—")) + u' '
                + enMots(e.exigence);
    return lignes.join(QStringLiteral(", "));
}

// "2,40 0,90p 1,40p+0,90p": exits in metres, p for a door, + joining a CO 43 §3 group.
QList<Sortie> sorties(const QString &texte)
{
    QList<Sortie> liste;
    int groupe = 0;
    for (const QString &mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList membres = mot.split(u'+');
        groupe += membres.size() > 1 ? 1 : 0;
        for (QString membre : membres) {
            const bool porte = membre.endsWith(u'p');
            membre.remove(u'p');
            liste << Sortie { lireMillimetres(membre).valeur.value(), porte,
                membres.size() > 1 ? groupe : 0 };
        }
    }
    return liste;
}

bool admis(const Verification &v)
{
    return v.verdict == Verdict::Conforme || v.verdict == Verdict::ConformeSousReserve;
}

} // namespace

class TstRegles : public QObject
{
    Q_OBJECT

private slots:
    // Band edges of CO 38 §1: the published checkpoints, then every count up to 5 000 and the
    // sums of a hundred full levels raised by CO 39 against the restatement.
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

    // CO 39 §2: both thresholds strict, rounded up to the hundred then 10 % per started metre,
    // added, not compounded.
    void effectifsTheoriques_data()
    {
        QTest::addColumn<qint64>("effectif");
        QTest::addColumn<QString>("profondeur");
        QTest::addColumn<QString>("calcul");
        QTest::newRow("2,00 m : rien") << qint64(150) << "2,00"
                                       << "";
        QTest::newRow("2,01 m : arrondi puis 10 %") << qint64(150) << "2,01"
                                                    << "150 → 200 + 10 % = 220";
        QTest::newRow("3,00 m") << qint64(150) << "3"
                                << "150 → 200 + 10 % = 220";
        QTest::newRow("3,01 m") << qint64(150) << "3,01"
                                << "150 → 200 + 20 % = 240";
        QTest::newRow("6,00 m") << qint64(150) << "6,000"
                                << "150 → 200 + 40 % = 280";
        QTest::newRow("100 personnes : rien") << qint64(100) << "9"
                                              << "";
        QTest::newRow("101 personnes") << qint64(101) << "2,5"
                                       << "101 → 200 + 10 % = 220";
        QTest::newRow("additionné, pas composé") << qint64(1000) << "4,5"
                                                 << "1000 + 30 % = 1300";
    }
    void effectifsTheoriques()
    {
        QFETCH(qint64, effectif);
        QFETCH(QString, profondeur);
        QFETCH(QString, calcul);
        const EffectifTheorique t
            = effectifTheorique(effectif, *lireMillimetres(profondeur).valeur);
        QCOMPARE(t.calcul, calcul);
        QCOMPARE(t.valeur, calcul.isEmpty() ? effectif : calcul.section(u' ', -1).toLongLong());
    }

    // CO 38 §2: flights carry the levels above (floors) or below (basements), never both; a
    // level missing in between is an empty one; an unknown level blanks what carries it.
    void batiments_data()
    {
        QTest::addColumn<QString>("niveaux");
        QTest::addColumn<QString>("attendu");
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
        QFETCH(QString, attendu);
        QFETCH(QString, articles);
        const ResultatNiveaux r = calculerNiveaux(batiment(niveaux));
        QCOMPARE(escaliers(r), attendu);
        QStringList cites;
        for (const Avertissement &a : r.avertissements) {
            cites << a.article;
            QVERIFY2(
                a.texte.contains(QRegularExpression("RDC|R\\+\\d|SS\\d")) && a.texte.endsWith('.'),
                qPrintable(a.texte));
        }
        QCOMPARE(cites.join(", "), articles);
        QCOMPARE(r.niveaux.first().indice, std::max(0, batiment(niveaux).first().indice));
        QCOMPARE(r.niveaux.size(), r.niveaux.first().indice - r.niveaux.last().indice + 1);
    }

    // Random buildings: each flight carries exactly the levels it serves, and nothing shown
    // decreases when one level's effectif grows.
    void batimentsAuHasard()
    {
        QRandomGenerator hasard(17);
        for (int essai = 0; essai < 300; ++essai) {
            QList<Niveau> niveaux;
            const int haut = hasard.bounded(6);
            const int bas = -hasard.bounded(4);
            for (int indice = haut; indice >= bas; --indice)
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
                        cumule += n.indice < 0
                            ? effectifTheorique(*n.effectif, *n.profondeurMm).valeur
                            : *n.effectif;
                    }
                QCOMPARE(e.cumule, cumule);
                QCOMPARE(e.reel, reel);
            }
            *niveaux[hasard.bounded(niveaux.size())].effectif += 1 + hasard.bounded(300);
            const ResultatNiveaux apres = calculerNiveaux(niveaux);
            for (int i = 0; i < avant.niveaux.size(); ++i) {
                QVERIFY(apres.niveaux[i].retenu->valeur >= avant.niveaux[i].retenu->valeur);
                QVERIFY(apres.niveaux[i].exigence->up >= avant.niveaux[i].exigence->up);
                QVERIFY(apres.niveaux[i].exigence->degagements
                    >= avant.niveaux[i].exigence->degagements);
            }
            for (int i = 0; i < avant.escaliers.size(); ++i) {
                QVERIFY(*apres.escaliers[i].cumule >= *avant.escaliers[i].cumule);
                QVERIFY(apres.escaliers[i].exigence->up >= avant.escaliers[i].exigence->up);
                QVERIFY(apres.escaliers[i].exigence->degagements
                    >= avant.escaliers[i].exigence->degagements);
            }
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

    // Exact millimetres and counts, or a French sentence saying what is expected (-1).
    void lectures_data()
    {
        QTest::addColumn<bool>("metres");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<qint64>("valeur");
        QTest::addColumn<QString>("attendu");
        const auto metres = [](const char *nom, const char *texte, qint64 mm, const char *ecrit) {
            QTest::newRow(nom) << true << texte << mm << QString(ecrit);
        };
        metres("virgule", "2,01", 2010, "2,01");
        metres("trois décimales", "0,855", 855, "0,855");
        metres("point", "1.39", 1390, "1,39");
        metres("entier", "3", 3000, "3,00");
        metres("plus grand", "2147483,647", INT32_MAX, "2147483,647");
        metres("zéros devant", "007,5", 7500, "7,50");
        metres("lettres", "1,4a", -1, "des chiffres et une virgule ou un point");
        metres("4 décimales", "1,4000", -1, "trois décimales au plus");
        metres("signe", "-1,40", -1, "sans signe");
        metres("vide", "", -1, "par exemple 1,40");
        metres("espace autour", " 1,40", -1, "sans espace");
        metres("deux virgules", "1,4.0", -1, "une seule virgule");
        metres("rien avant la virgule", ",5", -1, "un chiffre avant la virgule");
        metres("rien après la virgule", "5,", -1, "un chiffre au moins après la virgule");
        metres("trop grand", "2147483,648", -1, "2 147 483,647 au plus");
        metres("bien trop grand", "99999999999999999999", -1, "2 147 483,647 au plus");
        const auto personnes
            = [](const char *nom, const char *texte, qint64 n, const char *erreur) {
                  QTest::newRow(nom)
                      << false << QString::fromUtf8(texte) << n << QString::fromUtf8(erreur);
              };
        personnes("zéro", "00", 0, "");
        personnes("plus grand", "2147483647", INT32_MAX, "");
        personnes("trop grand", "2147483648", -1, "2 147 483 647 au plus");
        personnes("espace de milliers", "1 000", -1, "sans espace");
        personnes("décimales", "12,5", -1, "nombre entier");
        personnes("signe", "+5", -1, "sans signe");
        personnes("chiffre arabe", "٣", -1, "des chiffres seulement");
        personnes("vide", "", -1, "par exemple 120");
    }
    void lectures()
    {
        QFETCH(bool, metres);
        QFETCH(QString, texte);
        QFETCH(qint64, valeur);
        QFETCH(QString, attendu);
        const Lu<qint32> lu = metres ? lireMillimetres(texte) : lireEffectifCellule(texte);
        QCOMPARE(lu.valeur.value_or(-1), valeur);
        if (!lu)
            QVERIFY2(lu.erreur.startsWith("Indiquez") && lu.erreur.contains(attendu),
                qPrintable(lu.erreur));
        else if (metres)
            QCOMPARE(ecrireMetres(*lu.valeur), attendu);
    }

    // CO 36 widths rounded down; CO 44's 5 % for doors only, at every type width.
    void credits_data()
    {
        QTest::addColumn<QString>("largeur");
        QTest::addColumn<bool>("porte");
        QTest::addColumn<qint64>("up");
        QTest::addColumn<QString>("raison");
        const QList<std::tuple<const char *, const char *, const char *, qint64>> seuils {
            { "1 UP", "0,90", "0,855", 1 }, { "2 UP", "1,40", "1,33", 2 },
            { "3 UP", "1,80", "1,71", 3 }, { "4 UP", "2,40", "2,28", 4 },
            { "7 UP", "4,20", "3,99", 7 }
        };
        for (const auto &[nom, autre, porte, up] : seuils) {
            const qint32 mm = *lireMillimetres(QString(autre)).valeur;
            const qint32 mmPorte = *lireMillimetres(QString(porte)).valeur;
            QTest::addRow("%s", nom) << autre << false << up << "";
            QTest::addRow("%s moins 1 mm", nom) << ecrireMetres(mm - 1) << false << up - 1 << "";
            QTest::addRow("porte %s", nom) << porte << true << up << "";
            QTest::addRow("porte %s moins 1 mm", nom)
                << ecrireMetres(mmPorte - 1) << true << up - 1 << "";
            QTest::addRow("porte à %s pile", nom) << autre << true << up << "";
        }
        QTest::newRow("porte dans la tolérance")
            << "1,33" << true << qint64(2) << "porte : 1,33 m ≥ 0,95 × 1,40 m → 2 UP";
        QTest::newRow("entre deux largeurs")
            << "1,60" << false << qint64(2) << "1,60 m ≥ 1,40 m → 2 UP";
        QTest::newRow("accessoire")
            << "0,89" << false << qint64(0)
            << "0,89 m < 0,90 m : pas un dégagement normal, peut être accessoire";
        QTest::newRow("moins de 0,60 m")
            << "0,599" << true << qint64(0)
            << "porte : 0,599 m < 0,60 m : ni dégagement normal, ni dégagement accessoire";
    }
    void credits()
    {
        QFETCH(QString, largeur);
        QFETCH(bool, porte);
        QFETCH(qint64, up);
        QFETCH(QString, raison);
        const qint32 mm = *lireMillimetres(largeur).valeur;
        QCOMPARE(upCredites(mm, porte), up);
        if (!raison.isEmpty())
            QCOMPARE(raisonCredit(mm, porte), raison);
    }

    // The verdict in each band, and the largest effectif the exits allow.
    void verdicts_data()
    {
        QTest::addColumn<qint64>("effectif");
        QTest::addColumn<QString>("sortiesMesurees");
        QTest::addColumn<bool>("escalierUnique");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<qint64>("maximal");
        const auto cas = [](const char *nom, qint64 n, const char *liste, bool unique,
                             const char *phrase, qint64 max) {
            QTest::newRow(nom) << n << QString(liste) << unique << QString::fromUtf8(phrase) << max;
        };
        cas("personne", 0, "0,90", false, "sans objet", 19);
        cas("aucune sortie", 5, "", false, "non conforme : il manque 1 dégagement de 1 UP", 0);
        cas("19 : porte tolérée", 19, "0,855p", false, "conforme", 19);
        cas("20 : 1 UP seul", 20, "0,90", false, "non conforme : il manque 1 dégagement accessoire",
            19);
        cas("50 : 1 UP et accessoire", 50, "0,90 0,60", false, "conforme", 50);
        cas("50 : 0,599 m n'est pas accessoire", 50, "0,90 0,599", false,
            "non conforme : il manque 1 dégagement accessoire", 19);
        cas("50 : escalier unique", 50, "0,90", true, "conforme", 50);
        cas("51 : 2 UP et accessoire", 51, "1,40 0,60", false, "conforme", 100);
        cas("51 : 2 UP seul", 51, "1,40", false,
            "non conforme : il manque 1 dégagement accessoire, ou 1 dégagement de 1 UP", 19);
        cas("51 : 1 UP et accessoire", 51, "0,90 0,60", false,
            "non conforme : il manque 1 dégagement de 1 UP", 50);
        cas("200 : 2 UP et 1 UP", 200, "1,40 0,90", false, "conforme", 200);
        cas("200 : une seule sortie", 200, "1,80", false,
            "non conforme : il manque 1 dégagement de 1 UP", 19);
        cas("250 : 1 UP compté une fois", 250, "2,40 0,90", false,
            "conforme sous réserve (CO 36 §3)", 300);
        cas("250 : sans 1 UP", 250, "1,40 1,40", false, "conforme", 300);
        cas("250 : trop peu de dégagements", 250, "2,40", false,
            "non conforme : il manque 1 dégagement de 2 UP", 19);
        cas("250 : trois de 1 UP", 250, "0,90 0,90 0,90", false,
            "non conforme : il manque 1 dégagement de 2 UP", 200);
        cas("250 : 1 UP comptés deux fois", 250, "1,40 0,90 0,90", false,
            "non conforme : il manque 1 UP", 200);
        cas("groupe CO 43 §3 : un seul dégagement", 150, "1,40p+0,90p", false,
            "non conforme : il manque 1 dégagement de 1 UP", 19);
        cas("groupe et sortie isolée", 400, "1,40p+0,90p 1,80", false, "conforme", 500);
        cas("groupe de portes étroites : accessoire", 40, "0,90 0,80p+0,70p", false, "conforme",
            50);
    }
    void verdicts()
    {
        QFETCH(qint64, effectif);
        QFETCH(QString, sortiesMesurees);
        QFETCH(bool, escalierUnique);
        QFETCH(QString, phrase);
        QFETCH(qint64, maximal);
        const Verification v = verifier(effectif, sorties(sortiesMesurees), escalierUnique);
        QCOMPARE(v.phrase, phrase);
        QCOMPARE(motVerdict(v.verdict), phrase.section(QRegularExpression(" [(:]"), 0, 0));
        QCOMPARE(v.effectifMaximal, maximal);
    }

    // Random exits: the verdict never improves as the effectif grows, the largest effectif is
    // exactly where it turns, and above 200 it is what trying every split of the 1-UP exits gives.
    void verdictsAuHasard()
    {
        QRandomGenerator hasard(18);
        for (int essai = 0; essai < 400; ++essai) {
            QList<Sortie> liste;
            const int nombre = hasard.bounded(6);
            for (int i = 0; i < nombre; ++i)
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
            bool partage = false;
            qint64 larges = 0;
            qint64 upLarges = 0;
            qint64 etroits = 0;
            for (const Element &e : v.elements) {
                larges += e.up >= 2 ? 1 : 0;
                upLarges += e.up >= 2 ? e.up : 0;
                etroits += e.up == 1 ? 1 : 0;
            }
            for (qint64 commeSorties = 0; commeSorties <= etroits; ++commeSorties)
                partage = partage
                    || (larges + commeSorties >= v.exige.degagements
                        && upLarges + etroits - commeSorties >= v.exige.up);
            QCOMPARE(admis(v), partage);
        }
    }

    // PE 2 §3 and the PE 11 table at its edges, widths in metres as printed.
    void cinquieme_data()
    {
        QTest::addColumn<qint64>("publicAdmis");
        QTest::addColumn<qint64>("personnel");
        QTest::addColumn<bool>("existant");
        QTest::addColumn<bool>("sommeil");
        QTest::addColumn<QString>("attendu");
        const auto cas = [](const char *nom, qint64 p, qint64 s, bool existant, bool sommeil,
                             const char *attendu) {
            QTest::newRow(nom) << p << s << existant << sommeil << QString::fromUtf8(attendu);
        };
        cas("19 public et 50 personnels : PE 11 ne s'applique pas", 19, 50, false, false,
            "69 non applicable");
        cas("19 public et sommeil", 19, 0, false, true, "19 PE 11 0,90");
        cas("20", 20, 0, false, false, "20 PE 11 1,40 | 0,90+0,60");
        cas("50 avec le personnel", 30, 20, false, false, "50 PE 11 1,40 | 0,90+0,60");
        cas("51", 51, 0, false, false, "51 PE 11 0,90+0,90 | 1,40+0,60");
        cas("100 existant", 100, 0, true, false, "100 PE 11 0,80+0,80 | 1,40+0,60");
        cas("101", 101, 0, false, false, "101 PE 11 1,40+0,90");
        cas("200 existant", 150, 50, true, false, "200 PE 11 1,40+0,80");
        cas("201", 201, 0, true, false, "201 PE 11 1,40+1,40");
        cas("300", 300, 0, false, false, "300 PE 11 1,40+1,40");
        cas("301", 250, 51, false, false, "301 CO 38 §1 d 2/5");
    }
    void cinquieme()
    {
        QFETCH(qint64, publicAdmis);
        QFETCH(qint64, personnel);
        QFETCH(bool, existant);
        QFETCH(bool, sommeil);
        QFETCH(QString, attendu);
        const ResultatCinquieme r
            = calculerCinquieme({ publicAdmis, personnel, existant, sommeil });
        QStringList solutions;
        for (const QList<qint32> &largeurs : r.solutions) {
            QStringList metres;
            for (const qint32 mm : largeurs)
                metres << ecrireMetres(mm);
            solutions << metres.join(u'+');
        }
        const QString lu = QString::number(r.effectif) + u' '
            + (!r.applicable ? QStringLiteral("non applicable")
                    : r.solutions.isEmpty()
                    ? r.regle + u' ' + enMots(r.exigence)
                    : r.regle + u' ' + solutions.join(QStringLiteral(" | ")));
        QCOMPARE(lu, attendu);
        QCOMPARE(r.raison.contains("PE 2 §3"), !r.applicable);
        for (const QString &note : r.notes)
            QVERIFY2(note.contains(QRegularExpression("^(PE|CO) \\d+")), qPrintable(note));
        QCOMPARE(r.notes.filter("escalier unique").size(),
            r.applicable && r.effectif >= 20 && r.effectif <= 50 ? 2 : 0);
    }
};

QTEST_APPLESS_MAIN(TstRegles)
#include "tst_regles.moc"
