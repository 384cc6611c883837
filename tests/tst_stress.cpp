#include "CalculDegagements.h"
#include "Enregistreur.h"
#include "FrmPrincipale.h"
#include "Gabarit.h"
#include "ImprimanteEnregistreuse.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// A long random run of user events over the real windows; after each one the program's
// invariants must hold. SALVANOR_GRAINE replays a run, SALVANOR_EVENEMENTS sets its length.
class TstStress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void evenementsAleatoires();

private:
    QString texteAleatoire(int longueurMax);
    QWidget *fenetreSecondaire();
    void evenement();
    bool invariants(QString &erreur);

    QRandomGenerator m_hasard;
    FrmPrincipale *m_principale = nullptr;
    QLineEdit *m_saisie = nullptr;
};

namespace {
QtMessageHandler gestionnaireQt = nullptr;
} // namespace

void TstStress::initTestCase()
{
    Gabarit::preparerApplication();
    // The offscreen platform cannot raise windows and says so at every reopening: keep the
    // log readable (and under Qt Test's cap) for the messages that matter.
    gestionnaireQt = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &contexte, const QString &message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                gestionnaireQt(type, contexte, message);
        });
}

QString TstStress::texteAleatoire(int longueurMax)
{
    static const QString Alphabet = "0123456789000aZ -+.,;:\t\r\n\x1b\x03\x16é€٣１";
    QString t;
    const int n = m_hasard.bounded(longueurMax + 1);
    for (int i = 0; i < n; ++i)
        t += Alphabet[m_hasard.bounded(int(Alphabet.size()))];
    return t;
}

QWidget *TstStress::fenetreSecondaire()
{
    QList<QWidget *> ouvertes;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != m_principale && w->isVisible() && !w->inherits("QMenu"))
            ouvertes << w;
    return ouvertes.isEmpty() ? nullptr : ouvertes[m_hasard.bounded(int(ouvertes.size()))];
}

void TstStress::evenement()
{
    static const char *const Entrees[] = { "Imprime", "Article", "SiteInternet", "Apropos" };
    static const Qt::Key Touches[] = { Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
        Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::Key_Escape };
    switch (m_hasard.bounded(12)) {
    case 0:
    case 1:
    case 2: { // a typed character, mostly digits
        const QString c = m_hasard.bounded(3) ? QString(QChar('0' + m_hasard.bounded(10)))
                                              : texteAleatoire(1).left(1);
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(m_saisie, &appui);
        break;
    }
    case 3:
        QTest::keyClick(m_saisie, Touches[m_hasard.bounded(int(std::size(Touches)))]);
        break;
    case 4:
        QApplication::clipboard()->setText(texteAleatoire(9));
        m_saisie->paste();
        break;
    case 5:
        QTest::keyClick(m_saisie, m_hasard.bounded(2) ? Qt::Key_V : Qt::Key_C, Qt::ControlModifier);
        break;
    case 6:
        QTest::keyClick(m_saisie, Qt::Key_Return);
        break;
    case 7:
        QTest::mouseClick(
            m_principale->findChild<QAbstractButton *>("CmdCalculer"), Qt::LeftButton);
        break;
    case 8:
        m_principale->findChild<QAction *>(Entrees[m_hasard.bounded(4)])->trigger();
        break;
    case 9:
        QTest::keyClick(m_principale, Qt::Key_F1);
        break;
    case 10:
    case 11:
        if (QWidget *w = fenetreSecondaire()) {
            switch (m_hasard.bounded(5)) {
            case 0:
                QTest::keyClick(w, Qt::Key_Return);
                break;
            case 1:
                QTest::keyClick(w, Qt::Key_Escape);
                break;
            case 2:
                w->close();
                break;
            case 3:
                if (auto *icone = w->findChild<QLabel *>("Image2"))
                    QTest::mouseClick(icone, Qt::LeftButton);
                break;
            default:
                if (auto *b = w->findChild<QAbstractButton *>())
                    QTest::mouseClick(b, Qt::LeftButton);
            }
        }
        break;
    }
}

bool TstStress::invariants(QString &erreur)
{
    const QString saisie = m_saisie->text();
    if (saisie.size() > 6 || !QueDesChiffres(saisie)) {
        erreur = "box holds " + saisie;
        return false;
    }
    QStringList lignes;
    for (const char *nom : { "Label2", "Label3", "Label4", "Label5" })
        lignes << m_principale->findChild<QLabel *>(nom)->text();
    if (lignes != QStringList({ "", "", "", "" })) {
        static const QRegularExpression pour("^Pour (\\d+) personnes?$");
        const QRegularExpressionMatch m = pour.match(lignes[0]);
        const LignesResultat attendu = CalculDegagements(m.captured(1).toInt());
        if (!m.hasMatch() || lignes != QStringList(attendu.begin(), attendu.end())) {
            erreur = "labels hold " + lignes.join(" | ");
            return false;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char *classe : { "FrmCO38", "frmAbout", "FrmInternet" }) {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->inherits(classe);
        if (n > 1) {
            erreur = QString("%1 instances of %2").arg(n).arg(classe);
            return false;
        }
    }
    return true;
}

void TstStress::evenementsAleatoires()
{
    bool ok = false;
    quint32 graine = qEnvironmentVariable("SALVANOR_GRAINE").toUInt(&ok);
    if (!ok)
        graine = QRandomGenerator::global()->generate();
    int total = qEnvironmentVariableIntValue("SALVANOR_EVENEMENTS", &ok);
    if (!ok)
        total = 20000;
    qInfo("seed %u (replay with SALVANOR_GRAINE=%u), %d events", graine, graine, total);
    m_hasard.seed(graine);

    Enregistreur plateforme;
    plateforme.avertissementsEnregistres = true;
    plateforme.lancementsEnregistres = true;
    FrmPrincipale principale;
    m_principale = &principale;
    m_saisie = principale.findChild<QLineEdit *>("Text1");
    QStringList pages;
    int impressions = 0;
    principale.setFabriqueImprimante([&](QString &) {
        ++impressions;
        pages.clear();
        return std::make_unique<ImprimanteEnregistreuse>(pages);
    });
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));

    for (int i = 0; i < total; ++i) {
        evenement();
        QString erreur;
        if (!invariants(erreur))
            QFAIL(qPrintable(QString("event %1, seed %2: %3").arg(i).arg(graine).arg(erreur)));
    }
    qInfo("%d printouts, %d warnings, %d beeps, %d browser starts", impressions,
        int(plateforme.avertissements.size()), plateforme.bips, int(plateforme.lancements.size()));
    QVERIFY(impressions > 0);
    QVERIFY(plateforme.bips > 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &principale)
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TstStress)
#include "tst_stress.moc"
