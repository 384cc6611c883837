// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Speed and memory of the calculator, side by side with a bare Qt window where that makes
// sense. Prints one table; run it with tools/bench.
#include "CalculDegagements.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"
#include "Lecture.h"
#include "LectureEffectif.h"
#include "Niveaux.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

double mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Demarrage
{
    double ms = 0;
    double rssKio = 0;
};

// From process start to the first exposure of its window on `plateforme`, and the peak RSS then.
Demarrage demarrer(
    const QString &plateforme, const QString &programme, const QStringList &arguments = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", plateforme);
    env.insert("QT_LOGGING_RULES", "salvanor.demarrage.debug=true");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer chrono;
    chrono.start();
    p.start(programme, arguments);
    QByteArray sortie;
    while (!sortie.contains("fenêtre exposée") && p.waitForReadyRead(10000))
        sortie += p.readAll();
    Demarrage d { chrono.nsecsElapsed() / 1e6, 0 };
    QFile statut(QString("/proc/%1/status").arg(p.processId()));
    if (statut.open(QIODevice::ReadOnly))
        for (const QByteArray &ligne : statut.readAll().split('\n'))
            if (ligne.startsWith("VmHWM:"))
                d.rssKio = ligne.mid(6).trimmed().split(' ').first().toDouble();
    p.kill();
    p.waitForFinished();
    if (!sortie.contains("fenêtre exposée"))
        qFatal("%s never showed its window", qPrintable(programme));
    return d;
}

double ouvrir(FrmPrincipale &principale, const char *entree, const char *classe)
{
    QElapsedTimer chrono;
    chrono.start();
    principale.findChild<QAction *>(entree)->trigger();
    QWidget *fenetre = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits(classe))
            fenetre = w;
    while (!fenetre->windowHandle() || !fenetre->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    const double ms = chrono.nsecsElapsed() / 1e6;
    fenetre->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

void BM_CalculDegagements(benchmark::State &etat)
{
    qint32 n = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(CalculDegagements(n));
        n = (n + 7919) % 1000000;
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(BM_CalculDegagements);

// A building of 100 levels: R+90 down to SS9, the basements deep enough for CO 39.
QList<Niveau> batiment100()
{
    QList<Niveau> niveaux;
    for (int indice = 90; indice >= -9; --indice)
        niveaux << Niveau { indice, qint64(40 + (indice * 37 + 900) % 260),
            indice < 0 ? std::optional<qint32>(1500 - 500 * indice) : std::nullopt };
    return niveaux;
}

void BM_CalculerNiveaux(benchmark::State &etat)
{
    const QList<Niveau> niveaux = batiment100();
    for (auto _ : etat)
        benchmark::DoNotOptimize(calculerNiveaux(niveaux));
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(BM_CalculerNiveaux);

// The same building as `--niveaux` arguments.
QStringList argumentsNiveaux()
{
    QStringList arguments { "--niveaux" };
    for (const Niveau &niveau : batiment100())
        arguments << nomNiveau(niveau.indice) + u'=' + QString::number(*niveau.effectif)
                + (niveau.profondeurMm ? u'@' + ecrireMetres(*niveau.profondeurMm) : QString());
    return arguments;
}

// 100 levels of 10 zones each, natures of every unit in turn, quantities that vary.
QList<Zone> zones1000()
{
    const QStringList codes { "M.vente", "N.assis", "N.places", "L.banc", "L.places", "W.public",
        "T.exposition", "Y.musee", "V.banc", "personnel" };
    QList<Zone> zones;
    for (int indice = 90; indice >= -9; --indice)
        for (qsizetype rang = 0; rang < codes.size(); ++rang)
            zones << Zone { indice, nature(codes[rang]),
                1000 + (indice * 37 + rang * 101 + 900) % 9000, 10 + rang };
    return zones;
}

void BM_CalculerEffectif(benchmark::State &etat)
{
    const EntreeEffectif entree { zones1000(), false, false };
    for (auto _ : etat)
        benchmark::DoNotOptimize(calculerEffectif(entree));
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(BM_CalculerEffectif);

QStringList argumentsEffectif()
{
    QStringList arguments { "--effectif" };
    for (const Zone &zone : zones1000())
        arguments << ecrireZone(zone);
    return arguments;
}

// Wall time of the command line, from process start to exit.
double commande(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    QElapsedTimer chrono;
    chrono.start();
    p.start(programme, arguments);
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        qFatal("%s %s failed", qPrintable(programme), qPrintable(arguments.first()));
    return chrono.nsecsElapsed() / 1e6;
}

class Releve : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            appelsParSeconde[r.benchmark_name()] = r.counters.at("items_per_second");
    }
    std::map<std::string, double> appelsParSeconde;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Reopened windows cannot be raised offscreen; the platform says so every time.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    Gabarit::preparerApplication();
    const QString dossier = QCoreApplication::applicationDirPath();
    const int tours = qEnvironmentVariableIntValue("SALVANOR_TOURS") > 0
        ? qEnvironmentVariableIntValue("SALVANOR_TOURS")
        : 21;

    // Start-up and memory on each platform, the three programs taking turns: SalvaNOR, a bare
    // window, and the bare window with one line of text (the toolkit's floor). Under an X
    // server (tools/bench starts Xvfb) the xcb platform too.
    QStringList plateformes { "offscreen" };
    if (qEnvironmentVariableIsSet("DISPLAY"))
        plateformes << "xcb";
    const QString nous = dossier + "/salvanor-degagements", nue = dossier + "/fenetre_nue";
    QList<std::array<Demarrage, 3>> demarrages;
    for (const QString &plateforme : plateformes) {
        const auto trois = [&] {
            return std::array { demarrer(plateforme, nous), demarrer(plateforme, nue),
                demarrer(plateforme, nue, { "--texte" }) };
        };
        trois(); // warm the caches
        std::array<std::vector<double>, 6> v;
        for (int i = 0; i < tours; ++i) {
            const auto d = trois();
            for (int k = 0; k < 3; ++k)
                v[k].push_back(d[k].ms), v[3 + k].push_back(d[k].rssKio);
        }
        std::array<Demarrage, 3> medianes;
        for (int k = 0; k < 3; ++k)
            medianes[k] = { mediane(v[k]), mediane(v[3 + k]) };
        demarrages << medianes;
    }

    // A calculation as the user does it: type a count, press Enter.
    FrmPrincipale principale;
    principale.show();
    if (!QTest::qWaitForWindowExposed(&principale))
        qFatal("main window not exposed");
    auto *saisie = principale.findChild<QLineEdit *>("Text1");
    std::vector<double> calcul, frappe, entree;
    for (int i = 0; i < 10000; ++i) {
        const QString nombre = QString::number(1 + (i * 7919) % 999999);
        QElapsedTimer chrono;
        chrono.start();
        QTest::keyClicks(saisie, nombre);
        const qint64 tape = chrono.nsecsElapsed();
        QTest::keyClick(saisie, Qt::Key_Return);
        const qint64 total = chrono.nsecsElapsed();
        calcul.push_back(total / 1e3);
        frappe.push_back(tape / 1e3);
        entree.push_back((total - tape) / 1e3);
    }

    // The toolkit's floor for the typing: the same keys into a bare line edit.
    QLineEdit boiteNue;
    boiteNue.setMaxLength(6);
    boiteNue.show();
    std::vector<double> frappeNue;
    for (int i = 0; i < 10000; ++i) {
        const QString nombre = QString::number(1 + (i * 7919) % 999999);
        QElapsedTimer chrono;
        chrono.start();
        QTest::keyClicks(&boiteNue, nombre);
        frappeNue.push_back(chrono.nsecsElapsed() / 1e3);
        boiteNue.clear();
    }
    boiteNue.hide();

    std::vector<double> aPropos, article, fenetreNiveaux, fenetreEffectif;
    for (int i = 0; i < 200; ++i) {
        aPropos.push_back(ouvrir(principale, "Apropos", "frmAbout"));
        article.push_back(ouvrir(principale, "Article", "FrmCO38"));
        fenetreNiveaux.push_back(ouvrir(principale, "Niveaux", "FenetreNiveaux"));
        fenetreEffectif.push_back(ouvrir(principale, "Effectif", "FenetreEffectif"));
    }

    const QStringList niveaux = argumentsNiveaux();
    commande(nous, niveaux); // warm the caches
    std::vector<double> ligneDeCommande;
    for (int i = 0; i < tours; ++i)
        ligneDeCommande.push_back(commande(nous, niveaux));
    const QStringList zones = argumentsEffectif();
    commande(nous, zones);
    std::vector<double> commandeEffectif;
    for (int i = 0; i < tours; ++i)
        commandeEffectif.push_back(commande(nous, zones));

    benchmark::Initialize(&argc, argv);
    Releve releve;
    benchmark::RunSpecifiedBenchmarks(&releve);

    std::printf("\n| Measure | SalvaNOR | Bare Qt window | Ratio | Goal |\n");
    std::printf("|---|---|---|---|---|\n");
    for (qsizetype p = 0; p < plateformes.size(); ++p) {
        const auto &[nous, nue, texte] = demarrages[p];
        const QByteArray nom = plateformes[p].toUtf8();
        const char *plateforme = nom.constData();
        std::printf(
            "| %s: start-up to window exposed, median of %d | %.1f ms | %.1f ms | %.2f | |\n",
            plateforme, tours, nous.ms, nue.ms, nous.ms / nue.ms);
        std::printf("| %s: peak RSS at that moment | %.1f MiB | %.1f MiB | %.2f | |\n", plateforme,
            nous.rssKio / 1024, nue.rssKio / 1024, nous.rssKio / nue.rssKio);
        std::printf("| %s: the toolkit's floor, the bare window with one line of text | %.1f ms, "
                    "%.1f MiB | | | |\n",
            plateforme, texte.ms, texte.rssKio / 1024);
        std::printf("| %s: SalvaNOR against that floor (time, memory) | | | %.2f, %.2f | <= 1.10, "
                    "<= 1.05 |\n",
            plateforme, nous.ms / texte.ms, nous.rssKio / texte.rssKio);
    }
    std::printf("| Type a count and press Enter, median of 10000 | %.1f us | | | < 50 us |\n",
        mediane(calcul));
    std::printf("| - of which typing the count (key events into the box) | %.1f us | | | |\n",
        mediane(frappe));
    std::printf("| - the same keys into a bare QLineEdit (the toolkit's floor) | %.1f us | | | |\n",
        mediane(frappeNue));
    std::printf(
        "| - of which Enter until the four lines are shown | %.1f us | | | |\n", mediane(entree));
    std::printf("| Open the About window to exposed, median of 200 | %.2f ms | | | < 30 ms |\n",
        mediane(aPropos));
    std::printf("| Open the Article window to exposed, median of 200 | %.2f ms | | | < 30 ms |\n",
        mediane(article));
    std::printf("| Open the levels window to exposed, median of 200 | %.2f ms | | | < 30 ms |\n",
        mediane(fenetreNiveaux));
    std::printf(
        "| Open « Effectif et catégorie » to exposed, median of 200 | %.2f ms | | | < 30 ms |\n",
        mediane(fenetreEffectif));
    std::printf("| CalculDegagements alone | %.2f M calls/s | | | |\n",
        releve.appelsParSeconde["BM_CalculDegagements"] / 1e6);
    std::printf("| `--niveaux`, 100 levels, process start to exit, median of %d | %.1f ms | | | "
                "< 50 ms |\n",
        tours, mediane(ligneDeCommande));
    std::printf("| calculerNiveaux, 100 levels | %.1f us | | | < 1 ms |\n",
        1e6 / releve.appelsParSeconde["BM_CalculerNiveaux"]);
    std::printf("| `--effectif`, 100 levels of 10 zones, process start to exit, median of %d | "
                "%.1f ms | | | < 50 ms |\n",
        tours, mediane(commandeEffectif));
    std::printf("| calculerEffectif, 100 levels of 10 zones | %.1f us | | | < 1 ms |\n",
        1e6 / releve.appelsParSeconde["BM_CalculerEffectif"]);
    return 0;
}
