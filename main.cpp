// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Animation.h"
#include "Demarrage.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
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
    return QApplication::exec();
}
