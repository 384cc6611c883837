#pragma once

#include "Plateforme.h"

#include <QList>

// Stand-in for the platform services: counts beeps and records launches. Warnings go to the
// real message box unless `avertissementsEnregistres` is set, so tests can also catch the box.
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

    int bips = 0;
    bool avertissementsEnregistres = false;
    QList<Avertissement> avertissements;
};
