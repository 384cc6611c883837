// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as a study file: it never crashes; a file it refuses says why in French;
// a study it accepts is written back and read again unchanged.
#include "Etude.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The fuzzer would take long to spell a study: by the first byte, its bytes follow the format's
// marker, or change a few bytes of a study as written, (where, where, what) at a time.
const QByteArray Debut = "{\"format\": \"salvanor-etude\", \"version\": 1, ";
const QByteArray Modeles[] = {
    FichierEtude::ecrire({ Etude::Outil::Niveaux,
        { { 1, "10", "" }, { 0, "2O", "" }, { -1, "150", "3,5" } }, {}, {}, false }),
    FichierEtude::ecrire({ Etude::Outil::Largeurs, {}, "250",
        { { "1,40", true, "1" }, { "0,9", false, "" } }, true }),
};

QByteArray etude(const QByteArray &octets)
{
    const int mode = octets.isEmpty() ? 0 : quint8(octets.front()) % 4;
    if (mode == 0)
        return octets;
    if (mode == 1)
        return Debut + octets.sliced(1);
    QByteArray modele = Modeles[mode - 2];
    for (qsizetype rang = 1; rang + 2 < octets.size(); rang += 3)
        modele[(quint8(octets[rang]) << 8 | quint8(octets[rang + 1])) % modele.size()]
            = octets[rang + 2];
    return modele;
}

void exiger(bool tenu, const char *quoi, const QByteArray &octets)
{
    if (tenu)
        return;
    std::fprintf(stderr, "broken: %s for: %s\n", quoi, octets.toPercentEncoding().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const QByteArray octets
        = etude(QByteArray(reinterpret_cast<const char *>(donnees), qsizetype(taille)));
    const Lu<Etude> lu = FichierEtude::lire(octets);
    if (!lu) {
        exiger(lu.erreur.startsWith(QStringLiteral("Ce fichier ")) && lu.erreur.endsWith(u'.'),
            "a refusal is one French sentence", octets);
        return 0;
    }
    exiger(lu.erreur.isEmpty(), "a study read has no refusal", octets);
    const Lu<Etude> relu = FichierEtude::lire(FichierEtude::ecrire(*lu.valeur));
    exiger(relu && *relu.valeur == *lu.valeur, "a study read is written back unchanged", octets);
    return 0;
}
