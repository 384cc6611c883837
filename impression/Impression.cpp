#include "Impression.h"

#include "PagePeinte.h"
#include "Produit.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#ifdef SALVANOR_CUPS
#include <QLibrary>
#include <cups/cups.h>
#endif

namespace {

#ifdef SALVANOR_CUPS
// libcups is loaded at the first printout, as Qt's own print plugin does: linked in, it would
// bring its thirty libraries into every start of the program.
struct Cups
{
    decltype(&::cupsPrintFile) printFile = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;

    static const Cups &bibliotheque()
    {
        static const Cups cups = [] {
            QLibrary lib(QStringLiteral("cups"), 2);
            return Cups { reinterpret_cast<decltype(&::cupsPrintFile)>(
                              lib.resolve("cupsPrintFile")),
                reinterpret_cast<decltype(&::cupsLastErrorString)>(
                    lib.resolve("cupsLastErrorString")) };
        }();
        return cups;
    }
};
#endif

QString pasImprime(const QString &raison)
{
    return QStringLiteral("Le résultat n'a pas été imprimé : %1.").arg(raison);
}

} // namespace

namespace Impression {

QString imprimer(const std::function<void(Imprimante &)> &dessiner)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return pasImprime(QStringLiteral("aucune imprimante n'est installée"));
    const QString nom = info.printerName();
    // A stopped queue would hold the job without printing it.
    if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted)
        return pasImprime(QStringLiteral("l'imprimante « %1 » est arrêtée").arg(nom));
    QPrinter imprimante(info, QPrinter::HighResolution);
    imprimante.setDocName(Produit::Titre);
#ifdef SALVANOR_CUPS
    // Qt's CUPS engine drops the queue's answer: the page goes as a PDF through libcups, whose
    // answer says whether the job was really accepted. The PDF keeps the queue's page layout.
    QTemporaryFile pdf;
    if (!pdf.open())
        return pasImprime(QStringLiteral("impossible de préparer la page (%1)").arg(pdf.errorString()));
    const QPageLayout miseEnPage = imprimante.pageLayout();
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(pdf.fileName());
    imprimante.setPageLayout(miseEnPage);
#endif
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return pasImprime(QStringLiteral("l'imprimante « %1 » refuse le document").arg(nom));
    PagePeinte page(peintre, imprimante);
    dessiner(page);
    if (!peintre.end() || imprimante.printerState() == QPrinter::Error
        || imprimante.printerState() == QPrinter::Aborted)
        return pasImprime(QStringLiteral("l'imprimante « %1 » a signalé une erreur").arg(nom));
#ifdef SALVANOR_CUPS
    const Cups &cups = Cups::bibliotheque();
    if (!cups.printFile || !cups.lastErrorString)
        return pasImprime(QStringLiteral("la bibliothèque d'impression CUPS est introuvable"));
    if (cups.printFile(nom.toLocal8Bit().constData(), QFile::encodeName(pdf.fileName()).constData(),
            Produit::Titre.toUtf8().constData(), 0, nullptr)
        == 0)
        return pasImprime(QStringLiteral("l'imprimante « %1 » refuse le travail (%2)")
                              .arg(nom, QString::fromLocal8Bit(cups.lastErrorString())));
#endif
    return {};
}

} // namespace Impression
