// The content panel: its defaults, its lines, its final anchors before and after adoption,
// and the focus entry the page listens to.
#include "support/testmain.h"
#include "viewfixture.h"

#include <QLineEdit>
#include <QTest>

using namespace viewfixture;

class TestRadioPanel : public QObject {
    Q_OBJECT
private slots:
    void init() { parkPointer(); }

    void newPanelDefaults()
    {
        QWidget page;
        TRadioPanel panel(&page);
        QCOMPARE(QString::fromLatin1(panel.metaObject()->className()), QStringLiteral("TRadioPanel"));
        QCOMPARE(panel.size(), QSize(194, 100));
        QVERIFY(panel.isHidden());
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!panel.isVisible());
        QCOMPARE(panel.memoHeight(), 58);
        QCOMPARE(panel.finalAnchors(), TAnchors(akLeft | akTop));
        QCOMPARE(panel.anchors(), TAnchors(akLeft | akTop));
        QVERIFY(!panel.adopted());
        QVERIFY(!panel.radioEnabled());
        QCOMPARE(panel.linkedMemo(), nullptr);
        QCOMPARE(panel.color(), TColors::BtnFace);
        QCOMPARE(panel.frameShape(), QFrame::NoFrame);
        QVERIFY(panel.lines().isEmpty());
    }

    void publishedOrder()
    {
        const QMetaObject *mo = &TRadioPanel::staticMetaObject;
        QStringList names;
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            names << QString::fromLatin1(mo->property(i).name());
        const QStringList expected = {"Name", "Tag", "Left", "Top", "Width", "Height", "Hint", "RadioEnabled", "Lines", "MemoHeight", "FinalAnchors"};
        QCOMPARE(names.mid(0, expected.size()), expected);
    }

    void paintsItsColor_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("button face") << quint32(TColors::BtnFace) << QApplication::palette().color(QPalette::Button);
        QTest::newRow("plain red") << quint32(0x000000FF) << QColor(255, 0, 0);
    }
    void paintsItsColor()
    {
        QFETCH(quint32, color);
        QFETCH(QColor, expected);
        TRadioPanel panel;
        panel.setColor(color);
        const QImage shot = panel.grab().toImage();
        QCOMPARE(shot.pixelColor(97, 50), expected);
    }

    void linesAreCopiedAtAdoption()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(850, 100, 233, 9));
        QStringList lines = {"First", "Second"};
        panel->setLines(lines);
        lines << "Third";
        QCOMPARE(panel->lines().size(), 2);
        TBoardHighlight *m = page.mark(QStringLiteral("Lines"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QCOMPARE(panel->linkedMemo()->toPlainText(), QStringLiteral("First\nSecond"));
        panel->setLines({"Later"});
        QCOMPARE(panel->linkedMemo()->toPlainText(), QStringLiteral("First\nSecond"));
        // The panel changed parent, not owner.
        QCOMPARE(page.findComponent(panel->objectName()), panel);
    }

    void finalAnchorsTakeEffectAtAdoptionOrAtOnce_data()
    {
        QTest::addColumn<bool>("beforeAdoption");
        QTest::newRow("set before adoption") << true;
        QTest::newRow("set after adoption") << false;
    }
    void finalAnchorsTakeEffectAtAdoptionOrAtOnce()
    {
        QFETCH(bool, beforeAdoption);
        Page page;
        TRadioPanel *panel = page.panel(QRect(850, 100, 233, 9));
        const TAnchors all = akLeft | akTop | akRight | akBottom;
        if (beforeAdoption) {
            panel->setFinalAnchors(all);
            QCOMPARE(panel->anchors(), TAnchors(akLeft | akTop)); // waits for the popup
        }
        TBoardHighlight *m = page.mark(QStringLiteral("Anchors"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QVERIFY(panel->adopted());
        if (!beforeAdoption) {
            QCOMPARE(panel->anchors(), TAnchors(akLeft | akTop));
            panel->setFinalAnchors(all);
        }
        QCOMPARE(panel->anchors(), all);
        m->popup()->resize(m->popup()->width() + 40, m->popup()->height() + 30);
        settle();
        QCOMPARE(panel->size(), QSize(233 + 40, 9 + 30));
    }

    void defaultFinalAnchorsKeepSizeAndPlace()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(850, 100, 233, 9));
        TBoardHighlight *m = page.mark(QStringLiteral("Still"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        m->popup()->resize(m->popup()->width() + 40, m->popup()->height() + 30);
        settle();
        QCOMPARE(panel->geometry(), QRect(0, 0, 233, 9));
    }

    void enterRaisedWhenFocusMovesIn()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(850, 100, 233, 60));
        auto *edit = new QLineEdit(panel);
        edit->setGeometry(5, 5, 100, 20);
        int entered = 0;
        panel->setOnEnter([&](QObject *sender) {
            QCOMPARE(sender, panel);
            ++entered;
        });
        TBoardHighlight *m = page.mark(QStringLiteral("Enter"), htSettings, QRect(10, 10, 65, 65), panel);
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QTRY_COMPARE(entered, 1);
        // Within the panel is no new entry; out to the Done button and back in is one.
        edit->setFocus();
        settle();
        QCOMPARE(entered, 1);
        m->popup()->findChild<QWidget *>(QStringLiteral("DoneButton"))->setFocus();
        settle();
        edit->setFocus();
        QTRY_COMPARE(entered, 2);
    }

    void aPanelNoMarkLinksStaysHidden()
    {
        Page page;
        TRadioPanel *panel = page.panel(QRect(850, 100, 233, 9));
        TBoardHighlight *m = page.mark(QStringLiteral("None"), htSettings, QRect(10, 10, 65, 65));
        QVERIFY(page.showPainted());
        m->mouseEnter(0);
        QVERIFY(panel->isHidden());
        QVERIFY(!panel->adopted());
        QCOMPARE(panel->parentWidget(), page.client);
    }
};

SETUP_TEST_MAIN(TestRadioPanel)
#include "tst_radiopanel.moc"
