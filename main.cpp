// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Animation.h"
#include "Demarrage.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"
#include "LigneDeCommande.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    // Options answer on the terminal, without a display; the plain start pays one test for it.
    if (LigneDeCommande::estCommande(argc, argv)) {
        LigneDeCommande::garderSortiesStandard();
        const QCoreApplication app(argc, argv);
        return LigneDeCommande::executer(QCoreApplication::arguments().sliced(1));
    }
    QApplication app(argc, argv);
    Gabarit::preparerApplication();
    if (lcDemarrage().isDebugEnabled()) {
        const QString clip = Animation::cheminClip();
        qCDebug(lcDemarrage).noquote()
            << "clip:" << clip << (QFileInfo::exists(clip) ? "(trouvé)" : "(absent)");
    }
    FrmPrincipale fenetre;
    signalerPremiereExposition(fenetre);
    fenetre.show();
    // One argument that is not an option: a study, given by a double click on it.
    if (argc == 2)
        fenetre.ouvrirEtude(QCoreApplication::arguments().at(1));
    return QApplication::exec();
}
