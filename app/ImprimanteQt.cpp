#include "Imprimante.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#ifdef SALVANOR_CUPS
#include <QLibrary>
#include <cups/cups.h>
#endif

namespace {

constexpr qreal TwipsParPouce = 1440.0;

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

// The layer over QPainter. Where CUPS is available the page is rendered to a PDF and
// submitted with libcups, whose answer says whether the job was really accepted; Qt's own
// CUPS engine drops that answer.
class ImprimanteQt : public Imprimante
{
public:
    explicit ImprimanteQt(const QPrinterInfo &info)
        : m_imprimante(info, QPrinter::HighResolution)
        , m_nom(info.printerName())
    {
        m_imprimante.setDocName(QStringLiteral("SalvaNOR - Dégagements"));
    }

    bool commencer()
    {
#ifdef SALVANOR_CUPS
        if (!m_pdf.open()) {
            m_erreur
                = QStringLiteral("impossible de préparer la page (%1)").arg(m_pdf.errorString());
            return false;
        }
        // The PDF keeps the queue's own page size and printable area.
        const QPageLayout miseEnPage = m_imprimante.pageLayout();
        m_imprimante.setOutputFormat(QPrinter::PdfFormat);
        m_imprimante.setOutputFileName(m_pdf.fileName());
        m_imprimante.setPageLayout(miseEnPage);
#endif
        if (!m_peintre.begin(&m_imprimante)) {
            m_erreur = QStringLiteral("l'imprimante « %1 » refuse le document").arg(m_nom);
            return false;
        }
        m_police.setStyleStrategy(QFont::PreferOutline);
        return true;
    }

    void setFontName(const QString &nom) override
    {
        m_police.setFamily(nom);
    }
    void setFontSize(qreal points) override
    {
        m_police.setPointSizeF(points);
    }
    void setCurrentX(int twips) override
    {
        m_x = versPoints(twips);
    }
    void setCurrentY(int twips) override
    {
        m_y = versPoints(twips);
    }

    void print(const QString &ligne) override
    {
        m_peintre.setFont(m_police);
        const QFontMetricsF mesures(m_police, &m_imprimante);
        m_peintre.drawText(QPointF(m_x, m_y + mesures.ascent()), ligne);
        m_x = 0;
        m_y += mesures.lineSpacing();
    }

    bool endDoc() override
    {
        if (!m_peintre.end() || m_imprimante.printerState() == QPrinter::Error
            || m_imprimante.printerState() == QPrinter::Aborted) {
            m_erreur = QStringLiteral("l'imprimante « %1 » a signalé une erreur").arg(m_nom);
            return false;
        }
#ifdef SALVANOR_CUPS
        const Cups &cups = Cups::bibliotheque();
        if (!cups.printFile || !cups.lastErrorString) {
            m_erreur = QStringLiteral("la bibliothèque d'impression CUPS est introuvable");
            return false;
        }
        const QByteArray nom = m_nom.toLocal8Bit();
        if (cups.printFile(nom.constData(), QFile::encodeName(m_pdf.fileName()).constData(),
                "SalvaNOR - Dégagements", 0, nullptr)
            == 0) {
            m_erreur = QStringLiteral("l'imprimante « %1 » refuse le travail (%2)")
                           .arg(m_nom, QString::fromLocal8Bit(cups.lastErrorString()));
            return false;
        }
#endif
        return true;
    }

    QString erreur() const override
    {
        return m_erreur;
    }

private:
    qreal versPoints(int twips) const
    {
        return twips * m_imprimante.resolution() / TwipsParPouce;
    }

    QPrinter m_imprimante;
    QString m_nom;
    QPainter m_peintre;
    QFont m_police;
    qreal m_x = 0;
    qreal m_y = 0;
    QString m_erreur;
#ifdef SALVANOR_CUPS
    QTemporaryFile m_pdf;
#endif
};

} // namespace

std::unique_ptr<Imprimante> imprimanteParDefaut(QString &erreur)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        erreur = QStringLiteral("aucune imprimante n'est installée");
        return nullptr;
    }
    // A stopped queue would hold the job without printing it.
    if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted) {
        erreur = QStringLiteral("l'imprimante « %1 » est arrêtée").arg(info.printerName());
        return nullptr;
    }
    auto imprimante = std::make_unique<ImprimanteQt>(info);
    if (!imprimante->commencer()) {
        erreur = imprimante->erreur();
        return nullptr;
    }
    return imprimante;
}
