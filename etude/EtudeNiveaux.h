// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A building's study, level by level, as a person typed it:
//   SaisieNiveau, EtudeNiveaux   the cells as typed, from the top floor down to the deepest
//   basement NiveauLu, lireNiveau         one row read, with what each cell expects when it cannot
//   be read resultatNiveaux              what CO 38 §2, CO 39 and CO 40 make of the rows that can
//   be read versJson, lireJson, defaut   its part of the study file
#pragma once

#include "Niveaux.h"

#include <QJsonObject>
#include <QLatin1StringView>

class LecteurJson;

struct SaisieNiveau
{
    int indice = 0;
    QString effectif;
    QString profondeur;

    friend bool operator==(const SaisieNiveau &, const SaisieNiveau &) = default;
};

struct EtudeNiveaux
{
    // The tool's name in the file.
    static constexpr QLatin1StringView Outil { "niveaux" };
    static constexpr int Version = 1;

    QList<SaisieNiveau> niveaux;

    friend bool operator==(const EtudeNiveaux &, const EtudeNiveaux &) = default;
};

// An empty effectif is not entered yet: no result, but nothing to correct either; nor is the
// depth of a basement whose effectif is not entered.
struct NiveauLu
{
    Niveau niveau;
    QString erreurEffectif;
    QString erreurProfondeur;
};

NiveauLu lireNiveau(const SaisieNiveau &saisie);
ResultatNiveaux resultatNiveaux(const EtudeNiveaux &etude);

QJsonObject versJson(const EtudeNiveaux &etude);
void lireJson(LecteurJson &lecteur, const QJsonObject &racine, EtudeNiveaux &etude);
// What makes the study unfit for the file, whichever way it came; empty when it is fit.
QString defaut(const EtudeNiveaux &etude);
