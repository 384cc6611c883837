// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Etude.h"

#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

// The study file: what is typed comes back as typed; a bad file is refused in French and a
// failed save leaves the old file as it was.
class TstEtude : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dossier;

    static Etude niveaux()
    {
        Etude etude;
        // A cell not readable yet, an empty one, quotes and accents: all kept.
        etude.niveaux = { { 2, "100", "" }, { 0, "3OO", "" }, { -1, "150", "3,50" },
            { -2, "", "6.001 « ? »" } };
        return etude;
    }
    static Etude largeurs()
    {
        Etude etude;
        etude.outil = Etude::Outil::Largeurs;
        etude.effectif = "250";
        etude.escalierUnique = true;
        etude.sorties = { { "1,40", true, "1" }, { "0,90", true, "1" }, { "2.4", false, "" },
            { "0,8x", false, "A" } };
        return etude;
    }
    // JSON written with ' for ", for reading.
    static QByteArray json(QByteArray texte) { return texte.replace('\'', '"'); }
    static QByteArray niveau(const QByteArray &nom, const QByteArray &effectif = "'1'")
    {
        return json("{'niveau': '" + nom + "', 'effectif': " + effectif + ", 'profondeur': ''}");
    }
    static QByteArray fichier(const QByteArray &niveaux, const QByteArray &version = "1")
    {
        return json("{'format': 'salvanor-etude', 'version': " + version
            + ", 'outil': 'niveaux', 'niveaux': [" + niveaux + "]}");
    }
    static QByteArray lireTout(const QString &chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : "?";
    }

private slots:
    void allerRetour_data()
    {
        QTest::addColumn<Etude>("etude");
        QTest::newRow("niveaux et escaliers") << niveaux();
        QTest::newRow("vérifier des dégagements") << largeurs();
        QTest::newRow("étude neuve")
            << Etude { Etude::Outil::Niveaux, { { 0, "", "" } }, {}, {}, false };
    }
    void allerRetour()
    {
        QFETCH(Etude, etude);
        const QString chemin = m_dossier.filePath("aller-retour.salvanor");
        QCOMPARE(FichierEtude::enregistrer(chemin, etude), QString());
        const Lu<Etude> relu = FichierEtude::ouvrir(chemin);
        QCOMPARE(relu.erreur, QString());
        QVERIFY(*relu.valeur == etude);
    }

    void refus_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("phrase");
        const QByteArray bon = FichierEtude::ecrire(niveaux());
        const QString endommage = "Ce fichier est endommagé : ";
        const QString etranger = "Ce fichier n'est pas une étude SalvaNOR.";
        QTest::newRow("vide") << QByteArray(" \n") << endommage + "il est vide.";
        QTest::newRow("pas du JSON") << QByteArray("Niveau;Effectif\nRDC;300\n")
                                     << endommage + "son contenu est illisible à l'octet 1.";
        QTest::newRow("tronqué") << bon.left(bon.size() / 2)
                                 << endommage + "il s'arrête avant la fin.";
        QTest::newRow("autre JSON") << json("{'niveaux': []}") << etranger;
        QTest::newRow("liste JSON") << QByteArray("[1, 2]") << etranger;
        QTest::newRow("trop grand")
            << bon + QByteArray(qsizetype(1024) * 1024, ' ')
            << "Ce fichier n'est pas une étude SalvaNOR : il dépasse 1 Mio.";
        QTest::newRow("version suivante")
            << fichier(niveau("RDC"), "2")
            << "Ce fichier a été enregistré par une version plus récente de SalvaNOR - Dégagements "
               "(format 2) ; il ne peut pas être ouvert ici.";
        QTest::newRow("version en texte")
            << fichier(niveau("RDC"), "'1'") << endommage + "son numéro de format est illisible.";
        QTest::newRow("outil inconnu")
            << json("{'format': 'salvanor-etude', 'version': 1, 'outil': 'escaliers'}")
            << endommage + "l'outil « escaliers » est inconnu.";
        QTest::newRow("effectif en nombre")
            << fichier(niveau("R+1", "150"))
            << endommage + "« effectif » du niveau R+1 n'a pas la forme attendue.";
        QTest::newRow("niveau en nombre")
            << fichier("3") << endommage + "le niveau n° 1 n'a pas la forme attendue.";
        for (const char *nom : { "R+100", "SS10", "R+0", "SS0", "rdc" })
            QTest::newRow(nom) << fichier(niveau(nom))
                               << endommage + "« " + nom
                    + " » n'est pas un niveau (RDC, R+1 à R+99, SS1 à SS9).";
        QTest::newRow("niveau en double") << fichier(niveau("R+1") + "," + niveau("R+1"))
                                          << endommage + "le niveau R+1 figure deux fois.";
        QTest::newRow("du bas vers le haut")
            << fichier(niveau("SS1") + "," + niveau("RDC"))
            << endommage + "les niveaux ne vont pas du plus haut au plus bas.";
        QTest::newRow("case trop longue")
            << fichier(niveau("RDC", '"' + QByteArray(201, '1') + '"'))
            << endommage + "une case dépasse 200 caractères.";
    }
    void refus()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, phrase);
        const Lu<Etude> lu = FichierEtude::lire(octets);
        QCOMPARE(lu.erreur, phrase);
        QVERIFY(!lu.valeur);
    }

    // Opening says which file, and why.
    void ouvrirRefuse()
    {
        QCOMPARE(FichierEtude::ouvrir(m_dossier.filePath("absente.salvanor")).erreur,
            "Le fichier « absente.salvanor » n'a pas pu être ouvert : il n'existe pas.");
        QCOMPARE(FichierEtude::ouvrir(m_dossier.path()).erreur,
            "Le fichier « " + QFileInfo(m_dossier.path()).fileName()
                + " » n'a pas pu être ouvert : c'est un dossier.");
        QFile tronque(m_dossier.filePath("tronquée.salvanor"));
        QVERIFY(tronque.open(QIODevice::WriteOnly) && tronque.write(json("{'format': 'salv")) > 0);
        tronque.close();
        QCOMPARE(FichierEtude::ouvrir(tronque.fileName()).erreur,
            "Le fichier « tronquée.salvanor » est endommagé : il s'arrête avant la fin.");
    }

    // A save that fails, before or while writing, says why and leaves what was there.
    void echecEnregistrement_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<Etude>("etude");
        QTest::addColumn<QString>("raison");
        const QString dossier = QDir::toNativeSeparators(m_dossier.filePath("absent"));
        QTest::newRow("dossier absent") << "absent/etude.salvanor" << niveaux()
                                        << "le dossier « " + dossier + " » n'existe pas";
        QTest::newRow("un dossier")
            << "dossier.salvanor" << niveaux()
            << "« " + m_dossier.filePath("dossier.salvanor") + " » est un dossier";
        Etude longue = largeurs();
        longue.sorties[1].largeur = QString(201, u'9');
        QTest::newRow("case trop longue")
            << "etude.salvanor" << longue << "une case dépasse 200 caractères";
        // What a full disk does: the file stops growing part-way.
        QTest::newRow("écriture interrompue")
            << "etude.salvanor" << niveaux() << "l'écriture s'est arrêtée avant la fin.";
    }
    void echecEnregistrement()
    {
        QFETCH(QString, nom);
        QFETCH(Etude, etude);
        QFETCH(QString, raison);
        QVERIFY(QDir(m_dossier.path()).mkpath("dossier.salvanor"));
        const QString chemin = m_dossier.filePath(nom);
        const QString existant = m_dossier.filePath("etude.salvanor");
        QCOMPARE(FichierEtude::enregistrer(existant, largeurs()), QString());
        const QByteArray avant = lireTout(existant);
        const QStringList fichiers = QDir(m_dossier.path()).entryList(QDir::Files);

        const bool interrompue = QByteArray(QTest::currentDataTag()) == "écriture interrompue";
        rlimit limite {};
        getrlimit(RLIMIT_FSIZE, &limite);
        if (interrompue) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit petite { 64, limite.rlim_max };
            setrlimit(RLIMIT_FSIZE, &petite);
        }
        const QString erreur = FichierEtude::enregistrer(chemin, etude);
        setrlimit(RLIMIT_FSIZE, &limite);

        QVERIFY2(
            erreur.startsWith("L'étude n'a pas été enregistrée : " + raison), qPrintable(erreur));
        QCOMPARE(lireTout(existant), avant);
        QCOMPARE(QDir(m_dossier.path()).entryList(QDir::Files), fichiers);
    }
};

QTEST_GUILESS_MAIN(TstEtude)
#include "tst_etude.moc"
