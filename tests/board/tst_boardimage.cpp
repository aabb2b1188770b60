// The board image: centring with truncating division, the home place, where the picture goes,
// the reaction to picture changes, and the guided walk's message.
#include "components/boardimage.h"
#include "platform/graphiccontrol.h"
#include "platform/messages.h"
#include "support/testmain.h"

#include <QMainWindow>
#include <QScreen>
#include <QTest>

namespace {
QImage uniform(int w, int h, QColor c = QColor(100, 100, 100))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// A shown top-level window whose client holds one board image.
struct Stage {
    QWidget top;
    QWidget *parent;
    TBoardImage *image;
    explicit Stage(QSize parentSize)
    {
        top.resize(parentSize + QSize(20, 20));
        parent = new QWidget(&top);
        parent->setGeometry(0, 0, parentSize.width(), parentSize.height());
        image = new TBoardImage(parent);
    }
    void paint()
    {
        if (!top.isVisible()) {
            top.show();
            QVERIFY(QTest::qWaitForWindowExposed(&top));
        }
        image->repaint();
    }
};

struct Recorder : TGraphicControl {
    QStringList calls;
    using TGraphicControl::TGraphicControl;
    void mouseEnter(int relay) override { calls << QString("enter %1").arg(relay); }
    void mouseLeave(int relay) override { calls << QString("leave %1").arg(relay); }
    void click() override { calls << "click"; }
};
} // namespace

class TestBoardImage : public QObject {
    Q_OBJECT
private slots:
    void newImageDefaults()
    {
        TBoardImage image;
        QCOMPARE(image.size(), QSize(105, 105));
        QVERIFY(image.autoSize());
        QVERIFY(image.centerOnForm());
        QVERIFY(image.scale());
        QVERIFY(!image.stretch());
        QVERIFY(!image.center());
        QVERIFY(!image.homeRecorded());
        QCOMPARE(image.aspectRatio(), 1.0);
        QVERIFY(image.opaqueStyle());
    }

    void centringTruncatesTowardZero_data()
    {
        QTest::addColumn<QSize>("parentSize");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("5 narrower") << QSize(595, 700) << QPoint(-2, 70);
        QTest::newRow("7 narrower") << QSize(593, 700) << QPoint(-3, 70);
        QTest::newRow("7 lower") << QSize(800, 552) << QPoint(100, -3);
        QTest::newRow("odd surplus") << QSize(801, 560) << QPoint(100, 0);
        QTest::newRow("exact fit") << QSize(600, 559) << QPoint(0, 0);
    }
    void centringTruncatesTowardZero()
    {
        QFETCH(QSize, parentSize);
        QFETCH(QPoint, expected);
        Stage stage(parentSize);
        stage.image->setAutoSize(false);
        stage.image->setBounds(126, 26, 600, 559);
        stage.image->setStretch(true);
        stage.paint();
        QCOMPARE(stage.image->pos(), expected);
        QCOMPARE(stage.image->homeLeft(), 126);
        QCOMPARE(stage.image->homeTop(), 26);
    }

    void homePlaceIsRecordedOnceBeforeCentring()
    {
        Stage stage(QSize(1000, 800));
        stage.image->setAutoSize(false);
        stage.image->setBounds(126, 26, 600, 559);
        QVERIFY(!stage.image->homeRecorded());
        QCOMPARE(stage.image->homeLeft(), 0);
        stage.paint();
        QCOMPARE(stage.image->pos(), QPoint(200, 120));
        stage.parent->resize(700, 600);
        stage.image->repaint();
        QCOMPARE(stage.image->pos(), QPoint(50, 20));
        QCOMPARE(QPoint(stage.image->homeLeft(), stage.image->homeTop()), QPoint(126, 26));
    }

    void firstPaintIsAlreadyAtTheCentredPlace()
    {
        // A paint that has to move the image draws nothing; the place is taken when the
        // parent gets its size, so the first paint draws the picture at once.
        struct PaintPlaces : QObject {
            QList<QPoint> places;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    places << static_cast<QWidget *>(o)->pos();
                return false;
            }
        } watch;
        Stage stage(QSize(1000, 800));
        stage.image->setAutoSize(false);
        stage.image->setBounds(126, 26, 600, 559);
        stage.image->setPictureImage(uniform(600, 559));
        stage.image->setStretch(true);
        stage.image->installEventFilter(&watch);
        stage.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.top));
        QTRY_VERIFY(!watch.places.isEmpty());
        QCOMPARE(watch.places.first(), QPoint(200, 120));
        QCOMPARE(QPoint(stage.image->homeLeft(), stage.image->homeTop()), QPoint(126, 26));

        // A new size of the parent moves the image before anything paints.
        watch.places.clear();
        stage.parent->resize(700, 600);
        QCOMPARE(stage.image->pos(), QPoint(50, 20));
        QTRY_VERIFY(!watch.places.isEmpty());
        QCOMPARE(watch.places.first(), QPoint(50, 20));
        QCOMPARE(QPoint(stage.image->homeLeft(), stage.image->homeTop()), QPoint(126, 26));
    }

    void followsItsParentWhenMovedToAnother()
    {
        Stage stage(QSize(1000, 800));
        stage.image->setAutoSize(false);
        stage.image->setBounds(0, 0, 600, 559);
        stage.paint();
        QCOMPARE(stage.image->pos(), QPoint(200, 120));
        auto *other = new QWidget(&stage.top);
        other->setGeometry(0, 0, 800, 600);
        other->show();
        stage.image->setParent(other);
        stage.image->show();
        other->resize(900, 659);
        QCOMPARE(stage.image->pos(), QPoint(150, 50));
        // The old parent no longer moves it.
        stage.parent->resize(300, 300);
        QCOMPARE(stage.image->pos(), QPoint(150, 50));
    }

    void noCentringWhenTurnedOff()
    {
        Stage stage(QSize(1000, 800));
        stage.image->setAutoSize(false);
        stage.image->setBounds(126, 26, 600, 559);
        stage.image->setCenterOnForm(false);
        stage.paint();
        QCOMPARE(stage.image->pos(), QPoint(126, 26));
    }

    void centresOnTheMainWindowsOuterSize()
    {
        QMainWindow main;
        auto *client = new QWidget;
        main.setCentralWidget(client);
        auto *image = new TBoardImage(client);
        image->setAutoSize(false);
        image->setBounds(126, 26, 600, 559);
        main.resize(855, 708);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        image->repaint();
        const QSize outer = main.frameGeometry().size();
        QCOMPARE(image->pos(), QPoint((outer.width() - 600) / 2, (outer.height() - 559) / 2));
        // The outer size, not the client area below the menu bar.
        QVERIFY(outer.height() >= client->height());
    }

    void targetRect_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("stretch") << true << false << QSize(300, 200) << QSize(600, 559) << QRect(0, 0, 300, 200);
        QTest::newRow("stretch wins over center") << true << true << QSize(300, 200) << QSize(50, 50)
                                                  << QRect(0, 0, 300, 200);
        QTest::newRow("center, even difference") << false << true << QSize(100, 80) << QSize(60, 40)
                                                 << QRect(20, 20, 60, 40);
        // The extra pixel of an odd difference goes to the right and bottom.
        QTest::newRow("center, odd difference") << false << true << QSize(101, 81) << QSize(60, 40)
                                                << QRect(20, 20, 60, 40);
        QTest::newRow("center, larger picture") << false << true << QSize(60, 40) << QSize(101, 81)
                                                << QRect(-20, -20, 101, 81);
        QTest::newRow("top-left") << false << false << QSize(300, 200) << QSize(60, 40) << QRect(0, 0, 60, 40);
    }
    void targetRect()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QFETCH(QSize, imageSize);
        QFETCH(QSize, pictureSize);
        QFETCH(QRect, expected);
        TBoardImage image;
        image.setAutoSize(false);
        image.setStretch(stretch);
        image.setCenter(center);
        image.setPictureImage(uniform(pictureSize.width(), pictureSize.height()));
        image.setBounds(0, 0, imageSize.width(), imageSize.height());
        QCOMPARE(image.targetRect(), expected);
    }

    void stretchDrawsThePicturePixelForPixel()
    {
        Stage stage(QSize(600, 559));
        QImage picture(600, 559, QImage::Format_RGB32);
        for (int y = 0; y < 559; ++y)
            for (int x = 0; x < 600; ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        stage.image->setAutoSize(false);
        stage.image->setBounds(0, 0, 600, 559);
        stage.image->setPictureImage(picture);
        stage.image->setStretch(true);
        stage.paint();
        const QImage shown = stage.image->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, picture);
    }

    void pictureLandsAtTheCentredPlaceOnScreen()
    {
        // What the window system shows, not a fresh render: the first paint moves the image,
        // and nothing may be drawn for the place it left.
        Stage stage(QSize(1000, 800));
        QImage picture(600, 559, QImage::Format_RGB32);
        for (int y = 0; y < 559; ++y)
            for (int x = 0; x < 600; ++x)
                picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, 90));
        stage.image->setAutoSize(false);
        stage.image->setBounds(126, 26, 600, 559);
        stage.image->setPictureImage(picture);
        stage.image->setStretch(true);
        stage.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.top));
        QTRY_COMPARE(stage.image->pos(), QPoint(200, 120));
        QTest::qWait(50);
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(stage.top.winId()).toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen.copy(QRect(200, 120, 600, 559)), picture);
    }

    void pictureChangeSetsAspectRatioSizeAndOpacity()
    {
        TBoardImage image; // AutoSize on
        image.setPictureImage(uniform(600, 559));
        QCOMPARE(image.size(), QSize(600, 559));
        QCOMPARE(image.aspectRatio(), 559.0 / 600.0);
        QVERIFY(image.opaqueStyle()); // as large as the image
        image.setAutoSize(false);
        image.setBounds(0, 0, 800, 800);
        image.setPictureImage(uniform(100, 50));
        QCOMPARE(image.size(), QSize(800, 800));
        QCOMPARE(image.aspectRatio(), 0.5);
        QVERIFY(!image.opaqueStyle()); // smaller and not stretched: background shows
        image.setStretch(true);
        QVERIFY(image.opaqueStyle());
        image.setTransparent(true);
        QVERIFY(image.picture()->transparent());
        QVERIFY(!image.opaqueStyle());
    }

    void emptyPictureKeepsAspectRatioAndClearsOpacity()
    {
        TBoardImage image;
        image.setAutoSize(false);
        image.setPictureImage(uniform(200, 100));
        image.setBounds(0, 0, 300, 300);
        image.picture()->clear();
        QCOMPARE(image.aspectRatio(), 0.5);
        QCOMPARE(image.size(), QSize(300, 300));
        QVERIFY(!image.opaqueStyle());
    }

    void autoSizeWithEmptyPictureShrinksToNothing()
    {
        TBoardImage image; // AutoSize on, no picture
        image.setBounds(5, 6, 200, 100);
        QCOMPARE(image.geometry(), QRect(5, 6, 0, 0));
    }

    void storedBoundsStandWhileLoading()
    {
        TBoardImage image;
        image.setLoading(true);
        image.setBounds(126, 26, 600, 559);
        image.setAutoSize(false);
        image.setPictureImage(uniform(600, 559));
        image.setStretch(true);
        image.loaded();
        QCOMPARE(image.geometry(), QRect(126, 26, 600, 559));
    }

    void startWalkEntersClicksAndLeavesFirst()
    {
        TBoardImage image;
        auto *mark = new Recorder(&image);
        image.setFirst(mark);
        QEvent walk(StartWalkMessage);
        QCoreApplication::sendEvent(&image, &walk);
        QCOMPARE(mark->calls, QStringList({"enter 0", "click", "leave 0"}));
    }

    void startWalkWithoutFirstDoesNothing()
    {
        TBoardImage image;
        auto *mark = new Recorder(&image);
        QEvent walk(StartWalkMessage);
        QVERIFY(QCoreApplication::sendEvent(&image, &walk));
        QVERIFY(mark->calls.isEmpty());
    }
};

SETUP_TEST_MAIN(TestBoardImage)
#include "tst_boardimage.moc"
