#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own: every folder in a temporary directory, a local socket,
// one raw queue whose backend writes each job to jobs/job-N.pdf. The machine's CUPS is
// never touched; destroying the object stops the scheduler and removes everything.
class CupsPrive
{
public:
    CupsPrive();
    ~CupsPrive();
    CupsPrive(const CupsPrive &) = delete;
    CupsPrive &operator=(const CupsPrive &) = delete;

    // Starts the scheduler; false, with erreur() set, if it does not answer.
    bool demarrer();
    // Runs a CUPS client command (lpadmin, cupsdisable, ...) against this scheduler.
    bool commande(const QString &programme, const QStringList &arguments);
    bool ajouterFile(const QString &nom);

    QString socket() const { return m_dossier.filePath("cups.sock"); }
    QString dossierTravaux() const { return m_dossier.filePath("jobs"); }
    QStringList travaux() const;
    QString erreur() const { return m_erreur; }

private:
    QTemporaryDir m_dossier;
    QProcess m_cupsd;
    QString m_erreur;
};
