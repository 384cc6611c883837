// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A check of existing exits, as a person typed it:
//   SaisieSortie, EtudeLargeurs   the effectif and each exit's cells as typed
//   LargeursLues, lireLargeurs    each cell read, or what it expects; the verification once all are
//   versJson, lireJson, defaut    its part of the study file
#pragma once

#include "Largeurs.h"

#include <QJsonObject>
#include <QLatin1StringView>
#include <optional>

class LecteurJson;

struct SaisieSortie
{
    QString largeur;
    bool porte = false;
    // The same number for doors less than 5 m apart (CO 43 §3); empty for an exit on its own.
    QString groupe;

    friend bool operator==(const SaisieSortie &, const SaisieSortie &) = default;
};

struct EtudeLargeurs
{
    static constexpr QLatin1StringView Outil { "largeurs" };
    static constexpr int Version = 1;

    QString effectif;
    QList<SaisieSortie> sorties;
    bool escalierUnique = false;

    friend bool operator==(const EtudeLargeurs &, const EtudeLargeurs &) = default;
};

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

LargeursLues lireLargeurs(const EtudeLargeurs &etude);

QJsonObject versJson(const EtudeLargeurs &etude);
void lireJson(LecteurJson &lecteur, const QJsonObject &racine, EtudeLargeurs &etude);
QString defaut(const EtudeLargeurs &etude);
