// JPEG decoding through libjpeg: the real asset decodes whole; every kind of bad data gives an
// empty picture and exactly one report, never a crash and never a half-read picture.
#include "platform/jpegdecoder.h"
#include "platform/messageboxes.h"
#include "platform/picture.h"
#include "support/testmain.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray asset()
{
    QFile f(":/page/boardphoto.jpg");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The asset with its frame header's declared height and width replaced.
QByteArray withDeclaredSize(QByteArray data, quint16 w, quint16 h)
{
    for (int i = 2; i + 9 < data.size(); ++i) {
        const uchar marker = uchar(data[i + 1]);
        if (uchar(data[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            data[i + 5] = char(h >> 8);
            data[i + 6] = char(h & 0xFF);
            data[i + 7] = char(w >> 8);
            data[i + 8] = char(w & 0xFF);
            return data;
        }
    }
    return {};
}
} // namespace

class TestJpeg : public QObject {
    Q_OBJECT
private slots:
    void init() { MessageBoxes::requests().clear(); }

    void assetDecodesWhole()
    {
        const QByteArray data = asset();
        QVERIFY(!data.isEmpty());
        QImage image;
        QString error;
        QVERIFY2(JpegDecoder::decode(data, image, &error), qPrintable(error));
        QCOMPARE(image.size(), QSize(600, 559));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        // The decoded pixels agree with Qt's own reader within JPEG's rounding.
        QImage reference;
        QVERIFY(reference.loadFromData(data, "JPG"));
        reference = reference.convertToFormat(QImage::Format_RGB32);
        int worst = 0;
        for (int y = 0; y < 559; y += 37)
            for (int x = 0; x < 600; x += 41) {
                const QRgb a = image.pixel(x, y), b = reference.pixel(x, y);
                worst = qMax(worst, qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)));
            }
        QVERIFY2(worst <= 12, qPrintable(QString::number(worst)));
    }

    void assetIsAProgressiveJfifPicture()
    {
        const QByteArray data = asset();
        QVERIFY(data.startsWith("\xFF\xD8"));
        QVERIFY(data.contains(QByteArray("\xFF\xC2", 2)));  // progressive frame
        QVERIFY(!data.contains(QByteArray("\xFF\xC0", 2))); // no baseline frame
        QVERIFY(data.indexOf("JFIF") > 0);
    }

    void badDataGivesEmptyPictureAndOneReport_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = asset();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("zero bytes") << QByteArray(4096, '\0');
        QByteArray random(8192, Qt::Uninitialized);
        QRandomGenerator rng(20261211);
        for (char &c : random)
            c = char(rng.bounded(256));
        QTest::newRow("random bytes") << random;
        QTest::newRow("random after a start marker") << (QByteArray("\xFF\xD8", 2) + random);
        for (int cut : {2, 20, 300, 2000})
            QTest::newRow(qPrintable(QString("truncated at %1").arg(cut))) << good.left(cut);
        QTest::newRow("truncated at half") << good.left(good.size() / 2);
        QTest::newRow("truncated before the end marker") << good.left(good.size() - 200);
        QImage png(16, 16, QImage::Format_RGB32);
        png.fill(Qt::red);
        QByteArray pngData;
        QBuffer buffer(&pngData);
        buffer.open(QIODevice::WriteOnly);
        png.save(&buffer, "PNG");
        QTest::newRow("a png") << pngData;
        QTest::newRow("huge declared size") << withDeclaredSize(good, 65000, 65000);
        QTest::newRow("zero declared width") << withDeclaredSize(good, 0, 559);
    }
    void badDataGivesEmptyPictureAndOneReport()
    {
        QFETCH(QByteArray, data);
        QImage image(3, 3, QImage::Format_RGB32);
        QString error;
        QVERIFY(!JpegDecoder::decode(data, image, &error));
        QVERIFY(image.isNull());
        QVERIFY(!error.isEmpty());

        TPicture picture;
        int changes = 0;
        picture.setOnChange([&] { ++changes; });
        QVERIFY(!picture.loadJpeg(data));
        QVERIFY(picture.isEmpty());
        QCOMPARE(picture.width(), 0);
        QCOMPARE(picture.height(), 0);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().first().text, error);
        QCOMPARE(changes, 1);
    }

    void prefetchedPictureIsTakenByTheFirstLoad()
    {
        TPicture direct;
        QVERIFY(direct.loadJpeg(asset()));
        TPicture::prefetchJpegResource(QStringLiteral(":/page/boardphoto.jpg"));
        TPicture::prefetchJpegResource(QStringLiteral(":/page/boardphoto.jpg")); // once is enough
        TPicture picture;
        int changes = 0;
        picture.setOnChange([&] { ++changes; });
        QVERIFY(picture.loadJpegResource(QStringLiteral(":/page/boardphoto.jpg")));
        QCOMPARE(changes, 1);
        QCOMPARE(picture.kind(), TPicture::Kind::Jpeg);
        QCOMPARE(picture.image(), direct.image());
        // The prefetch is used up: a second load reads the resource itself.
        TPicture again;
        QVERIFY(again.loadJpegResource(QStringLiteral(":/page/boardphoto.jpg")));
        QCOMPARE(again.image(), direct.image());
        QVERIFY(MessageBoxes::requests().isEmpty());
    }

    void prefetchedFaultsAreReportedByTheLoad_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("not a picture") << true;
    }
    void prefetchedFaultsAreReportedByTheLoad()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
        QString expected = QStringLiteral("The picture %1 cannot be opened.").arg(path);
        if (exists) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(asset().left(600));
            f.close();
            QImage out;
            QVERIFY(!JpegDecoder::decode(asset().left(600), out, &expected));
        }
        TPicture::prefetchJpegResource(path);
        TPicture picture;
        QVERIFY(picture.loadJpeg(asset()));
        int changes = 0;
        picture.setOnChange([&] { ++changes; });
        QVERIFY(!picture.loadJpegResource(path));
        QVERIFY(picture.isEmpty());
        QCOMPARE(changes, 1);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().first().text, expected);
    }

    void goodPictureReplacesABadOne()
    {
        TPicture picture;
        QVERIFY(!picture.loadJpeg("not a picture"));
        QVERIFY(picture.loadJpeg(asset()));
        QCOMPARE(picture.kind(), TPicture::Kind::Jpeg);
        QCOMPARE(QSize(picture.width(), picture.height()), QSize(600, 559));
        QCOMPARE(MessageBoxes::requests().size(), 1);
    }
};

SETUP_TEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
