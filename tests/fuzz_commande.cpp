// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as a command line: whatever is typed, the answer is 0 or 2; a refusal is one
// line on stderr and nothing on stdout; a JSON answer parses.
#include "LigneDeCommande.h"

#include <QJsonDocument>

namespace {

// Words slow to spell: an argument's first byte below their count stands for the word of that rank.
const char *const Mots[] = { "--calcul", "--niveaux", "--largeurs", "--cinquieme", "--json",
    "--effectif", "--public", "--personnel", "--existant", "--sommeil", "--escalier-unique",
    "--aide", "--version", "RDC=", "R+", "SS", "p+", "--spectacle",
    "RDC:M.vente=", "R+1:N.places=", "SS1:personnel=", "RDC:L.banc=" };

QStringList arguments(const uint8_t *octets, size_t taille)
{
    QStringList liste;
    const QByteArray tout(reinterpret_cast<const char *>(octets), qsizetype(taille));
    for (const QByteArray &morceau : tout.split('\0')) {
        const auto numero = morceau.isEmpty() ? std::size(Mots) : size_t(quint8(morceau.front()));
        liste << (numero < std::size(Mots)
                ? QString::fromUtf8(Mots[numero]) + QString::fromUtf8(morceau.sliced(1))
                : QString::fromUtf8(morceau));
    }
    return liste;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *octets, size_t taille)
{
    const QStringList lus = arguments(octets, taille);
    const auto [code, sortie, erreurs] = LigneDeCommande::repondre(lus);
    const auto exiger = [&](bool tenu, const char *quoi) {
        if (!tenu)
            qFatal("broken: %s for: %s", quoi, qPrintable(lus.join(QStringLiteral(" | "))));
    };
    exiger(code == 0 || code == 2, "exit code neither 0 nor 2");
    exiger(code == 0 || sortie.isEmpty(), "a refusal wrote on stdout");
    exiger(code == 0 || (erreurs.count(u'\n') == 1 && erreurs.endsWith(u'\n')), "not one line");
    exiger(code == 2 || erreurs.isEmpty(), "an answer wrote on stderr");
    exiger(code == 2 || !lus.contains(QStringLiteral("--json"))
            || QJsonDocument::fromJson(sortie.toUtf8()).isObject(),
        "JSON unreadable");
    return 0;
}
