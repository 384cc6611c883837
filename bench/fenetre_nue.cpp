// The yardstick for start-up: a bare Qt program showing one empty window of the same size,
// announcing its first exposure the same way the calculator does. With --texte the window
// shows one line of text, which is what it costs Qt to load its font database.
#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QWidget>
#include <QWindow>

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
    QWidget fenetre;
    fenetre.setFixedSize(458, 302);
    if (QCoreApplication::arguments().contains(QLatin1String("--texte")))
        new QLabel(QStringLiteral("Calcul des dégagements"), &fenetre);
    PremiereExposition exposition;
    if (lcDemarrage().isDebugEnabled()) {
        fenetre.winId();
        fenetre.windowHandle()->installEventFilter(&exposition);
    }
    fenetre.show();
    return QApplication::exec();
}
