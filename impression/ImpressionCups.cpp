// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Printing through CUPS: the page is drawn as a PDF on the windows' thread; every exchange with
// the print system happens on a thread of its own, with a time limit, so that a scheduler that
// does not answer never freezes the windows.
#include "Impression.h"
#include "PagePeinte.h"
#include "Produit.h"
#include "ZoneImprimable.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTimer>
#include <atomic>
#include <cups/cups.h>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// libcups is loaded at the first printout: linked in, it would bring its thirty libraries into
// every start of the program.
#define CUPS_FONCTIONS(X)                                                                          \
    X(cupsServer)                                                                                  \
    X(ippPort)                                                                                     \
    X(cupsEncryption)                                                                              \
    X(httpConnect2)                                                                                \
    X(httpSetTimeout)                                                                              \
    X(httpClose)                                                                                   \
    X(cupsGetNamedDest)                                                                            \
    X(cupsFreeDests)                                                                               \
    X(cupsGetOption)                                                                               \
    X(cupsCopyDestInfo)                                                                            \
    X(cupsFreeDestInfo)                                                                            \
    X(cupsGetDestMediaDefault)                                                                     \
    X(cupsCreateDestJob)                                                                           \
    X(cupsStartDestDocument)                                                                       \
    X(cupsWriteRequestData)                                                                        \
    X(cupsFinishDestDocument)                                                                      \
    X(cupsCancelDestJob)                                                                           \
    X(cupsLastError)                                                                               \
    X(cupsLastErrorString)

struct Cups
{
// NOLINTNEXTLINE(bugprone-macro-parentheses): `f` names the member, it is no expression.
#define CUPS_DECLARER(f) decltype(&::f) f = nullptr;
    CUPS_FONCTIONS(CUPS_DECLARER)
    bool chargee = true;

    static const Cups &bibliotheque()
    {
        static const Cups cups = [] {
            Cups c;
            QLibrary lib(QStringLiteral("cups"), 2);
#define CUPS_RESOUDRE(f)                                                                           \
    c.f = reinterpret_cast<decltype(&::f)>(lib.resolve(#f));                                       \
    c.chargee = c.chargee && c.f;
            CUPS_FONCTIONS(CUPS_RESOUDRE)
            return c;
        }();
        return cups;
    }
};

enum class Statut { Imprime, Introuvable, Arretee, Refusee, Muette, TropPetite, Autre };

// One printout, shared by the windows' thread and the print thread.
struct Travail
{
    ~Travail()
    {
        const Cups &cups = Cups::bibliotheque();
        if (info)
            cups.cupsFreeDestInfo(info);
        if (destination)
            cups.cupsFreeDests(1, destination);
        if (http)
            cups.httpClose(http);
    }

    enum Etape { Recherche, Creation, Document };

    // Written by the windows' thread.
    QDeadlineTimer echeance { Impression::Delai };
    QByteArray pdf;
    std::optional<QSize> cadre;
    std::atomic<bool> abandonne = false;
    // How long the print thread follows a job the windows gave up on, to cancel it.
    QDeadlineTimer limite { std::chrono::minutes(10) };

    // Written by the print thread before it reports.
    http_t *http = nullptr;
    cups_dest_t *destination = nullptr;
    cups_dinfo_t *info = nullptr;
    int numero = 0;
    std::atomic<Etape> etape = Recherche;
    Statut statut = Statut::Imprime;
    QString imprimante, detail;
    QPageLayout miseEnPage { QPageSize(QPageSize::A4), QPageLayout::Portrait, {} };

    // The windows' thread waits in this loop, if it still waits.
    std::mutex verrou;
    QEventLoop *attente = nullptr;
    bool fini = false;
};

// Called by libcups whenever an exchange has waited a fifth of a second: 1 to wait on.
int patienter(http_t *, void *donnees)
{
    const Travail &t = *static_cast<const Travail *>(donnees);
    if (!t.abandonne)
        return 1;
    // The windows gave up: a job that may exist is followed until it can be cancelled.
    return t.etape != Travail::Recherche && !t.limite.hasExpired();
}

// What a failed exchange means, from libcups's last status; its own words kept for "other".
void noterEchec(const Cups &cups, Travail &t)
{
    const ipp_status_t statut = cups.cupsLastError();
    t.statut = t.abandonne                              ? Statut::Muette
        : statut == IPP_STATUS_ERROR_NOT_FOUND          ? Statut::Introuvable
        : statut == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS ? Statut::Refusee
                                                        : Statut::Autre;
    t.detail = QString::fromUtf8(cups.cupsLastErrorString());
}

// The default printer, its state and its page, which must hold the frame asked for; on the print
// thread.
void chercher(Travail &t)
{
    const Cups &cups = Cups::bibliotheque();
    if (!cups.chargee) {
        t.statut = Statut::Autre;
        t.detail = QStringLiteral("bibliothèque CUPS introuvable");
        return;
    }
    t.http = cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC,
        cups.cupsEncryption(), 1, int(std::max<qint64>(t.echeance.remainingTime(), 1)), nullptr);
    if (!t.http) {
        t.statut = Statut::Muette;
        return;
    }
    cups.httpSetTimeout(t.http, 0.2, patienter, &t);
    t.destination = cups.cupsGetNamedDest(t.http, nullptr, nullptr);
    if (!t.destination) {
        noterEchec(cups, t);
        return;
    }
    t.imprimante = QString::fromUtf8(t.destination->name);
    const auto option = [&](const char *nom) {
        return QByteArray(
            cups.cupsGetOption(nom, t.destination->num_options, t.destination->options));
    };
    // A stopped queue would hold the job without printing it.
    if (option("printer-state") == "5") {
        t.statut = Statut::Arretee;
        return;
    }
    if (option("printer-is-accepting-jobs") == "false") {
        t.statut = Statut::Refusee;
        return;
    }
    t.info = cups.cupsCopyDestInfo(t.http, t.destination);
    cups_size_t format;
    if (t.info && cups.cupsGetDestMediaDefault(t.http, t.destination, t.info, 0, &format)) {
        // Hundredths of a millimetre; the printable area is what the margins leave.
        t.miseEnPage = QPageLayout(QPageSize(QSizeF(format.width, format.length) / 100.0,
                                       QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
            QPageLayout::Portrait,
            QMarginsF(format.left, format.top, format.right, format.bottom) / 100.0,
            QPageLayout::Millimeter);
    }
    t.detail = Impression::zoneTropPetite(t.imprimante, t.miseEnPage, t.cadre);
    if (!t.detail.isEmpty())
        t.statut = Statut::TropPetite;
    if (t.abandonne)
        t.statut = Statut::Muette;
}

// The page as one job; on the print thread. A job the windows gave up on is cancelled.
void envoyer(Travail &t)
{
    const Cups &cups = Cups::bibliotheque();
    const QByteArray titre = Produit::Titre.toUtf8();
    t.etape = Travail::Creation;
    if (cups.cupsCreateDestJob(
            t.http, t.destination, t.info, &t.numero, titre.constData(), 0, nullptr)
        > IPP_STATUS_OK_EVENTS_COMPLETE) {
        noterEchec(cups, t);
        return;
    }
    if (!t.abandonne) {
        t.etape = Travail::Document;
        const bool envoye = cups.cupsStartDestDocument(t.http, t.destination, t.info, t.numero,
                                titre.constData(), CUPS_FORMAT_PDF, 0, nullptr, 1)
                == HTTP_STATUS_CONTINUE
            && cups.cupsWriteRequestData(t.http, t.pdf.constData(), size_t(t.pdf.size()))
                == HTTP_STATUS_CONTINUE
            && cups.cupsFinishDestDocument(t.http, t.destination, t.info)
                <= IPP_STATUS_OK_EVENTS_COMPLETE;
        if (!envoye)
            noterEchec(cups, t);
    }
    if (t.abandonne)
        cups.cupsCancelDestJob(t.http, t.destination, t.numero);
}

enum class Fin { Faite, Echeance, Interrompue };

// Runs `etape` on a print thread while the event loop goes on, until it reports, the time is
// up, or the program ends.
Fin attendre(const std::shared_ptr<Travail> &t, void (*etape)(Travail &))
{
    QEventLoop boucle;
    {
        const std::lock_guard garde(t->verrou);
        t->attente = &boucle;
        t->fini = false;
    }
    std::thread([t, etape] {
        etape(*t);
        const std::lock_guard garde(t->verrou);
        t->fini = true;
        if (t->attente)
            QMetaObject::invokeMethod(t->attente, &QEventLoop::quit, Qt::QueuedConnection);
    }).detach();
    bool echu = false;
    QTimer::singleShot(
        int(std::max<qint64>(t->echeance.remainingTime(), 0)), Qt::PreciseTimer, &boucle, [&] {
            echu = true;
            boucle.quit();
        });
    boucle.exec();
    const std::lock_guard garde(t->verrou);
    t->attente = nullptr;
    if (t->fini)
        return Fin::Faite;
    t->abandonne = true;
    return echu ? Fin::Echeance : Fin::Interrompue;
}

QString message(Statut statut, const Travail &t)
{
    QString raison;
    switch (statut) {
    case Statut::Imprime:
        return {};
    case Statut::Introuvable:
        raison = QStringLiteral("aucune imprimante n'est installée");
        break;
    case Statut::Arretee:
        raison = QStringLiteral("l'imprimante « %1 » est arrêtée").arg(t.imprimante);
        break;
    case Statut::Refusee:
        raison = QStringLiteral("l'imprimante « %1 » refuse les travaux").arg(t.imprimante);
        break;
    case Statut::Muette:
        raison = QStringLiteral("le serveur d'impression ne répond pas");
        break;
    case Statut::TropPetite:
        raison = t.detail;
        break;
    case Statut::Autre:
        // The print system's own words, for whoever looks after it.
        raison = QStringLiteral("le système d'impression a signalé une erreur (%1)").arg(t.detail);
        break;
    }
    return QStringLiteral("Le résultat n'a pas été imprimé : %1.").arg(raison);
}

} // namespace

namespace Impression {

QString imprimer(const std::function<void(Imprimante &)> &dessiner, std::optional<QSize> cadre)
{
    auto t = std::make_shared<Travail>();
    t->cadre = cadre;
    switch (attendre(t, chercher)) {
    case Fin::Interrompue:
        return {};
    case Fin::Echeance:
        return message(Statut::Muette, *t);
    case Fin::Faite:
        if (t->statut != Statut::Imprime)
            return message(t->statut, *t);
    }

    QBuffer tampon(&t->pdf);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(Produit::Titre);
        pdf.setCreator(Produit::Titre + QStringLiteral(" ") + Produit::Version);
        pdf.setPageLayout(t->miseEnPage);
        QPainter peintre(&pdf);
        PagePeinte page(peintre, pdf);
        dessiner(page);
    }

    switch (attendre(t, envoyer)) {
    case Fin::Interrompue:
        return {};
    case Fin::Echeance:
        // Once the page has gone out, the scheduler may still print it when it wakes.
        return message(Statut::Muette, *t)
            + (t->etape == Travail::Document
                    ? QStringLiteral(" La page pourrait toutefois sortir plus tard.")
                    : QString());
    case Fin::Faite:
        break;
    }
    return message(t->statut, *t);
}

} // namespace Impression
