// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every tool says beside its figures:
//   Avertissement   an article and one French sentence about it
#pragma once

#include <QString>

struct Avertissement
{
    // "CO 40", "CO 36 §3", "CO 36 §1, CO 49 §3", "CO 38 §1 b", "M 2", "GN 1"
    QString article;
    QString texte;
};
