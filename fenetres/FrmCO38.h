// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The Article CO 38 window.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class FrmCO38 : public QWidget
{
    Q_OBJECT

public:
    explicit FrmCO38(QWidget *parent = nullptr);

    void Command2_Click();

private:
    void Form_Load();

    QPushButton *m_fermer = nullptr;
    QLabel *m_texte = nullptr;
};
