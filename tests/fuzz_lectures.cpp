// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as what a person types in a cell: a count, a length or a level's name is
// either read, and then written back and read again alike, or refused with a French sentence.
#include "Lecture.h"
#include "Niveaux.h"

#include <algorithm>
#include <cstring>

namespace {

void exiger(bool tenu, const char *quoi, const QString &texte)
{
    if (!tenu)
        qFatal("broken: %s for «%s»", quoi, texte.toUtf8().constData());
}

// A value and no sentence, or a sentence saying what is expected and no value.
bool refusEnFrancais(const Lu<qint32> &lu)
{
    return lu ? lu.erreur.isEmpty()
              : lu.erreur.startsWith(u"Indiquez ") && lu.erreur.endsWith(u'.');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *octets, size_t taille)
{
    const QString texte
        = QString::fromUtf8(reinterpret_cast<const char *>(octets), qsizetype(taille));
    const Lu<qint32> effectif = lireEffectifCellule(texte);
    const Lu<qint32> longueur = lireMillimetres(texte);
    exiger(refusEnFrancais(effectif) && refusEnFrancais(longueur), "not French", texte);
    const bool chiffres = std::all_of(
        texte.begin(), texte.end(), [](QChar signe) { return signe >= u'0' && signe <= u'9'; });
    exiger(!effectif || chiffres, "a count read from other than digits", texte);
    exiger(!longueur || lireMillimetres(ecrireMetres(*longueur.valeur)).valeur == longueur.valeur,
        "a length that does not read back", texte);
    exiger(!effectif || !longueur || qint64(*effectif.valeur) * 1000 == *longueur.valeur,
        "digits alone not read as whole metres", texte);

    // The first bytes as a length in mm: whatever ecrireMetres writes reads back to it.
    qint32 millimetres = 0;
    std::memcpy(&millimetres, octets, std::min(taille, sizeof millimetres));
    millimetres &= INT32_MAX;
    exiger(lireMillimetres(ecrireMetres(millimetres)).valeur == millimetres,
        "a length written that does not read back", ecrireMetres(millimetres));

    const std::optional<int> niveau = lireNomNiveau(texte);
    exiger(!niveau || nomNiveau(*niveau) == texte, "a level read under another name", texte);
    return 0;
}
