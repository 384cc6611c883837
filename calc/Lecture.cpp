// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Lecture.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 Plafond = std::numeric_limits<qint32>::max();

bool chiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool separateur(QChar c)
{
    return c == u',' || c == u'.';
}

bool signe(QChar c)
{
    return c == u'+' || c == u'-' || c == QChar(0x2212);
}

bool contient(QStringView texte, bool (*critere)(QChar))
{
    return std::any_of(texte.begin(), texte.end(), critere);
}

template <class T> Lu<T> refus(const char16_t *phrase)
{
    return { std::nullopt, QString::fromUtf16(phrase) };
}

// Digits into a value, stopping short of overflow: anything above the ceiling is the ceiling + 1.
qint64 valeurDe(QStringView chiffres)
{
    qint64 valeur = 0;
    for (const QChar c : chiffres) {
        valeur = valeur * 10 + (c.unicode() - u'0');
        if (valeur > Plafond)
            return Plafond + 1;
    }
    return valeur;
}

} // namespace

Lu<qint32> lireEffectifCellule(QStringView texte)
{
    if (texte.isEmpty())
        return refus<qint32>(u"Indiquez un nombre de personnes, par exemple 120.");
    if (contient(texte, [](QChar c) { return c.isSpace(); }))
        return refus<qint32>(u"Indiquez un nombre de personnes sans espace, par exemple 1500.");
    if (contient(texte, signe))
        return refus<qint32>(
            u"Indiquez un nombre de personnes sans signe + ou -, par exemple 120.");
    if (contient(texte, separateur))
        return refus<qint32>(u"Indiquez un nombre entier de personnes, sans virgule ni point.");
    if (!std::all_of(texte.begin(), texte.end(), chiffre))
        return refus<qint32>(
            u"Indiquez un nombre de personnes : des chiffres seulement, par exemple 120.");
    const qint64 valeur = valeurDe(texte);
    if (valeur > Plafond)
        return refus<qint32>(u"Indiquez un nombre de personnes de 2 147 483 647 au plus.");
    return { static_cast<qint32>(valeur), {} };
}

Lu<qint32> lireMillimetres(QStringView texte)
{
    if (texte.isEmpty())
        return refus<qint32>(u"Indiquez une mesure en mètres, par exemple 1,40.");
    if (contient(texte, [](QChar c) { return c.isSpace(); }))
        return refus<qint32>(u"Indiquez une mesure en mètres sans espace, par exemple 1,40.");
    if (contient(texte, signe))
        return refus<qint32>(u"Indiquez une mesure en mètres sans signe + ou -, par exemple 1,40.");
    if (!std::all_of(
            texte.begin(), texte.end(), [](QChar c) { return chiffre(c) || separateur(c); }))
        return refus<qint32>(u"Indiquez une mesure en mètres : des chiffres et une virgule ou un "
                             u"point, par exemple 1,40.");
    const auto position = std::find_if(texte.begin(), texte.end(), separateur);
    const QStringView entiers = texte.first(position - texte.begin());
    const QStringView decimales
        = position == texte.end() ? QStringView() : texte.sliced(entiers.size() + 1);
    if (contient(decimales, separateur))
        return refus<qint32>(u"Indiquez une mesure en mètres avec une seule virgule, par exemple "
                             u"1,40.");
    if (entiers.isEmpty())
        return refus<qint32>(u"Indiquez une mesure en mètres avec un chiffre avant la virgule, par "
                             u"exemple 0,50.");
    if (position != texte.end() && decimales.isEmpty())
        return refus<qint32>(u"Indiquez une mesure en mètres avec un chiffre au moins après la "
                             u"virgule, par exemple 5,00, ou sans virgule : 5.");
    if (decimales.size() > 3)
        return refus<qint32>(u"Indiquez une mesure en mètres, par exemple 1,40 : trois décimales "
                             u"au plus.");
    qint64 millimetres = valeurDe(entiers);
    if (millimetres <= Plafond) {
        millimetres *= 1000;
        qint64 echelle = 100;
        for (const QChar c : decimales) {
            millimetres += (c.unicode() - u'0') * echelle;
            echelle /= 10;
        }
    }
    if (millimetres > Plafond)
        return refus<qint32>(u"Indiquez une mesure en mètres de 2 147 483,647 au plus.");
    return { static_cast<qint32>(millimetres), {} };
}

QString metres(qint64 millimetres)
{
    return ecrireMetres(millimetres) + QStringLiteral(" m");
}

QString personnes(qint64 nombre)
{
    return QStringLiteral("%1 personne%2")
        .arg(nombre)
        .arg(nombre > 1 ? QStringLiteral("s") : QString());
}

QString ecrireMetres(qint64 millimetres)
{
    // Unsigned, so that even the lowest qint64 has a magnitude.
    const quint64 absolue = millimetres < 0 ? 0 - quint64(millimetres) : quint64(millimetres);
    QString decimales = QStringLiteral("%1").arg(absolue % 1000, 3, 10, QChar(u'0'));
    if (decimales.endsWith(u'0'))
        decimales.chop(1);
    return (millimetres < 0 ? QStringLiteral("-") : QString()) + QString::number(absolue / 1000)
        + u',' + decimales;
}
