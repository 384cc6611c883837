// libFuzzer target: any text reaching the person-count box (as a paste does), then "Calculer",
// on the real main window; and any 32-bit count straight into the rule.
#include "CalculDegagements.h"
#include "Enregistreur.h"
#include "FrmPrincipale.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct Banc
{
    Enregistreur plateforme;
    FrmPrincipale fenetre;
    QLineEdit *saisie = fenetre.findChild<QLineEdit *>("Text1");
    QStringList lignes() const
    {
        QStringList l;
        for (const char *nom : { "Label2", "Label3", "Label4", "Label5" })
            l << fenetre.findChild<QLabel *>(nom)->text();
        return l;
    }
};

Banc *banc = nullptr;

void exiger(bool condition, const char *quoi)
{
    if (!condition) {
        fprintf(stderr, "invariant broken: %s\n", quoi);
        abort();
    }
}

// The rule's output for a count is well formed: line 1 gives the count back.
void verifierRegle(qint32 n)
{
    const LignesResultat l = CalculDegagements(n);
    exiger(l[0] == QStringLiteral("Pour %1 personne%2").arg(n).arg(n == 1 ? "" : "s"), "line 1");
    exiger(l[1].startsWith(QLatin1String("Il faut ")), "line 2");
    exiger(!l[2].isEmpty(), "line 3");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv); // lives as long as the fuzzer
    banc = new Banc;
    banc->plateforme.avertissementsEnregistres = true;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    if (taille >= 4) {
        qint32 n;
        std::memcpy(&n, donnees, 4);
        verifierRegle(n);
    }

    const QString texte
        = QString::fromUtf8(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    banc->saisie->clear();
    QApplication::clipboard()->setText(texte);
    banc->saisie->paste();
    const QString accepte = banc->saisie->text();
    exiger(accepte.size() <= 6 && QueDesChiffres(accepte), "the box holds only up to 6 digits");
    exiger(accepte.isEmpty() || texte.startsWith(accepte), "the box holds what was pasted");

    banc->plateforme.avertissements.clear();
    banc->fenetre.CmdCalculer_Click();
    if (accepte.isEmpty() || accepte == QLatin1String("0")) {
        exiger(banc->plateforme.avertissements.size() == 1, "warning for an empty box or 0");
        exiger(banc->lignes() == QStringList({ "", "", "", "" }), "no result after a warning");
    } else {
        const LignesResultat attendu = CalculDegagements(accepte.toInt());
        exiger(banc->plateforme.avertissements.isEmpty(), "no warning for a count");
        exiger(banc->lignes() == QStringList(attendu.begin(), attendu.end()), "result lines");
    }
    exiger(banc->saisie->text().isEmpty(), "the box is emptied");
    return 0;
}
