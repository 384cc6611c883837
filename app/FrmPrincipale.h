#pragma once

#include "FenetreUnique.h"
#include "FrmCO38.h"
#include "FrmInternet.h"
#include "Imprimante.h"
#include "frmAbout.h"

#include <QMainWindow>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class FrmPrincipale : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmPrincipale(QWidget *parent = nullptr);
    ~FrmPrincipale() override;

    void CmdCalculer_Click();
    // Key filter of the person-count box: sets `keyAscii` to 0 to discard the character.
    void Text1_KeyPress(qint16 &keyAscii);
    void Imprime_Click();
    void Quitter_Click();
    void Article_Click();
    void SiteInternet_Click();
    void Apropos_Click();

    // Where the printout goes; the default printer unless replaced (tests).
    void setFabriqueImprimante(FabriqueImprimante fabrique);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    void creerControles();
    void creerMenu();
    void Form_Load();
    void imprimerPage(Imprimante &Printer) const;

    QLineEdit *Text1 = nullptr;
    QPushButton *CmdCalculer = nullptr;
    // Label2 to Label5: result lines 1 to 4.
    std::array<QLabel *, 4> m_lignes {};
    FabriqueImprimante m_fabriqueImprimante = imprimanteParDefaut;
    FenetreUnique<FrmCO38> m_article;
    FenetreUnique<FrmInternet> m_siteInternet;
    FenetreUnique<frmAbout> m_aPropos;
};
