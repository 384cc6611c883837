// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Pages on the default printer, without ever holding up the windows for long, or in a PDF file.
#pragma once

#include <QSize>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

class Imprimante;

namespace Impression {

// How long a printout may wait for the print system, look-up and submission together: a local
// scheduler answers within milliseconds, a print server across a slow network within seconds.
inline constexpr std::chrono::seconds Delai { 10 };

// Looks up the default printer, has `dessiner` describe the page, and sends it; the event loop
// keeps running meanwhile. Pages laid out in a frame give its size, `cadre` in twips: a printer
// whose printable area cannot hold it prints nothing. Returns the French sentence saying why the
// page was not printed, or an empty text when it was (or when the program is ending).
QString imprimer(
    const std::function<void(Imprimante &)> &dessiner, std::optional<QSize> cadre = std::nullopt);

// The same pages into a PDF file on A4, whose printable area holds the study's frame, written
// whole or not at all. Returns the French
// sentence saying why it was not written, or an empty text.
QString exporterPdf(const QString &chemin, const std::function<void(Imprimante &)> &dessiner);

} // namespace Impression
