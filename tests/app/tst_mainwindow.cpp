// The main window as the program builds it: caption, client colour, menus, the photograph
// centred pixel for pixel, and File, Exit ending the loop.
#include "app/mainform.h"
#include "components/boardimage.h"
#include "platform/menuitem.h"
#include "support/testmain.h"

#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void captionClientAndMenus()
    {
        TMainForm form;
        QCOMPARE(form.windowTitle(), QString("Setup"));
        QCOMPARE(form.clientArea()->palette().color(QPalette::Window), QColor(255, 255, 255));
        QVERIFY(form.clientArea()->autoFillBackground());
        QCOMPARE(form.font().pixelSize(), 11);
        QVERIFY(form.MainMenu1);
        QCOMPARE(form.MainMenu1->item(0)->caption(), QString("&File"));
        QCOMPARE(form.MainMenu1->item(form.MainMenu1->count() - 1)->caption(), QString("&Help"));
        QCOMPARE(form.File1->item(form.File1->count() - 1)->caption(), QString("&Exit"));
        QCOMPARE(form.Help1->count(), 2);
        QCOMPARE(form.Help1->item(0)->caption(), QString("H&ow to use this program"));
        QCOMPARE(form.Help1->item(1)->caption(), QString("&Technical Support"));
        // The menu bar shows the same items.
        QCOMPARE(form.menuBar()->actions().first()->text(), QString("&File"));
        QCOMPARE(form.findComponent("exit2"), form.Exit2);
    }

    void boardImageStandsWhereThePagePutsIt()
    {
        TMainForm form;
        QVERIFY(form.BoardImage1);
        QCOMPARE(form.BoardImage1->geometry(), QRect(126, 26, 600, 559));
        QCOMPARE(form.BoardImage1->parentWidget(), form.clientArea());
        QVERIFY(form.BoardImage1->stretch());
        QVERIFY(!form.BoardImage1->autoSize());
        QCOMPARE(form.BoardImage1->menu(), form.MainMenu1);
        QCOMPARE(form.BoardImage1->aspectRatio(), 559.0 / 600.0);
    }

    void maximisedWindowShowsThePhotographCentred()
    {
        TMainForm form;
        form.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.BoardImage1->homeRecorded());
        QVERIFY(form.isMaximized());
        const QSize outer = form.frameGeometry().size();
        QCOMPARE(form.BoardImage1->pos(), QPoint((outer.width() - 600) / 2, (outer.height() - 559) / 2));
        QCOMPARE(QPoint(form.BoardImage1->homeLeft(), form.BoardImage1->homeTop()), QPoint(126, 26));

        QFile file(":/page/boardphoto.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QImage photo;
        QVERIFY(photo.loadFromData(file.readAll()));
        const QImage shown = form.BoardImage1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(600, 559));
        // Same pixels as the decoded photograph wherever no mark covers them (corners).
        const QImage reference = form.BoardImage1->picture()->image();
        for (QPoint p : {QPoint(2, 2), QPoint(597, 3), QPoint(4, 555), QPoint(596, 556)})
            QCOMPARE(shown.pixel(p), reference.pixel(p));
    }

    void exitEndsTheLoop()
    {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTimer::singleShot(0, &form, [&] { form.Exit2->click(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);
        const int code = QCoreApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(code, 0);
        QVERIFY(form.isHidden());
    }
};

SETUP_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
