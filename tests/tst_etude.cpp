// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Etude.h"
#include "Fichier.h"
#include "MotsEffectif.h"
#include "MotsLargeurs.h"
#include "MotsNiveaux.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

// The study file: what is typed comes back as typed; a bad file is refused in French.
class TstEtude : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dossier;

    // A cell not readable yet, an empty one, quotes and accents: all kept.
    const Etude m_niveaux = EtudeNiveaux { { { 2, "100", "" }, { 0, "3OO", "" },
        { -1, "150", "3,50" }, { -2, "", "6.001 « ? »" } } };
    const Etude m_largeurs = EtudeLargeurs { "250",
        { { "1,40", true, "1" }, { "2.4", false, "" }, { "0,8x", false, "A" } }, true };

private slots:
    // A save writes the study, which opens as typed, or says why not and leaves the old file.
    void enregistrer_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<Etude>("etude");
        QTest::addColumn<bool>("limiteDeTaille");
        QTest::addColumn<QString>("raison");
        QTest::newRow("niveaux et escaliers") << "etude.salvanor" << m_niveaux << false << "";
        QTest::newRow("vérifier des dégagements") << "etude.salvanor" << m_largeurs << false << "";
        const QString absent = QDir::toNativeSeparators(m_dossier.filePath("absent"));
        QTest::newRow("dossier absent") << "absent/etude.salvanor" << m_niveaux << false
                                        << "le dossier « " + absent + " » n'existe pas.";
        QTest::newRow("case trop longue")
            << "etude.salvanor" << Etude(EtudeLargeurs { QString(201, u'9'), {}, false }) << false
            << "une case dépasse 200 caractères.";
        // A file-size limit (ulimit -f) stops the file part-way, as a full disk would.
        QTest::newRow("limite de taille de fichier")
            << "etude.salvanor" << m_niveaux << true
            << "le fichier dépasserait la taille maximale permise à ce programme (limite de "
               "taille de fichier).";
    }
    void enregistrer()
    {
        QFETCH(QString, nom);
        QFETCH(Etude, etude);
        QFETCH(bool, limiteDeTaille);
        QFETCH(QString, raison);
        const QString existant = m_dossier.filePath("etude.salvanor");
        QCOMPARE(FichierEtude::enregistrer(existant, Etude {}), QString());
        const QStringList fichiers = QDir(m_dossier.path()).entryList(QDir::Files);

        rlimit limite {};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit pendant { limiteDeTaille ? 64 : limite.rlim_cur, limite.rlim_max };
        setrlimit(RLIMIT_FSIZE, &pendant);
        const QString erreur = FichierEtude::enregistrer(m_dossier.filePath(nom), etude);
        setrlimit(RLIMIT_FSIZE, &limite);

        QCOMPARE(erreur, raison.isEmpty() ? raison : "L'étude n'a pas été enregistrée : " + raison);
        // Read again by its name; no file left beside it.
        QVERIFY(FichierEtude::ouvrir(existant).valeur == (raison.isEmpty() ? etude : Etude {}));
        QCOMPARE(QDir(m_dossier.path()).entryList(QDir::Files), fichiers);
    }

    // One row per reason a file is refused; the sentence follows "Ce fichier".
    void refus_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("raison");
        const QByteArray bon = FichierEtude::ecrire(m_niveaux);
        // The study as written, with one thing changed, as by hand.
        const auto change = [&bon](const QByteArray &avant, const QByteArray &apres) {
            return QByteArray(bon).replace(avant, apres);
        };
        const QString endommage = "est endommagé : ";
        QTest::newRow("vide") << QByteArray(" \n") << endommage + "il est vide.";
        QTest::newRow("pas du JSON") << QByteArray("Niveau;Effectif\nRDC;300\n")
                                     << endommage + "son contenu est illisible à l'octet 1.";
        QTest::newRow("tronqué") << bon.left(bon.size() / 2)
                                 << endommage + "il s'arrête avant la fin.";
        QTest::newRow("trop grand") << bon + QByteArray(qsizetype(1024) * 1024, ' ')
                                    << "n'est pas une étude SalvaNOR : il dépasse 1 Mio.";
        QTest::newRow("marqueur étranger")
            << change("salvanor-etude", "salvanor") << "n'est pas une étude SalvaNOR.";
        QTest::newRow("version suivante")
            << change("\"version\": 1", "\"version\": 3")
            << "a été enregistré par une version plus récente de SalvaNOR - Dégagements (format 3) "
               "; il ne peut pas être ouvert ici.";
        QTest::newRow("effectif en nombre") << change("\"100\"",
            "100") << endommage + "« effectif » du niveau R+2 n'a pas la forme attendue.";
        QTest::newRow("niveau en double")
            << change("RDC", "R+2") << endommage + "le niveau R+2 figure deux fois.";
        QTest::newRow("du bas vers le haut") << change(
            "R+2", "SS3") << endommage + "les niveaux ne vont pas du plus haut au plus bas.";
        QTest::newRow("case trop longue") << change("3OO", QByteArray(201, '3'))
                                          << endommage + "une case dépasse 200 caractères.";
    }
    void refus()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, raison);
        const Lu<Etude> lu = FichierEtude::lire(octets);
        QCOMPARE(lu.erreur, "Ce fichier " + raison);
        const QString chemin = m_dossier.filePath("refusé.salvanor");
        QCOMPARE(Fichier::ecrire(chemin, octets), QString());
        QCOMPARE(FichierEtude::ouvrir(chemin).erreur, "Le fichier « refusé.salvanor » " + raison);
    }

    // The studies saved by each format version (tests/etudes/), as a person sees them opened: a
    // format that renamed a key, or forgot one, would strand every study saved with it.
    void echantillons_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QStringList>("lignes");
        const QMap<QString, QStringList> vues {
            { "v1-niveaux.salvanor",
                { "R+2 | 100 |  | 100 | 2 | 2", "RDC | 300 |  | 300 | 2 | 4",
                    "SS1 | 150 | 3,50 | 150 → 200 + 20 % = 240 | 2 | 4" } },
            { "v1-largeurs.salvanor",
                { "escalier unique",
                    "Sorties 2 et 3, à moins de 5 m : un seul dégagement de 3 UP (CO 43 §3)",
                    "Total : 7 UP en 2 dégagements normaux, 1 pouvant être accessoire (CO 41)",
                    "Verdict : conforme",
                    "Effectif maximal admis par ces dégagements : 500 personnes" } },
            { "v2-effectif.salvanor",
                { "locaux à sommeil", "SS1 | 12 | 12 | 0 | 12", "R+1 | 66,67 | 67 | 0 | 67",
                    "Effectif : 199 personnes : 179 du public et 20 du personnel",
                    "Dégagements : PE 11 §3, pour 199 personnes, public et personnel (PE 11 §5) : "
                    "1 dégagement de 1,40 m + 1 dégagement de 0,90 m." } },
        };
        for (const QString &fichier : QDir(SALVANOR_ETUDES).entryList({ "*.salvanor" }))
            QTest::newRow(qPrintable(fichier)) << fichier << vues.value(fichier);
    }
    void echantillons()
    {
        QFETCH(QString, fichier);
        QFETCH(QStringList, lignes);
        QVERIFY2(!lignes.isEmpty(), "a sample kept without what a person sees of it");
        const Lu<Etude> lu = FichierEtude::ouvrir(QStringLiteral(SALVANOR_ETUDES "/") + fichier);
        QVERIFY2(lu, qPrintable(lu.erreur));
        QStringList vues;
        if (const auto *niveaux = std::get_if<EtudeNiveaux>(&*lu.valeur))
            for (const QStringList &rangee : tableauNiveaux(resultatNiveaux(*niveaux)).lignes)
                vues << rangee.mid(0, 6).join(" | ");
        if (const auto *largeurs = std::get_if<EtudeLargeurs>(&*lu.valeur))
            vues << (largeurs->escalierUnique ? "escalier unique" : "")
                 << bilanLargeurs(lireLargeurs(*largeurs));
        if (const auto *effectif = std::get_if<EtudeEffectif>(&*lu.valeur)) {
            const EffectifLu lue = lireEffectif(*effectif);
            QVERIFY2(lue.resultat, qPrintable(lue.resultat.erreur));
            const MotsEffectif mots = motsEffectif(lue.entree, *lue.resultat.valeur);
            vues << (effectif->sommeil ? "locaux à sommeil" : "") << mots.bilan();
            for (const QStringList &rangee : mots.niveaux.lignes)
                vues << rangee.join(" | ");
        }
        for (const QString &ligne : std::as_const(lignes))
            QVERIFY2(vues.contains(ligne), qPrintable(ligne + "\n" + vues.join("\n")));
    }

    void ouvertureImpossible()
    {
        QVERIFY(QDir(m_dossier.path()).mkpath("dossier.salvanor"));
        QCOMPARE(FichierEtude::ouvrir(m_dossier.filePath("absente.salvanor")).erreur,
            "Le fichier « absente.salvanor » n'a pas pu être ouvert : il n'existe pas.");
        QCOMPARE(FichierEtude::ouvrir(m_dossier.filePath("dossier.salvanor")).erreur,
            "Le fichier « dossier.salvanor » n'a pas pu être ouvert : c'est un dossier.");
    }
};

QTEST_GUILESS_MAIN(TstEtude)
#include "tst_etude.moc"
