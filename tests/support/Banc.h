// The test fixture: the main window as a person finds it at start-up.
#pragma once

#include "Enregistreur.h"
#include "FrmPrincipale.h"

#include <QStringList>

class QLineEdit;
class QPushButton;

// The platform recorded, the main window shown and active.
class Banc
{
public:
    Banc();

    // The four result lines, as the window shows them.
    QStringList lignes() const;
    // Triggers a menu entry, after checking that it exists and is enabled.
    void declencher(const char *entree);
    // The visible top-level window named `nom`, if exactly one is open.
    static QWidget *fenetre(const QString &nom);
    // Triggers `entree` and waits for the window `nom` it opens; nullptr if none showed.
    QWidget *ouvrir(const char *entree, const QString &nom);

    Enregistreur plateforme;
    FrmPrincipale principale;
    QLineEdit *saisie;
    QPushButton *calculer;
};
