// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// A result's table as a person reads it, for a window, a page or a terminal to lay out.
#pragma once

#include <QList>
#include <QStringList>

struct Tableau
{
    QStringList entetes;
    QList<QStringList> lignes;
};

// What a cell shows when what it depends on could not be read.
inline const QString Inconnu = QStringLiteral("—");
