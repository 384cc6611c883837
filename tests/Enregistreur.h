#pragma once

#include "Plateforme.h"

#include <QList>

// Stand-in for the platform services: counts beeps. Warnings and program launches go to the
// real services unless recording is asked for, so tests can also catch the real ones.
class Enregistreur : public Plateforme
{
public:
    struct Avertissement
    {
        QString titre, texte;
    };
    struct Lancement
    {
        QString programme;
        QStringList arguments;
    };

    Enregistreur() { Plateforme::remplacer(this); }
    ~Enregistreur() override { Plateforme::remplacer(nullptr); }

    void bip() override { ++bips; }
    void avertir(QWidget *parent, const QString &titre, const QString &texte) override
    {
        if (avertissementsEnregistres)
            avertissements.append({ titre, texte });
        else
            Plateforme::avertir(parent, titre, texte);
    }

    bool lancer(const QString &programme, const QStringList &arguments) override
    {
        if (!lancementsEnregistres)
            return Plateforme::lancer(programme, arguments);
        lancements.append({ programme, arguments });
        return true;
    }

    int bips = 0;
    bool avertissementsEnregistres = false;
    QList<Avertissement> avertissements;
    bool lancementsEnregistres = false;
    QList<Lancement> lancements;
};
