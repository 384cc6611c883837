#include "FrmPrincipale.h"
#include "Gabarit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Gabarit::installerSubstitutions();
    FrmPrincipale fenetre;
    fenetre.show();
    return QApplication::exec();
}
