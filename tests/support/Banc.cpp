#include "Banc.h"

#include "Gabarit.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Banc::Banc()
    : saisie(principale.findChild<QLineEdit *>("Text1"))
    , calculer(principale.findChild<QPushButton *>("CmdCalculer"))
{
    principale.show();
    if (!QTest::qWaitForWindowActive(&principale))
        qWarning("the main window did not become active");
}

QStringList Banc::lignes() const
{
    QStringList r;
    for (const char *nom : { "Label2", "Label3", "Label4", "Label5" })
        r << principale.findChild<QLabel *>(nom)->text();
    return r;
}

void Banc::declencher(const char *entree)
{
    auto *action = principale.findChild<QAction *>(entree);
    QVERIFY2(action, entree);
    QVERIFY2(action->isEnabled(), entree);
    action->trigger();
}

QWidget *Banc::fenetre(const QString &nom)
{
    QList<QWidget *> trouvees;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == nom && w->isVisible())
            trouvees << w;
    return trouvees.size() == 1 ? trouvees.first() : nullptr;
}

QWidget *Banc::ouvrir(const char *entree, const QString &nom)
{
    declencher(entree);
    QWidget *w = fenetre(nom);
    return w && QTest::qWaitForWindowExposed(w) ? w : nullptr;
}
