// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// libFuzzer's bytes, read two at a time as user actions on the real windows; after each, the box
// and the result still hold what a person relies on, the result judged by the article's rule.
#include "Banc.h"
#include "Gabarit.h"
#include "SelonArticle.h"

#include <cstdio>

namespace {

Banc *banc = nullptr;
void exiger(bool tenu, const char *promesse)
{
    if (!tenu)
        qFatal("broken: %s", promesse);
}

// The first byte chooses the kind of action (an entry of `actions`) and where, the second its
// details.
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
    const std::function<void()> actions[] = {
        [&] { QTest::keyClick(cible, "0123456789a -"[detail % 13]); },
        [&] {
            QTest::keyClick(cible, Touches[detail % std::size(Touches)],
                detail & 8 ? Qt::ControlModifier : Qt::NoModifier);
        },
        [&] {
            QApplication::clipboard()->setText(
                QString::number(detail * 4099) + (detail % 3 ? "" : "x"));
        },
        [&] { banc->saisie->paste(); },
        [&] {
            banc->principale.findChild<QAction *>(Entrees[detail % std::size(Entrees)])->trigger();
        },
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
    exiger(QRegularExpression("^\\d{0,6}$").match(banc->saisie->text()).hasMatch(),
        "the box holds up to six digits");
    const QStringList lignes = banc->lignes();
    const LignesResultat attendu = selonArticle(lignes[0].section(' ', 1, 1).toLongLong());
    exiger(lignes.join("").isEmpty() || lignes == QStringList(attendu.begin(), attendu.end()),
        "the lines follow the article");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    banc->plateforme.avertissements.clear();
    banc->plateforme.lancements.clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); // a printout fails at once, with a warning
    new QApplication(*argc, *argv); // lives as long as the process
    // The offscreen platform's complaint at each window brought forward would drown the log.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
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
