// The setup supporter on small pages: its defaults, what the build makes and in which state,
// the three windows' layout, the texts, the first tick and the Start button.
#include "components/helpform.h"
#include "components/pciform.h"
#include "components/setupsupporter.h"
#include "components/techform.h"
#include "platform/errors.h"
#include "platform/messageboxes.h"
#include "platform/rtfreader.h"
#include "support/testmain.h"
#include "supporterfixture.h"

#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

using namespace supporter_test;

namespace {
const QByteArray Head =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}{\\colortbl"
    "\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
    "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n{\\b ";
const QByteArray Body =
    " Settings Program}\\par\\par\\fs24\r\n"
    "This program will help you configure the option jumpers and settings associated with this product. You should "
    "have the product in-hand when first using this program.\\par\\par\r\n"
    "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par\r\n"
    "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
    "features of the product family.\\par\\par\r\n"
    "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually controlling "
    "the hardware device. Run this settings program again once the card is installed. Repeat the {\\cf1 setup "
    "circles} (using the same settings) to configure this program, then perform the {\\cf3 calibration "
    "circles}.\\par\\par\r\n"
    "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, {\\cf2 "
    "features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. You can have "
    "all or as many of these popups onscreen at the same time as you desire.\\par\\par\r\n";
const QByteArray Note =
    "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration options for "
    "each port are handled identically; this program only shows the setup once, but you need to perform this setup "
    "for each group of options on your device.\\par\\par\r\n";

const QString TechText = QStringLiteral(
    "There are several ways to get technical support. First and fastest is to skim the relevant sections of the "
    "manual. However, some questions require personal assistance, and Acme stands ready to provide that help. You "
    "can call us weekdays 8-5 at 555-0100 for any of your product questions.\r\n\r\nIn order to provide the best "
    "and fastest support possible, we ask that you be at your computer when you call, and have the Acme product "
    "manual and Quellmark CD at hand.");

QStringList memoLines(const QPlainTextEdit *memo)
{
    return memo->toPlainText().split(QLatin1Char('\n'));
}

void build(TSetupSupporter *sup)
{
    TApplication::guarded([sup] { sup->BuildSupport(); });
}
} // namespace

class TestSetupSupporter : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MessageBoxes::requests().clear();
        MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Cancel); });
    }
    void cleanup() { TTimerWindow::setRefuseTimersForTesting(false); }

    void propertiesInPublishedOrderWithDefaults()
    {
        TSetupSupporter sup;
        const QMetaObject *mo = sup.metaObject();
        QStringList names;
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            names << QString::fromLatin1(mo->property(i).name());
        QCOMPARE(names, (QStringList{"Name", "CompanyName", "CardNameA", "CardNameB", "UseCardNameB", "CallHow",
                                     "MultiPort", "Channels", "ChangeButtons", "bSeries"}));
        QCOMPARE(sup.companyName(), QString());
        QCOMPARE(sup.useCardNameB(), false);
        QCOMPARE(sup.multiPort(), false);
        QCOMPARE(int(sup.channels()), 8);
        QCOMPARE(sup.changeButtons(), true);
        QCOMPARE(sup.bSeries(), true);
        QVERIFY(!sup.onBeginCalib() && !sup.onGetCardString() && !sup.onGetCalibString() &&
                !sup.onStopButtonClick() && !sup.onStartButtonClick());
        QVERIFY(!sup.helpPending());
        QVERIFY(!sup.calibrating());
        QVERIFY(!sup.timerRunning());
        QVERIFY(sup.WindowHandle());
        QVERIFY(!sup.HelpForm() && !sup.TechForm() && !sup.PCIForm() && !sup.HeaderLabel());
    }

    void thisProgramsPageAtIdle()
    {
        TApplication *app = TApplication::instance();
        TestPage page;
        TSetupSupporter *sup = page.SetSup;
        app->setOnIdle([sup](QObject *s, bool &done) { sup->ApplicationIdle(s, done); });
        page.show();
        QVERIFY(runUntil([&] { return sup->HelpForm() != nullptr; }));
        QVERIFY(!app->hasIdleHandler()); // runs once
        // Built, not yet shown: that waits for the first tick.
        QVERIFY(sup->helpPending());
        QVERIFY(sup->timerRunning());
        QVERIFY(!sup->HelpForm()->isVisible());
        QVERIFY(runUntil([&] { return sup->HelpForm()->isVisible(); }));
        QVERIFY(!sup->helpPending());
        QVERIFY(!sup->timerRunning());

        QLabel *heading = sup->HeaderLabel();
        QCOMPARE(heading->text(), QStringLiteral("IO-96 Series Settings Program"));
        QCOMPARE(page.findComponent("HeaderLabel"), heading);
        QCOMPARE(heading->parentWidget(), page.client);
        QCOMPARE(heading->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(heading->width(), page.client->width());
        QVERIFY(heading->alignment() & Qt::AlignHCenter);
        QCOMPARE(heading->font().pointSize(), 18);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(heading->isVisible());

        QCOMPARE(page.File1->count(), 1); // "&Exit" alone
        QCOMPARE(page.File1->item(0), page.Exit2);
        QVERIFY(!sup->PCIForm());
        QVERIFY(sup->TechForm() && !sup->TechForm()->isVisible());

        // Centred over the main window: 488 x 221 on the 1280 x 1024 test screen.
        const QRect main = page.frameGeometry();
        const QRect help = sup->HelpForm()->frameGeometry();
        QCOMPARE(help.size(), QSize(488, 221));
        QCOMPARE(help.topLeft(), QPoint(main.left() + (main.width() - 488) / 2, main.top() + (main.height() - 221) / 2));
        QCOMPARE(sup->HelpForm()->focusWidget(), static_cast<QWidget *>(sup->HelpForm()->StartButton));
        // It opens at the title, not scrolled to the end of the text.
        QCOMPARE(sup->HelpForm()->HelpRich->textCursor().position(), 0);
        QCOMPARE(sup->HelpForm()->HelpRich->verticalScrollBar()->value(), 0);
        QVERIFY(sup->HelpForm()->HelpRich->verticalScrollBar()->maximum() > 0);
        QVERIFY(!sup->HelpForm()->instructionsRtf().contains("Note:"));
        QVERIFY(!sup->HelpForm()->instructionsRtf().contains("To see a list"));
        app->setOnIdle(nullptr);
    }

    void headingFollowsTheClientWidth()
    {
        TestPage page;
        page.show();
        build(page.SetSup);
        page.resize(1000, 700);
        QTRY_COMPARE(page.SetSup->HeaderLabel()->width(), page.client->width());
        QCOMPARE(page.client->width(), 1000);
    }

    void headingAndCardsWindow_data()
    {
        QTest::addColumn<bool>("series");
        QTest::addColumn<bool>("useB");
        QTest::addColumn<bool>("listsCards");
        QTest::addColumn<QString>("heading");
        QTest::newRow("this page") << true << false << false << "IO-96 Series Settings Program";
        QTest::newRow("bSeries off") << false << false << false << "IO-96 Settings Program";
        QTest::newRow("UseCardNameB") << true << true << false << "IO-96B Series Settings Program";
        QTest::newRow("driver missing") << true << false << true << "No IO-96 Series Card Found";
        QTest::newRow("driver missing, bSeries off") << false << false << true << "No IO-96 Found";
        QTest::newRow("driver missing, UseCardNameB") << true << true << true << "No IO-96B Series Card Found";
    }
    void headingAndCardsWindow()
    {
        QFETCH(bool, series);
        QFETCH(bool, useB);
        QFETCH(bool, listsCards);
        QFETCH(QString, heading);
        TestPage page;
        TSetupSupporter *sup = page.SetSup;
        sup->setCardNameB(QStringLiteral("IO-96B"));
        sup->setBSeries(series);
        sup->setUseCardNameB(useB);
        int asked = 0;
        if (listsCards)
            sup->setOnGetCardString([&](QObject *, int) {
                ++asked;
                return QStringLiteral("never");
            });
        page.show();
        build(sup);
        QVERIFY(MessageBoxes::requests().isEmpty());
        QCOMPARE(sup->HeaderLabel()->text(), heading);
        const QString card = useB ? QStringLiteral("IO-96B") : QStringLiteral("IO-96");
        const QByteArray rtf = sup->HelpForm()->instructionsRtf();
        QVERIFY(rtf.contains("{\\b Acme " + card.toLatin1() + (series ? " Series" : "") + " Settings Program}"));
        QCOMPARE(rtf.contains("To see a list of " + card.toLatin1() + " cards installed"), listsCards);
        if (!listsCards) {
            QVERIFY(!sup->PCIForm());
            QCOMPARE(page.File1->count(), 1);
            return;
        }
        // The driver is not on this test's loader path: no card is counted, none is asked.
        QCOMPARE(asked, 0);
        QVERIFY(sup->PCIForm()->isVisible());
        QCOMPARE(sup->PCIForm()->windowTitle(), card + " Cards installed");
        QCOMPARE(sup->PCIForm()->lines(), QStringList{"No Card Found"});
        QCOMPARE(page.File1->count(), 2);
        TMenuItem *entry = page.File1->item(0);
        QCOMPARE(entry->objectName(), QStringLiteral("DisplayPCI"));
        QCOMPARE(entry->caption(), "Display " + card + " Cards Installed");
        QCOMPARE(entry->parent(), page.File1);
        QCOMPARE(page.File1->item(1), page.Exit2);
        // The entry shows the cards window again after it was closed.
        sup->PCIForm()->CloseButton->click();
        QVERIFY(!sup->PCIForm()->isVisible());
        entry->click();
        QVERIFY(sup->PCIForm()->isVisible());
    }

    void noFileMenuStillBuildsTheCardsWindow_data()
    {
        QTest::addColumn<QString>("fileCaption");
        QTest::addColumn<bool>("withMenu");
        QTest::newRow("caption without ampersand") << "File" << true;
        QTest::newRow("other case") << "&file" << true;
        QTest::newRow("no main menu") << "&File" << false;
    }
    void noFileMenuStillBuildsTheCardsWindow()
    {
        QFETCH(QString, fileCaption);
        QFETCH(bool, withMenu);
        TestPage page(fileCaption, withMenu);
        page.SetSup->setOnGetCardString([](QObject *, int) { return QString(); });
        page.show();
        build(page.SetSup);
        QVERIFY(MessageBoxes::requests().isEmpty());
        if (page.File1)
            QCOMPARE(page.File1->count(), 1);
        QVERIFY(page.SetSup->PCIForm()->isVisible());
        QCOMPARE(page.SetSup->HeaderLabel()->text(), QStringLiteral("No IO-96 Series Card Found"));
        QVERIFY(page.SetSup->helpPending());
    }

    void refusedTimerAtTheEndOfTheBuild()
    {
        TestPage page;
        page.show();
        TTimerWindow::setRefuseTimersForTesting(true);
        build(page.SetSup);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().front().text, QStringLiteral("Not enough timers available"));
        // The windows and the heading exist, but the instructions never open by themselves.
        QVERIFY(page.SetSup->HelpForm() && page.SetSup->TechForm());
        QCOMPARE(page.SetSup->HeaderLabel()->text(), QStringLiteral("IO-96 Series Settings Program"));
        QVERIFY(!page.SetSup->timerRunning());
        QTest::qWait(250);
        QVERIFY(!page.SetSup->HelpForm()->isVisible());
    }

    void screenFactor_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("client");
        QTest::newRow("640 x 480") << QSize(640, 480) << 1.0 << QSize(305, 138);
        QTest::newRow("800 x 600") << QSize(800, 600) << 1.0 << QSize(305, 138);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.28 << QSize(390, 177);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 1.6 << QSize(488, 221);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 2.4 << QSize(732, 331);
        QTest::newRow("wide, height decides") << QSize(3200, 900) << 2.0 << QSize(610, 276);
    }
    void screenFactor()
    {
        QFETCH(QSize, screen);
        QFETCH(double, factor);
        QFETCH(QSize, client);
        QVERIFY(qFuzzyCompare(THelpForm::screenFactor(screen), factor));
        QCOMPARE(THelpForm::clientSizeFor(screen), client);
        QWidget owner;
        THelpForm form(&owner, TInstructionsOptions(), screen);
        QCOMPARE(form.size(), client);
        // The text view stretches with the window; Start stays centred, 8 pixels above the bottom.
        QCOMPARE(form.HelpRich->geometry(), QRect(0, 24, client.width(), client.height() - 24 - 41));
        QCOMPARE(form.StartButton->geometry(),
                 QRect((client.width() - 173) / 2, client.height() - 33, 173, 25));
        QCOMPARE(form.HelpLabel->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(form.HelpLabel->width(), client.width());
    }

    void helpFormAtItsBaseSize()
    {
        QWidget owner;
        THelpForm form(&owner, TInstructionsOptions(), QSize(800, 600));
        QCOMPARE(form.objectName(), QStringLiteral("HelpForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Instructions for Settings utility"));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form.size(), QSize(305, 138));
        QCOMPARE(form.HelpRich->geometry(), QRect(0, 24, 305, 73));
        QCOMPARE(form.StartButton->geometry(), QRect(66, 105, 173, 25));
        QCOMPARE(form.StartButton->text(), QStringLiteral("Start"));
        QVERIFY(form.StartButton->isDefault());
        QVERIFY(form.HelpRich->isReadOnly());
        QCOMPARE(form.HelpRich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form.HelpRich->palette().color(QPalette::Base), QColor(0xDD, 0xDD, 0xDD));
        QCOMPARE(form.HelpLabel->text(), QStringLiteral("How to use this program"));
        QVERIFY(form.HelpLabel->font().bold());
        QCOMPARE(form.HelpLabel->font().pointSize(), 12);
        QCOMPARE(form.findComponent("HelpRich"), form.HelpRich);
        QCOMPARE(form.findComponent("StartButton"), form.StartButton);
        QCOMPARE(form.findComponent("HelpLabel"), form.HelpLabel);
        // Growing the shown window: anchors take over.
        form.show();
        form.resize(405, 238);
        QTRY_COMPARE(form.HelpRich->geometry(), QRect(0, 24, 405, 173));
        QCOMPARE(form.StartButton->geometry(), QRect(116, 205, 173, 25));
        QCOMPARE(form.HelpLabel->width(), 405);
    }

    void instructionsDocument_data()
    {
        QTest::addColumn<bool>("series");
        QTest::addColumn<bool>("multiPort");
        QTest::addColumn<bool>("listsCards");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray cards =
            "To see a list of IO-96 cards installed, click \"Display IO-96 Cards Installed\" under the File "
            "menu.\\par\\par\r\n";
        QTest::newRow("this page") << true << false << false << Head + "Acme IO-96 Series" + Body + "}";
        QTest::newRow("no Series") << false << false << false << Head + "Acme IO-96" + Body + "}";
        QTest::newRow("MultiPort") << true << true << false << Head + "Acme IO-96 Series" + Body + Note + "}";
        QTest::newRow("cards") << true << false << true << Head + "Acme IO-96 Series" + Body + cards + "}";
        QTest::newRow("MultiPort and cards") << true << true << true
                                             << Head + "Acme IO-96 Series" + Body + Note + cards + "}";
    }
    void instructionsDocument()
    {
        QFETCH(bool, series);
        QFETCH(bool, multiPort);
        QFETCH(bool, listsCards);
        QFETCH(QByteArray, expected);
        TInstructionsOptions o;
        o.companyName = QStringLiteral("Acme");
        o.cardName = QStringLiteral("IO-96");
        o.series = series;
        o.multiPort = multiPort;
        o.listsCards = listsCards;
        QCOMPARE(THelpForm::instructionsText(o), expected);
    }

    void instructionsShownThroughTheReader()
    {
        TestPage page;
        page.SetSup->setMultiPort(true);
        page.show();
        build(page.SetSup);
        QTextEdit *rich = page.SetSup->HelpForm()->HelpRich;
        QCOMPARE(rich->document()->firstBlock().text(), QStringLiteral("Acme IO-96 Series Settings Program"));
        QVERIFY(rich->toPlainText().contains(QStringLiteral("option group \u2014 the")));
        QVERIFY(!rich->toPlainText().contains(QLatin1Char('\\')));
    }

    void techForm()
    {
        TestPage page;
        page.show();
        build(page.SetSup);
        TTechForm *tech = page.SetSup->TechForm();
        QCOMPARE(TTechForm::supportText("Acme", "weekdays 8-5 at 555-0100"), TechText);
        QCOMPARE(tech->memoText(), TechText);
        QCOMPARE(tech->objectName(), QStringLiteral("TechForm"));
        QCOMPARE(page.findComponent("TechForm"), tech);
        QCOMPARE(tech->windowTitle(), QStringLiteral("Technical Support"));
        QVERIFY(tech->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(tech->size(), QSize(305, 122));
        QCOMPARE(tech->TechMemo->geometry(), QRect(0, 0, 305, 89));
        QCOMPARE(tech->CloseButton->geometry(), QRect(116, 97, 73, 25));
        QCOMPARE(tech->CloseButton->text(), QStringLiteral("Close"));
        QVERIFY(tech->TechMemo->isReadOnly());
        QCOMPARE(tech->TechMemo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(tech->TechMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memoLines(tech->TechMemo).size(), 3);
        QVERIFY(memoLines(tech->TechMemo)[1].isEmpty());

        tech->showAndRaise();
        QVERIFY(tech->isVisible());
        tech->CloseButton->click();
        QVERIFY(!tech->isVisible());
        QVERIFY(page.SetSup->TechForm() == tech); // hidden, not gone
    }

    void cardsWindowLayout()
    {
        QWidget owner;
        TPCIForm form(&owner, QStringLiteral("IO-96"));
        QCOMPARE(form.objectName(), QStringLiteral("PCIForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("IO-96 Cards installed"));
        QCOMPARE(form.size(), QSize(305, 122));
        QCOMPARE(form.PCIMemo->geometry(), QRect(0, 0, 305, 89));
        QCOMPARE(form.CloseButton->geometry(), QRect(115, 97, 73, 25));
        QCOMPARE(form.PCIMemo->font().pointSize(), 10);
        QVERIFY(form.PCIMemo->font().bold());
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void escapePressesCloseUnlessTheMemoHasFocus_data()
    {
        QTest::addColumn<bool>("focusInMemo");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("focus on Close") << false << true;
        QTest::newRow("focus in the memo") << true << false;
    }
    void escapePressesCloseUnlessTheMemoHasFocus()
    {
        QFETCH(bool, focusInMemo);
        QFETCH(bool, hidden);
        TestPage page;
        page.show();
        build(page.SetSup);
        TTechForm *tech = page.SetSup->TechForm();
        tech->showAndRaise();
        QWidget *target = focusInMemo ? static_cast<QWidget *>(tech->TechMemo) : tech->CloseButton;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QCOMPARE(!tech->isVisible(), hidden);
    }

    void startButton_data()
    {
        QTest::addColumn<bool>("withImage");
        QTest::newRow("with a board image") << true;
        QTest::newRow("without") << false;
    }
    void startButton()
    {
        QFETCH(bool, withImage);
        TestPage page;
        // A plain widget first, a board image inside it (not a direct child), then the images.
        auto *plain = new QWidget(page.client);
        auto *nested = new CountingBoardImage(plain);
        CountingBoardImage *first = nullptr;
        CountingBoardImage *second = nullptr;
        if (withImage) {
            first = new CountingBoardImage(page.client);
            second = new CountingBoardImage(page.client);
        }
        page.show();
        build(page.SetSup);
        THelpForm *help = page.SetSup->HelpForm();
        help->showAndRaise();
        help->StartButton->click();
        QVERIFY(!help->isVisible());
        QCOMPARE(nested->walks, 0);
        if (withImage) {
            QCOMPARE(first->walks, 1);
            QCOMPARE(second->walks, 0);
        }
    }

    void keysInTheInstructionsWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("focusInText");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("Escape on Start") << int(Qt::Key_Escape) << false << true;
        QTest::newRow("Enter on Start") << int(Qt::Key_Return) << false << true;
        QTest::newRow("keypad Enter on Start") << int(Qt::Key_Enter) << false << true;
        QTest::newRow("Escape in the text") << int(Qt::Key_Escape) << true << false;
        QTest::newRow("Enter in the text") << int(Qt::Key_Return) << true << false;
    }
    void keysInTheInstructionsWindow()
    {
        QFETCH(int, key);
        QFETCH(bool, focusInText);
        QFETCH(bool, pressed);
        TestPage page;
        auto *image = new CountingBoardImage(page.client);
        page.show();
        build(page.SetSup);
        THelpForm *help = page.SetSup->HelpForm();
        QVERIFY(runUntil([&] { return help->isVisible(); })); // opened by the first tick
        QCOMPARE(help->focusWidget(), static_cast<QWidget *>(help->StartButton));
        if (focusInText)
            help->HelpRich->setFocus();
        QTest::keyClick(help->focusWidget(), Qt::Key(key));
        QCOMPARE(!help->isVisible(), pressed);
        QCOMPARE(image->walks, pressed ? 1 : 0);
    }

    void showingAgainKeepsThePlaceAndTheTimerOff()
    {
        TestPage page;
        page.show();
        build(page.SetSup);
        THelpForm *help = page.SetSup->HelpForm();
        QVERIFY(runUntil([&] { return help->isVisible(); }));
        help->close(); // the close box only hides
        QVERIFY(!help->isVisible());
        help->move(40, 30);
        help->showAndRaise();
        QVERIFY(help->isVisible());
        QCOMPARE(help->pos(), QPoint(40, 30));
        QVERIFY(!page.SetSup->timerRunning());
        QVERIFY(!page.SetSup->helpPending());
    }

    void closeButtonClickHidesTheSendersWindowOnly()
    {
        TestPage page;
        page.show();
        build(page.SetSup);
        TTechForm *tech = page.SetSup->TechForm();
        tech->show();
        QObject notAControl;
        page.SetSup->CloseButtonClick(&notAControl);
        page.SetSup->CloseButtonClick(nullptr);
        QVERIFY(tech->isVisible());
        page.SetSup->CloseButtonClick(tech->CloseButton);
        QVERIFY(!tech->isVisible());
        QVERIFY(page.isVisible());
    }

    void otherMessagesGoToTheDefaultProcedure()
    {
        TSetupSupporter sup;
        int steps = 0;
        sup.setOnBeginCalib([&](QObject *) { ++steps; });
        QCOMPARE(sup.WindowHandle()->sendMessage(0x0010), qintptr(0));
        QCOMPARE(steps, 0);
        sup.WindowHandle()->sendMessage(WM_TIMER_MESSAGE, 1);
        QCOMPARE(steps, 1); // a timer message with no help pending is a step
    }
};

SETUP_TEST_MAIN(TestSetupSupporter)
#include "tst_setupsupporter.moc"
