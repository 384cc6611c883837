// One printed page on the default printer.
#pragma once

#include <QString>
#include <functional>

class Imprimante;

namespace Impression {

// Opens a page on the default printer, has `dessiner` describe it, and sends it. Returns the
// French sentence that tells why nothing was printed, or an empty text.
QString imprimer(const std::function<void(Imprimante &)> &dessiner);

} // namespace Impression
