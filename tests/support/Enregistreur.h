// The recording stand-in for the platform's services.
#pragma once

#include "Plateforme.h"

#include <QApplication>
#include <QList>

// Installed for its lifetime: counts beeps, writes down warnings and program starts.
class Enregistreur : public Plateforme
{
public:
    Enregistreur() { Plateforme::remplacer(this); }
    ~Enregistreur() override { Plateforme::remplacer(nullptr); }

    void bip() override { ++bips; }
    // A busy pointer left on over a warning shows in the record.
    void avertir(QWidget *, const QString &titre, const QString &texte) override
    {
        avertissements << titre + QStringLiteral(" | ") + texte
                + (QApplication::overrideCursor() ? QStringLiteral(" [sablier]") : QString());
    }
    bool lancer(const QString &programme, const QStringList &arguments) override
    {
        lancements << (QStringList { programme } + arguments).join(u' ');
        return lancementPossible;
    }

    int bips = 0;
    QStringList avertissements; // "title | text"
    QStringList lancements;     // "program arguments..."
    bool lancementPossible = true;
};
