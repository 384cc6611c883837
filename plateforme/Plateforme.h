// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The platform services tests cannot watch directly, behind one small seam.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Production uses this class as is; tests install a recording subclass with remplacer().
class Plateforme
{
public:
    virtual ~Plateforme() = default;

    virtual void bip();
    // Modal warning box with a single OK button; returns once it is closed.
    virtual void avertir(QWidget *parent, const QString &titre, const QString &texte);
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool lancer(const QString &programme, const QStringList &arguments);

    enum class Reponse { Oui, Non, Annuler };
    // Modal question box with "Oui", "Non" and "Annuler"; closing it answers Annuler.
    virtual Reponse demander(QWidget *parent, const QString &titre, const QString &question);
    // File dialogs; an empty text when the person cancels. `filtre` as Qt's dialogs take it.
    virtual QString fichierAOuvrir(QWidget *parent, const QString &titre, const QString &filtre);
    virtual QString fichierAEnregistrer(
        QWidget *parent, const QString &titre, const QString &propose, const QString &filtre);

    // Opens the web site `adresse` (a host name): with `programme`, the historic browser, where
    // it exists, else with the desktop's default browser. False when nothing could be started.
    bool demarrerNavigateur(const QString &programme, const QString &adresse);

    static Plateforme &courante();
    // Installs `p` (not owned) as the current services; nullptr restores the real ones.
    static void remplacer(Plateforme *p);
};
