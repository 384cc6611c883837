// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The logo animation: stands in for the Windows animation control.
#pragma once

#include <QLabel>

class QMovie;

// Opens a silent clip by its file path and plays it in a loop; a clip that cannot be read
// leaves the area empty.
class Animation : public QLabel
{
    Q_OBJECT

public:
    explicit Animation(QWidget *parent = nullptr);

    bool open(const QString &chemin);
    void play();
    QMovie *clip() const { return m_clip; }

    // Full path of the logo clip: next to the program, else in its installed data folder.
    static QString cheminClip();
    // Tests point the lookup elsewhere; an empty folder restores the default.
    static void setDossierClip(const QString &dossier);

private:
    QMovie *m_clip = nullptr;
};
