// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "FenetreEtude.h"

#include "Document.h"
#include "Gabarit.h"
#include "Impression.h"
#include "Plateforme.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>

namespace {

const QString FiltreEtudes = QStringLiteral("Études SalvaNOR (*.salvanor)");
const QString FiltrePdf = QStringLiteral("Documents PDF (*.pdf)");

// The path chosen, with the extension added when the person typed none.
QString avecExtension(const QString &chemin, const QString &extension)
{
    if (chemin.isEmpty() || QFileInfo(chemin).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return chemin;
    return chemin + u'.' + extension;
}

} // namespace

FenetreEtude::FenetreEtude(const char *nom, const QString &titre)
    : QWidget(nullptr, Qt::Window)
    , m_titre(titre)
{
    Gabarit::preparerFenetre(this, nom, titre);
}

void FenetreEtude::charger(const QString &chemin, const Etude &etude)
{
    afficherEtude(etude);
    m_chemin = chemin;
    m_enregistree = this->etude();
    mettreTitre();
}

void FenetreEtude::nouvelle(const Etude &etude)
{
    charger({}, etude);
    // Compared with an empty study of its kind, it is marked as not saved.
    m_enregistree = std::visit(
        [](const auto &outil) { return Etude(std::decay_t<decltype(outil)> {}); }, etude);
    etudeModifiee();
}

bool FenetreEtude::ouvrirFichier(const QString &chemin)
{
    const Lu<Etude> lu = FichierEtude::ouvrir(chemin);
    QString refus = lu.erreur;
    if (lu && lu.valeur->index() != etude().index())
        refus = QStringLiteral("« %1 » n'est pas une étude « %2 ».")
                    .arg(QFileInfo(chemin).fileName(), m_titre);
    if (!refus.isEmpty()) {
        Plateforme::courante().avertir(this, m_titre, refus);
        return false;
    }
    charger(chemin, *lu.valeur);
    return true;
}

bool FenetreEtude::peutAbandonner()
{
    if (!isWindowModified())
        return true;
    switch (Plateforme::courante().demander(
        this, m_titre, QStringLiteral("Enregistrer les modifications ?"))) {
    case Plateforme::Reponse::Oui:
        return enregistrer();
    case Plateforme::Reponse::Non:
        return true;
    case Plateforme::Reponse::Annuler:
        break;
    }
    return false;
}

bool FenetreEtude::toutesPeuventAbandonner()
{
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (auto *ouverte = qobject_cast<FenetreEtude *>(fenetre);
            ouverte && ouverte->isVisible() && !ouverte->peutAbandonner())
            return false;
    return true;
}

void FenetreEtude::ouvrir()
{
    if (!peutAbandonner())
        return;
    const QString chemin = Plateforme::courante().fichierAOuvrir(
        this, QStringLiteral("Ouvrir une étude"), FiltreEtudes);
    if (!chemin.isEmpty())
        ouvrirFichier(chemin);
}

bool FenetreEtude::enregistrer()
{
    return m_chemin.isEmpty() ? enregistrerSous() : enregistrerDans(m_chemin);
}

bool FenetreEtude::enregistrerSous()
{
    const QString chemin = choisirFichier(QStringLiteral("Enregistrer l'étude"), m_chemin,
        FiltreEtudes, QLatin1String(FichierEtude::Extension));
    return !chemin.isEmpty() && enregistrerDans(chemin);
}

void FenetreEtude::imprimer()
{
    const auto dessiner = pages();
    // The print system may take its time: the windows stay alive meanwhile, but one printout
    // at a time; this one may even be closed before the print system answers.
    const QPointer<FenetreEtude> fenetre(this);
    const QString titre = m_titre;
    m_imprimer->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString echec = Impression::imprimer(dessiner, Document::Cadre);
    QApplication::restoreOverrideCursor();
    // Closed meanwhile, the window is gone: the event loop ran while the print system answered.
    // cppcheck-suppress knownConditionTrueFalse
    if (fenetre)
        m_imprimer->setEnabled(true);
    if (!echec.isEmpty())
        Plateforme::courante().avertir(fenetre, titre, echec);
}

void FenetreEtude::exporterPdf()
{
    // Beside the study and named after it, when it has a file.
    const QFileInfo fichierEtude(m_chemin);
    const QString propose = m_chemin.isEmpty()
        ? QString()
        : fichierEtude.dir().filePath(fichierEtude.completeBaseName() + QStringLiteral(".pdf"));
    const QString chemin = choisirFichier(
        QStringLiteral("Exporter en PDF"), propose, FiltrePdf, QStringLiteral("pdf"));
    if (chemin.isEmpty())
        return;
    const QString echec = Impression::exporterPdf(chemin, pages());
    if (!echec.isEmpty())
        Plateforme::courante().avertir(this, m_titre, echec);
}

void FenetreEtude::etudeModifiee()
{
    setWindowModified(etude() != m_enregistree);
}

QHBoxLayout *FenetreEtude::creerCommandes()
{
    auto *rangee = new QHBoxLayout;
    connect(commande("Ouvrir", QStringLiteral("&Ouvrir…"), QKeySequence::Open,
                QStringLiteral("Ouvre une étude enregistrée"), rangee),
        &QAction::triggered, this, &FenetreEtude::ouvrir);
    connect(commande("Enregistrer", QStringLiteral("&Enregistrer"), QKeySequence::Save,
                QStringLiteral("Enregistre l'étude dans son fichier, ou demande lequel la première "
                               "fois"),
                rangee),
        &QAction::triggered, this, &FenetreEtude::enregistrer);
    connect(commande("EnregistrerSous", QStringLiteral("Enre&gistrer sous…"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                QStringLiteral("Enregistre l'étude dans un autre fichier"), rangee),
        &QAction::triggered, this, &FenetreEtude::enregistrerSous);
    connect(commande("ExporterPdf", QStringLiteral("E&xporter en PDF…"), {},
                QStringLiteral("Écrit les pages de l'étude dans un document PDF"), rangee),
        &QAction::triggered, this, &FenetreEtude::exporterPdf);
    m_imprimer = commande("Imprimer", QStringLiteral("&Imprimer"), QKeySequence::Print,
        QStringLiteral("Imprime l'étude sur l'imprimante par défaut"), rangee);
    connect(m_imprimer, &QAction::triggered, this, &FenetreEtude::imprimer);
    rangee->addStretch();
    QPushButton *fermer
        = bouton("Fermer", QStringLiteral("&Fermer"), QStringLiteral("Ferme la fenêtre"));
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    rangee->addWidget(fermer);
    return rangee;
}

QPushButton *FenetreEtude::bouton(const char *nom, const QString &texte, const QString &description)
{
    // Without a parent until a layout places it: the tab order is the layout's.
    auto *b = new QPushButton(texte);
    b->setObjectName(QLatin1String(nom));
    b->setAccessibleName(QString(texte).remove(u'&'));
    b->setAccessibleDescription(description);
    b->setToolTip(description);
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    return b;
}

void FenetreEtude::closeEvent(QCloseEvent *evenement)
{
    if (peutAbandonner())
        evenement->accept();
    else
        evenement->ignore();
}

// A command is an action, for its shortcut, and a button that triggers it and follows its state.
QAction *FenetreEtude::commande(const char *nom, const QString &texte,
    const QKeySequence &raccourci, const QString &description, QHBoxLayout *rangee)
{
    auto *action = new QAction(texte, this);
    action->setObjectName(QLatin1String(nom));
    action->setShortcut(raccourci);
    addAction(action);
    const QString bulle = raccourci.isEmpty()
        ? description
        : description + QStringLiteral(" (") + raccourci.toString(QKeySequence::NativeText) + u')';
    QPushButton *b = bouton(nom, texte, description);
    b->setToolTip(bulle);
    connect(b, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    rangee->addWidget(b);
    return action;
}

QString FenetreEtude::choisirFichier(
    const QString &titre, const QString &propose, const QString &filtre, const QString &extension)
{
    return avecExtension(
        Plateforme::courante().fichierAEnregistrer(this, titre, propose, filtre), extension);
}

bool FenetreEtude::enregistrerDans(const QString &chemin)
{
    const Etude saisie = etude();
    const QString echec = FichierEtude::enregistrer(chemin, saisie);
    if (!echec.isEmpty()) {
        Plateforme::courante().avertir(this, m_titre, echec);
        return false;
    }
    m_chemin = chemin;
    m_enregistree = saisie;
    mettreTitre();
    return true;
}

void FenetreEtude::mettreTitre()
{
    const QString fichier
        = m_chemin.isEmpty() ? QString() : QStringLiteral(" — ") + QFileInfo(m_chemin).fileName();
    setWindowTitle(m_titre + fichier + QStringLiteral("[*]"));
    setWindowModified(false);
}
