// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Pages on the default printer, without ever holding up the windows for long, or in a PDF file.
#pragma once

#include <QString>
#include <chrono>
#include <functional>

class Imprimante;

namespace Impression {

// How long a printout may wait for the print system, look-up and submission together: a local
// scheduler answers within milliseconds, a print server across a slow network within seconds.
inline constexpr std::chrono::seconds Delai { 10 };

// Looks up the default printer, has `dessiner` describe the page, and sends it; the event loop
// keeps running meanwhile. Returns the French sentence saying why the page was not printed,
// or an empty text when it was (or when the program is ending).
QString imprimer(const std::function<void(Imprimante &)> &dessiner);

// The same pages into a PDF file on A4, written whole or not at all. Returns the French
// sentence saying why it was not written, or an empty text.
QString exporterPdf(const QString &chemin, const std::function<void(Imprimante &)> &dessiner);

} // namespace Impression
