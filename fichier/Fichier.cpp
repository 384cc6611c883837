// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Fichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {

// The system's own words are English: the common cases are told in French, the rest quoted.
QString raisonEcriture(const QString &chemin, const QFileDevice &fichier, qint64 taille)
{
    const QFileInfo cible(chemin);
    const QString dossier = QDir::toNativeSeparators(cible.absolutePath());
    if (cible.isDir())
        return QStringLiteral("« %1 » est un dossier").arg(QDir::toNativeSeparators(chemin));
    if (!QFileInfo(cible.absolutePath()).isDir())
        return QStringLiteral("le dossier « %1 » n'existe pas").arg(dossier);
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
        return { {}, QStringLiteral("il n'existe pas") };
    if (info.isDir())
        return { {}, QStringLiteral("c'est un dossier") };
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

} // namespace Fichier
