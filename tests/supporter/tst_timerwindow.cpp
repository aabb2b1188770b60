// The hidden timer window: timer messages to the message procedure, restarts, stops and the
// system refusing a timer.
#include "platform/errors.h"
#include "platform/timerwindow.h"
#include "support/testmain.h"

#include <QTest>

class TestTimerWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TTimerWindow::setRefuseTimersForTesting(false); }

    void ticksReachTheProcedureWithTheirIdentifier()
    {
        QList<TWindowMessage> seen;
        TTimerWindow window([&](TWindowMessage &m) { seen.append(m); });
        QVERIFY(window.setTimer(7, 10));
        QVERIFY(window.isTimerActive(7));
        QTRY_VERIFY(seen.size() >= 2); // periodic, not one-shot
        for (const TWindowMessage &m : seen) {
            QCOMPARE(m.msg, WM_TIMER_MESSAGE);
            QCOMPARE(m.wParam, quintptr(7));
        }
    }

    void restartKeepsOneTimerPerIdentifier()
    {
        int ticks = 0;
        TTimerWindow window([&](TWindowMessage &) { ++ticks; });
        QVERIFY(window.setTimer(1, 10));
        QVERIFY(window.setTimer(1, 10));
        QVERIFY(window.setTimer(2, 10));
        QCOMPARE(window.activeTimerCount(), 2);
        QVERIFY(window.killTimer(1));
        QVERIFY(!window.killTimer(1));
        QVERIFY(!window.isTimerActive(1));
        QVERIFY(window.isTimerActive(2));
    }

    void stoppedTimerSendsNothing()
    {
        int ticks = 0;
        TTimerWindow window([&](TWindowMessage &m) {
            ++ticks;
            window.killTimer(unsigned(m.wParam));
        });
        QVERIFY(window.setTimer(3, 5));
        QTRY_COMPARE(ticks, 1);
        QVERIFY(!window.isTimerActive(3));
        QTest::qWait(50);
        QCOMPARE(ticks, 1);
    }

    void refusedTimer()
    {
        TTimerWindow window;
        TTimerWindow::setRefuseTimersForTesting(true);
        QVERIFY(!window.setTimer(1, 100));
        QVERIFY(!window.isTimerActive(1));
        try {
            window.setTimerOrThrow(1, 100);
            QFAIL("no error raised");
        } catch (const EOutOfResources &e) {
            QCOMPARE(e.message(), QStringLiteral("Not enough timers available"));
        }
        TTimerWindow::setRefuseTimersForTesting(false);
        QVERIFY(window.setTimer(1, 100));
    }

    void otherMessagesGoWhereTheProcedureSends()
    {
        TTimerWindow plain;
        QCOMPARE(plain.sendMessage(0x0400, 1, 2), qintptr(0)); // default procedure
        TTimerWindow own([](TWindowMessage &m) {
            if (m.msg == 0x0400)
                m.result = qintptr(m.wParam + m.lParam);
            else
                TTimerWindow::defaultWindowProc(m);
        });
        QCOMPARE(own.sendMessage(0x0400, 40, 2), qintptr(42));
        QCOMPARE(own.sendMessage(0x0401, 40, 2), qintptr(0));
    }
};

SETUP_TEST_MAIN(TestTimerWindow)
#include "tst_timerwindow.moc"
