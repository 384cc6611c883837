// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A check of existing exits, read from its cells: what the window shows and the page prints.
//   LargeursLues       each cell read, or what it expects; the verification once all are read
//   lireLargeurs       from the study as typed
//   creditSortie       one exit's UP and why
//   bilanLargeurs      groups, total, required, verdict and largest effectif, in French lines
//   imprimerLargeurs   the study on as many pages as it takes
#pragma once

#include "Etude.h"
#include "Largeurs.h"

#include <QStringList>
#include <optional>

class Imprimante;
class QDate;

struct LargeursLues
{
    // Empty cells are not entered yet: nothing to correct, nothing counted.
    std::optional<qint32> effectif;
    QString erreurEffectif;

    struct Ligne
    {
        std::optional<Sortie> sortie;
        QString erreurLargeur;
        QString erreurGroupe;
    };
    // One per row of the table, in its order.
    QList<Ligne> lignes;

    // Once the effectif and every exit entered are read; its exits are the rows `rangs` names.
    std::optional<Verification> verification;
    QList<int> rangs;
};

LargeursLues lireLargeurs(const Etude &etude);

// Row `ligne`'s UP and why ("porte : 1,33 m ≥ 0,95 × 1,40 m → 2 UP"); for a cell that cannot be
// read, what it expects (and "—" for the UP of a width); nothing for a width not entered.
QStringList creditSortie(const LargeursLues &lues, int ligne);

// The verdict and what it rests on, one French line each; what to do first while it cannot be
// computed.
QStringList bilanLargeurs(const LargeursLues &lues);

void imprimerLargeurs(Imprimante &page, const Etude &etude, const QDate &date);
