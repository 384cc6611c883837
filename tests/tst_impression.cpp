#include "Banc.h"
#include "Gabarit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// The test queue's printable area, in points from the page's top-left corner; 500 twips.
constexpr qreal Gauche = 18, Haut = 30, Marge = 25;
const QString Prefixe = "Erreur | Le résultat n'a pas été imprimé : ";

struct Ligne
{
    QString texte;
    qreal gauche, haut, hauteur;
};

// The printed page as pdftotext reads it: words grouped into lines by their top edge.
QList<Ligne> lirePage(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", { "-bbox", pdf, "-" });
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression mot(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Ligne> lignes;
    for (const QRegularExpressionMatch &m : mot.globalMatch(html)) {
        const qreal haut = m.captured(2).toDouble();
        if (!lignes.isEmpty() && qAbs(lignes.last().haut - haut) < 0.5)
            lignes.last().texte += ' ' + m.captured(4);
        else
            lignes.append({ m.captured(4), m.captured(1).toDouble(), haut,
                m.captured(3).toDouble() - haut });
    }
    return lignes;
}

} // namespace

class TstImpression : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_banc = std::make_unique<Banc>(); }
    void cleanup() { m_banc.reset(); }
    void page();
    void fileHorsService_data();
    void fileHorsService();
    void sansImprimante();

private:
    bool commande(const QString &programme, const QStringList &arguments);
    QStringList travaux() const { return QDir(m_dossier.filePath("travaux")).entryList({ "*.pdf" }); }
    void imprimer(const QString &saisi);

    QTemporaryDir m_dossier;
    std::unique_ptr<Banc> m_banc;
};

void TstImpression::initTestCase()
{
    for (const char *outil : { "/usr/sbin/cupsd", "lpadmin", "pdftotext" })
        if (QStandardPaths::findExecutable(outil).isEmpty() && !QFile::exists(outil)) {
            if (qEnvironmentVariableIsSet("SALVANOR_OUTILS_EXIGES"))
                QFAIL(qPrintable(QString("%1 is missing").arg(outil)));
            QSKIP(qPrintable(QString("%1 is missing: the print system is not tested").arg(outil)));
        }
    Gabarit::preparerApplication();
    qputenv("CUPS_SERVER", QFile::encodeName(m_dossier.filePath("cups.sock")));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    QVERIFY(QProcess::execute("sh", { SALVANOR_CUPS_PRIVE, m_dossier.path(),
                                        QString::number(QCoreApplication::applicationPid()) })
        == 0);
}

bool TstImpression::commande(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

void TstImpression::imprimer(const QString &saisi)
{
    QTest::keyClicks(m_banc->saisie, saisi + "\r");
    m_banc->declencher("Imprime");
}

// The page of a result, line by line, where the layout puts it on the queue's printable area.
void TstImpression::page()
{
    imprimer("75");
    QCOMPARE(m_banc->plateforme.avertissements, QStringList());
    QVERIFY(!QApplication::overrideCursor());
    QTRY_COMPARE_WITH_TIMEOUT(travaux().size(), 1, 20000);
    const QList<Ligne> lignes = lirePage(m_dossier.filePath("travaux/" + travaux().first()));
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
    QVERIFY2(qAbs(lignes[0].haut - (Haut + Marge)) < 1, qPrintable(QString::number(lignes[0].haut)));
    // A 12 pt space, measured large for precision: line 8 starts six of them further right.
    QFont arial("Arial");
    arial.setPixelSize(1200);
    const qreal espace = QFontMetricsF(arial).horizontalAdvance(' ') / 100;
    const qreal pas = lignes[4].haut - lignes[3].haut, parPoint = lignes[0].hauteur / 12;
    for (int i = 0; i < lignes.size(); ++i) {
        QVERIFY2(qAbs(lignes[i].gauche - (Gauche + Marge + (i == 6 ? 6 * espace : 0))) < 0.6,
            qPrintable(QString("line %1 at %2 pt").arg(i).arg(lignes[i].gauche)));
        QVERIFY2(qAbs(lignes[i].hauteur / parPoint - (i == 1 ? 8 : 12)) < 0.25,
            qPrintable(QString("line %1 is %2 pt high").arg(i).arg(lignes[i].hauteur)));
    }
    // The blank fourth line takes its place: two 12 pt steps after the third rule line.
    QVERIFY(qAbs((lignes[3].haut - lignes[2].haut) - 2 * pas) < 0.5);
}

void TstImpression::fileHorsService_data()
{
    QTest::addColumn<QString>("arreter");
    QTest::addColumn<QString>("retablir");
    QTest::addColumn<QString>("raison");
    QTest::newRow("stopped") << "cupsdisable" << "cupsenable"
                             << "l'imprimante « salvanor-test » est arrêtée.";
    QTest::newRow("rejecting jobs") << "cupsreject" << "cupsaccept"
                                    << "l'imprimante « salvanor-test » refuse les travaux.";
}

// Said in French, from start to end, whatever the system's language; nothing comes out later.
void TstImpression::fileHorsService()
{
    QFETCH(QString, arreter);
    QFETCH(QString, retablir);
    QFETCH(QString, raison);
    const QStringList avant = travaux();
    QVERIFY(commande(arreter, { "salvanor-test" }));
    imprimer("250");
    QVERIFY(commande(retablir, { "salvanor-test" }));
    QCOMPARE(m_banc->plateforme.avertissements, QStringList(Prefixe + raison));
    QTest::qWait(1000);
    QCOMPARE(travaux(), avant);
}

void TstImpression::sansImprimante()
{
    QVERIFY(commande("lpadmin", { "-x", "salvanor-test" }));
    imprimer("250");
    QCOMPARE(m_banc->plateforme.avertissements,
        QStringList(Prefixe + "aucune imprimante n'est installée."));
}

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
