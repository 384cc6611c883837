#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// The four result lines; a line the rule leaves unused is empty.
using LignesResultat = std::array<QString, 4>;

// Exits and total width a space holding `n` persons needs, worded as the result lines.
LignesResultat CalculDegagements(qint32 n);

// Strict decimal conversion of the person-count box: digits only, leading zeros allowed,
// the value must fit a qint32. Anything else gives no number rather than a wrong one.
std::optional<qint32> ConvertirNombre(QStringView texte);

// True when every character of `texte` is an ASCII digit (an empty text qualifies).
bool QueDesChiffres(QStringView texte);
