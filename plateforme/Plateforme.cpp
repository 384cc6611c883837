// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Plateforme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

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

Plateforme::Reponse Plateforme::demander(
    QWidget *parent, const QString &titre, const QString &question)
{
    QMessageBox boite(QMessageBox::Question, titre, question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    boite.setDefaultButton(QMessageBox::Yes);
    boite.setEscapeButton(QMessageBox::Cancel);
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    default:
        return Reponse::Annuler;
    }
}

QString Plateforme::fichierAOuvrir(QWidget *parent, const QString &titre, const QString &filtre)
{
    return QFileDialog::getOpenFileName(parent, titre, QString(), filtre);
}

QString Plateforme::fichierAEnregistrer(
    QWidget *parent, const QString &titre, const QString &propose, const QString &filtre)
{
    return QFileDialog::getSaveFileName(parent, titre, propose, filtre);
}

bool Plateforme::demarrerNavigateur(const QString &programme, const QString &adresse)
{
#ifdef Q_OS_WIN
    // The historic browser exists on old Windows machines only.
    if (QFileInfo::exists(programme + QStringLiteral(".exe")))
        return lancer(programme, { adresse });
#else
    Q_UNUSED(programme)
#endif
    const QUrl url(QStringLiteral("https://") + adresse);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return lancer(QStringLiteral("xdg-open"), { url.toString() });
#else
    return QDesktopServices::openUrl(url);
#endif
}

Plateforme &Plateforme::courante()
{
    return *actuelle;
}

void Plateforme::remplacer(Plateforme *p)
{
    actuelle = p ? p : &reelle;
}
