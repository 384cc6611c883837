// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The commands of the command line, one file each (CommandeNiveaux.cpp…), listed in one table:
//   Reponse     the whole answer for stdout, or why there is none
//   Commande    a command's name, options, answer and its part of --aide
//   commandes   the table, in the order --aide presents them
#pragma once

#include "Options.h"
#include "Tableau.h"

namespace LigneDeCommande {

using Reponse = std::variant<QString, Refus>;

struct Commande
{
    QString nom;
    Grammaire grammaire;
    Reponse (*repondre)(const Options &options) = nullptr;
    // For --aide: what follows the program's name under "Utilisation :", the lines under
    // "Commandes :" as printed, and an example; empty where it has none.
    QString usage;
    QString description;
    QString exemple;
    // Another name of a command already listed (--help): left out of the list of commands.
    bool alias = false;
};

Commande commandeEffectif();
Commande commandeCalcul();
Commande commandeNiveaux();
Commande commandeLargeurs();
Commande commandeCinquieme();
Commande commandeAide();
Commande commandeHelp();
Commande commandeVersion();

const QList<Commande> &commandes();
// "--calcul, --niveaux, …, --aide ou --version"
QString nomsDesCommandes();

// Columns padded to their widest cell, a rule under the headings, no trailing spaces.
QString aligner(const Tableau &tableau);

} // namespace LigneDeCommande
