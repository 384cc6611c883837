#include "CupsPrive.h"
#include "Enregistreur.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {

const QString File = "salvanor-test";
constexpr qreal PointsParTwip = 72.0 / 1440.0;

struct Ligne
{
    QString texte;
    qreal gauche, haut, hauteur;
};

// The printed page as pdftotext reads it: words grouped into lines by their top edge.
QList<Ligne> lirePage(const QString &pdf, int *pages)
{
    QProcess p;
    p.start("pdftotext", { "-bbox", pdf, "-" });
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    *pages = int(html.count("<page "));
    static const QRegularExpression mot(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Ligne> lignes;
    for (const QRegularExpressionMatch &m : mot.globalMatch(html)) {
        const qreal x = m.captured(1).toDouble(), haut = m.captured(2).toDouble(),
                    bas = m.captured(3).toDouble();
        if (!lignes.isEmpty() && qAbs(lignes.last().haut - haut) < 0.5) {
            lignes.last().texte += ' ' + m.captured(4);
            continue;
        }
        lignes.append({ m.captured(4), x, haut, bas - haut });
    }
    return lignes;
}

} // namespace

class TstImpressionCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pageImprimee();
    void fileHorsService_data();
    void fileHorsService();
    void sansImprimante();

private:
    void imprimer(const QString &saisi);

    std::unique_ptr<CupsPrive> m_cups;
    std::unique_ptr<Enregistreur> m_plateforme;
    std::unique_ptr<FrmPrincipale> m_fenetre;
};

void TstImpressionCups::initTestCase()
{
    Gabarit::preparerApplication();
    m_cups = std::make_unique<CupsPrive>();
    QVERIFY2(m_cups->demarrer(), qPrintable(m_cups->erreur()));
    QVERIFY2(m_cups->ajouterFile(File), qPrintable(m_cups->erreur()));
    QCOMPARE(QPrinterInfo::defaultPrinterName(), File);
}

void TstImpressionCups::init()
{
    m_plateforme = std::make_unique<Enregistreur>();
    m_plateforme->avertissementsEnregistres = true;
    m_fenetre = std::make_unique<FrmPrincipale>();
}

void TstImpressionCups::cleanup()
{
    m_fenetre.reset();
    m_plateforme.reset();
}

void TstImpressionCups::imprimer(const QString &saisi)
{
    m_fenetre->findChild<QLineEdit *>("Text1")->setText(saisi);
    m_fenetre->CmdCalculer_Click();
    m_fenetre->findChild<QAction *>("Imprime")->trigger();
    QVERIFY(!QApplication::overrideCursor());
}

void TstImpressionCups::pageImprimee()
{
    imprimer("75");
    QCOMPARE(m_plateforme->avertissements.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_cups->travaux().size(), 1, 30000);

    int pages = 0;
    const QList<Ligne> lignes
        = lirePage(m_cups->dossierTravaux() + "/" + m_cups->travaux()[0], &pages);
    QCOMPARE(pages, 1);
    QStringList textes;
    for (const Ligne &l : lignes) {
        textes << l.texte;
        qInfo("%7.2f %7.2f %6.2f  %s", l.gauche, l.haut, l.hauteur, qPrintable(l.texte));
    }
    const QString filet(49, '-');
    // Line 4 is blank, so pdftotext shows eight of the nine.
    QCOMPARE(textes,
        QStringList({ filet, "SalvaNOR - Dégagements v.1.0.0", filet, "Pour 75 personnes",
            "Il faut 2 dégagements de 1 UP", "ou 1 dégagement de 2 UP et",
            "1 dégagement accessoire", filet }));

    const QPrinter imprimante(QPrinterInfo::printerInfo(File));
    const QPointF zone = imprimante.pageLayout().paintRectPoints().topLeft();
    const qreal marge = 500 * PointsParTwip;
    QVERIFY2(qAbs(lignes[0].haut - (zone.y() + marge)) < 1.0,
        qPrintable(QString("first line at %1 pt, printable area at %2 pt")
                       .arg(lignes[0].haut)
                       .arg(zone.y())));
    // Width of a 12 pt space in points, measured on a large size to keep the precision.
    QFont arial("Arial");
    arial.setPixelSize(1200);
    const qreal espace = QFontMetricsF(arial).horizontalAdvance(' ') / 100;
    for (int i = 0; i < lignes.size(); ++i) {
        const qreal attendu = zone.x() + marge + (i == 6 ? 6 * espace : 0);
        QVERIFY2(qAbs(lignes[i].gauche - attendu) < 0.6,
            qPrintable(QString("line %1 starts at %2 pt instead of %3 pt")
                           .arg(i)
                           .arg(lignes[i].gauche)
                           .arg(attendu)));
    }
    // Box height is proportional to the font size: 8 pt for the header, 12 pt elsewhere.
    const qreal parPoint = lignes[0].hauteur / 12;
    for (int i = 0; i < lignes.size(); ++i)
        QVERIFY2(qAbs(lignes[i].hauteur / parPoint - (i == 1 ? 8 : 12)) < 0.25,
            qPrintable(QString("line %1 is %2 pt high").arg(i).arg(lignes[i].hauteur)));
    // The blank fourth line still takes its place: a gap of two 12 pt lines after the rule.
    const qreal pas = lignes[4].haut - lignes[3].haut;
    QVERIFY(qAbs((lignes[3].haut - lignes[2].haut) - 2 * pas) < 0.5);
}

void TstImpressionCups::fileHorsService_data()
{
    QTest::addColumn<QString>("arreter");
    QTest::addColumn<QString>("retablir");
    QTest::newRow("queue disabled") << "cupsdisable"
                                    << "cupsenable";
    QTest::newRow("queue rejecting jobs") << "cupsreject"
                                          << "cupsaccept";
}

void TstImpressionCups::fileHorsService()
{
    QFETCH(QString, arreter);
    QFETCH(QString, retablir);
    const QStringList avant = m_cups->travaux();
    QVERIFY2(m_cups->commande(arreter, { File }), qPrintable(m_cups->erreur()));
    imprimer("250");
    QVERIFY2(m_cups->commande(retablir, { File }), qPrintable(m_cups->erreur()));

    QCOMPARE(m_plateforme->avertissements.size(), 1);
    qInfo("%s", qPrintable(m_plateforme->avertissements[0].texte));
    QCOMPARE(m_plateforme->avertissements[0].titre, QString("Erreur"));
    QVERIFY2(m_plateforme->avertissements[0].texte.startsWith(
                 "Le résultat n'a pas été imprimé : l'imprimante « salvanor-test »"),
        qPrintable(m_plateforme->avertissements[0].texte));
    // Nothing held back that would print once the queue is back.
    QTest::qWait(1500);
    QCOMPARE(m_cups->travaux(), avant);
}

void TstImpressionCups::sansImprimante()
{
    QVERIFY2(m_cups->commande("lpadmin", { "-x", File }), qPrintable(m_cups->erreur()));
    imprimer("250");
    QCOMPARE(m_plateforme->avertissements.size(), 1);
    QCOMPARE(m_plateforme->avertissements[0].texte,
        QString("Le résultat n'a pas été imprimé : aucune imprimante n'est installée."));
}

QTEST_MAIN(TstImpressionCups)
#include "tst_impression_cups.moc"
