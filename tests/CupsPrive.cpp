#include "CupsPrive.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

bool ecrire(const QString &chemin, const QString &texte, QFile::Permissions droits = {})
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(texte.toUtf8());
    f.close();
    return droits == QFile::Permissions() || f.setPermissions(droits);
}

} // namespace

CupsPrive::CupsPrive()
{
    qputenv("CUPS_SERVER", QFile::encodeName(socket()));
    // A default chosen through the environment would win over the scheduler's.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

CupsPrive::~CupsPrive()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
}

bool CupsPrive::demarrer()
{
    const QDir d(m_dossier.path());
    for (const char *sous :
        { "root/ppd", "root/ssl", "bin/backend", "spool", "tmp", "cache", "state", "log", "jobs" })
        d.mkpath(sous);
    QFile::link("/usr/lib/cups/daemon", d.filePath("bin/daemon"));
    QFile::link("/usr/lib/cups/filter", d.filePath("bin/filter"));

    const QString racine = d.path();
    const bool ok = ecrire(d.filePath("root/cupsd.conf"),
                        QString("Listen %1\nLogLevel info\nBrowsing No\nWebInterface No\n"
                                "DefaultAuthType None\n"
                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                "  </Limit>\n</Policy>\n")
                            .arg(socket()))
        && ecrire(d.filePath("root/cups-files.conf"),
            QString("ServerRoot %1/root\nServerBin %1/bin\nDataDir /usr/share/cups\n"
                    "RequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                    "StateDir %1/state\nAccessLog %1/log/access_log\n"
                    "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\nSystemGroup root\n")
                .arg(racine))
        // Mode 0700: a scheduler running as root then runs the backend as root too.
        && ecrire(d.filePath("bin/backend/capture"),
            QString("#!/bin/sh\n"
                    "if [ $# -eq 0 ]; then echo 'direct capture \"Unknown\" \"Capture\"'; "
                    "exit 0; fi\n"
                    "out=\"%1/jobs/job-$1\"\n"
                    "if [ -n \"$6\" ]; then cat \"$6\"; else cat; fi > \"$out.part\" && "
                    "mv \"$out.part\" \"$out.pdf\"\n")
                .arg(racine),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!ok) {
        m_erreur = "cannot write the scheduler's configuration";
        return false;
    }

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start("/usr/sbin/cupsd",
        { "-f", "-c", d.filePath("root/cupsd.conf"), "-s", d.filePath("root/cups-files.conf") });
    if (!m_cupsd.waitForStarted(5000)) {
        m_erreur = "cupsd did not start: " + m_cupsd.errorString();
        return false;
    }
    for (int essai = 0; essai < 100; ++essai) {
        QProcess lpstat;
        lpstat.start("lpstat", { "-r" });
        lpstat.waitForFinished(5000);
        if (lpstat.readAllStandardOutput().contains("scheduler is running"))
            return true;
        if (m_cupsd.state() == QProcess::NotRunning)
            break;
        QTest::qWait(100);
    }
    m_erreur = "the scheduler does not answer: " + QString::fromLocal8Bit(m_cupsd.readAll());
    return false;
}

bool CupsPrive::commande(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    const bool ok
        = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        m_erreur = programme + ": " + QString::fromLocal8Bit(p.readAll()) + p.errorString();
    return ok;
}

bool CupsPrive::ajouterFile(const QString &nom)
{
    return commande("lpadmin", { "-p", nom, "-E", "-v", "capture:/", "-m", "raw" })
        && commande("lpadmin", { "-d", nom });
}

QStringList CupsPrive::travaux() const
{
    return QDir(dossierTravaux()).entryList({ "*.pdf" }, QDir::Files, QDir::Name);
}
