// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The command line as a script sees it: exact answers worked out by hand from the regulation,
// one French line and exit code 2 for anything that cannot be read, and the real program
// answering where no display exists.
#include "LigneDeCommande.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

namespace {

struct Execution
{
    int code = -1;
    QString sortie;
    QString erreurs;
};

Execution executer(const QStringList &arguments)
{
    Execution execution;
    QTextStream sortie(&execution.sortie);
    QTextStream erreurs(&execution.erreurs);
    execution.code = LigneDeCommande::executer(arguments, sortie, erreurs);
    return execution;
}

} // namespace

class TstCommande : public QObject
{
    Q_OBJECT

private slots:
    // Values from the reference's tables: F(N), CO 39 rounded then raised by 10 % per started
    // metre, flights cumulated outwards from the RDC. A row ending in "…" gives the answer's
    // beginning, and the articles its warnings must quote (their wording is the rules' own).
    void reponses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QStringList>("articles");
        QTest::newRow("bâtiment de l'exemple, sous-sol à 3,50 m")
            << QStringList { "--niveaux", "--json", "SS1=150@3.50", "RDC=300", "R+1=200",
                   "R+2=100" }
            << R"({"niveaux": [)"
               R"({"niveau": "R+2", "effectif": 100, "effectif_retenu": 100, "degagements": 2, "accessoire": false, "up": 2}, )"
               R"({"niveau": "R+1", "effectif": 200, "effectif_retenu": 200, "degagements": 2, "accessoire": false, "up": 3}, )"
               R"({"niveau": "RDC", "effectif": 300, "effectif_retenu": 300, "degagements": 2, "accessoire": false, "up": 4}, )"
               R"({"niveau": "SS1", "effectif": 150, "profondeur_m": 3.5, "effectif_retenu": 240, "degagements": 2, "accessoire": false, "up": 4}], )"
               R"("escaliers": [)"
               R"({"desservant": "R+2", "effectif_cumule": 100, "effectif_reel": 100, "degagements": 2, "accessoire": false, "up": 2}, )"
               R"({"desservant": "R+1", "effectif_cumule": 300, "effectif_reel": 300, "degagements": 2, "accessoire": false, "up": 4}, )"
               R"({"desservant": "SS1", "effectif_cumule": 240, "effectif_reel": 150, "degagements": 2, "accessoire": false, "up": 4}], )"
               R"("avertissements": […)"
            << QStringList { "CO 36 §1, CO 49 §3", "CO 36 §3" };
        // An empty R+1 still carries R+2 on its stairs; 30 persons is the 20–50 band.
        QTest::newRow("étage vide entre deux, bande 20 à 50")
            << QStringList { "--niveaux", "--json", "R+2=30", "RDC=10" }
            << R"({"niveaux": [)"
               R"({"niveau": "R+2", "effectif": 30, "effectif_retenu": 30, "degagements": 2, "accessoire": true, "up": 1}, )"
               R"({"niveau": "R+1", "effectif": 0, "effectif_retenu": 0, "degagements": 0, "accessoire": false, "up": 0}, )"
               R"({"niveau": "RDC", "effectif": 10, "effectif_retenu": 10, "degagements": 1, "accessoire": false, "up": 1}], )"
               R"("escaliers": [)"
               R"({"desservant": "R+2", "effectif_cumule": 30, "effectif_reel": 30, "degagements": 2, "accessoire": true, "up": 1}, )"
               R"({"desservant": "R+1", "effectif_cumule": 30, "effectif_reel": 30, "degagements": 2, "accessoire": true, "up": 1}], )"
               R"("avertissements": […)"
            << QStringList { "CO 38 §1 b" };
        // SS1: 300 at exactly 3,00 m is one started metre: 330. SS2: 90 is not above 100,
        // however deep: 90. Esc SS1 = 330 + 90.
        QTest::newRow("deux sous-sols, 3,00 m et 6,005 m")
            << QStringList { "--niveaux", "--json", "SS2=90@6,005", "SS1=300@3,00" }
            << R"({"niveaux": [)"
               R"({"niveau": "RDC", "effectif": 0, "effectif_retenu": 0, "degagements": 0, "accessoire": false, "up": 0}, )"
               R"({"niveau": "SS1", "effectif": 300, "profondeur_m": 3, "effectif_retenu": 330, "degagements": 2, "accessoire": false, "up": 5}, )"
               R"({"niveau": "SS2", "effectif": 90, "profondeur_m": 6.005, "effectif_retenu": 90, "degagements": 2, "accessoire": false, "up": 2}], )"
               R"("escaliers": [)"
               R"({"desservant": "SS1", "effectif_cumule": 420, "effectif_reel": 390, "degagements": 2, "accessoire": false, "up": 6}, )"
               R"({"desservant": "SS2", "effectif_cumule": 90, "effectif_reel": 90, "degagements": 2, "accessoire": false, "up": 2}], )"
               R"("avertissements": […)"
            << QStringList { "CO 40", "CO 36 §3" };
        QTest::newRow("largeurs de l'exemple")
            << QStringList { "--largeurs", "--json", "--effectif", "250", "2,40", "0,90" }
            << R"({"effectif": 250, "exige": {"degagements": 2, "accessoire": false, "up": 4}, )"
               R"("elements": [{"largeurs_m": [2.4], "portes": [false], "up": 4}, )"
               R"({"largeurs_m": [0.9], "portes": [false], "up": 1}], "up_total": 5, )"
               R"("degagements_normaux": 2, "verdict": "conforme sous réserve", "effectif_maximal": 300})"
               "\n"
            << QStringList();
        // Doors at exactly 95 % of 1,40 and 0,90 m, grouped: one dégagement of 3 UP, with a
        // 0,60 m accessory; a second normal dégagement is missing above 100 persons.
        QTest::newRow("groupe de portes et accessoire")
            << QStringList { "--largeurs", "--json", "--effectif=60", "1,33p+0,855p", "0.6" }
            << R"({"effectif": 60, "exige": {"degagements": 2, "accessoire": false, "up": 2}, )"
               R"("elements": [{"largeurs_m": [1.33, 0.855], "portes": [true, true], "up": 3}, )"
               R"({"largeurs_m": [0.6], "portes": [false], "up": 0}], "up_total": 3, )"
               R"("degagements_normaux": 1, "verdict": "conforme", "effectif_maximal": 100})"
               "\n"
            << QStringList();
        QTest::newRow("5e catégorie de l'exemple")
            << QStringList { "--cinquieme", "--json", "--public", "120", "--personnel", "30" }
            << "{\"applicable\": true, \"effectif\": 150, \"regle\": \"PE 11\", \"solutions\": "
               "[[1.4, 0.9]]}\n"
            << QStringList();
        QTest::newRow("5e catégorie au-delà de 300 avec le personnel")
            << QStringList { "--cinquieme", "--json", "--public", "290", "--personnel", "20" }
            << "{\"applicable\": true, \"effectif\": 310, \"regle\": \"CO 38 §1 d\", "
               "\"degagements\": 2, \"up\": 5}\n"
            << QStringList();
        QTest::newRow("5e catégorie, 19 du public sans sommeil")
            << QStringList { "--cinquieme", "--json", "--personnel", "40", "--public", "19" }
            << "{\"applicable\": false, \"effectif\": 59, \"raison\": \"…" << QStringList();
        QTest::newRow("calcul, les lignes non vides de la fenêtre")
            << QStringList { "--calcul", "10" }
            << "Pour 10 personnes\nIl faut 1 dégagement\nde 1 unité de passage\n"
            << QStringList();
        QTest::newRow("version") << QStringList { "--version" } << "SalvaNOR - Dégagements 1.0.0\n"
                                 << QStringList();
        QTest::newRow("aide") << QStringList { "--help" } << "Utilisation :\n…" << QStringList();
    }
    void reponses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, attendu);
        QFETCH(QStringList, articles);
        const Execution execution = executer(arguments);
        QCOMPARE(execution.erreurs, QString());
        QCOMPARE(execution.code, 0);
        if (attendu.endsWith(u'…'))
            QCOMPARE(execution.sortie.first(std::min(execution.sortie.size(), attendu.size() - 1)),
                attendu.chopped(1));
        else
            QCOMPARE(execution.sortie, attendu);
        if (arguments.contains("--json")) {
            QJsonParseError erreur {};
            const QJsonDocument json = QJsonDocument::fromJson(execution.sortie.toUtf8(), &erreur);
            QVERIFY2(json.isObject(), qPrintable(erreur.errorString()));
            QStringList cites;
            for (const QJsonValue avertissement : json[QStringLiteral("avertissements")].toArray())
                cites << avertissement[QStringLiteral("article")].toString();
            for (const QString &article : std::as_const(articles))
                QVERIFY2(cites.contains(article), qPrintable(article));
        }
    }

    // Each refusal names the argument at fault, on exactly one line, and writes nothing else.
    void refus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("cite");
        const auto refus = [](const char *nom, const QStringList &arguments, const QString &cite) {
            QTest::newRow(nom) << arguments << cite;
        };
        refus("option inconnue", { "--niveau", "RDC=1" }, "--niveau");
        refus("option avant la commande", { "--json", "--niveaux", "RDC=1" }, "--json");
        refus("option donnée deux fois", { "--niveaux", "--json", "--json", "RDC=1" }, "--json");
        refus("valeur à un drapeau", { "--niveaux", "--json=oui", "RDC=1" }, "--json=oui");
        refus("aucun niveau", { "--niveaux", "--json" }, "--niveaux");
        refus("R+100", { "--niveaux", "R+100=5" }, "R+100=5");
        refus("niveau sans effectif", { "--niveaux", "RDC" }, "RDC");
        refus("niveau deux fois", { "--niveaux", "RDC=1", "R+1=2", "RDC=3" }, "RDC=3");
        refus("profondeur sur un étage", { "--niveaux", "R+1=5@2" }, "R+1=5@2");
        refus("profondeur sur le RDC", { "--niveaux", "RDC=5@0" }, "RDC=5@0");
        refus("sous-sol sans profondeur", { "--niveaux", "SS1=150" }, "SS1=150");
        refus("quatre décimales", { "--niveaux", "SS1=150@3,5001" }, "SS1=150@3,5001");
        refus("effectif en lettres", { "--niveaux", "R+1=douze" }, "R+1=douze");
        refus("effectif négatif", { "--niveaux", "R+1=-5" }, "R+1=-5");
        refus("effectif au-delà de 32 bits", { "--niveaux", "RDC=2147483648" }, "RDC=2147483648");
        refus("retour à la ligne", { "--niveaux", "R+1=\n5" }, "R+1=\uFFFD5");
        refus("calcul sans nombre", { "--calcul" }, "--calcul");
        refus("calcul de 0, refusé comme dans la fenêtre", { "--calcul", "0" }, "0");
        refus("calcul au-delà de 32 bits", { "--calcul", "2147483648" }, "2147483648");
        refus("calcul de deux nombres", { "--calcul", "5", "6" }, "6");
        refus("largeurs sans effectif", { "--largeurs", "2,40" }, "--largeurs");
        refus("effectif sans valeur", { "--largeurs", "2,40", "--effectif" }, "--effectif");
        refus("largeurs sans sortie", { "--largeurs", "--effectif", "250" }, "--largeurs");
        refus("porte en majuscule", { "--largeurs", "--effectif", "250", "1,40P" }, "1,40P");
        refus("groupe incomplet", { "--largeurs", "--effectif", "250", "1,40p+" }, "1,40p+");
        refus("retour à la ligne dans un groupe", { "--largeurs", "--effectif", "9", "1p+0,\n9" },
            "1p+0,\uFFFD9");
        refus(
            "largeur à quatre décimales", { "--largeurs", "--effectif", "9", "0,9001" }, "0,9001");
        refus("5e catégorie sans personnel", { "--cinquieme", "--public", "120" }, "--cinquieme");
        refus("5e catégorie, argument en trop",
            { "--cinquieme", "--public", "1", "--personnel", "2", "3" }, "3");
        refus("deux études", { "a.salvanor", "b.salvanor" }, "b.salvanor");
        refus("argument vide", { "" }, "");
    }
    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, cite);
        const Execution execution = executer(arguments);
        QCOMPARE(execution.code, LigneDeCommande::ArgumentsIllisibles);
        QCOMPARE(execution.sortie, QString());
        QCOMPARE(execution.erreurs.count(u'\n'), 1);
        const QString debut = QStringLiteral("salvanor-degagements : « %1 » : ").arg(cite);
        QVERIFY2(execution.erreurs.startsWith(debut), qPrintable(execution.erreurs));
        QVERIFY2(execution.erreurs.endsWith(".\n") && execution.erreurs.size() > debut.size() + 10,
            qPrintable(execution.erreurs));
    }

    // The table a person reads: each cell starts under its heading, the CO 39 working shown.
    void tableauAligne()
    {
        const Execution execution
            = executer({ "--niveaux", "SS1=150@3,50", "RDC=1500", "R+1=200" });
        QCOMPARE(execution.code, 0);
        const QStringList lignes = execution.sortie.split(u'\n');
        const qsizetype fin = lignes.indexOf(QString());
        QVERIFY(fin > 2);
        QVERIFY(lignes.at(fin - 1).contains(QStringLiteral("150 → 200 + 20 % = 240")));
        const QString &traits = lignes.at(1);
        for (qsizetype colonne = 0; colonne < traits.size(); ++colonne) {
            if (traits.at(colonne) != u'-' || (colonne > 0 && traits.at(colonne - 1) == u'-'))
                continue;
            for (qsizetype ligne = 0; ligne < fin; ++ligne) {
                const QString &texte = lignes.at(ligne);
                // Only the depth column is blank on floors.
                if (texte.size() <= colonne || texte.at(colonne) == u' ')
                    continue;
                QVERIFY2(colonne == 0 || texte.at(colonne - 1) == u' ', qPrintable(texte));
            }
        }
        QVERIFY(lignes.at(fin - 1).indexOf(QStringLiteral("150 → 200"))
            == lignes.at(0).indexOf(QStringLiteral("Effectif retenu")));
    }

    // The real program, where creating a window would fail: no display, the X11 platform asked
    // for. Options still answer, stdout and stderr apart, with the exit code.
    void sansEcran()
    {
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.remove(QStringLiteral("DISPLAY"));
        environnement.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const auto lancer = [&](const QStringList &arguments) {
            QProcess programme;
            programme.setProcessEnvironment(environnement);
            programme.start(QStringLiteral(SALVANOR_EXECUTABLE), arguments);
            const bool fini = programme.waitForFinished(30000);
            return std::tuple { fini && programme.exitStatus() == QProcess::NormalExit,
                programme.exitCode(), QString::fromUtf8(programme.readAllStandardOutput()),
                QString::fromUtf8(programme.readAllStandardError()) };
        };
        // The control: the window cannot open here.
        const auto [fenetreNormale, codeFenetre, sortieFenetre, erreursFenetre] = lancer({});
        QVERIFY2(!fenetreNormale || codeFenetre != 0, "the window started without a display");

        const auto [fini, code, sortie, erreurs] = lancer({ "--niveaux", "RDC=10", "R+1=20" });
        QVERIFY(fini);
        QCOMPARE(erreurs, QString());
        QCOMPARE(code, 0);
        QVERIFY2(sortie.contains(QStringLiteral("Escaliers desservant R+1")), qPrintable(sortie));

        const auto [finiRefus, codeRefus, sortieRefus, erreursRefus]
            = lancer({ "--niveaux", "R+100=5" });
        QVERIFY(finiRefus);
        QCOMPARE(codeRefus, 2);
        QCOMPARE(sortieRefus, QString());
        QCOMPARE(erreursRefus,
            QStringLiteral("salvanor-degagements : « R+100=5 » : niveau attendu RDC, R+1 à R+99 "
                           "ou SS1 à SS9.\n"));
    }
};

QTEST_APPLESS_MAIN(TstCommande)
#include "tst_commande.moc"
