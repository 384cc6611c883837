#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The few platform services tests cannot watch directly. Production uses this class as is;
// tests install a recording subclass with Plateforme::remplacer().
class Plateforme
{
public:
    virtual ~Plateforme() = default;

    virtual void bip();
    // Modal warning box with a single OK button; returns once it is closed.
    virtual void avertir(QWidget *parent, const QString &titre, const QString &texte);
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool lancer(const QString &programme, const QStringList &arguments);

    static Plateforme &courante();
    // Installs `p` (not owned) as the current services; nullptr restores the real ones.
    static void remplacer(Plateforme *p);
};
