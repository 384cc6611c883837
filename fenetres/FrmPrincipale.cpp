// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FrmPrincipale.h"

#include "CalculDegagements.h"
#include "FenetreCinquieme.h"
#include "FenetreEffectif.h"
#include "FenetreLargeurs.h"
#include "FenetreNiveaux.h"
#include "FrmCO38.h"
#include "FrmInternet.h"
#include "Gabarit.h"
#include "Impression.h"
#include "PageResultat.h"
#include "Plateforme.h"
#include "Produit.h"
#include "frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QValidator>
#include <algorithm>

using Gabarit::etiquette;
using Gabarit::placer;
using Gabarit::police;

namespace {

const QColor Vert(0, 192, 0);

// Whatever reaches the box without passing the key filter (paste, drop, middle click)
// must still leave nothing but digits in it.
class ValidateurChiffres : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &texte, int &) const override
    {
        if (std::all_of(
                texte.cbegin(), texte.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return Acceptable;
        Plateforme::courante().bip();
        return Invalid;
    }
};

// The character code a key press types, as the key filter sees it; 0 for keys that type nothing.
qint16 codeTape(const QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    // Ctrl+letter types a control code (Ctrl+V is 22) even where the platform reports no text.
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return static_cast<qint16>(e->key() - Qt::Key_A + 1);
    const QString texte = e->text();
    if (texte.isEmpty())
        return 0;
    return static_cast<qint16>(texte.front().unicode());
}

} // namespace

FrmPrincipale::FrmPrincipale(QWidget *parent)
    : QMainWindow(parent)
{
    Gabarit::preparerFenetre(this, "FrmPrincipale", Produit::Titre);
    creerControles();
    creerMenu();
    Form_Load();
}

FrmPrincipale::~FrmPrincipale() = default;

void FrmPrincipale::creerControles()
{
    auto *fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("Fond"));
    fond->setFixedSize(Gabarit::px(6870), Gabarit::px(4530));
    Gabarit::fond(fond, Vert);
    setCentralWidget(fond);

    m_saisie = new QLineEdit(fond);
    m_saisie->setObjectName(QStringLiteral("Text1"));
    placer(m_saisie, 3000, 3840, 1095, 285);
    m_saisie->setMaxLength(6);
    m_saisie->setValidator(new ValidateurChiffres(m_saisie));
    m_saisie->installEventFilter(this);
    m_saisie->setAccessibleName(QStringLiteral("Nombre de personnes"));
    m_saisie->setAccessibleDescription(QStringLiteral(
        "Effectif admis : des chiffres seulement, six au plus ; Entrée lance le calcul"));

    auto *Frame1 = new QGroupBox(QStringLiteral("Calcul des dégagements"), fond);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placer(Frame1, 120, 960, 6615, 2535);
    // The classic style etches the frame in light and shadow, visible on the green, and sets
    // the caption in its top line.
    QStyle *classique = QStyleFactory::create(QStringLiteral("Windows"));
    classique->setParent(Frame1);
    Frame1->setStyle(classique);

    // Result lines 1 to 4, top to bottom inside the frame.
    m_lignes = { etiquette(Frame1, "Label2", {}, { 240, 600, 6135, 375 }, police(12)),
        etiquette(Frame1, "Label3", {}, { 240, 1080, 6135, 375 }, police(12)),
        etiquette(Frame1, "Label4", {}, { 240, 1560, 6135, 375 }, police(12)),
        etiquette(Frame1, "Label5", {}, { 240, 1920, 6135, 375 }, police(12)) };
    // A result line's accessible name is its text, so a screen reader reads the result.
    for (int i = 0; i < 4; ++i)
        m_lignes[i]->setAccessibleDescription(QStringLiteral("Résultat, ligne %1").arg(i + 1));

    m_calculer = Gabarit::bouton(fond, "CmdCalculer", QStringLiteral("Calculer"),
        { 4800, 3720, 1455, 495 }, QStringLiteral("Calcul des dégagements"),
        QStringLiteral("Calcule le nombre et la largeur des dégagements"));
    m_calculer->setDefault(true);
    connect(m_calculer, &QPushButton::clicked, this, &FrmPrincipale::CmdCalculer_Click);

    etiquette(fond, "Label6",
        QStringLiteral("Ce logiciel permet de calculer le nombre et la largeur des dégagements "
                       "(portes, sorties, issues, ...). Il est l'application de l'article CO 38 "
                       "du réglement de sécurité des Etablissements Recevant du Public du 25 juin "
                       "1980 modifé."),
        { 120, 120, 6735, 855 }, police(8.25, true))
        ->setWordWrap(true);
    etiquette(fond, "Label1", QStringLiteral("Nombre de personnes :"), { 1080, 3840, 1815, 255 },
        police());

    setTabOrder(m_saisie, m_calculer);
    Gabarit::empiler(this);
}

void FrmPrincipale::creerMenu()
{
    auto ajouterMenu = [this](const char *nom, const QString &titre) {
        QMenu *menu = menuBar()->addMenu(titre);
        menu->setObjectName(QLatin1String(nom));
        return menu;
    };
    auto ajouterEntree = [this](QMenu *menu, const char *nom, const QString &titre,
                             const QKeySequence &raccourci, void (FrmPrincipale::*gestionnaire)()) {
        QAction *entree = menu->addAction(titre);
        entree->setObjectName(QLatin1String(nom));
        entree->setShortcut(raccourci);
        connect(entree, &QAction::triggered, this, gestionnaire);
        return entree;
    };

    QMenu *fichier = ajouterMenu("Fichier", QStringLiteral("&Fichier"));
    m_imprime = ajouterEntree(fichier, "Imprime", QStringLiteral("Im&primer le résultat"), {},
        &FrmPrincipale::Imprime_Click);
    fichier->addSeparator()->setObjectName(QStringLiteral("Barre1"));
    ajouterEntree(fichier, "Quitter", QStringLiteral("&Quitter"),
        QKeySequence(Qt::CTRL | Qt::Key_Q), &FrmPrincipale::Quitter_Click);

    QMenu *references = ajouterMenu("References", QStringLiteral("&Références"));
    ajouterEntree(
        references, "Article", QStringLiteral("A&rticle CO 38"), {}, &FrmPrincipale::Article_Click);
    references->addSeparator()->setObjectName(QStringLiteral("Barre2"));
    // The tools, in the order a person works in: one line each.
    ajouterOutil<FenetreEffectif>(references);
    ajouterOutil<FenetreNiveaux>(references);
    ajouterOutil<FenetreLargeurs>(references);
    ajouterOutil<FenetreCinquieme>(references);
    ajouterEntree(ajouterMenu("Maj", QStringLiteral("&Mise à jour")), "SiteInternet",
        QStringLiteral("&Site Internet"), {}, &FrmPrincipale::SiteInternet_Click);
    ajouterEntree(ajouterMenu("Help", QStringLiteral("&?")), "Apropos",
        QStringLiteral("&A propos de Salvanor - Dégagements"), QKeySequence(Qt::Key_F1),
        &FrmPrincipale::Apropos_Click);
}

template <class Outil> void FrmPrincipale::ajouterOutil(QMenu *menu)
{
    QAction *entree = menu->addAction(QString::fromUtf16(Outil::TexteMenu));
    entree->setObjectName(QLatin1String(Outil::NomMenu));
    connect(entree, &QAction::triggered, this, [] { FenetresUniques::afficher<Outil>(); });
}

void FrmPrincipale::Form_Load()
{
    setFixedSize(
        centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
    Gabarit::centrer(this);
    m_saisie->setFocus();
}

void FrmPrincipale::CmdCalculer_Click()
{
    for (QLabel *ligne : m_lignes)
        ligne->clear();

    const std::optional<qint32> nombre = LireEffectif(m_saisie->text());
    if (!nombre) {
        Plateforme::courante().avertir(
            this, QStringLiteral("Erreur"), QStringLiteral("Indiquez un nombre de personnes"));
        m_saisie->clear();
        return;
    }

    m_saisie->clear();
    const LignesResultat lignes = CalculDegagements(*nombre);
    for (int i = 0; i < 4; ++i)
        m_lignes[i]->setText(lignes[i]);
    m_saisie->setFocus();
}

void FrmPrincipale::Text1_KeyPress(qint16 &keyAscii)
{
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8)
        return;
    Plateforme::courante().bip();
    keyAscii = 0;
}

bool FrmPrincipale::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == m_saisie && evenement->type() == QEvent::KeyPress) {
        qint16 code = codeTape(static_cast<QKeyEvent *>(evenement));
        if (code != 0) {
            Text1_KeyPress(code);
            if (code == 0)
                return true;
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void FrmPrincipale::keyPressEvent(QKeyEvent *evenement)
{
    // Qt has default buttons only in dialogs: Enter anywhere in the window presses "Calculer".
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        m_calculer->click();
        return;
    }
    QMainWindow::keyPressEvent(evenement);
}

void FrmPrincipale::Imprime_Click()
{
    // The print system may take its time: the windows stay alive meanwhile, but one printout
    // at a time.
    m_imprime->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    LignesResultat lignes;
    for (int i = 0; i < 4; ++i)
        lignes[i] = m_lignes[i]->text();
    const QString echec
        = Impression::imprimer([&](Imprimante &Printer) { imprimerResultat(Printer, lignes); });
    QApplication::restoreOverrideCursor();
    m_imprime->setEnabled(true);
    if (!echec.isEmpty())
        Plateforme::courante().avertir(this, QStringLiteral("Erreur"), echec);
}

void FrmPrincipale::Quitter_Click()
{
    // A study not saved is offered to be saved first; the person may also stay.
    if (!FenetreEtude::toutesPeuventAbandonner())
        return;
    // Then ends at once: windows are hidden, never closed, so no close handler runs.
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        fenetre->hide();
    QCoreApplication::exit(0);
}

void FrmPrincipale::Article_Click()
{
    FenetresUniques::afficher<FrmCO38>();
}

void FrmPrincipale::ouvrirEtude(const QString &chemin)
{
    const Lu<Etude> lu = FichierEtude::ouvrir(chemin);
    if (!lu) {
        Plateforme::courante().avertir(this, Produit::Titre, lu.erreur);
        return;
    }
    std::visit(
        [&](const auto &etude) {
            using Fenetre = typename FenetreDe<std::decay_t<decltype(etude)>>::Type;
            FenetresUniques::afficher<Fenetre>()->charger(chemin, etude);
        },
        *lu.valeur);
}

void FrmPrincipale::SiteInternet_Click()
{
    FenetresUniques::afficher<FrmInternet>();
}

void FrmPrincipale::Apropos_Click()
{
    FenetresUniques::afficher<frmAbout>();
}
