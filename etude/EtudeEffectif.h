// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The zones of a building, as a person typed them, to count its effectif and class it:
//   SaisieZone, EtudeEffectif    each zone's level and nature as chosen, its cells as typed
//   EffectifLu, lireEffectif     each zone read, or what its cells expect; the result of the
//                                zones read, while others still wait for a correction
//   versJson, lireJson, defaut   its part of the study file
#pragma once

#include "Effectif.h"

#include <QJsonObject>
#include <QLatin1StringView>
#include <optional>

class LecteurJson;

struct SaisieZone
{
    int niveau = 0;
    // A code of natures(): "M.vente", "personnel".
    QString nature;
    // By the nature's unit; the area for declared seats.
    QString quantite;
    // Declared seats, for the natures that take them.
    QString places;

    friend bool operator==(const SaisieZone &, const SaisieZone &) = default;
};

struct EtudeEffectif
{
    static constexpr QLatin1StringView Outil { "effectif" };
    // First written by format 2: a program that reads format 1 only says it is newer.
    static constexpr int Version = 2;

    QList<SaisieZone> zones;
    bool spectacle = false;
    bool sommeil = false;

    friend bool operator==(const EtudeEffectif &, const EtudeEffectif &) = default;
};

struct EffectifLu
{
    struct Ligne
    {
        // None while a cell is empty or cannot be read.
        std::optional<Zone> zone;
        QString erreurQuantite;
        QString erreurPlaces;
    };
    // One per zone typed, in its order.
    QList<Ligne> lignes;
    // The zones read, in order; the entry they make.
    EntreeEffectif entree;
    // Computed from the zones read; the reason when it cannot be.
    Lu<ResultatEffectif> resultat;
};

EffectifLu lireEffectif(const EtudeEffectif &etude);

QJsonObject versJson(const EtudeEffectif &etude);
void lireJson(LecteurJson &lecteur, const QJsonObject &racine, EtudeEffectif &etude);
QString defaut(const EtudeEffectif &etude);
