#include "Animation.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QWindow>

// QT_LOGGING_RULES="salvanor.demarrage.debug=true" shows where the program looks for its data
// and when its window is first on screen (benchmarks time the start-up with it).
Q_LOGGING_CATEGORY(lcDemarrage, "salvanor.demarrage", QtInfoMsg)

namespace {

class PremiereExposition : public QObject
{
public:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Expose && static_cast<QWindow *>(objet)->isExposed()) {
            qCDebug(lcDemarrage) << "fenêtre exposée";
            objet->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

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
    PremiereExposition exposition;
    if (lcDemarrage().isDebugEnabled()) {
        fenetre.winId();
        fenetre.windowHandle()->installEventFilter(&exposition);
    }
    fenetre.show();
    return QApplication::exec();
}
