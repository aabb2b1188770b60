// The calibration run: one step per tick, the readings in every entry's channel list, the two
// message boxes and their answers, ending a run, and errors raised inside a step.
#include "components/helpform.h"
#include "components/setupsupporter.h"
#include "platform/errors.h"
#include "platform/messageboxes.h"
#include "support/testmain.h"
#include "supporterfixture.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace supporter_test;

namespace {
constexpr unsigned FailureFlags = 0x00050135;
constexpr unsigned ErrorFlags = 0x00050030;
const QString FailureText = QStringLiteral(
    "Total A/D failure. The card may not be installed, or it may be installed at a different base address.");

// Two calibration entries, each with a channel list of `items` items, a run button that reads
// "Stop" with a stop handler, and a control hidden at each step.
struct Entries {
    QWidget host;
    QList<QComboBox *> lists;
    QList<QPushButton *> buttons;
    QList<QWidget *> hidden;
    int stopClicks = 0;

    Entries(TSetupSupporter &sup, int items, int count = 2)
    {
        for (int e = 0; e < count; ++e) {
            auto *list = new QComboBox(&host);
            for (int i = 0; i < items; ++i)
                list->addItem(QStringLiteral("item %1").arg(i));
            auto *button = new QPushButton(QStringLiteral("Stop"), &host);
            TSetupSupporter::setButtonClickHandler(button, [this](QObject *) { ++stopClicks; });
            auto *hide = new QWidget(&host);
            lists << list;
            buttons << button;
            hidden << hide;
            QVERIFY(sup.addCalibEntry(list, button, hide));
        }
        host.show();
    }
};

QStringList items(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}
} // namespace

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MessageBoxes::requests().clear();
        MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Cancel); });
    }

    void zeroChannelsAlwaysFails()
    {
        TSetupSupporter sup;
        sup.setChannels(0);
        Entries entries(sup, 3);
        int begins = 0, asked = 0;
        sup.setOnBeginCalib([&](QObject *s) { begins += s == &sup; });
        sup.setOnGetCalibString([&](QObject *, quint8, bool &) {
            ++asked;
            return QString();
        });
        sup.startCalibration();
        QVERIFY(sup.calibrating());
        QVERIFY(sup.timerRunning());
        sup.TimerTick();
        QCOMPARE(begins, 1);
        QCOMPARE(asked, 0);
        QCOMPARE(items(entries.lists[0]), (QStringList{"item 0", "item 1", "item 2"}));
        QCOMPARE(MessageBoxes::requests().size(), 1);
        const MessageBoxRequest box = MessageBoxes::requests().front();
        QCOMPARE(box.text, FailureText);
        QCOMPARE(box.title, QStringLiteral("Total A/D failure"));
        QCOMPARE(box.flags, FailureFlags);
        // Cancel ends the run.
        QVERIFY(!sup.calibrating());
        QVERIFY(!sup.timerRunning());
        QCOMPARE(entries.buttons[0]->text(), QStringLiteral("Start"));
        QCOMPARE(entries.buttons[1]->text(), QStringLiteral("Start"));
    }

    void oneGoodChannelKeepsTheRunGoing()
    {
        TSetupSupporter sup;
        Entries entries(sup, 8);
        QList<int> channels;
        sup.setOnGetCalibString([&](QObject *, quint8 channel, bool &itsAllBad) {
            channels.append(channel);
            if (channel == 3)
                itsAllBad = false;
            return QStringLiteral("%1 mV").arg(channel * 10);
        });
        sup.startCalibration();
        sup.TimerTick();
        QCOMPARE(channels, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QVERIFY(MessageBoxes::requests().isEmpty());
        QVERIFY(sup.calibrating());
        QVERIFY(sup.timerRunning());
        for (QComboBox *list : entries.lists) {
            QCOMPARE(list->count(), 8);
            for (int ch = 0; ch < 8; ++ch)
                QCOMPARE(list->itemText(ch), QStringLiteral("Channel %1\t%2 mV").arg(ch).arg(ch * 10));
        }
        for (QWidget *w : entries.hidden)
            QVERIFY(w->isHidden());
        QCOMPARE(entries.buttons[0]->text(), QStringLiteral("Stop"));
    }

    void flagIsSharedAndOnlyItsLastValueCounts()
    {
        // A channel that sets the flag back after an earlier one cleared it makes the step fail.
        TSetupSupporter sup;
        sup.setChannels(2);
        sup.setOnGetCalibString([](QObject *, quint8 channel, bool &itsAllBad) {
            itsAllBad = channel == 1;
            return QString();
        });
        sup.startCalibration();
        sup.TimerTick();
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().front().title, QStringLiteral("Total A/D failure"));
    }

    void postCalibStringReplacesOneItemInEveryList_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("channel 12") << 12 << "T" << "Channel 12\tT";
        QTest::newRow("channel 0, empty text") << 0 << "" << "Channel 0\t";
        QTest::newRow("channel 15, tabs kept") << 15 << "a\tb" << "Channel 15\ta\tb";
    }
    void postCalibStringReplacesOneItemInEveryList()
    {
        QFETCH(int, channel);
        QFETCH(QString, text);
        QFETCH(QString, line);
        TSetupSupporter sup;
        Entries entries(sup, 16, 3);
        sup.PostCalibString(quint8(channel), text);
        for (QComboBox *list : entries.lists) {
            QCOMPARE(list->count(), 16);
            for (int i = 0; i < 16; ++i)
                QCOMPARE(list->itemText(i), i == channel ? line : QStringLiteral("item %1").arg(i));
        }
    }

    void emptyEntryListStillAsksAndFails()
    {
        TSetupSupporter sup;
        sup.setChannels(4);
        int asked = 0;
        sup.setOnGetCalibString([&](QObject *, quint8, bool &) {
            ++asked;
            return QStringLiteral("x");
        });
        sup.startCalibration();
        sup.TimerTick();
        QCOMPARE(asked, 4);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QVERIFY(!sup.calibrating());
    }

    void retryThenCancel()
    {
        TSetupSupporter sup;
        sup.setChannels(1);
        Entries entries(sup, 1);
        int begins = 0;
        QList<bool> runningWhileOpen;
        int answers = 0;
        MessageBoxes::setResponder([&](const MessageBoxRequest &) {
            runningWhileOpen << (sup.calibrating() || sup.timerRunning());
            return int(++answers == 1 ? MessageBoxAnswer::Retry : MessageBoxAnswer::Cancel);
        });
        sup.setOnBeginCalib([&](QObject *) { ++begins; });
        sup.setOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("bad"); });
        sup.startCalibration();
        QTRY_COMPARE(MessageBoxes::requests().size(), 2);
        QCOMPARE(begins, 2); // Retry led to a new step with its own begin
        QCOMPARE(runningWhileOpen, (QList<bool>{false, false})); // the timer stops before each box
        QVERIFY(!sup.calibrating());
        QVERIFY(!sup.timerRunning());
        QCOMPARE(entries.buttons[0]->text(), QStringLiteral("Start"));
    }

    void retryRestartsTheTimer()
    {
        TSetupSupporter sup;
        sup.setChannels(0);
        MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Retry); });
        sup.setOnGetCalibString([](QObject *, quint8, bool &) { return QString(); });
        sup.startCalibration();
        sup.TimerTick();
        QVERIFY(sup.calibrating());
        QVERIFY(sup.timerRunning());
        sup.SetCalibrating(false);
    }

    void endingARunGivesTheButtonsBack_data()
    {
        QTest::addColumn<bool>("changeButtons");
        QTest::addColumn<bool>("startHandler");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("startClicks");
        QTest::addColumn<int>("stopClicks");
        QTest::newRow("ChangeButtons with a Start handler") << true << true << "Start" << 2 << 0;
        QTest::newRow("ChangeButtons, no Start handler") << true << false << "Start" << 0 << 0;
        QTest::newRow("ChangeButtons off") << false << true << "Stop" << 0 << 2;
    }
    void endingARunGivesTheButtonsBack()
    {
        QFETCH(bool, changeButtons);
        QFETCH(bool, startHandler);
        QFETCH(QString, caption);
        QFETCH(int, startClicks);
        QFETCH(int, stopClicks);
        TSetupSupporter sup;
        sup.setChangeButtons(changeButtons);
        Entries entries(sup, 1);
        QList<QObject *> senders;
        if (startHandler)
            sup.setOnStartButtonClick([&](QObject *s) { senders << s; });
        sup.startCalibration();
        sup.StopCalibration();
        QVERIFY(!sup.calibrating());
        QVERIFY(!sup.timerRunning());
        for (QPushButton *b : entries.buttons) {
            QCOMPARE(b->text(), caption);
            b->click();
        }
        QCOMPARE(int(senders.size()), startClicks);
        QCOMPARE(entries.stopClicks, stopClicks);
        if (startClicks)
            QCOMPARE(senders, (QList<QObject *>{entries.buttons[0], entries.buttons[1]}));
    }

    void readingCallbackUnset()
    {
        TSetupSupporter sup;
        Entries entries(sup, 8);
        int begins = 0;
        sup.setOnBeginCalib([&](QObject *) { ++begins; });
        sup.startCalibration();
        sup.TimerTick();
        QCOMPARE(begins, 1);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        const MessageBoxRequest box = MessageBoxes::requests().front();
        QCOMPARE(box.text, QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."));
        QCOMPARE(box.title, QStringLiteral("OnGetCalibString Not Assigned"));
        QCOMPARE(box.flags, ErrorFlags);
        QVERIFY(!sup.calibrating());
        QVERIFY(!sup.timerRunning());
        QCOMPARE(entries.buttons[0]->text(), QStringLiteral("Start"));
        QVERIFY(!entries.hidden[0]->isHidden()); // the step ended before hiding anything
    }

    void beginCallbackReplacedDuringARun()
    {
        TSetupSupporter sup;
        sup.setChannels(1);
        int oldBegins = 0, newBegins = 0;
        sup.setOnBeginCalib([&](QObject *) { ++oldBegins; });
        sup.setOnGetCalibString([](QObject *, quint8, bool &itsAllBad) {
            itsAllBad = false;
            return QStringLiteral("ok");
        });
        sup.startCalibration();
        QTRY_VERIFY(oldBegins >= 1);
        const int before = oldBegins;
        sup.setOnBeginCalib([&](QObject *) { ++newBegins; });
        QVERIFY(sup.timerRunning());
        QTRY_VERIFY(newBegins >= 1);
        QCOMPARE(oldBegins, before);
        sup.StopCalibration();
        // Assigning while idle starts nothing.
        sup.setOnBeginCalib({});
        QVERIFY(!sup.timerRunning());
    }

    void errorInAStepIsReportedAndLeavesTheRunAsItWas()
    {
        TSetupSupporter sup;
        sup.setChannels(4);
        Entries entries(sup, 2); // too short: channel 2 has no item
        sup.setOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("v"); });
        sup.startCalibration();
        sup.WindowHandle()->sendMessage(WM_TIMER_MESSAGE, TSetupSupporter::TimerId);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().front().text, QStringLiteral("The channel list has no item for channel 2."));
        QVERIFY(sup.calibrating());
        QVERIFY(sup.timerRunning());
        QCOMPARE(entries.lists[0]->itemText(1), QStringLiteral("Channel 1\tv"));
        sup.StopCalibration();
    }

    void failingStepsDoNotPileUpReports()
    {
        TSetupSupporter sup;
        sup.setChannels(1);
        int readings = 0;
        int readingsWhileOpen = -1;
        sup.setOnGetCalibString([&](QObject *, quint8, bool &) -> QString {
            ++readings;
            throw EComponentError(QStringLiteral("converter gone"));
        });
        MessageBoxes::setResponder([&](const MessageBoxRequest &) {
            if (readingsWhileOpen < 0) {
                // The report's own loop runs on: restart the timer, as a page callback might,
                // and let several periods go by while the box is open.
                const int atOpen = readings;
                sup.setOnBeginCalib([](QObject *) {});
                QTest::qWait(450);
                readingsWhileOpen = readings - atOpen;
            }
            return int(MessageBoxAnswer::Ok);
        });
        sup.startCalibration();
        QTRY_VERIFY(readingsWhileOpen >= 0);
        QCOMPARE(readingsWhileOpen, 0);
        QVERIFY(sup.stepsHeldBack() > 0);
        QCOMPARE(TApplication::instance()->suppressedReports(), 0);
        // Once the report is closed the run goes on and the next failure is reported anew.
        QTRY_VERIFY(MessageBoxes::requests().size() >= 2);
        QVERIFY(sup.calibrating());
        sup.StopCalibration();
    }

    void firstTickAfterTheBuildOnlyShowsTheInstructions()
    {
        TestPage page;
        TSetupSupporter *sup = page.SetSup;
        int begins = 0;
        sup->setOnBeginCalib([&](QObject *) { ++begins; });
        sup->setOnGetCalibString([](QObject *, quint8, bool &itsAllBad) {
            itsAllBad = false;
            return QString();
        });
        page.show();
        TApplication::guarded([&] { sup->BuildSupport(); });
        sup->startCalibration();
        sup->TimerTick();
        QVERIFY(sup->HelpForm()->isVisible());
        QCOMPARE(begins, 0);
        QVERIFY(sup->timerRunning()); // the run keeps it going
        sup->TimerTick();
        QCOMPARE(begins, 1);
        sup->StopCalibration();
    }

    void destroyingTheSupporterDuringARun()
    {
        auto sup = std::make_unique<TSetupSupporter>();
        Entries entries(*sup, 8);
        sup->setOnGetCalibString([](QObject *, quint8, bool &) { return QString(); });
        sup->startCalibration();
        QPointer<TTimerWindow> window = sup->WindowHandle();
        sup.reset();
        QVERIFY(window.isNull());
        QTest::qWait(150);
        QVERIFY(MessageBoxes::requests().isEmpty());
    }

    void entryListHoldsAtMost256()
    {
        TSetupSupporter sup;
        for (int i = 0; i < 256; ++i)
            QVERIFY(sup.addCalibEntry(nullptr, nullptr, nullptr));
        QVERIFY(!sup.addCalibEntry(nullptr, nullptr, nullptr));
        QCOMPARE(sup.calibEntries().size(), 256);
    }

    void entryWhoseControlsAreGone()
    {
        TSetupSupporter sup;
        sup.setChannels(1);
        {
            Entries entries(sup, 1);
        }
        sup.setOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("x"); });
        sup.startCalibration();
        sup.TimerTick();
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().front().title, QStringLiteral("Total A/D failure"));
    }
};

SETUP_TEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
