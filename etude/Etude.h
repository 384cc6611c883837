// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A study as a person typed it, and its file: one small versioned JSON format for every tool.
//   Etude           one type per tool that keeps studies, each in its own file (EtudeNiveaux…)
//   FichierEtude    to and from bytes, and to and from a file written atomically; a format change
//                   must still open every earlier version's samples (tests/etudes/)
#pragma once

#include "EtudeEffectif.h"
#include "EtudeLargeurs.h"
#include "EtudeNiveaux.h"
#include "Format.h"
#include "Lecture.h"

#include <QByteArray>
#include <variant>

// A new tool's study is one more alternative here; the file format dispatches on its Outil.
using Etude = std::variant<EtudeNiveaux, EtudeLargeurs, EtudeEffectif>;

namespace FichierEtude {

// The newest format this program reads. Each tool's study is written with the format that first
// held it (its Version), so that an older program still opens what it can.
inline constexpr int Version = 2;
// Without the dot, as file dialogs and the desktop's type want it.
inline constexpr char Extension[] = "salvanor";

QByteArray ecrire(const Etude &etude);
// A damaged, foreign or newer file is refused with a French sentence saying so.
Lu<Etude> lire(const QByteArray &octets);

// Written atomically: an existing file is replaced only once the new one is whole. Returns the
// French sentence saying why it was not written, or an empty text.
QString enregistrer(const QString &chemin, const Etude &etude);
Lu<Etude> ouvrir(const QString &chemin);

} // namespace FichierEtude
