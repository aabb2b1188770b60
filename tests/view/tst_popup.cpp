// The popup window: its layout from the panel's size, placement by the board image's home
// place, clamping to the screen, its parts by name, hiding and showing again, and the
// pointer-leave test.
#include "support/testmain.h"
#include "viewfixture.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

using namespace viewfixture;

namespace {
QRect rectOf(const TPopupForm *popup, const char *name)
{
    auto *w = qobject_cast<QWidget *>(popup->findComponent(QString::fromLatin1(name)));
    return w ? w->geometry() : QRect();
}
} // namespace

class TestPopup : public QObject {
    Q_OBJECT
private slots:
    void init() { parkPointer(); }

    void layoutFollowsThePanel_data()
    {
        QTest::addColumn<QSize>("panelSize");
        QTest::addColumn<int>("memoHeight");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("memo");
        QTest::addColumn<int>("buttonTop");
        QTest::addColumn<int>("nextLeft");
        QTest::addColumn<int>("doneLeft");
        QTest::addColumn<int>("statusTop");
        QTest::newRow("thin panel 233 x 9") << QSize(233, 9) << 58 << QSize(233, 118) << QRect(6, 10, 221, 58) << 74 << 87 << 169 << 99;
        QTest::newRow("switch panel 313 x 137") << QSize(313, 137) << 58 << QSize(313, 246) << QRect(6, 138, 301, 58) << 202 << 127 << 249 << 227;
        QTest::newRow("taller memo") << QSize(250, 40) << 100 << QSize(250, 191) << QRect(6, 41, 238, 100) << 147 << 96 << 186 << 172;
        // Narrower than a 194-pixel window allows: the window widens, the panel keeps its width.
        QTest::newRow("narrow panel widened") << QSize(100, 20) << 58 << QSize(194, 129) << QRect(6, 21, 182, 58) << 85 << 68 << 130 << 110;
        // A window lower than 122 with its caption is raised to that height.
        const int caption = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        const int h = 122 - caption;
        QTest::newRow("low panel raised") << QSize(200, 2) << 10 << QSize(200, h) << QRect(6, h - 44 - 6 - 10, 188, 10) << h - 44 << 71 << 136 << h - 19;
    }
    void layoutFollowsThePanel()
    {
        QFETCH(QSize, panelSize);
        QFETCH(int, memoHeight);
        QFETCH(QSize, client);
        QFETCH(QRect, memo);
        QFETCH(int, buttonTop);
        QFETCH(int, nextLeft);
        QFETCH(int, doneLeft);
        QFETCH(int, statusTop);
        Page page;
        TRadioPanel *panel = page.panel(QRect(QPoint(820, 100), panelSize), {"one", "two"}, memoHeight);
        TBoardHighlight *m = page.mark(QStringLiteral("PCI/104 Connector"), htOptions, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        QVERIFY(popup);
        QCOMPARE(popup->size(), client);
        QCOMPARE(popup->minimumSize(), client);
        QCOMPARE(panel->geometry(), QRect(QPoint(0, 0), panelSize));
        QVERIFY(panel->isVisible());
        QCOMPARE(rectOf(popup, "StatusMemo"), memo);
        QCOMPARE(rectOf(popup, "PreviousButton"), QRect(6, buttonTop, 58, 25));
        QCOMPARE(rectOf(popup, "NextButton"), QRect(nextLeft, buttonTop, 58, 25));
        QCOMPARE(rectOf(popup, "DoneButton"), QRect(doneLeft, buttonTop, 58, 25));
        QCOMPARE(rectOf(popup, "PopupStatus"), QRect(0, statusTop, client.width(), 19));
        QCOMPARE(popup->popupStatus(), popup->findComponent(QStringLiteral("PopupStatus")));
    }

    void windowSettings()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(820, 100, 233, 9), {"First line", "Second line."});
        TBoardHighlight *m = page.mark(QStringLiteral("&Header 1"), htCalibration, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        QVERIFY(popup);
        QCOMPARE(QString::fromLatin1(popup->metaObject()->className()), QStringLiteral("TPopupForm"));
        QCOMPARE(popup->windowTitle(), QStringLiteral("Header 1"));
        QCOMPARE(popup->tag(), int(htCalibration));
        QCOMPARE(TApplication::formTag(popup), 2);
        QCOMPARE(popup->highlight(), m);
        QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(popup->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(popup->borderStyle(), TForm::Style::SizeableToolWindow);
        QCOMPARE(panel->parentWidget(), popup);
        QVERIFY(panel->adopted());
        auto *memo = qobject_cast<QPlainTextEdit *>(popup->findComponent(QStringLiteral("statusmemo")));
        QVERIFY(memo);
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->toPlainText(), QStringLiteral("First line\nSecond line."));
        QCOMPARE(panel->linkedMemo(), memo);
        const QStringList captions = {"Previous", "Next", "Done"};
        const QStringList names = {"PreviousButton", "NextButton", "DoneButton"};
        for (int i = 0; i < 3; ++i) {
            auto *button = qobject_cast<QPushButton *>(popup->findComponent(names[i]));
            QVERIFY(button);
            QCOMPARE(button->text(), captions[i]);
        }
        QCOMPARE(popup->popupStatus()->currentMessage(), QString());
        QTRY_VERIFY(panel->hasFocus());
    }

    void withoutPanelSitsBelowTheBoard()
    {
        Page page;
        TBoardHighlight *m = page.mark(QStringLiteral("Lonely"), htOptions, QRect(10, 10, 65, 65));
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        QVERIFY(popup);
        QCOMPARE(popup->size(), QSize(194, 141));
        QCOMPARE(rectOf(popup, "StatusMemo"), QRect(6, 141 - 44 - 6 - 58, 182, 58));
        QCOMPARE(popup->pos(), QPoint(126, 26 + 300 + 38));
        QTRY_VERIFY(popup->findChild<QPushButton *>(QStringLiteral("DoneButton"))->hasFocus());
    }

    void followsTheBoardFromItsHomePlace()
    {
        Page page;
        page.board->setCenterOnForm(true);
        TRadioPanel *panel = page.panel(QRect(600, 150, 233, 9));
        TBoardHighlight *m = page.mark(QStringLiteral("Moved"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        const QPoint shift = page.board->pos() - QPoint(126, 26);
        QVERIFY(shift != QPoint(0, 0));
        QCOMPARE(page.board->pos(), QPoint((800 - 400) / 2, (page.frameGeometry().height() - 300) / 2));
        m->mouseEnter(0);
        QCOMPARE(m->popup()->pos(), QPoint(600, 150) + shift);
    }

    // Kept on the screen: a window past an edge is moved back so that it touches it.
    void clampedToTheScreen_data()
    {
        QTest::addColumn<QPoint>("panelPlace");
        QTest::addColumn<QPoint>("expected");
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QTest::newRow("inside") << QPoint(820, 100) << QPoint(820, 100);
        QTest::newRow("past the right edge") << QPoint(1200, 100) << QPoint(screen.width() - 233, 100);
        QTest::newRow("left of the screen") << QPoint(-130, 100) << QPoint(0, 100);
        QTest::newRow("above the screen") << QPoint(820, -50) << QPoint(820, 0);
        QTest::newRow("past the bottom edge") << QPoint(820, 1000) << QPoint(820, screen.height() - 118);
        QTest::newRow("past two edges") << QPoint(1270, 1020) << QPoint(screen.width() - 233, screen.height() - 118);
    }
    void clampedToTheScreen()
    {
        QFETCH(QPoint, panelPlace);
        QFETCH(QPoint, expected);
        Page page;
        TRadioPanel *panel = page.panel(QRect(panelPlace, QSize(233, 9)));
        TBoardHighlight *m = page.mark(QStringLiteral("Edge"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QCOMPARE(m->popup()->pos(), expected);
    }

    void widerThanTheScreenKeepsItsFirstCorrection()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(10, 100, 1400, 20));
        TBoardHighlight *m = page.mark(QStringLiteral("Huge"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        QCOMPARE(m->popup()->x(), screenWidth - 1400);
    }

    void growsWithTheWindow()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(820, 100, 233, 9));
        TBoardHighlight *m = page.mark(QStringLiteral("Grow"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        popup->resize(333, 168);
        settle();
        QCOMPARE(rectOf(popup, "StatusMemo"), QRect(6, 10, 321, 108));
        QCOMPARE(rectOf(popup, "PreviousButton"), QRect(6, 124, 58, 25));
        QCOMPARE(rectOf(popup, "DoneButton"), QRect(269, 124, 58, 25));
        QCOMPARE(rectOf(popup, "PopupStatus"), QRect(0, 149, 333, 19));
        const QRect next = rectOf(popup, "NextButton");
        QCOMPARE(next.top(), 124);
        QVERIFY2(qAbs(next.left() * 2 + next.width() - 333) <= 4, "Next stays centred"); // within the halvings
        QCOMPARE(panel->geometry(), QRect(0, 0, 233, 9));
    }

    void hiddenAndShownAgainKeepsPlaceAndLines()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(820, 100, 233, 9), {"Original"});
        TBoardHighlight *m = page.mark(QStringLiteral("Again"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        popup->setGeometry(850, 300, 260, 140);
        m->mouseLeave(0);
        QVERIFY(popup->isHidden());
        panel->setLines({"Changed"});
        m->mouseEnter(0);
        QCOMPARE(m->popup(), popup);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->geometry(), QRect(850, 300, 260, 140));
        QCOMPARE(panel->linkedMemo()->toPlainText(), QStringLiteral("Original"));
        QCOMPARE(popup->findChildren<QPlainTextEdit *>().size(), 1);
    }

    void aForeignWindowWithCaptionAndTagBlocksThePopup_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("same tag") << int(htSettings) << true;
        QTest::newRow("other tag") << int(htOptions) << false;
    }
    void aForeignWindowWithCaptionAndTagBlocksThePopup()
    {
        QFETCH(int, tag);
        QFETCH(bool, blocked);
        Page page;
        TForm foreign;
        foreign.setWindowTitle(QStringLiteral("Busy"));
        foreign.setTag(tag);
        TBoardHighlight *m = page.mark(QStringLiteral("Busy"), htSettings, QRect(10, 10, 65, 65));
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QCOMPARE(m->popup() == nullptr, blocked);
        m->mouseLeave(0);
        QVERIFY(!m->lit());
    }

    // The pointer leaving the popup: a move between its controls is no exit.
    void leaveTest_data()
    {
        QTest::addColumn<bool>("closeOnLeave");
        QTest::addColumn<QPoint>("offset"); // from the window's top-left; (-1, -1) is outside
        QTest::addColumn<bool>("closes");
        QTest::newRow("held, pointer outside") << true << QPoint(-1, 5) << true;
        QTest::newRow("held, pointer above") << true << QPoint(5, -1) << true;
        QTest::newRow("held, top-left corner inside") << true << QPoint(0, 0) << false;
        QTest::newRow("held, inside") << true << QPoint(100, 50) << false;
        QTest::newRow("held, right edge is outside") << true << QPoint(233, 50) << true;
        QTest::newRow("held, bottom edge is outside") << true << QPoint(50, 118) << true;
        QTest::newRow("held, last pixel inside") << true << QPoint(232, 117) << false;
        QTest::newRow("not held, outside") << false << QPoint(-1, 5) << false;
    }
    void leaveTest()
    {
        QFETCH(bool, closeOnLeave);
        QFETCH(QPoint, offset);
        QFETCH(bool, closes);
        Page page;
        TRadioPanel *panel = page.panel(QRect(900, 300, 233, 9));
        TBoardHighlight *m = page.mark(QStringLiteral("Leave"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        QCOMPARE(popup->frameGeometry(), QRect(900, 300, 233, 118));
        popup->setCloseOnLeave(closeOnLeave);
        QCursor::setPos(popup->pos() + offset);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(popup, &leave);
        QCOMPARE(popup->isHidden(), closes);
        QCOMPARE(m->lit(), !closes);
        if (closes)
            QVERIFY(!popup->closeOnLeave());
    }

    // Leaving into the frame is no exit, but leaving the frame afterwards is one.
    void leaveThroughTheFrameClosesOnceOutside()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(900, 300, 233, 9));
        TBoardHighlight *m = page.mark(QStringLiteral("Frame"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        TPopupForm *popup = m->popup();
        popup->setCloseOnLeave(true);
        QCursor::setPos(popup->pos() + QPoint(1, 1));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(popup, &leave);
        settle();
        QVERIFY(popup->isVisible());
        QCursor::setPos(popup->pos() - QPoint(20, 20));
        QTRY_VERIFY(popup->isHidden());
        QVERIFY(!m->lit());
    }

    void panelActivationCallbacksFollowTheFocusBetweenWindows()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(900, 300, 233, 9));
        QStringList calls;
        panel->setOnActivate([&](QObject *s) { calls << (s == page.findComponent("RadioPanel1") ? "wrong sender" : "activate"); });
        panel->setOnDeactivate([&](QObject *) { calls << "deactivate"; });
        int entered = 0;
        panel->setOnEnter([&](QObject *s) { QCOMPARE(s, panel); ++entered; });
        TBoardHighlight *m = page.mark(QStringLiteral("Focus"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        page.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &page);
        m->mouseEnter(0);
        QTRY_COMPARE(QApplication::activeWindow(), m->popup());
        QTRY_COMPARE(entered, 1);
        QCOMPARE(calls, QStringList{"activate"});
        page.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &page);
        QTRY_COMPARE(calls, (QStringList{"activate", "deactivate"}));
        QCOMPARE(entered, 1);
    }
};

SETUP_TEST_MAIN(TestPopup)
#include "tst_popup.moc"
