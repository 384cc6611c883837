#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Id = QStringLiteral(SALVANOR_ID);
const QString Construction = QStringLiteral(SALVANOR_BUILD_DIR);

struct Resultat
{
    int code = -1;
    QString sortie;
};

Resultat lancer(const QString &programme, const QStringList &arguments,
    const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    if (!p.waitForFinished(240000))
        return { -1, programme + " did not finish: " + p.errorString() };
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
        QString::fromUtf8(p.readAll()) };
}

QStringList fichiersAttendus()
{
    QStringList f { "usr/bin/salvanor-degagements", "usr/share/salvanor-degagements/sanim.gif",
        "usr/share/applications/" + Id + ".desktop", "usr/share/metainfo/" + Id + ".metainfo.xml" };
    for (int cote : { 16, 32, 48, 64, 128, 256 })
        f << QString("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(cote).arg(Id);
    f.sort();
    return f;
}

QStringList fichiersSous(const QString &racine)
{
    QStringList f;
    QDirIterator it(racine, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        f << QDir(racine).relativeFilePath(it.next());
    f.sort();
    return f;
}

} // namespace

class TstInstallation : public QObject
{
    Q_OBJECT

private slots:
    void installation();
    void paquetDebian();
    void ressourceWindows();
};

void TstInstallation::installation()
{
    QTemporaryDir destdir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", destdir.path());
    Resultat r = lancer("cmake", { "--install", Construction, "--prefix", "/usr" }, env);
    QVERIFY2(r.code == 0, qPrintable(r.sortie));
    QCOMPARE(fichiersSous(destdir.path()), fichiersAttendus());

    r = lancer(
        "desktop-file-validate", { destdir.filePath("usr/share/applications/" + Id + ".desktop") });
    QVERIFY2(r.code == 0 && r.sortie.trimmed().isEmpty(), qPrintable(r.sortie));
    r = lancer("appstreamcli",
        { "validate", "--no-net", destdir.filePath("usr/share/metainfo/" + Id + ".metainfo.xml") });
    QVERIFY2(r.code == 0, qPrintable(r.sortie));

    // The installed program, started from where it was unpacked, finds its clip there.
    QProcess programme;
    QProcessEnvironment envProgramme = QProcessEnvironment::systemEnvironment();
    envProgramme.insert("QT_QPA_PLATFORM", "offscreen");
    envProgramme.insert("QT_LOGGING_RULES", "salvanor.demarrage.debug=true");
    programme.setProcessEnvironment(envProgramme);
    programme.setProcessChannelMode(QProcess::MergedChannels);
    programme.start(destdir.filePath("usr/bin/salvanor-degagements"), {});
    QVERIFY(programme.waitForStarted());
    QString sortie;
    QTRY_VERIFY_WITH_TIMEOUT(
        (sortie += QString::fromUtf8(programme.readAll())).contains("clip:"), 20000);
    programme.kill();
    programme.waitForFinished();
    QVERIFY2(sortie.contains("clip: " + destdir.filePath("usr/share/salvanor-degagements/sanim.gif")
                 + " (trouvé)"),
        qPrintable(sortie));
}

void TstInstallation::paquetDebian()
{
    QTemporaryDir dossier;
    Resultat r = lancer("cpack",
        { "-G", "DEB", "--config", Construction + "/CPackConfig.cmake", "-B", dossier.path() });
    QVERIFY2(r.code == 0, qPrintable(r.sortie));
    const QStringList paquets = QDir(dossier.path()).entryList({ "*.deb" });
    QCOMPARE(paquets.size(), 1);
    const QString paquet = dossier.filePath(paquets[0]);

    r = lancer("dpkg-deb", { "-f", paquet, "Package", "Version", "Depends" });
    QVERIFY2(r.code == 0, qPrintable(r.sortie));
    QVERIFY2(
        r.sortie.contains("Package: salvanor-degagements\nVersion: 1.0.0\n"), qPrintable(r.sortie));
    for (const char *dependance : { "libqt6widgets6", "libqt6printsupport6", "libqt6gui6",
             "libqt6core6", "libcups2", "fonts-liberation" })
        QVERIFY2(r.sortie.contains(dependance), dependance);

    // Installed into a root of its own, then removed: nothing stays.
    const QString racine = dossier.filePath("racine");
    for (const char *d : { "var/lib/dpkg/info", "var/lib/dpkg/updates", "var/lib/dpkg/triggers" })
        QVERIFY(QDir(racine).mkpath(d));
    QFile statut(racine + "/var/lib/dpkg/status");
    QVERIFY(statut.open(QIODevice::WriteOnly));
    statut.close();
    r = lancer("dpkg", { "--root=" + racine, "--force-depends", "--force-not-root", "-i", paquet });
    QVERIFY2(r.code == 0, qPrintable(r.sortie));
    QCOMPARE(fichiersSous(racine + "/usr"), [] {
        QStringList f;
        for (const QString &chemin : fichiersAttendus())
            f << chemin.mid(4);
        return f;
    }());
    r = lancer("dpkg", { "--root=" + racine, "--force-not-root", "-r", "salvanor-degagements" });
    QVERIFY2(r.code == 0, qPrintable(r.sortie));
    QCOMPARE(fichiersSous(racine + "/usr"), QStringList());
}

void TstInstallation::ressourceWindows()
{
    QTemporaryDir dossier;
    const QString objet = dossier.filePath("salvanor.o");
    const Resultat r = lancer("x86_64-w64-mingw32-windres",
        { "--preprocessor=cpp", "-i", Construction + "/salvanor.rc", "-o", objet });
    QVERIFY2(r.code == 0, qPrintable(r.sortie));
    QFile f(objet);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray contenu = f.readAll();
    const auto utf16 = [](const QString &s) {
        return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
    };
    // Version strings are stored as UTF-16 key/value pairs in the French (040C) block.
    for (const auto &[cle, valeur] : { std::pair { "ProductName", "SalvaNOR Dégagements" },
             std::pair { "InternalName", "SalvaNOR Dégagements" },
             std::pair { "OriginalFilename", "SalvaNOR Dégagements.exe" },
             std::pair { "FileVersion", "1.00" }, std::pair { "ProductVersion", "1.00" } }) {
        const qsizetype ou = contenu.indexOf(utf16(cle));
        QVERIFY2(ou >= 0, cle);
        QVERIFY2(contenu.indexOf(utf16(valeur), ou) > ou, valeur);
    }
    QVERIFY(contenu.contains(utf16("040C04B0")));
    // Translation: French, Unicode code page.
    QVERIFY(contenu.contains(QByteArray::fromHex("0c04b004")));
    // The icon went in too: its two images are in the object.
    QFile icone(QStringLiteral(SALVANOR_SOURCE_DIR) + "/resources/icones/salvanor.ico");
    QVERIFY(icone.open(QIODevice::ReadOnly));
    QVERIFY(contenu.contains(icone.readAll().mid(6 + 2 * 16, 40)));
}

QTEST_GUILESS_MAIN(TstInstallation)
#include "tst_installation.moc"
