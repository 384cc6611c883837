// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A study as a person typed it, and its file: one small versioned JSON format for every tool.
//   Etude           the cells as typed (nothing is lost, even what cannot be read yet)
//   FichierEtude    to and from bytes, and to and from a file written atomically
#pragma once

#include "Lecture.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct SaisieNiveau
{
    int indice = 0;
    QString effectif;
    QString profondeur;

    friend bool operator==(const SaisieNiveau &, const SaisieNiveau &) = default;
};

struct SaisieSortie
{
    QString largeur;
    bool porte = false;
    QString groupe;

    friend bool operator==(const SaisieSortie &, const SaisieSortie &) = default;
};

struct Etude
{
    enum class Outil { Niveaux, Largeurs };
    Outil outil = Outil::Niveaux;

    // Levels and stairs: from the top floor down to the deepest basement.
    QList<SaisieNiveau> niveaux;

    // Existing exits checked.
    QString effectif;
    QList<SaisieSortie> sorties;
    bool escalierUnique = false;

    friend bool operator==(const Etude &, const Etude &) = default;
};

namespace FichierEtude {

inline constexpr int Version = 1;
// Without the dot, as file dialogs and the desktop's type want it.
inline constexpr char Extension[] = "salvanor";
// Longest cell a file holds: far beyond anything a person types into one.
inline constexpr int LongueurCellule = 200;

QByteArray ecrire(const Etude &etude);
// A damaged, foreign or newer file is refused with a French sentence saying so.
Lu<Etude> lire(const QByteArray &octets);

// Written atomically: an existing file is replaced only once the new one is whole. Returns the
// French sentence saying why it was not written, or an empty text.
QString enregistrer(const QString &chemin, const Etude &etude);
Lu<Etude> ouvrir(const QString &chemin);

} // namespace FichierEtude
