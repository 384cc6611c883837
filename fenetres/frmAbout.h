// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The About window.
#pragma once

#include <QDialog>

class Animation;
class QLabel;
class QPushButton;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    void cmdOK_Click();

private:
    void Form_Load();

    Animation *m_animation = nullptr;
    QPushButton *m_ok = nullptr;
    QLabel *m_version = nullptr;
};
