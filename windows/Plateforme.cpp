#include "Plateforme.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>

namespace {
Plateforme reelle;
Plateforme *actuelle = &reelle;
} // namespace

void Plateforme::bip()
{
    QApplication::beep();
}

void Plateforme::avertir(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, titre, texte, QMessageBox::Ok, parent);
    boite.exec();
}

bool Plateforme::lancer(const QString &programme, const QStringList &arguments)
{
    return QProcess::startDetached(programme, arguments);
}

Plateforme &Plateforme::courante()
{
    return *actuelle;
}

void Plateforme::remplacer(Plateforme *p)
{
    actuelle = p ? p : &reelle;
}
