#pragma once

#include <QDialog>

class Animation;
class QLabel;
class QPushButton;

// The About box.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    void cmdOK_Click();

private:
    void Form_Load();

    Animation *Animation1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QLabel *lblVersion = nullptr;
};
