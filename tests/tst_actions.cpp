// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes, read two at a time as user actions on the real windows; after each, the box
// and the result still hold what a person relies on, the result judged by the article's rule.
#include "Banc.h"
#include "Gabarit.h"
#include "SelonArticle.h"

namespace {

Banc *banc = nullptr;

// The first byte chooses the kind of action (an entry of `actions`) and where: the box, or a
// window shown; the second its details.
void agir(quint8 choix, quint8 detail)
{
    static const char *const Entrees[] = { "Imprime", "Article", "SiteInternet", "Apropos" };
    static const Qt::Key Touches[] = { Qt::Key_Home, Qt::Key_Left, Qt::Key_Delete, Qt::Key_Tab,
        Qt::Key_Return, Qt::Key_Escape, Qt::Key_F1, Qt::Key_V };
    QWidgetList fenetres = QApplication::topLevelWidgets();
    fenetres.removeIf(
        [](QWidget *widget) { return !widget->isVisible() || widget->inherits("QMenu"); });
    QWidget *fenetre = fenetres.isEmpty() ? &banc->principale : fenetres[detail % fenetres.size()];
    QWidget *cible = choix & 8 ? banc->saisie : fenetre;
    // What a click reaches: buttons, the box, labels and pictures, not the menu bar's own popups.
    QWidgetList cliquables = fenetre->findChildren<QWidget *>();
    cliquables.removeIf([](QWidget *widget) {
        return widget->inherits("QToolButton") || widget->inherits("QMenuBar");
    });
    const Qt::KeyboardModifiers avecCtrl = detail & 8 ? Qt::ControlModifier : Qt::NoModifier;
    const QString copie = QString::number(detail * 4099) + (detail % 3 ? "" : "x");
    auto *entree = banc->principale.findChild<QAction *>(Entrees[detail % std::size(Entrees)]);
    const std::function<void()> actions[] = {
        [&] { QTest::keyClick(cible, "0123456789a -"[detail % 13]); },
        [&] { QTest::keyClick(cible, Touches[detail % std::size(Touches)], avecCtrl); },
        [&] { QApplication::clipboard()->setText(copie); },
        [&] { banc->saisie->paste(); },
        [&] { entree->trigger(); },
        [&] { QTest::mouseClick(cliquables.value(detail % 16, fenetre), Qt::LeftButton); },
        [&] {
            if (fenetre != &banc->principale)
                fenetre->close();
        },
    };
    actions[choix % std::size(actions)]();
}

void verifier()
{
    if (!QRegularExpression("^\\d{0,6}$").match(banc->saisie->text()).hasMatch())
        qFatal("broken: the box holds up to six digits");
    const QStringList lignes = banc->lignes();
    const LignesResultat attendu = selonArticle(lignes[0].section(' ', 1, 1).toLongLong());
    if (!lignes.join("").isEmpty() && lignes != QStringList(attendu.begin(), attendu.end()))
        qFatal("broken: the lines follow the article");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    banc->plateforme.avertissements.clear();
    banc->plateforme.lancements.clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); // a printout fails at once, with a warning
    // The offscreen platform's complaint at each window brought forward would drown the log.
    qputenv("QT_LOGGING_RULES", "*=false");
    new QApplication(*argc, *argv); // lives as long as the process
    Gabarit::preparerApplication();
    banc = new Banc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *octets, size_t taille)
{
    for (size_t octet = 0; octet + 1 < taille; octet += 2) {
        agir(octets[octet], octets[octet + 1]);
        verifier();
    }
    return 0;
}
