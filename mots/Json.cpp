// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Json.h"

namespace Json {

QString objet(const QList<Membre> &membres)
{
    QStringList paires;
    for (const auto &[cle, valeur] : membres)
        paires << chaine(cle) + QStringLiteral(": ") + valeur;
    return u'{' + paires.join(QStringLiteral(", ")) + u'}';
}

QString liste(const QStringList &valeurs)
{
    return u'[' + valeurs.join(QStringLiteral(", ")) + u']';
}

QString chaine(const QString &texte)
{
    QString json = QStringLiteral("\"");
    for (const QChar c : texte) {
        if (c == u'"' || c == u'\\')
            json += u'\\' + QString(c);
        else if (c.unicode() < 0x20)
            json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            json += c;
    }
    return json + u'"';
}

QString nombre(const std::optional<qint64> &valeur)
{
    return valeur ? QString::number(*valeur) : QStringLiteral("null");
}

QString booleen(bool valeur)
{
    return valeur ? QStringLiteral("true") : QStringLiteral("false");
}

QString metres(qint64 millimetres)
{
    QString texte = QString::number(millimetres / 1000);
    if (millimetres % 1000 == 0)
        return texte;
    QString decimales = QStringLiteral("%1").arg(millimetres % 1000, 3, 10, QChar(u'0'));
    while (decimales.endsWith(u'0'))
        decimales.chop(1);
    return texte + u'.' + decimales;
}

QList<Membre> exigence(const std::optional<Exigence> &exige)
{
    const Exigence e = exige.value_or(Exigence {});
    return { { QStringLiteral("degagements"), QString::number(e.degagements) },
        { QStringLiteral("accessoire"), booleen(e.accessoire) },
        { QStringLiteral("up"), QString::number(e.up) } };
}

QString avertissements(const QList<Avertissement> &avertissements)
{
    QStringList objets;
    for (const Avertissement &avertissement : avertissements)
        objets << objet({ { QStringLiteral("article"), chaine(avertissement.article) },
            { QStringLiteral("texte"), chaine(avertissement.texte) } });
    return liste(objets);
}

} // namespace Json
