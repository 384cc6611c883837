#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QTest>
#include <QtEndian>

namespace {

struct Entree
{
    int cote, bits;
};

// The directory of an icon file: size and colour depth of each image, as stored in the
// bitmap header of the image itself.
QList<Entree> repertoireIcone(const QByteArray &d)
{
    QList<Entree> r;
    if (d.size() < 6 || qFromLittleEndian<quint16>(d.constData() + 2) != 1)
        return r;
    const int n = qFromLittleEndian<quint16>(d.constData() + 4);
    for (int i = 0; i < n; ++i) {
        const char *e = d.constData() + 6 + 16 * i;
        const quint32 taille = qFromLittleEndian<quint32>(e + 8);
        const quint32 debut = qFromLittleEndian<quint32>(e + 12);
        if (debut + taille > quint32(d.size()) || taille < 40)
            return {};
        const char *bmp = d.constData() + debut;
        r.append({ qFromLittleEndian<qint32>(bmp + 4), qFromLittleEndian<quint16>(bmp + 14) });
    }
    return r;
}

} // namespace

class TstArtwork : public QObject
{
    Q_OBJECT

private slots:
    void icones_data();
    void icones();
    void logo();
    void clip();
};

void TstArtwork::icones_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QList<int>>("cotes");
    QTest::addColumn<QList<int>>("bits");
    QTest::newRow("application icon")
        << ":/icones/salvanor.ico" << QList<int> { 16, 32 } << QList<int> { 24, 8 };
    QTest::newRow("web icon") << ":/icones/web.ico" << QList<int> { 16, 16, 32, 32, 48, 48 }
                              << QList<int> { 4, 8, 4, 8, 4, 8 };
}

void TstArtwork::icones()
{
    QFETCH(QString, fichier);
    QFETCH(QList<int>, cotes);
    QFETCH(QList<int>, bits);
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<Entree> entrees = repertoireIcone(f.readAll());
    QCOMPARE(entrees.size(), cotes.size());
    QImageReader lecteur(fichier);
    QCOMPARE(lecteur.format(), QByteArray("ico"));
    QCOMPARE(lecteur.imageCount(), cotes.size());
    for (int i = 0; i < entrees.size(); ++i) {
        QCOMPARE(entrees[i].bits, bits[i]);
        QVERIFY(lecteur.jumpToImage(i));
        const QImage image = lecteur.read();
        QCOMPARE(image.size(), QSize(cotes[i], cotes[i]));
        // The drawing is opaque at the centre: the transparency mask is not inverted.
        QVERIFY(image.pixelColor(cotes[i] / 2, cotes[i] / 2).alpha() == 255);
    }
}

void TstArtwork::logo()
{
    QImageReader lecteur(":/images/logo.jpg");
    QCOMPARE(lecteur.format(), QByteArray("jpeg"));
    const QImage image = lecteur.read();
    QCOMPARE(image.size(), QSize(233, 87));
}

void TstArtwork::clip()
{
    QMovie clip(QCoreApplication::applicationDirPath() + "/sanim.gif");
    QVERIFY(clip.isValid());
    QCOMPARE(clip.format(), QByteArray("gif"));
    QVERIFY(clip.frameCount() > 1);
    QVERIFY(clip.jumpToFrame(0));
    // It fits the animation area of both windows.
    QVERIFY(clip.currentImage().width() <= 113 && clip.currentImage().height() <= 81);
}

QTEST_MAIN(TstArtwork)
#include "tst_artwork.moc"
