// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Files a person names in a dialog, with the reason in French when they cannot be used:
//   Fichier::lire     a file's bytes, up to a size
//   Fichier::ecrire   a file written atomically: whole, or the old one left as it was
//   Fichier::ecrireSur  bytes on a descriptor already open (the terminal, a pipe), all of them
#pragma once

#include "Lecture.h"

#include <QByteArray>
#include <QString>

namespace Fichier {

// At most `tailleMaximale` + 1 bytes, so that a caller sees a larger file as larger. A pipe, a
// socket or a device is refused without being opened. The reason is a French phrase to follow
// "n'a pas pu être ouvert : ".
Lu<QByteArray> lire(const QString &chemin, qint64 tailleMaximale);

// Into a temporary file that replaces `chemin` only once complete; a pipe or a device at `chemin`
// is left as it is. Returns the French reason it was not written ("le dossier « … » n'existe
// pas"), or an empty text. On Unix, makes the process ignore SIGXFSZ (unless it has a handler),
// so that a file-size limit is a reason rather than the end of the program.
QString ecrire(const QString &chemin, const QByteArray &octets);

// Every byte on `descripteur`, then it is closed, so that what the system reports only then (a
// network disk) is seen too; SIGXFSZ ignored as above. Returns the French reason it was not all
// written ("le disque est plein", "elle est fermée"), or an empty text.
QString ecrireSur(int descripteur, const QByteArray &octets);

} // namespace Fichier
