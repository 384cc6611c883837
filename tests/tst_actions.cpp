// Sequences of user actions, decoded from bytes, on the real windows; after each action, what
// a person relies on still holds. libFuzzer drives it in the clang sanitizer build; elsewhere
// its own main plays random sequences (SALVANOR_GRAINE replays one run).
#include "Banc.h"
#include "Gabarit.h"
#include "SelonArticle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>

namespace {

Banc *banc = nullptr;

void exiger(bool condition, const char *quoi)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", quoi);
        std::abort();
    }
}

QWidget *fenetreSecondaire(quint8 choix)
{
    QList<QWidget *> ouvertes;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &banc->principale && w->isVisible() && !w->inherits("QMenu")
            && !w->inherits("QTipLabel"))
            ouvertes << w;
    return ouvertes.isEmpty() ? nullptr : ouvertes[choix % ouvertes.size()];
}

// One action: `quoi` chooses its kind, `comment` its details.
void agir(quint8 quoi, quint8 comment)
{
    static const char Tape[] = "0123456789a -\x1b\b\r";
    static const Qt::Key Touches[] = { Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right,
        Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Escape };
    static const char *const Entrees[] = { "Imprime", "Article", "SiteInternet", "Apropos" };
    switch (quoi % 10) {
    case 0:
    case 1:
    case 2:
        QTest::keyClick(banc->saisie, Tape[comment % (sizeof Tape - 1)]);
        break;
    case 3:
        if (comment % 9 == 8)
            QTest::keyClick(banc->saisie, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClick(banc->saisie, Touches[comment % 9]);
        break;
    case 4:
        QApplication::clipboard()->setText(QString::number(comment * 4099) + (comment % 3 ? "" : "x"));
        banc->saisie->paste();
        break;
    case 5:
        QTest::mouseClick(banc->calculer, Qt::LeftButton);
        break;
    case 6:
        banc->principale.findChild<QAction *>(Entrees[comment % 4])->trigger();
        break;
    case 7:
        QTest::keyClick(&banc->principale, Qt::Key_F1);
        break;
    default:
        if (QWidget *w = fenetreSecondaire(comment >> 2)) {
            if (comment % 4 == 0)
                QTest::keyClick(w, comment & 4 ? Qt::Key_Escape : Qt::Key_Return);
            else if (comment % 4 == 1)
                w->close();
            else if (auto *icone = w->findChild<QLabel *>("Image2"))
                QTest::mouseClick(icone, Qt::LeftButton);
            else
                QTest::mouseClick(w->findChild<QAbstractButton *>(), Qt::LeftButton);
        }
    }
}

void verifier()
{
    const QString saisie = banc->saisie->text();
    static const QRegularExpression chiffres("^\\d{0,6}$");
    exiger(chiffres.match(saisie).hasMatch(), "the box holds up to six digits");
    const QStringList lignes = banc->lignes();
    if (lignes != QStringList({ "", "", "", "" })) {
        static const QRegularExpression pour("^Pour (\\d+) personnes?$");
        const QRegularExpressionMatch m = pour.match(lignes[0]);
        const LignesResultat attendu = selonArticle(m.captured(1).toLongLong());
        exiger(m.hasMatch() && lignes == QStringList(attendu.begin(), attendu.end()),
            "the result lines follow the article");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char *nom : { "FrmCO38", "frmAbout", "FrmInternet" }) {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->objectName() == QLatin1String(nom);
        exiger(n <= 1, "one instance of each window");
    }
    banc->plateforme.avertissements.clear();
    banc->plateforme.lancements.clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No print system: a printout fails at once, with its warning.
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    new QApplication(*argc, *argv); // lives as long as the process
    // The offscreen platform cannot raise windows and says so at every reopening.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg || !message.contains(QLatin1String("raise()")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    Gabarit::preparerApplication();
    banc = new Banc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    for (size_t i = 0; i + 1 < taille; i += 2) {
        agir(donnees[i], donnees[i + 1]);
        verifier();
    }
    return 0;
}

#ifndef SALVANOR_LIBFUZZER
int main(int argc, char *argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    bool ok = false;
    quint32 graine = qEnvironmentVariable("SALVANOR_GRAINE").toUInt(&ok);
    if (!ok)
        graine = QRandomGenerator::global()->generate();
    QRandomGenerator hasard(graine);
    for (int sequence = 0; sequence < 200; ++sequence) {
        QByteArray octets(200, '\0');
        hasard.fillRange(reinterpret_cast<quint32 *>(octets.data()), octets.size() / 4);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(octets.constData()), 200);
    }
    std::printf("20000 actions, seed %u (SALVANOR_GRAINE=%u replays them): every invariant held\n",
        graine, graine);
    return 0;
}
#endif
