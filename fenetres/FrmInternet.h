// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The web site window.
#pragma once

#include <QWidget>

class Animation;
class QLabel;
class QPushButton;

// Where to find updates: the product's web site, reached by clicking the web icon.
class FrmInternet : public QWidget
{
    Q_OBJECT

public:
    explicit FrmInternet(QWidget *parent = nullptr);

    void Image2_Click();
    void Command1_Click();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void Form_Load();

    QPushButton *m_ok = nullptr;
    Animation *m_animation = nullptr;
    QLabel *m_icone = nullptr;
    // A click is a press and a release both on the icon.
    bool m_appuiSurIcone = false;
};
