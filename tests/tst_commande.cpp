// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The command line as a script sees it: answers worked out by hand, exit 2 and one French line
// for anything unreadable, the real program without a display.
#include "LigneDeCommande.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Execution = LigneDeCommande::Issue;

Execution executer(const QStringList &arguments)
{
    return LigneDeCommande::repondre(arguments);
}

} // namespace

class TstCommande : public QObject
{
    Q_OBJECT

private slots:
    // Answers by their beginning and the fields that matter; a beginning ending a line is the
    // whole.
    void reponses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QStringList>("morceaux");
        // clang-format off
        QTest::newRow("bâtiment de l'exemple, sous-sol à 3,50 m") << QStringList { "--niveaux", "--json", "SS1=150@3.50", "RDC=300", "R+1=200", "R+2=100" }
            << R"({"niveaux": [)"
               R"({"niveau": "R+2", "effectif": 100, "effectif_retenu": 100, "degagements": 2, "accessoire": false, "up": 2}, )"
               R"({"niveau": "R+1", "effectif": 200, "effectif_retenu": 200, "degagements": 2, "accessoire": false, "up": 3}, )"
               R"({"niveau": "RDC", "effectif": 300, "effectif_retenu": 300, "degagements": 2, "accessoire": false, "up": 4}, )"
               R"({"niveau": "SS1", "effectif": 150, "profondeur_m": 3.5, "effectif_retenu": 240, "degagements": 2, "accessoire": false, "up": 4}], )"
               R"("escaliers": [)"
               R"({"desservant": "R+2", "effectif_cumule": 100, "effectif_reel": 100, "degagements": 2, "accessoire": false, "up": 2}, )"
               R"({"desservant": "R+1", "effectif_cumule": 300, "effectif_reel": 300, "degagements": 2, "accessoire": false, "up": 4}, )"
               R"({"desservant": "SS1", "effectif_cumule": 240, "effectif_reel": 150, "degagements": 2, "accessoire": false, "up": 4}], )"
               R"("avertissements": [{"article": "CO 36 §1, CO 49 §3", "texte": )"
            << QStringList { R"({"article": "CO 36 §3", "texte": )" };
        // An empty R+1 carries R+2's 30 (20–50); SS1 300 at 3,00 m: 330; SS2 90: never raised.
        QTest::newRow("étage vide, bande 20 à 50, deux sous-sols") << QStringList { "--niveaux", "--json", "R+2=30", "SS2=90@6,005", "SS1=300@3,00" } << "{"
            << QStringList { R"({"niveau": "R+1", "effectif": 0, "effectif_retenu": 0, "degagements": 0, "accessoire": false, "up": 0})",
               R"({"desservant": "R+1", "effectif_cumule": 30, "effectif_reel": 30, "degagements": 2, "accessoire": true, "up": 1})",
               R"("profondeur_m": 3, "effectif_retenu": 330, )", R"("profondeur_m": 6.005, "effectif_retenu": 90, )",
               R"({"desservant": "SS1", "effectif_cumule": 420, "effectif_reel": 390, "degagements": 2, )" };
        QTest::newRow("largeurs de l'exemple") << QStringList { "--largeurs", "--json", "--effectif", "250", "2,40", "0,90" }
            << R"({"effectif": 250, "exige": {"degagements": 2, "accessoire": false, "up": 4}, )"
               R"("elements": [{"largeurs_m": [2.4], "portes": [false], "up": 4}, )"
               R"({"largeurs_m": [0.9], "portes": [false], "up": 1}], "up_total": 5, )"
               R"("degagements_normaux": 2, "verdict": "conforme sous réserve", "effectif_maximal": 300})" "\n" << QStringList();
        // Doors at exactly 95 % of 1,40 and 0,90 m, grouped: one dégagement of 3 UP; 0,60 m accessory.
        QTest::newRow("groupe de portes et accessoire") << QStringList { "--largeurs", "--json", "--effectif=60", "1,33p+0,855p", "0.6" }
            << R"({"effectif": 60, "exige": {"degagements": 2, "accessoire": false, "up": 2}, )"
               R"("elements": [{"largeurs_m": [1.33, 0.855], "portes": [true, true], "up": 3}, )"
            << QStringList { R"("verdict": "conforme", "effectif_maximal": 100})" };
        QTest::newRow("effectif de l'exemple : 5e catégorie, PE 11") << QStringList { "--effectif", "--json", "RDC:M.vente=300", "R+1:M.vente=200", "RDC:personnel=20" }
            << R"({"niveaux": [{"niveau": "R+1", "public": 67, "personnel": 0}, {"niveau": "RDC", "public": 100, "personnel": 20}], )"
               R"("types": ["M"], "public": {"sous_sol": 0, "etages": 67, "total": 167}, "personnel": 20, "effectif": 187, "groupe": 2, "categorie": 5, )"
               R"("seuils": {"sous_sol": 100, "etages": 100, "total": 200}, "regle_degagements": "PE 11", "avertissements": [{"article": "M 2", )"
            << QStringList { R"({"article": "GN 1", "texte": )" };
        QTest::newRow("effectif en mots, options répétées sans effet") << QStringList { "--effectif", "--sommeil", "RDC:O.declare=12", "--sommeil" } << "Zones :\n  RDC O.declare : 12 personnes"
            << QStringList { "Catégorie : 2e groupe, 5e catégorie", "Dégagements : PE 11 §3, pour 12 personnes", "Avertissement (O 1) : " };
        // A group whose widest door is 0,70 m may be the accessory: no line says otherwise.
        QTest::newRow("groupe de portes, accessoire par la plus large") << QStringList { "--largeurs", "--effectif", "30", "0,90", "0,70p+0,50p" }
            << "Effectif : 30 personnes\nSortie 1 : 0,90 m ≥ 0,90 m → 1 UP\nSortie 2 : porte : 0,70 m < 0,95 × 0,90 m : 0 UP, comptée avec son groupe (CO 43 §3)\n"
               "Sortie 3 : porte : 0,50 m < 0,95 × 0,90 m : 0 UP, comptée avec son groupe (CO 43 §3)\n"
               "Sorties 2 et 3, à moins de 5 m : un seul dégagement de 0 UP (CO 43 §3), qui peut être accessoire : sa sortie la plus large a 0,70 m (CO 41)\n"
               "Total : 1 UP en 1 dégagement normal, 1 pouvant être accessoire (CO 41)\n"
               "Exigé pour 30 personnes (CO 38 §1) : il faut 1 dégagement de 1 UP et 1 dégagement accessoire\n"
               "Verdict : conforme\nEffectif maximal admis par ces dégagements : 50 personnes\n" << QStringList();
        QTest::newRow("5e catégorie de l'exemple") << QStringList { "--cinquieme", "--json", "--public", "120", "--personnel", "30" }
            << R"({"applicable": true, "effectif": 150, "regle": "PE 11", "solutions": [[1.4, 0.9]]})" "\n" << QStringList();
        QTest::newRow("5e catégorie au-delà de 300 avec le personnel") << QStringList { "--cinquieme", "--json", "--public", "290", "--personnel", "20" }
            << R"({"applicable": true, "effectif": 310, "regle": "CO 38 §1 d", "degagements": 2, "up": 5})" "\n" << QStringList();
        QTest::newRow("5e catégorie, 19 du public sans sommeil") << QStringList { "--cinquieme", "--json", "--personnel", "40", "--public", "19" }
            << "{\"applicable\": false, \"effectif\": 59, \"raison\": \"PE 2 §3 : " << QStringList();
        QTest::newRow("calcul, les lignes non vides de la fenêtre") << QStringList { "--calcul", "10" } << "Pour 10 personnes\nIl faut 1 dégagement\nde 1 unité de passage\n" << QStringList();
        QTest::newRow("version") << QStringList { "--version" } << "SalvaNOR - Dégagements 1.0.0\n" << QStringList();
        QTest::newRow("aide") << QStringList { "--aide" } << "Utilisation :" << QStringList();
        // clang-format on
    }
    void reponses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, debut);
        QFETCH(QStringList, morceaux);
        const Execution execution = executer(arguments);
        QVERIFY2(execution.code == 0 && execution.erreurs.isEmpty(), qPrintable(execution.erreurs));
        if (debut.endsWith(u'\n'))
            QCOMPARE(execution.sortie, debut);
        QVERIFY2(execution.sortie.startsWith(debut), qPrintable(execution.sortie));
        for (const QString &morceau : std::as_const(morceaux))
            QVERIFY2(execution.sortie.contains(morceau), qPrintable(morceau));
    }

    // Each option changes the answer: with it, words that are not there without it.
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("mots");
        // clang-format off
        QTest::newRow("--json") << QStringList { "--cinquieme", "--json", "--public", "120", "--personnel", "30" } << "--json" << R"("regle": "PE 11")";
        QTest::newRow("--escalier-unique, 40 personnes et un seul 1 UP") << QStringList { "--largeurs", "--effectif", "40", "--escalier-unique", "0,90" } << "--escalier-unique" << "Verdict : conforme\n";
        QTest::newRow("--existant : 0,80 m") << QStringList { "--cinquieme", "--public", "120", "--personnel", "0", "--existant" } << "--existant" << "dégagement de 0,80 m";
        QTest::newRow("--sommeil : PE 11 dès 1 personne") << QStringList { "--cinquieme", "--public", "19", "--personnel", "0", "--sommeil" } << "--sommeil" << "Règle : Article PE 11 §3";
        QTest::newRow("--spectacle : 20 et 50 pour le type L") << QStringList { "--effectif", "--json", "--spectacle", "RDC:L.places=50" } << "--spectacle" << R"("categorie": 4)";
        QTest::newRow("--sommeil : 30 pour le type R") << QStringList { "--effectif", "--json", "--sommeil", "RDC:R.declare=28", "R+1:R.declare=4" } << "--sommeil" << R"("regle_degagements": "CO 38")";
        QTest::newRow("--help : l'aide") << QStringList { "--help" } << "--help" << "--aide | --help | --version";
        // clang-format on
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, option);
        QFETCH(QString, mots);
        const QRegularExpression motif(mots);
        const Execution avec = executer(arguments);
        QVERIFY2(
            avec.code == 0 && avec.sortie.contains(motif), qPrintable(avec.sortie + avec.erreurs));
        arguments.removeOne(option);
        const Execution sans
            = executer(option == "--help" ? QStringList { "--version" } : arguments);
        QVERIFY2(sans.code == 0 && !sans.sortie.contains(motif), qPrintable(sans.sortie));
        QCOMPARE(executer({ "--help" }).sortie, executer({ "--aide" }).sortie);
    }

    // A lone argument that is no option is a study to open by a double click, not a command.
    void etudeSeule()
    {
        const auto commande = [](QByteArrayList arguments) {
            QList<char *> argv { QByteArray("salvanor-degagements").data() };
            for (QByteArray &argument : arguments)
                argv << argument.data();
            return LigneDeCommande::estCommande(int(argv.size()), argv.data());
        };
        QVERIFY(!commande({}));
        QVERIFY(!commande({ "étude.salvanor" }));
        QVERIFY(commande({ "--json" }));
        QVERIFY(commande({ "a.salvanor", "b.salvanor" }));
    }

    // One row per reason: exit 2, the argument at fault named on one line of stderr, no stdout.
    void refus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("cite");
        QTest::addColumn<QString>("mots"); // besides what the line always holds
        // clang-format off
        QTest::newRow("option inconnue") << QStringList { "--niveau", "RDC=1" } << "--niveau" << "";
        QTest::newRow("option sans valeur") << QStringList { "--largeurs", "2,40", "--effectif" } << "--effectif" << "";
        QTest::newRow("aucun niveau") << QStringList { "--niveaux", "--json" } << "--niveaux" << "";
        QTest::newRow("SS10") << QStringList { "--niveaux", "SS10=5@3" } << "SS10=5@3" << "";
        QTest::newRow("niveau deux fois") << QStringList { "--niveaux", "RDC=1", "R+1=2", "RDC=3" } << "RDC=3" << "";
        QTest::newRow("profondeur sur un étage") << QStringList { "--niveaux", "R+1=5@2" } << "R+1=5@2" << "";
        QTest::newRow("sous-sol sans profondeur") << QStringList { "--niveaux", "SS1=150" } << "SS1=150" << "";
        QTest::newRow("quatre décimales") << QStringList { "--niveaux", "SS1=150@3,5001" } << "SS1=150@3,5001" << "";
        QTest::newRow("effectif en lettres") << QStringList { "--niveaux", "R+1=douze" } << "R+1=douze" << "";
        QTest::newRow("effectif au-delà de 32 bits") << QStringList { "--niveaux", "RDC=2147483648" } << "RDC=2147483648" << "";
        QTest::newRow("calcul de 0, refusé comme dans la fenêtre") << QStringList { "--calcul", "0" } << "0" << "";
        QTest::newRow("groupe incomplet") << QStringList { "--largeurs", "--effectif", "250", "1,40p+" } << "1,40p+" << "";
        QTest::newRow("inversion du sens d'écriture") << QStringList { "--niveaux", "RDC=1\u202E0" } << "RDC=1\\u202E0" << "";
        QTest::newRow("retour à la ligne dans un groupe") << QStringList { "--largeurs", "--effectif", "9", "1p+0,\n9" } << "1p+0,\uFFFD9" << "";
        QTest::newRow("deux études") << QStringList { "a.salvanor", "b.salvanor" } << "b.salvanor" << "";
        QTest::newRow("option répétée") << QStringList { "--niveaux", "--json", "RDC=1", "--json" } << "--json" << "";
        QTest::newRow("option avant sa commande") << QStringList { "--json", "--niveaux", "RDC=1" } << "--json" << "";
        QTest::newRow("option seule") << QStringList { "--escalier-unique" } << "--escalier-unique" << "";
        QTest::newRow("option d'une autre commande") << QStringList { "--niveaux", "--existant", "RDC=1" } << "--existant" << "";
        QTest::newRow("le personnel seul") << QStringList { "--effectif", "RDC:personnel=3" } << "--effectif" << "aucune zone de public";
        QTest::newRow("plus de 2 147 483 647 personnes") << QStringList { "--effectif", "RDC:X.declare=2147483647", "RDC:personnel=1" } << "--effectif" << "2 147 483 647";
        QTest::newRow("des dégagements après --effectif") << QStringList { "--effectif", "250", "2,40" } << "250" << "--largeurs --effectif N";
        // clang-format on
    }
    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, cite);
        QFETCH(QString, mots);
        const Execution execution = executer(arguments);
        QCOMPARE(execution.code, 2);
        QCOMPARE(execution.sortie, QString());
        const QString debut = QStringLiteral("salvanor-degagements : « %1 » : ").arg(cite);
        const QString &ligne = execution.erreurs;
        QVERIFY2(ligne.startsWith(debut) && ligne.size() > debut.size() + 10
                && ligne.endsWith(".\n") && ligne.count(u'\n') == 1 && ligne.contains(mots),
            qPrintable(ligne));
    }

    // The table a person reads: every row's retained effectif starts under its heading.
    void tableauAligne()
    {
        const QStringList tableau = executer({ "--niveaux", "SS1=150@3,50", "RDC=1500", "R+1=200" })
                                        .sortie.split(u'\n')
                                        .first(5);
        const qsizetype colonne = tableau.first().indexOf(QStringLiteral("Effectif retenu"));
        QVERIFY(tableau.last().sliced(colonne).startsWith("150 → 200 + 20 % = 240"));
        for (const QString &ligne : tableau)
            QVERIFY2(ligne.at(colonne - 1) == u' ' && ligne.at(colonne) != u' ', qPrintable(ligne));
    }

    // An answer the terminal or the disk could not take whole is no answer: exit 1 and why.
    void reponseNonEcrite_data()
    {
        QTest::addColumn<QString>("commande"); // $0 the program, $1 a folder
        QTest::addColumn<QString>("cause");
        // clang-format off
        QTest::newRow("périphérique plein") << R"(exec "$0" --aide > /dev/full)" << "le disque est plein";
        QTest::newRow("sortie fermée") << R"(exec "$0" --aide >&-)" << "elle est fermée";
        // Set before the program starts, as a shell does: its default action kills.
        QTest::newRow("limite de taille de fichier") << R"(ulimit -f 1; exec "$0" --aide > "$1"/a)" << "taille maximale";
        // clang-format on
    }
    void reponseNonEcrite()
    {
        QFETCH(QString, commande);
        QFETCH(QString, cause);
        const QTemporaryDir dossier;
        QProcess shell;
        shell.start("sh", { "-c", commande, SALVANOR_EXECUTABLE, dossier.path() });
        QVERIFY(shell.waitForFinished(30000) && shell.exitStatus() == QProcess::NormalExit);
        QCOMPARE(shell.exitCode(), 1);
        const QString erreurs = QString::fromUtf8(shell.readAllStandardError());
        QVERIFY2(erreurs.startsWith("salvanor-degagements : la réponse n'a pas pu être écrite en "
                                    "entier sur la sortie standard : ")
                && erreurs.contains(cause) && erreurs.count('\n') == 1,
            qPrintable(erreurs));
    }

    // The real program where a window cannot open: options answer, stdout and stderr apart.
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
            const bool normal = fini && programme.exitStatus() == QProcess::NormalExit;
            return Execution { normal ? programme.exitCode() : -1,
                QString::fromUtf8(programme.readAllStandardOutput()),
                QString::fromUtf8(programme.readAllStandardError()) };
        };
        // The control: the window cannot open here.
        QVERIFY2(lancer({}).code != 0, "the window started without a display");
        const Execution reponse = lancer({ "--niveaux", "RDC=10", "R+1=20" });
        QVERIFY2(reponse.code == 0 && reponse.erreurs.isEmpty()
                && reponse.sortie.contains("Escaliers desservant R+1"),
            qPrintable(reponse.erreurs + reponse.sortie));
        const Execution refus = lancer({ "--niveaux", "R+100=5" });
        QVERIFY2(refus.code == 2 && refus.sortie.isEmpty()
                && refus.erreurs.startsWith("salvanor-degagements : « R+100=5 » : niveau attendu"),
            qPrintable(refus.sortie + refus.erreurs));
    }
};

QTEST_APPLESS_MAIN(TstCommande)
#include "tst_commande.moc"
