// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes as what a person types in a cell: a count, a length or a level's name is
// either read, and then written back and read again alike, or refused with a French sentence.
// The same bytes as a zone of the effectif tool's command line, and as each quantity it reads.
#include "Lecture.h"
#include "LectureEffectif.h"
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
template <class T> bool refusEnFrancais(const Lu<T> &lu)
{
    return lu ? lu.erreur.isEmpty()
              : lu.erreur.startsWith(u"Indiquez ") && lu.erreur.endsWith(u'.');
}

// The same for what follows "salvanor-degagements : « ARG » : ", in lower case.
template <class T> bool phraseEnFrancais(const Lu<T> &lu)
{
    return lu ? lu.erreur.isEmpty()
              : !lu.erreur.isEmpty() && lu.erreur.front().isLower() && lu.erreur.endsWith(u'.');
}

bool pareilles(const Zone &une, const Zone &autre)
{
    return une.niveau == autre.niveau && une.nature == autre.nature
        && une.quantite == autre.quantite && une.places == autre.places;
}

// A zone is read and then written back and read again alike, and counted, or refused.
void zone(const QString &texte)
{
    const Lu<Zone> lue = lireZone(texte);
    exiger(phraseEnFrancais(lue), "a zone not refused in French", texte);
    if (!lue)
        return;
    const Lu<Zone> relue = lireZone(ecrireZone(*lue.valeur));
    exiger(relue && pareilles(*relue.valeur, *lue.valeur), "a zone that does not read back", texte);
    const Lu<ResultatEffectif> compte = calculerEffectif({ { *lue.valeur }, false, false });
    exiger(phraseEnFrancais(compte), "a zone counted without a result or a reason", texte);
    exiger(!compte || compte.valeur->effectif >= 0, "a negative effectif", texte);
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

    zone(texte);
    // The first byte picks a nature, the rest is its quantity: the quantity forms get reached.
    if (taille > 0) {
        const QList<Nature> &liste = natures();
        zone(QStringLiteral("SS1:") + liste.at(octets[0] % liste.size()).code + u'='
            + QString::fromUtf8(reinterpret_cast<const char *>(octets) + 1, qsizetype(taille) - 1));
    }
    for (const Saisie saisie : { Saisie::Cellule, Saisie::Argument }) {
        const auto francais = [saisie](const auto &lu) {
            return saisie == Saisie::Cellule ? refusEnFrancais(lu) : phraseEnFrancais(lu);
        };
        exiger(francais(lireSurface(texte, saisie)) && francais(lireLongueurZone(texte, saisie))
                && francais(lireNombreZone(texte, saisie)),
            "a quantity not refused in French", texte);
        for (const Nature &nature : natures())
            exiger(francais(lireQuantite(nature, texte, saisie)),
                "a quantity not refused in French", texte);
    }

    const std::optional<int> niveau = lireNomNiveau(texte);
    exiger(!niveau || nomNiveau(*niveau) == texte, "a level read under another name", texte);
    return 0;
}
