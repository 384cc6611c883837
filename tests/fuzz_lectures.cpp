// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as what a person types in a cell: a count, a length or a level's name is
// either read, and then written back and read again to the same value, or refused with a French
// sentence.
#include "Lecture.h"
#include "Niveaux.h"

#include <QRegularExpression>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

void exiger(bool tenu, const char *quoi, const QString &texte)
{
    if (!tenu)
        qFatal("broken: %s for «%s»", quoi, texte.toUtf8().constData());
}

template <class T> void refusEnFrancais(const Lu<T> &lu, const QString &texte)
{
    exiger(lu.erreur.isEmpty() == bool(lu), "an error beside a value, or neither", texte);
    exiger(lu || (lu.erreur.startsWith(u"Indiquez ") && lu.erreur.endsWith(u'.')),
        "a refusal that does not say what is expected", texte);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *octets, size_t taille)
{
    const QString texte
        = QString::fromUtf8(reinterpret_cast<const char *>(octets), qsizetype(taille));

    const Lu<qint32> effectif = lireEffectifCellule(texte);
    refusEnFrancais(effectif, texte);
    static const QRegularExpression chiffres(QStringLiteral("^[0-9]+$"));
    exiger(!effectif || chiffres.match(texte).hasMatch(), "a count read from other than digits",
        texte);
    exiger(!effectif
            || lireEffectifCellule(QString::number(*effectif.valeur)).valeur == effectif.valeur,
        "a count that does not read back", texte);

    const Lu<qint32> longueur = lireMillimetres(texte);
    refusEnFrancais(longueur, texte);
    if (longueur) {
        const QString ecrit = ecrireMetres(*longueur.valeur);
        exiger(lireMillimetres(ecrit).valeur == longueur.valeur, "a length that does not read back",
            texte);
        if (effectif)
            exiger(qint64(*effectif.valeur) * 1000 == *longueur.valeur,
                "digits alone not read as whole metres", texte);
    }

    // The first bytes as a length in mm: whatever ecrireMetres writes reads back to it.
    qint32 millimetres = 0;
    std::memcpy(&millimetres, octets, std::min(taille, sizeof millimetres));
    millimetres &= std::numeric_limits<qint32>::max();
    exiger(lireMillimetres(ecrireMetres(millimetres)).valeur == millimetres,
        "a length written that does not read back", ecrireMetres(millimetres));

    const std::optional<int> niveau = lireNomNiveau(texte);
    exiger(!niveau || nomNiveau(*niveau) == texte, "a level's name read under another spelling",
        texte);
    return 0;
}
