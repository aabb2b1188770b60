// The mark's behaviour towards the pointer: names derived from Title, the panel link rule,
// twins acting as one mark, the four states of a twin group and their transitions, the
// activation walk, and marks that make no popup.
#include "support/testmain.h"
#include "viewfixture.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace viewfixture;

namespace {
// Two "Dip Switches" twins sharing one panel, and an informational mark beside them.
struct TwinPage : Page {
    TRadioPanel *switchPanel;
    TBoardHighlight *a;
    TBoardHighlight *b;
    TBoardHighlight *other;
    TwinPage()
    {
        switchPanel = panel(QRect(900, 100, 313, 137), {QStringLiteral("Set the switches.")});
        a = mark(QStringLiteral("Dip Switches"), htSettings, QRect(10, 10, 65, 65), switchPanel);
        other = mark(QStringLiteral("Header 1"), htOptions, QRect(100, 10, 49, 41));
        b = mark(QStringLiteral("Dip Switches"), htSettings, QRect(200, 100, 81, 57), switchPanel);
    }
    TMenuItem *entry() const { return a->findMenuEntry(); }
};

int formsCaptioned(const QString &caption)
{
    int n = 0;
    for (QWidget *w : TApplication::instance()->forms())
        if (w->windowTitle() == caption)
            ++n;
    return n;
}

QPoint inside(const TPopupForm *popup) { return popup->frameGeometry().center(); }
} // namespace

class TestHighlight : public QObject {
    Q_OBJECT
private slots:
    void init() { parkPointer(); }

    void stripAmpersands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("accelerator") << "&Dip Switches" << "Dip Switches";
        QTest::newRow("doubled") << "A&&B" << "AB";
        QTest::newRow("none") << "PCI/104 Connector" << "PCI/104 Connector";
        QTest::newRow("only ampersands") << "&&&" << "";
    }
    void stripAmpersands()
    {
        QFETCH(QString, text);
        QTEST(TBoardHighlight::stripAmpersands(text), "expected");
    }

    void makeIdent_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces") << "Dip Switches" << "DipSwitches";
        QTest::newRow("slash and space") << "PCI/104 Connector" << "PCI104Connector";
        QTest::newRow("digit kept after start") << "Header 3" << "Header3";
        QTest::newRow("leading digits dropped") << "1st step" << "ststep";
        QTest::newRow("nothing left") << "12" << "";
        QTest::newRow("already valid") << "_Valid_9" << "_Valid_9";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("ampersand") << "&Header 1" << "Header1";
        QTest::newRow("runs of bad characters") << "a--b//c" << "abc";
        QTest::newRow("non-ASCII letters are not letters") << QString::fromUtf8("Über Größe") << "berGre";
    }
    void makeIdent()
    {
        QFETCH(QString, text);
        QTEST(TBoardHighlight::makeIdent(text), "expected");
    }

    void titleSetsCaptionAndIdent()
    {
        TBoardHighlight mark;
        mark.setTitle(QStringLiteral("PCI/104 Connector"));
        QCOMPARE(mark.popupCaption(), QStringLiteral("PCI/104 Connector"));
        QCOMPARE(mark.titleIdent(), QStringLiteral("PCI104Connector"));
        mark.setTitle(QStringLiteral("&Header 1"));
        QCOMPARE(mark.popupCaption(), QStringLiteral("Header 1"));
        QCOMPARE(mark.titleIdent(), QStringLiteral("Header1"));
    }

    void titleChangeAfterFirstPaintLeavesPopupAndEntry()
    {
        TwinPage page;
        QVERIFY(page.showPainted());
        page.other->mouseEnter(0);
        page.other->mouseLeave(0);
        QVERIFY(page.other->popup());
        page.other->setTitle(QStringLiteral("Renamed"));
        QCOMPARE(page.other->popup()->windowTitle(), QStringLiteral("Header 1"));
        QCOMPARE(page.menu->captions(), (QStringList{"&File", "&Settings", "&Options", "&Help"}));
        QCOMPARE(page.menu->item(2)->item(0)->caption(), QStringLiteral("Header 1"));
        QVERIFY(!page.other->findMenuEntry());
    }

    // A panel serves several marks only when they are twins.
    void panelLinkRule_data()
    {
        QTest::addColumn<QString>("secondTitle");
        QTest::addColumn<int>("secondType");
        QTest::addColumn<bool>("linked");
        QTest::newRow("twin shares") << "Dip Switches" << int(htSettings) << true;
        QTest::newRow("other title refused") << "Jumpers" << int(htSettings) << false;
        QTest::newRow("same title, other kind refused") << "Dip Switches" << int(htOptions) << false;
        QTest::newRow("title differs in case only refused") << "dip switches" << int(htSettings) << false;
    }
    void panelLinkRule()
    {
        QFETCH(QString, secondTitle);
        QFETCH(int, secondType);
        QFETCH(bool, linked);
        Page page;
        TRadioPanel *shared = page.panel(QRect(900, 100, 200, 50));
        TRadioPanel *own = page.panel(QRect(900, 300, 200, 50));
        TBoardHighlight *first = page.mark(QStringLiteral("Dip Switches"), htSettings, QRect(10, 10, 65, 65), shared);
        TBoardHighlight *second = page.mark(secondTitle, THighlightType(secondType), QRect(100, 10, 65, 65), own);
        second->setRadioPanel(shared);
        QCOMPARE(first->radioPanel(), shared);
        QCOMPARE(second->radioPanel(), linked ? shared : own);
        QVERIFY(MessageBoxes::requests().isEmpty());
    }

    void linkingNoneClearsAndTheSamePanelChangesNothing()
    {
        Page page;
        TRadioPanel *p = page.panel(QRect(900, 100, 200, 50));
        TBoardHighlight *m = page.mark(QStringLiteral("A"), htSettings, QRect(10, 10, 65, 65), p);
        // A foreign mark holding the panel would make any new link a conflict.
        TBoardHighlight *foreign = page.mark(QStringLiteral("B"), htSettings, QRect(100, 10, 65, 65));
        foreign->setRadioPanel(p);
        QCOMPARE(foreign->radioPanel(), nullptr);
        m->setRadioPanel(p);
        QCOMPARE(m->radioPanel(), p);
        m->setRadioPanel(nullptr);
        QCOMPARE(m->radioPanel(), nullptr);
        foreign->setRadioPanel(p);
        QCOMPARE(foreign->radioPanel(), p);
    }

    void twinsLightTogetherWithOnePopup_data()
    {
        QTest::addColumn<bool>("enterSecond");
        QTest::newRow("entering the first twin") << false;
        QTest::newRow("entering the second twin") << true;
    }
    void twinsLightTogetherWithOnePopup()
    {
        QFETCH(bool, enterSecond);
        TwinPage page;
        QVERIFY(page.showPainted());
        TBoardHighlight *entered = enterSecond ? page.b : page.a;
        TBoardHighlight *sibling = enterSecond ? page.a : page.b;
        entered->mouseEnter(0);
        QVERIFY(page.a->lit());
        QVERIFY(page.b->lit());
        QVERIFY(!page.other->lit());
        QVERIFY(entered->popup());
        QCOMPARE(sibling->popup(), nullptr);
        QCOMPARE(formsCaptioned(QStringLiteral("Dip Switches")), 1);
        QCOMPARE(page.switchPanel->parentWidget(), entered->popup());
        QCOMPARE(page.menu->item(1)->count(), 1); // one entry for both

        sibling->click();
        QVERIFY(entered->pinned());
        QVERIFY(page.entry()->checked());
        entered->popup()->close();
        QVERIFY(!page.a->lit());
        QVERIFY(!page.b->lit());
        QVERIFY(!page.entry()->checked());
        QVERIFY(entered->popup()->isHidden());

        // The next visit, from the other twin, shows the same window again.
        sibling->mouseEnter(0);
        QVERIFY(entered->popup()->isVisible());
        QCOMPARE(sibling->popup(), nullptr);
        QCOMPARE(formsCaptioned(QStringLiteral("Dip Switches")), 1);
        QVERIFY(page.a->lit() && page.b->lit());
    }

    // The pointer-related state of the twin group, after a sequence of events.
    void stateTable_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("lit");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("pinned");
        QTest::addColumn<bool>("closeOnLeave");
        QTest::addColumn<bool>("checked");
        const auto s = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
        //                                                 lit    shown  pinned close  checked
        QTest::newRow("Idle -> Hovered") << s("enterA") << true << true << false << false << false;
        QTest::newRow("Hovered -> Idle") << s("enterA leaveA") << false << false << false << false << false;
        QTest::newRow("Hovered -> Held") << s("enterA leaveAintoPopup") << true << true << true << true << true;
        QTest::newRow("Held: move within popup") << s("enterA leaveAintoPopup movePopup") << true << true << true << true << true;
        QTest::newRow("Held -> Idle: leave popup") << s("enterA leaveAintoPopup leavePopup") << false << false << true << false << false;
        QTest::newRow("Hovered -> Sticky") << s("enterA clickB") << true << true << true << false << true;
        QTest::newRow("Sticky: leave mark") << s("enterA clickB leaveA") << true << true << true << false << true;
        QTest::newRow("Sticky: leave popup") << s("enterA clickB leaveA leavePopup") << true << true << true << false << true;
        QTest::newRow("Sticky: enter again") << s("enterA clickB leaveA enterB leaveB") << true << true << true << false << true;
        QTest::newRow("Sticky -> Idle: Done") << s("enterA clickB leaveA done") << false << false << true << false << false;
        QTest::newRow("Held -> Idle: close box") << s("enterA leaveAintoPopup close") << false << false << true << false << false;
        QTest::newRow("Held -> Idle: menu entry") << s("enterA leaveAintoPopup menu") << false << false << true << false << false;
        QTest::newRow("Idle -> Sticky: menu entry") << s("menu") << true << true << true << false << true;
        QTest::newRow("Sticky -> Idle: menu entry") << s("menu menu") << false << false << true << false << false;
        QTest::newRow("Idle again, then Hovered: pin reset") << s("enterA clickB done enterB") << true << true << false << false << false;
        QTest::newRow("Idle -> Sticky: guided start") << s("walk") << true << true << true << false << true;
        QTest::newRow("click while Idle pins nothing") << s("enterA leaveA clickA") << false << false << false << false << false;
    }
    void stateTable()
    {
        QFETCH(QStringList, steps);
        TwinPage page;
        QVERIFY(page.showPainted());
        page.board->setFirst(page.b);
        auto owner = [&] { return page.a->popup() ? page.a : page.b; };
        for (const QString &step : steps) {
            if (step == "enterA") page.a->mouseEnter(0);
            else if (step == "enterB") page.b->mouseEnter(0);
            else if (step == "leaveA") { parkPointer(); page.a->mouseLeave(0); }
            else if (step == "leaveB") { parkPointer(); page.b->mouseLeave(0); }
            else if (step == "leaveAintoPopup") { QCursor::setPos(inside(owner()->popup())); page.a->mouseLeave(0); }
            else if (step == "clickA") page.a->click();
            else if (step == "clickB") page.b->click();
            else if (step == "movePopup") { QCursor::setPos(inside(owner()->popup()) + QPoint(5, 5)); owner()->popup()->pointerLeft(); }
            else if (step == "leavePopup") { parkPointer(); QEvent leave(QEvent::Leave); QApplication::sendEvent(owner()->popup(), &leave); }
            else if (step == "done") owner()->doneClick(nullptr);
            else if (step == "close") owner()->popup()->close();
            else if (step == "menu") page.entry()->click();
            else if (step == "walk") { QEvent walk(StartWalkMessage); QApplication::sendEvent(page.board, &walk); }
            else QFAIL(qPrintable("unknown step " + step));
        }
        QTEST(page.a->lit(), "lit");
        QTEST(page.b->lit(), "lit");
        TPopupForm *popup = owner()->popup();
        QTEST(popup && popup->isVisible(), "shown");
        QTEST(owner()->pinned(), "pinned");
        QTEST(popup && popup->closeOnLeave(), "closeOnLeave");
        QTEST(page.entry()->checked(), "checked");
        QCOMPARE(formsCaptioned(QStringLiteral("Dip Switches")), popup ? 1 : 0);
        QVERIFY(!page.other->lit());
    }

    void secondEnterWhileLitDoesNothing()
    {
        TwinPage page;
        QVERIFY(page.showPainted());
        page.other->mouseEnter(0);
        TPopupForm *popup = page.other->popup();
        QVERIFY(popup);
        const int repaints = page.other->invalidations();
        page.other->mouseEnter(0);
        page.other->mouseEnter(1);
        QCOMPARE(page.other->popup(), popup);
        QCOMPARE(page.other->invalidations(), repaints);
        QCOMPARE(formsCaptioned(QStringLiteral("Header 1")), 1);
    }

    // A mark that makes no popup, and has no twin that does, goes dark when the pointer goes.
    void markWithoutPopupUnlightsOnLeave_data()
    {
        QTest::addColumn<bool>("withTwin");
        QTest::newRow("single mark") << false;
        QTest::newRow("twins that both make none") << true;
    }
    void markWithoutPopupUnlightsOnLeave()
    {
        QFETCH(bool, withTwin);
        Page page;
        TBoardHighlight *m = page.mark(QStringLiteral("Plain"), htOptions, QRect(10, 10, 65, 65));
        m->setCreatePopup(false);
        TBoardHighlight *twin = nullptr;
        if (withTwin) {
            twin = page.mark(QStringLiteral("Plain"), htOptions, QRect(100, 10, 65, 65));
            twin->setCreatePopup(false);
        }
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QVERIFY(m->lit());
        QCOMPARE(m->popup(), nullptr);
        QVERIFY(!twin || twin->lit());
        m->mouseLeave(0);
        QVERIFY(!m->lit());
        QVERIFY(!twin || !twin->lit());
        QCOMPARE(QColor(page.board->grab().toImage().pixel(10 + 32, 10 + 4)), QColor(m->normalGlyph().pixel(32, 4)));
    }

    void markWithoutPopupStaysLitWhileItsTwinsPopupIsOpen()
    {
        Page page;
        TBoardHighlight *quiet = page.mark(QStringLiteral("Pair"), htSettings, QRect(10, 10, 65, 65));
        quiet->setCreatePopup(false);
        TBoardHighlight *talker = page.mark(QStringLiteral("Pair"), htSettings, QRect(100, 10, 65, 65));
        QVERIFY(page.showPainted());
        quiet->mouseEnter(0);
        QVERIFY(talker->popup() && talker->popup()->isVisible());
        talker->click();
        quiet->mouseLeave(0);
        QVERIFY(quiet->lit());
        QVERIFY(talker->lit());
        talker->doneClick(nullptr);
        QVERIFY(!quiet->lit());
    }

    void activationLightsTheGroupAndBringsItToFront()
    {
        TwinPage page;
        QVERIFY(page.showPainted());
        page.a->setPopupActive(true);
        QVERIFY(page.a->popupActive());
        QVERIFY(page.b->popupActive());
        QVERIFY(!page.other->popupActive());
        // The twins now come last in the paint order, the relayed one after the caller.
        const QObjectList kids = page.board->children();
        QCOMPARE(kids.at(kids.size() - 1), page.b);
        QCOMPARE(kids.at(kids.size() - 2), page.a);
        page.b->setPopupActive(false, false);
        QVERIFY(page.a->popupActive());
        QVERIFY(!page.b->popupActive());
    }

    void activationWalkReachesEveryTwin()
    {
        Page page;
        QList<TBoardHighlight *> group;
        for (int i = 0; i < 4; ++i) {
            group << page.mark(QStringLiteral("Same"), htCalibration, QRect(10 + 70 * i, 10, 65, 65));
            page.mark(QStringLiteral("Else %1").arg(i), htCalibration, QRect(10 + 70 * i, 100, 65, 65));
        }
        group.at(2)->setPopupActive(true);
        for (TBoardHighlight *m : group)
            QVERIFY(m->popupActive());
        // The caller first, then the others in their former order.
        const QObjectList kids = page.board->children();
        const int n = int(kids.size());
        QCOMPARE(kids.mid(n - 4), (QObjectList{group[2], group[0], group[1], group[3]}));
    }

    void popupActivationFollowsTheWindow()
    {
        TwinPage page;
        QVERIFY(page.showPainted());
        page.a->mouseEnter(0);
        TPopupForm *popup = page.a->popup();
        QTRY_COMPARE(QApplication::activeWindow(), popup);
        QTRY_VERIFY(page.a->popupActive());
        QVERIFY(page.b->popupActive());
        QCOMPARE(page.a->currentGlyph().cacheKey(), page.a->activeGlyph().cacheKey());
        page.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &page);
        QTRY_VERIFY(!page.a->popupActive());
        QVERIFY(!page.b->popupActive());
        QCOMPARE(page.a->currentGlyph().cacheKey(), page.a->hotGlyph().cacheKey());
    }

    void markOutsideABoardImageHasNoTwins()
    {
        QWidget plain;
        auto *m1 = new TBoardHighlight(&plain);
        auto *m2 = new TBoardHighlight(&plain);
        m1->setTitle(QStringLiteral("X"));
        m2->setTitle(QStringLiteral("X"));
        m1->setCreatePopup(false);
        m2->setCreatePopup(false);
        QVERIFY(m1->twins().isEmpty());
        m1->mouseEnter(0);
        QVERIFY(m1->lit());
        QVERIFY(!m2->lit());
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        m1->repaint();
        QVERIFY(m1->glyphsBuilt());
        QCOMPARE(m1->boardMenu(), nullptr);
    }

    void popupDiesWithItsMark()
    {
        TwinPage page;
        QVERIFY(page.showPainted());
        page.other->mouseEnter(0);
        QPointer<TPopupForm> popup = page.other->popup();
        QVERIFY(popup);
        delete page.other;
        QVERIFY(popup.isNull());
        QCOMPARE(formsCaptioned(QStringLiteral("Header 1")), 0);
    }
};

SETUP_TEST_MAIN(TestHighlight)
#include "tst_highlight.moc"
