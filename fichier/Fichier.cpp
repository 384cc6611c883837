// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Fichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#include <QStorageInfo>
#endif

namespace {

// "ce", "« … »": what is refused before opening it, which may block (a pipe waits for a writer).
QString nonOrdinaire(const QString &sujet)
{
    return sujet + QStringLiteral(" n'est pas un fichier ordinaire (tube, prise ou périphérique)");
}

// Qt reads a name that is not UTF-8 into U+FFFD, under which the file cannot be found.
QString introuvable(const QString &chemin, const QString &nom, const QString &sinon)
{
    if (chemin.contains(QChar::ReplacementCharacter))
        return nom
            + QStringLiteral(" contient des caractères que ce programme ne peut pas lire "
                             "(il n'est pas en UTF-8) ; renommez-le");
    return sinon;
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// Named so, as each name is also a function's.
using Etat = struct stat;
using Action = struct sigaction;

// No errno: the file stopped growing and the system did not say why.
constexpr int ArretSansCause = -1;

// The system's own words are English: the common causes are told in French, the rest quoted
// after what was refused ("la lecture", "l'écriture").
QString cause(int erreur, const QString &refus)
{
    switch (erreur) {
    case ENAMETOOLONG:
        return QStringLiteral("le nom du fichier ou d'un dossier de son chemin est trop long "
                              "pour le système");
    case EIO:
        return QStringLiteral("le disque ou le support a signalé une erreur d'entrée-sortie");
    case EROFS:
        return QStringLiteral("le disque ou le système de fichiers est en lecture seule");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers sont déjà ouverts");
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("votre quota d'espace disque est atteint");
    case EFBIG:
        return QStringLiteral("le fichier dépasserait la taille maximale permise à ce programme "
                              "(limite de taille de fichier)");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case ELOOP:
        return QStringLiteral("le chemin passe par trop de liens symboliques (ou par une boucle)");
    case ArretSansCause:
        return QStringLiteral("l'écriture s'est arrêtée avant la fin");
    default:
        return QStringLiteral("le système a refusé %1 (%2)").arg(refus, qt_error_string(erreur));
    }
}

QString raisonLecture(int erreur, const QString &chemin)
{
    switch (erreur) {
    case ENOENT:
        return introuvable(chemin, QStringLiteral("son nom"), QStringLiteral("il n'existe pas"));
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case EACCES:
    case EPERM:
        return QStringLiteral("vous n'avez pas le droit de le lire");
    default:
        return cause(erreur, QStringLiteral("la lecture"));
    }
}

QString raisonEcriture(int erreur, const QString &chemin, const QString &dossier)
{
    switch (erreur) {
    case ENOENT:
        return introuvable(dossier, QStringLiteral("le nom du dossier « %1 »").arg(dossier),
            QStringLiteral("le dossier « %1 » n'existe pas").arg(dossier));
    case EISDIR:
        return QStringLiteral("« %1 » est un dossier").arg(QDir::toNativeSeparators(chemin));
    case EACCES:
    case EPERM:
        return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 »")
            .arg(dossier);
    default:
        return cause(erreur, QStringLiteral("l'écriture"));
    }
}

QByteArray dossierDe(const QByteArray &nom)
{
    const qsizetype barre = nom.lastIndexOf('/');
    return barre < 0 ? QByteArray(".") : barre == 0 ? QByteArray("/") : nom.left(barre);
}

// A link is followed: the file it names is replaced, not the link turned into a file.
QByteArray suivreLiens(QByteArray nom)
{
    for (int saut = 0; saut < 40; ++saut) {
        char lien[PATH_MAX];
        const ssize_t taille = ::readlink(nom.constData(), lien, sizeof lien);
        if (taille <= 0 || taille >= ssize_t(sizeof lien))
            return nom;
        const QByteArray cible(lien, taille);
        nom = cible.startsWith('/') ? cible : dossierDe(nom) + '/' + cible;
    }
    return nom;
}

// Beside the file, so that the rename stays on one disk; a short name, so that a long file
// name still leaves room for it. Mode 0666 within the umask, as any new file.
int creerTemporaire(const QByteArray &dossier, QByteArray &nom)
{
    for (int essai = 0; essai < 100; ++essai) {
        nom = dossier + "/.salvanor-"
            + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int descripteur
            = ::open(nom.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (descripteur >= 0 || errno != EEXIST)
            return descripteur;
    }
    return -1;
}

// The errno that stopped it, or 0 once every byte is written.
int ecrireTout(int descripteur, const QByteArray &octets)
{
    qsizetype ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t faits
            = ::write(descripteur, octets.constData() + ecrits, size_t(octets.size() - ecrits));
        if (faits < 0 && errno == EINTR)
            continue;
        if (faits <= 0)
            return faits < 0 ? errno : ArretSansCause;
        ecrits += faits;
    }
    return 0;
}

// By default a file-size limit (ulimit -f) kills the process, and every window with it;
// ignored, it makes write() fail with EFBIG, which is told. Process-wide, so set on each write
// while no one has chosen otherwise: a handler someone installed is left alone.
void survivreALaLimiteDeTaille()
{
    Action actuelle {};
    if (::sigaction(SIGXFSZ, nullptr, &actuelle) == 0 && actuelle.sa_handler == SIG_DFL) {
        Action ignorer {};
        ignorer.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignorer, nullptr);
    }
}

} // namespace

namespace Fichier {

Lu<QByteArray> lire(const QString &chemin, qint64 tailleMaximale)
{
    const QByteArray nom = QFile::encodeName(chemin);
    // stat before open: opening a pipe waits for a writer, for ever.
    Etat etat {};
    if (::stat(nom.constData(), &etat) != 0)
        return { {}, raisonLecture(errno, chemin) };
    if (S_ISDIR(etat.st_mode))
        return { {}, QStringLiteral("c'est un dossier") };
    if (!S_ISREG(etat.st_mode))
        return { {}, nonOrdinaire(QStringLiteral("ce")) };
    const int descripteur = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descripteur < 0)
        return { {}, raisonLecture(errno, chemin) };
    // Checked again on what was opened: the name may have been given to a pipe in between.
    if (::fstat(descripteur, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(descripteur);
        return { {}, nonOrdinaire(QStringLiteral("ce")) };
    }
    const qint64 voulus = std::max<qint64>(0, tailleMaximale)
        + (tailleMaximale < std::numeric_limits<qint64>::max() ? 1 : 0);
    QByteArray octets;
    char morceau[65536];
    while (octets.size() < voulus) {
        const ssize_t lus = ::read(descripteur, morceau,
            size_t(std::min<qint64>(qint64(sizeof morceau), voulus - octets.size())));
        if (lus < 0 && errno == EINTR)
            continue;
        if (lus < 0) {
            const int erreur = errno;
            ::close(descripteur);
            return { {}, raisonLecture(erreur, chemin) };
        }
        if (lus == 0)
            break;
        octets.append(morceau, lus);
    }
    ::close(descripteur);
    return { std::move(octets), {} };
}

QString ecrire(const QString &chemin, const QByteArray &octets)
{
    if (chemin.isEmpty())
        return QStringLiteral("aucun nom de fichier n'a été donné");
    survivreALaLimiteDeTaille();
    const QByteArray cible = suivreLiens(QFile::encodeName(chemin));
    const QString dossier
        = QDir::toNativeSeparators(QFileInfo(QFile::decodeName(cible)).absolutePath());
    Etat etat {};
    const bool existe = ::stat(cible.constData(), &etat) == 0;
    if (!existe && errno != ENOENT)
        return raisonEcriture(errno, chemin, dossier);
    if (existe && S_ISDIR(etat.st_mode))
        return raisonEcriture(EISDIR, chemin, dossier);
    // The rename would make a pipe or a device an ordinary file.
    if (existe && !S_ISREG(etat.st_mode))
        return nonOrdinaire(QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(chemin)));
    // The rename would replace it all the same: its own protection is honoured here.
    if (existe && ::access(cible.constData(), W_OK) != 0)
        return errno == EACCES ? QStringLiteral("le fichier est protégé en écriture")
                               : raisonEcriture(errno, chemin, dossier);

    QByteArray temporaire;
    const int descripteur = creerTemporaire(dossierDe(cible), temporaire);
    if (descripteur < 0)
        return raisonEcriture(errno, chemin, dossier);
    int erreur = ecrireTout(descripteur, octets);
    // Best effort, as some disks have no modes: the replacement keeps the old file's.
    if (erreur == 0 && existe)
        (void)::fchmod(descripteur, etat.st_mode & 07777);
    // EINVAL: a file system that cannot sync; the data is written all the same.
    if (erreur == 0 && ::fsync(descripteur) != 0 && errno != EINVAL)
        erreur = errno;
    if (::close(descripteur) != 0 && erreur == 0 && errno != EINTR)
        erreur = errno;
    if (erreur == 0 && ::rename(temporaire.constData(), cible.constData()) != 0)
        erreur = errno;
    if (erreur != 0) {
        ::unlink(temporaire.constData());
        return raisonEcriture(erreur, chemin, dossier);
    }
    return {};
}

QString ecrireSur(int descripteur, const QByteArray &octets)
{
    survivreALaLimiteDeTaille();
    int erreur = ecrireTout(descripteur, octets);
    if (::close(descripteur) != 0 && erreur == 0 && errno != EINTR)
        erreur = errno;
    switch (erreur) {
    case 0:
        return {};
    case EBADF:
        return QStringLiteral("elle est fermée");
    case EPIPE:
        return QStringLiteral("le programme qui la lisait s'est arrêté");
    default:
        return cause(erreur, QStringLiteral("l'écriture"));
    }
}

} // namespace Fichier

#else

namespace {

// The system's own words are English: the common cases are told in French, the rest quoted.
QString raisonEcriture(const QString &chemin, const QFileDevice &fichier, qint64 taille)
{
    const QFileInfo cible(chemin);
    const QString dossier = QDir::toNativeSeparators(cible.absolutePath());
    if (cible.isDir())
        return QStringLiteral("« %1 » est un dossier").arg(QDir::toNativeSeparators(chemin));
    if (!QFileInfo(cible.absolutePath()).isDir())
        return introuvable(dossier, QStringLiteral("le nom du dossier « %1 »").arg(dossier),
            QStringLiteral("le dossier « %1 » n'existe pas").arg(dossier));
    if (!QFileInfo(cible.absolutePath()).isWritable())
        return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 »")
            .arg(dossier);
    if (cible.exists() && !cible.isWritable())
        return QStringLiteral("le fichier est protégé en écriture");
    const QStorageInfo disque(cible.absolutePath());
    if (disque.isValid() && disque.bytesAvailable() <= taille)
        return QStringLiteral("le disque est plein");
    if (fichier.error() == QFileDevice::NoError || fichier.error() == QFileDevice::WriteError)
        return QStringLiteral("l'écriture s'est arrêtée avant la fin");
    return QStringLiteral("le système a refusé l'écriture (%1)").arg(fichier.errorString());
}

} // namespace

namespace Fichier {

Lu<QByteArray> lire(const QString &chemin, qint64 tailleMaximale)
{
    const QFileInfo info(chemin);
    QFile fichier(chemin);
    if (!info.exists())
        return { {},
            introuvable(chemin, QStringLiteral("son nom"), QStringLiteral("il n'existe pas")) };
    if (info.isDir())
        return { {}, QStringLiteral("c'est un dossier") };
    if (!info.isFile())
        return { {}, nonOrdinaire(QStringLiteral("ce")) };
    if (!info.isReadable())
        return { {}, QStringLiteral("vous n'avez pas le droit de le lire") };
    if (!fichier.open(QIODevice::ReadOnly))
        return { {},
            QStringLiteral("le système a refusé la lecture (%1)").arg(fichier.errorString()) };
    QByteArray octets = fichier.read(tailleMaximale + 1);
    if (fichier.error() != QFileDevice::NoError)
        return { {},
            QStringLiteral("le système a refusé la lecture (%1)").arg(fichier.errorString()) };
    return { std::move(octets), {} };
}

QString ecrire(const QString &chemin, const QByteArray &octets)
{
    if (chemin.isEmpty())
        return QStringLiteral("aucun nom de fichier n'a été donné");
    if (const QFileInfo cible(chemin); cible.exists() && !cible.isDir() && !cible.isFile())
        return nonOrdinaire(QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(chemin)));
    QSaveFile fichier(chemin);
    // Unbuffered: Qt's buffer, flushed at commit, takes a short write for success.
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return raisonEcriture(chemin, fichier, 0);
    // A file that stops growing (a full disk, a size limit) makes a short write, not an error:
    // the old file must then stay.
    if (fichier.write(octets) != octets.size()) {
        fichier.cancelWriting();
        fichier.commit();
        return raisonEcriture(chemin, fichier, octets.size());
    }
    if (!fichier.commit())
        return raisonEcriture(chemin, fichier, octets.size());
    return {};
}

QString ecrireSur(int descripteur, const QByteArray &octets)
{
    QFile sortie;
    if (!sortie.open(descripteur, QIODevice::WriteOnly | QIODevice::Unbuffered,
            QFileDevice::AutoCloseHandle))
        return QStringLiteral("elle est fermée");
    if (sortie.write(octets) != octets.size())
        return QStringLiteral("le système a refusé l'écriture (%1)").arg(sortie.errorString());
    return {};
}

} // namespace Fichier

#endif
