#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The full text of Article CO 38, read-only.
class FrmCO38 : public QWidget
{
    Q_OBJECT

public:
    explicit FrmCO38(QWidget *parent = nullptr);

    static QString texteArticle();
    void Command2_Click();

private:
    void Form_Load();

    QPushButton *Command2 = nullptr;
    QLabel *Label1 = nullptr;
};
