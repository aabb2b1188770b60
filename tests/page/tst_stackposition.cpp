// The stack position: whichever of the combo box, the two jumpers and the DIP switch the user
// changes, the other two follow.
#include "pagefixture.h"
#include "support/testmain.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
// Puts all three widgets on a position (1 to 4) through the user's choice in the list.
void choose(TMainForm *f, int position)
{
    f->ComboBox1->setCurrentIndex(position - 1);
    emit f->ComboBox1->activated(position - 1);
}

void doubleClick(QWidget *w)
{
    const QPoint p(10, 10);
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &second);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
}

QWidget *openStackPopup(TMainForm *f)
{
    f->dipSwitchHighlight->mouseEnter(0);
    f->dipSwitchHighlight->click();
    return f->dipSwitchHighlight->popup();
}
} // namespace

class TestStackPosition : public QObject {
    Q_OBJECT
private slots:
    void comboChoiceSetsJumpersAndSwitch_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("sel1");
        QTest::addColumn<int>("sel2");
        QTest::addColumn<QString>("dip");
        QTest::newRow("Position 1") << 1 << int(jsLeft) << int(jsLeft) << "11";
        QTest::newRow("Position 2") << 2 << int(jsRight) << int(jsLeft) << "01";
        QTest::newRow("Position 3") << 3 << int(jsLeft) << int(jsRight) << "10";
        QTest::newRow("Position 4") << 4 << int(jsRight) << int(jsRight) << "00";
    }
    void comboChoiceSetsJumpersAndSwitch()
    {
        QFETCH(int, position);
        QFETCH(int, sel1);
        QFETCH(int, sel2);
        QFETCH(QString, dip);
        ShownPage page;
        openStackPopup(page.form.get());
        choose(page.form.get(), 4);
        choose(page.form.get(), position);
        QCOMPARE(int(page->Sel0Jumper->jumperState()), sel1);
        QCOMPARE(int(page->Sel1Jumper->jumperState()), sel2);
        QCOMPARE(page->positionSwitch->binaryValueStr(), dip);
    }

    void jumperClickFromEachPosition_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("second"); // SEL 2 rather than SEL 1
        QTest::addColumn<int>("to");
        // SEL 1 toggles between left and right pins, SEL 2 likewise; it never stays open.
        QTest::newRow("1, SEL 1") << 1 << false << 2;
        QTest::newRow("2, SEL 1") << 2 << false << 1;
        QTest::newRow("3, SEL 1") << 3 << false << 4;
        QTest::newRow("4, SEL 1") << 4 << false << 3;
        QTest::newRow("1, SEL 2") << 1 << true << 3;
        QTest::newRow("2, SEL 2") << 2 << true << 4;
        QTest::newRow("3, SEL 2") << 3 << true << 1;
        QTest::newRow("4, SEL 2") << 4 << true << 2;
    }
    void jumperClickFromEachPosition()
    {
        QFETCH(int, from);
        QFETCH(bool, second);
        QFETCH(int, to);
        ShownPage page;
        openStackPopup(page.form.get());
        choose(page.form.get(), from);
        TThreeJumper *jumper = second ? page->Sel1Jumper : page->Sel0Jumper;
        QTest::mouseClick(jumper, Qt::LeftButton, {}, QPoint(9, 20));
        QCOMPARE(jumperPosition(page.form.get()), to);
        QCOMPARE(comboPosition(page.form.get()), to);
        QCOMPARE(dipPosition(page.form.get()), to);
    }

    void dipPressesWalkThePositions()
    {
        ShownPage page;
        openStackPopup(page.form.get());
        choose(page.form.get(), 1);
        const QList<quint32> values{0, 1, 2, 3};
        const QList<int> positions{4, 2, 3, 1};
        for (int i = 0; i < values.size(); ++i) {
            QTest::mouseClick(page->positionSwitch, Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(page->positionSwitch->value(), values[i]);
            QCOMPARE(dipPosition(page.form.get()), positions[i]);
            QCOMPARE(jumperPosition(page.form.get()), positions[i]);
            QCOMPARE(comboPosition(page.form.get()), positions[i]);
        }
    }

    void rightPressAdvancesAndDoubleClickAdvancesTwice()
    {
        ShownPage page;
        openStackPopup(page.form.get());
        choose(page.form.get(), 1);
        QTest::mouseClick(page->positionSwitch, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(dipPosition(page.form.get()), 4);
        QCOMPARE(jumperPosition(page.form.get()), 4);
        // A double click as the window system delivers it: press, release, then the second
        // press as a double-click event, release.
        doubleClick(page->positionSwitch);
        // 0 → 1 → 2: two presses, Position 3.
        QCOMPARE(page->positionSwitch->value(), 2u);
        QCOMPARE(comboPosition(page.form.get()), 3);
        QCOMPARE(jumperPosition(page.form.get()), 3);
    }

    void dipPressWithoutComboSelectionStartsFromTheSwitch()
    {
        TMainForm form; // not shown: the combo box has no selection
        QCOMPARE(form.ComboBox1->currentIndex(), -1);
        form.positionSwitchMouseDown(form.positionSwitch, mbLeft, {}, 0, 0);
        QCOMPARE(form.positionSwitch->value(), 0u);
        QCOMPARE(comboPosition(&form), 4);
        QCOMPARE(jumperPosition(&form), 4);
    }

    void changeWithNothingSelectedChangesNothing()
    {
        TMainForm form;
        form.ComboBox1->setCurrentIndex(-1);
        form.ComboBox1Change(form.ComboBox1);
        QCOMPARE(jumperPosition(&form), 1);
        QCOMPARE(form.positionSwitch->value(), 3u);
        QCOMPARE(form.ComboBox1->currentIndex(), -1);
    }

    void settingTheIndexInCodeRunsNoChange()
    {
        TMainForm form;
        form.ComboBox1->setCurrentIndex(3);
        QCOMPARE(jumperPosition(&form), 1);
        QCOMPARE(form.positionSwitch->value(), 3u);
    }

    void focusEntryShowsThePositionOfTheJumpers()
    {
        // The combo box never shows another position than the jumpers and the DIP switch: on
        // entry it takes the jumpers' position (Position 1 on the first build).
        ShownPage page;
        QWidget *popup = openStackPopup(page.form.get());
        QVERIFY(popup);
        QTRY_COMPARE(comboPosition(page.form.get()), 1);
        choose(page.form.get(), 3);
        auto *memo = popup->findChild<QWidget *>("StatusMemo");
        QVERIFY(memo);
        page->switchPanelEnter(page->switchPanel); // focus back into the panel from the memo
        QCOMPARE(comboPosition(page.form.get()), 3);
        QCOMPARE(jumperPosition(page.form.get()), 3);
        QCOMPARE(dipPosition(page.form.get()), 3);
        // Jumpers changed behind the combo box's back: entry brings the combo box in line.
        page->Sel0Jumper->setJumperState(jsRight);
        page->Sel1Jumper->setJumperState(jsRight);
        page->positionSwitch->setValue(0);
        page->switchPanelEnter(page->switchPanel);
        QCOMPARE(comboPosition(page.form.get()), 4);
        QCOMPARE(page->positionSwitch->value(), 0u);
    }

    void selLabelsStayAsHighAsTheirText()
    {
        // The captions read downward one character a line; in the popup they take its font,
        // and a label left at its page height would cut off the last character.
        ShownPage page;
        const QList<QLabel *> labels{page->Label1, page->Label2};
        auto fits = [](QLabel *l) { return l->height() == l->heightForWidth(l->width()); };
        for (QLabel *l : labels)
            QVERIFY2(fits(l), qPrintable(l->objectName()));
        QWidget *popup = openStackPopup(page.form.get());
        QVERIFY(popup);
        for (QLabel *l : labels)
            QVERIFY2(fits(l), qPrintable(l->objectName()));
        const int before = page->Label1->height();
        QFont large = popup->font();
        large.setPixelSize(2 * QFontInfo(page->Label1->font()).pixelSize());
        popup->setFont(large);
        for (QLabel *l : labels) {
            QVERIFY2(fits(l), qPrintable(l->objectName()));
            QCOMPARE(l->width(), 9);
        }
        QVERIFY(page->Label1->height() > before);
    }

    void focusMovingIntoThePanelRunsTheEntryHandler()
    {
        ShownPage page;
        QWidget *popup = openStackPopup(page.form.get());
        choose(page.form.get(), 2);
        page->ComboBox1->setCurrentIndex(-1); // as if something had cleared it
        auto *memo = popup->findChild<QWidget *>("StatusMemo");
        popup->activateWindow();
        memo->setFocus();
        QCoreApplication::processEvents();
        page->ComboBox1->setFocus();
        QCoreApplication::processEvents();
        QTRY_COMPARE(comboPosition(page.form.get()), 2);
    }
};

SETUP_TEST_MAIN(TestStackPosition)
#include "tst_stackposition.moc"
