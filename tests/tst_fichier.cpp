// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Fichier.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// What is not a plain file, limits and the system's refusals: each told in French, and nothing
// blocks, dies or changes on the way. Each call runs in a child process, so that one that blocks
// or is killed fails its row instead of hanging or ending the test.
class TstFichier : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dossier;
    QByteArray m_latin1;

    // What `faire` returns in a child (one pipe's worth at most), or how the child ended.
    static QString dansUnEnfant(const std::function<QString()> &faire)
    {
        int tube[2];
        const pid_t enfant = pipe(tube) == 0 ? fork() : -1;
        if (enfant == 0) {
            const QByteArray texte = faire().toUtf8();
            _exit(write(tube[1], texte.constData(), size_t(texte.size())) == texte.size() ? 0 : 1);
        }
        if (enfant < 0)
            return "fork() a échoué";
        close(tube[1]);
        pollfd attente { tube[0], POLLIN, 0 };
        const bool fini = poll(&attente, 1, 5000) == 1;
        if (!fini)
            kill(enfant, SIGKILL);
        char texte[4096];
        const ssize_t lus = fini ? read(tube[0], texte, sizeof texte) : 0;
        close(tube[0]);
        int fin = 0;
        waitpid(enfant, &fin, 0);
        if (!fini)
            return "bloqué plus de 5 s";
        if (WIFSIGNALED(fin))
            return QString("tué par le signal %1").arg(WTERMSIG(fin));
        return QString::fromUtf8(texte, qMax<ssize_t>(lus, 0));
    }
    // "nom (taille)" for each file of the folder, hidden ones included; "nom (tube)" for a pipe.
    static QString contenu(const QString &dossier)
    {
        QStringList noms;
        for (const QFileInfo &info : QDir(dossier).entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            noms << info.fileName()
                    + (info.isFile() ? QString(" (%1 o)").arg(info.size()) : " (tube)");
        return noms.join(", ");
    }

private slots:
    // Qt lists no name it cannot read, so it would not remove this one with the folder.
    void cleanupTestCase() { unlink(m_latin1); }

    void lire_data()
    {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("resultat");
        const QByteArray dossier = QFile::encodeName(m_dossier.path());
        QCOMPARE(Fichier::ecrire(m_dossier.filePath("dix.txt"), "0123456789"), QString());
        QCOMPARE(mkfifo(dossier + "/tube.salvanor", 0600), 0);
        // Named in Latin-1, as a command line or a dialog may give it; Qt reads "\xE9" as U+FFFD.
        m_latin1 = dossier + "/\xE9tude.salvanor";
        QVERIFY(close(open(m_latin1, O_CREAT | O_WRONLY, 0600)) == 0);
        QVERIFY(QFile::decodeName(m_latin1).contains(QChar::ReplacementCharacter));

        const QString nonOrdinaire
            = "ce n'est pas un fichier ordinaire (tube, prise ou périphérique)";
        const auto ligne = [](const char *nom, const QString &chemin, const QString &resultat) {
            QTest::newRow(nom) << chemin << resultat;
        };
        // Up to 4 bytes, and one more so that a larger file is seen as larger.
        ligne("un octet de plus que permis", "dix.txt", "lu : 01234");
        ligne("tube nommé", "tube.salvanor", nonOrdinaire);
        ligne("périphérique", "/dev/zero", nonOrdinaire);
        ligne("erreur d'entrée-sortie", "/proc/self/mem",
            "le disque ou le support a signalé une erreur d'entrée-sortie");
        ligne("nom trop long", QString(309, u'n'),
            "le nom du fichier ou d'un dossier de son chemin est trop long pour le système");
        ligne("nom hors UTF-8", QFile::decodeName(m_latin1),
            "son nom contient des caractères que ce programme ne peut pas lire (il n'est pas en "
            "UTF-8) ; renommez-le");
    }
    void lire()
    {
        QFETCH(QString, chemin);
        QFETCH(QString, resultat);
        const QString complet = QDir(m_dossier.path()).filePath(chemin);
        const QString lu = dansUnEnfant([&] {
            const Lu<QByteArray> octets = Fichier::lire(complet, 4);
            return octets ? "lu : " + QString::fromLatin1(*octets.valeur) : octets.erreur;
        });
        QCOMPARE(lu, resultat);
    }

    // Each row writes 64 bytes as `nom` beside "e.salvanor", in a folder of its own: the old
    // file stays unless the new one is whole, and no temporary file is left.
    void ecrire_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("resultat");
        const auto ligne = [](const char *nom, const QString &condition, const QString &fichier,
                               const QString &resultat) {
            QTest::newRow(nom) << condition << fichier << resultat;
        };
        const QString lectureSeule = "le disque ou le système de fichiers est en lecture seule";
        ligne("remplacé en entier", "", "e.salvanor", "écrit | e.salvanor (64 o)");
        ligne("tube nommé en cible", "mkfifo", "e.salvanor",
            "« DOSSIER/e.salvanor » n'est pas un fichier ordinaire (tube, prise ou périphérique) | "
            "e.salvanor (tube)");
        ligne("limite de taille de fichier", "ulimit -f", "e.salvanor",
            "le fichier dépasserait la taille maximale permise à ce programme (limite de taille "
            "de fichier) | e.salvanor (6 o)");
        ligne("nom trop long", "", QString(309, u'n'),
            "le nom du fichier ou d'un dossier de son chemin est trop long pour le système | "
            "e.salvanor (6 o)");
        ligne("lecture seule, fichier remplacé", "mount -o ro", "e.salvanor",
            lectureSeule + " | e.salvanor (6 o)");
        ligne("lecture seule, nouveau fichier", "mount -o ro", "nouveau.salvanor",
            lectureSeule + " | e.salvanor (6 o)");
        ligne(
            "disque plein", "mount plein", "e.salvanor", "le disque est plein | e.salvanor (6 o)");
    }
    void ecrire()
    {
        QFETCH(QString, condition);
        QFETCH(QString, nom);
        QFETCH(QString, resultat);
        const QTemporaryDir dossier;
        const QByteArray ici = QFile::encodeName(dossier.path());
        const QString ecrit = dansUnEnfant([&]() -> QString {
            // Mounted in this child's own namespace, so the mount ends with it.
            // A disk of one page is full once the old file holds it.
            const bool monte = condition.startsWith("mount");
            const char *taille = condition == "mount plein" ? "size=4k" : "size=64k";
            if (monte
                && (unshare(CLONE_NEWNS) != 0
                    || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                    || mount("tmpfs", ici, "tmpfs", 0, taille) != 0))
                return QString("montage impossible : ") + strerror(errno);
            if (condition == "mkfifo"
                    ? mkfifo(ici + "/e.salvanor", 0600) != 0
                    : !Fichier::ecrire(dossier.filePath("e.salvanor"), "ancien").isEmpty())
                return "préparation impossible";
            if (condition == "mount -o ro"
                && mount(nullptr, ici, nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return QString("remontage impossible : ") + strerror(errno);
            // What "ulimit -f" does to a process: the default action of SIGXFSZ ends it.
            const rlimit petite { 16, RLIM_INFINITY };
            if (condition == "ulimit -f"
                && (signal(SIGXFSZ, SIG_DFL) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &petite) != 0))
                return "limite impossible";
            const QString raison = Fichier::ecrire(dossier.filePath(nom), QByteArray(64, 'n'));
            return (raison.isEmpty() ? "écrit" : raison) + " | " + contenu(dossier.path());
        });
        if (ecrit.startsWith("montage impossible"))
            QSKIP(qPrintable("a read-only or full disk needs a mount, which needs root: " + ecrit));
        QCOMPARE(ecrit, resultat.replace("DOSSIER", QDir::toNativeSeparators(dossier.path())));
    }
};

QTEST_GUILESS_MAIN(TstFichier)
#include "tst_fichier.moc"
