// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as a command line: whatever is typed, the answer is 0 or 2; a refusal is one
// line on stderr and nothing on stdout; a JSON answer parses.
#include "LigneDeCommande.h"

#include <QJsonDocument>
#include <cstdio>
#include <cstdlib>

namespace {

// Words the fuzzer would take long to spell: an argument whose first byte is below their count
// starts with the word of that number, followed by the argument's other bytes.
const char *const Mots[] = { "--calcul", "--niveaux", "--largeurs", "--cinquieme", "--json",
    "--effectif", "--public", "--personnel", "--existant", "--sommeil", "--escalier-unique",
    "--aide", "--version", "RDC=", "R+", "SS", "p+" };

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

void exiger(bool tenu, const char *quoi, const QStringList &arguments)
{
    if (tenu)
        return;
    std::fprintf(stderr, "broken: %s for: %s\n", quoi,
        arguments.join(QStringLiteral(" | ")).toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *octets, size_t taille)
{
    const QStringList lus = arguments(octets, taille);
    QString sortie;
    QString erreurs;
    QTextStream fluxSortie(&sortie);
    QTextStream fluxErreurs(&erreurs);
    const int code = LigneDeCommande::executer(lus, fluxSortie, fluxErreurs);
    exiger(code == 0 || code == 2, "exit code neither 0 nor 2", lus);
    if (code == 2) {
        exiger(sortie.isEmpty(), "a refusal wrote on stdout", lus);
        exiger(erreurs.count(u'\n') == 1 && erreurs.endsWith(u'\n'),
            "a refusal is not exactly one line", lus);
        return 0;
    }
    exiger(erreurs.isEmpty(), "an answer wrote on stderr", lus);
    if (lus.contains(QStringLiteral("--json"))) {
        QJsonParseError erreur {};
        exiger(
            QJsonDocument::fromJson(sortie.toUtf8(), &erreur).isObject(), "JSON unreadable", lus);
    }
    return 0;
}
