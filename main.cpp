#include "Animation.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>

// QT_LOGGING_RULES="salvanor.demarrage.debug=true" shows where the program looks for its data.
Q_LOGGING_CATEGORY(lcDemarrage, "salvanor.demarrage", QtInfoMsg)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Gabarit::installerSubstitutions();
    if (lcDemarrage().isDebugEnabled()) {
        const QString clip = Animation::cheminClip();
        qCDebug(lcDemarrage).noquote()
            << "clip:" << clip << (QFileInfo::exists(clip) ? "(trouvé)" : "(absent)");
    }
    FrmPrincipale fenetre;
    fenetre.show();
    return QApplication::exec();
}
