// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Animation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMovie>

namespace {
const QString NomClip = QStringLiteral("sanim.gif");
QString dossierImpose;
} // namespace

Animation::Animation(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool Animation::open(const QString &chemin)
{
    delete m_clip;
    m_clip = new QMovie(chemin, QByteArray(), this);
    if (!m_clip->isValid()) {
        delete m_clip;
        m_clip = nullptr;
        return false;
    }
    m_clip->setCacheMode(QMovie::CacheAll);
    setMovie(m_clip);
    return true;
}

void Animation::play()
{
    if (m_clip)
        m_clip->start();
}

QString Animation::cheminClip()
{
    if (!dossierImpose.isEmpty())
        return dossierImpose + u'/' + NomClip;
    QString aCote = QCoreApplication::applicationDirPath() + u'/' + NomClip;
    if (QFileInfo::exists(aCote))
        return aCote;
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
        + QStringLiteral("/" SALVANOR_DATADIR_RELATIF "/") + NomClip);
}

void Animation::setDossierClip(const QString &dossier)
{
    dossierImpose = dossier;
}
