// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as a study file: it never crashes; a file it refuses says why in French;
// a study it accepts is written back and read again unchanged.
#include "Etude.h"

namespace {

// The fuzzer would take long to spell a study: by the first byte, its bytes follow the format's
// marker, or change a few bytes of a study as written, (where, where, what) at a time.
const QByteArray Debut = R"({"format": "salvanor-etude", "version": 1, )";

QByteArray etude(const QByteArray &octets)
{
    // Written on first use: the format's names are not set before main() runs.
    static const QByteArray Modeles[] = {
        FichierEtude::ecrire(
            EtudeNiveaux { { { 1, "10", "" }, { 0, "2O", "" }, { -1, "150", "3,5" } } }),
        FichierEtude::ecrire(
            EtudeLargeurs { "250", { { "1,40", true, "1" }, { "0,9", false, "" } }, true }),
        FichierEtude::ecrire(
            EtudeEffectif { { { 1, "M.vente", "200", "" }, { -1, "N.places", "20", "12" },
                                { 0, "personnel", "2O", "" } },
                true, false }),
    };
    const int mode = octets.isEmpty() ? 0 : int(quint8(octets.front()) % (2 + std::size(Modeles)));
    if (mode < 2)
        return mode == 0 ? octets : Debut + octets.sliced(1);
    QByteArray modele = Modeles[mode - 2];
    for (qsizetype rang = 1; rang + 2 < octets.size(); rang += 3)
        modele[(quint8(octets[rang]) << 8 | quint8(octets[rang + 1])) % modele.size()]
            = octets[rang + 2];
    return modele;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const QByteArray octets
        = etude(QByteArray(reinterpret_cast<const char *>(donnees), qsizetype(taille)));
    const Lu<Etude> lu = FichierEtude::lire(octets);
    const bool tenu = lu ? FichierEtude::lire(FichierEtude::ecrire(*lu.valeur)).valeur == lu.valeur
                         : lu.erreur.startsWith(u"Ce fichier ") && lu.erreur.endsWith(u'.');
    if (!tenu)
        qFatal("broken for: %s\nrefusal: %s", octets.toPercentEncoding().constData(),
            qUtf8Printable(lu.erreur));
    return 0;
}
