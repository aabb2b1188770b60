// The marks' menu entries: kind items in their fixed order whatever kind is painted first,
// entries in paint order with unique component names, check marks while a popup is pinned
// and open, and Previous, Next and Done.
#include "support/testmain.h"
#include "viewfixture.h"

#include <QPushButton>
#include <QTest>

using namespace viewfixture;

Q_DECLARE_METATYPE(THighlightType)

namespace {
THighlightType kindOf(QChar c)
{
    return c == QLatin1Char('S') ? htSettings : c == QLatin1Char('C') ? htCalibration : htOptions;
}

// Adds a mark to a page already shown and lets it have its first paint.
TBoardHighlight *paintNew(Page &page, const QString &title, THighlightType type, int slot)
{
    TBoardHighlight *m = page.mark(title, type, QRect(10 + 50 * (slot % 7), 10 + 50 * (slot / 7), 41, 41));
    m->show();
    page.board->repaint();
    return m;
}

QStringList entryCaptions(const TMenuItem *kind)
{
    QStringList out;
    for (int i = 0; kind && i < kind->count(); ++i)
        out << kind->item(i)->caption();
    return out;
}

TMenuItem *topItem(const Page &page, const QString &caption)
{
    for (int i = 0; i < page.menu->count(); ++i)
        if (page.menu->item(i)->caption() == caption)
            return page.menu->item(i);
    return nullptr;
}

// An informational page with four entries, painted in page order.
struct HeaderPage : Page {
    QList<TBoardHighlight *> marks;
    HeaderPage()
    {
        const QStringList titles = {"PCI/104 Connector", "PC/104 Connector", "Header 3", "Header 1"};
        for (int i = 0; i < titles.size(); ++i) {
            TRadioPanel *p = panel(QRect(850, 40 + 130 * i, 233, 9), {titles[i]});
            marks << mark(titles[i], htOptions, QRect(10 + 70 * i, 10, 65, 65), p);
        }
        marks << mark(QStringLiteral("Dip Switches"), htSettings, QRect(10, 100, 65, 65));
    }
    TBoardHighlight *openOne() const
    {
        for (TBoardHighlight *m : marks)
            if (m->popup() && m->popup()->isVisible())
                return m;
        return nullptr;
    }
};
} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void init() { parkPointer(); }

    // Letters name the kinds in the order of their first paint: S settings, C calibration,
    // O options.
    void kindItemOrder_data()
    {
        QTest::addColumn<QStringList>("initial");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QStringList>("expected");
        const QStringList fileHelp = {"&File", "&Help"};
        QTest::newRow("options first") << fileHelp << "O" << QStringList{"&File", "&Options", "&Help"};
        QTest::newRow("then settings") << fileHelp << "OS" << QStringList{"&File", "&Settings", "&Options", "&Help"};
        QTest::newRow("then calibration") << fileHelp << "OSC"
                                          << QStringList{"&File", "&Settings", "&Calibration", "&Options", "&Help"};
        QTest::newRow("calibration, options, settings") << fileHelp << "COS"
                                                        << QStringList{"&File", "&Settings", "&Calibration", "&Options", "&Help"};
        QTest::newRow("a kind painted twice") << fileHelp << "SOS" << QStringList{"&File", "&Settings", "&Options", "&Help"};
        QTest::newRow("no help: appended") << QStringList{"&File"} << "O" << QStringList{"&File", "&Options"};
        QTest::newRow("no help: settings before options") << QStringList{"&File"} << "OS"
                                                          << QStringList{"&File", "&Settings", "&Options"};
        QTest::newRow("no help: calibration before options") << QStringList{"&File"} << "OC"
                                                             << QStringList{"&File", "&Calibration", "&Options"};
        QTest::newRow("no help: options after calibration") << QStringList{"&File"} << "CO"
                                                            << QStringList{"&File", "&Calibration", "&Options"};
        QTest::newRow("no help: settings before calibration") << QStringList{"&File"} << "CS"
                                                              << QStringList{"&File", "&Settings", "&Calibration"};
        QTest::newRow("empty bar") << QStringList{} << "CSO" << QStringList{"&Settings", "&Calibration", "&Options"};
    }
    void kindItemOrder()
    {
        QFETCH(QStringList, initial);
        QFETCH(QString, kinds);
        QFETCH(QStringList, expected);
        Page page(initial);
        QVERIFY(page.showPainted());
        for (int i = 0; i < kinds.size(); ++i)
            paintNew(page, QStringLiteral("Mark %1").arg(i), kindOf(kinds.at(i)), i);
        QCOMPARE(page.menu->captions(), expected);
        QCOMPARE(page.menuBar()->actions().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(page.menuBar()->actions().at(i)->text(), expected.at(i));
    }

    void entriesFollowPaintOrderWithNames()
    {
        Page page;
        page.mark(QStringLiteral("PCI/104 Connector"), htOptions, QRect(10, 10, 65, 65));
        page.mark(QStringLiteral("Dip Switches"), htSettings, QRect(100, 10, 65, 65));
        page.mark(QStringLiteral("Header 3"), htOptions, QRect(200, 10, 65, 65));
        page.mark(QStringLiteral("Dip Switches"), htSettings, QRect(300, 10, 65, 65));
        page.mark(QStringLiteral("Header 1"), htOptions, QRect(10, 100, 65, 65));
        QVERIFY(page.showPainted());
        QCOMPARE(page.menu->captions(), (QStringList{"&File", "&Settings", "&Options", "&Help"}));
        TMenuItem *options = topItem(page, "&Options");
        TMenuItem *settings = topItem(page, "&Settings");
        QCOMPARE(entryCaptions(options), (QStringList{"PCI/104 Connector", "Header 3", "Header 1"}));
        QCOMPARE(entryCaptions(settings), QStringList{"Dip Switches"});
        QCOMPARE(options->objectName(), QStringLiteral("Options1"));
        QCOMPARE(settings->objectName(), QStringLiteral("Settings1"));
        QCOMPARE(options->item(0)->objectName(), QStringLiteral("PCI104Connector1"));
        QCOMPARE(options->item(1)->objectName(), QStringLiteral("Header31"));
        QCOMPARE(settings->item(0)->objectName(), QStringLiteral("DipSwitches1"));
        QCOMPARE(page.findComponent(QStringLiteral("header31")), options->item(1));
        QCOMPARE(options->parent(), &page);
        QVERIFY(options->item(0)->onClick());
    }

    void takenNamesGetTheNextNumber_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("kindName");
        QTest::addColumn<QString>("entryName");
        QTest::newRow("nothing taken") << QStringList{} << "Options1" << "Header11";
        QTest::newRow("Options1 taken") << QStringList{"Options1"} << "Options2" << "Header11";
        QTest::newRow("taken in another case") << QStringList{"OPTIONS1", "options2"} << "Options3" << "Header11";
        QTest::newRow("entry name taken") << QStringList{"Header11"} << "Options1" << "Header12";
        QTest::newRow("gap is reused") << QStringList{"Options2"} << "Options1" << "Header11";
    }
    void takenNamesGetTheNextNumber()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, kindName);
        QFETCH(QString, entryName);
        Page page;
        for (const QString &name : taken) {
            auto *holder = new QObject(&page);
            QVERIFY(page.setComponentName(holder, name));
        }
        page.mark(QStringLiteral("Header 1"), htOptions, QRect(10, 10, 65, 65));
        QVERIFY(page.showPainted());
        TMenuItem *options = topItem(page, "&Options");
        QVERIFY(options);
        QCOMPARE(options->objectName(), kindName);
        QCOMPARE(options->item(0)->objectName(), entryName);
    }

    void sameTitleOtherKindGetsItsOwnEntry()
    {
        Page page;
        page.mark(QStringLiteral("Jumpers"), htOptions, QRect(10, 10, 65, 65));
        page.mark(QStringLiteral("Jumpers"), htCalibration, QRect(100, 10, 65, 65));
        page.mark(QString(), htSettings, QRect(200, 10, 65, 65));
        QVERIFY(page.showPainted());
        QCOMPARE(entryCaptions(topItem(page, "&Options")), QStringList{"Jumpers"});
        QCOMPARE(entryCaptions(topItem(page, "&Calibration")), QStringList{"Jumpers"});
        // An empty Title makes the kind item but no entry.
        QVERIFY(topItem(page, "&Settings"));
        QCOMPARE(topItem(page, "&Settings")->count(), 0);
    }

    void unpaintedMarkHasNoEntryYet()
    {
        Page page;
        TBoardHighlight *hidden = page.mark(QStringLiteral("Later"), htOptions, QRect(10, 10, 65, 65));
        hidden->hide();
        page.mark(QStringLiteral("Sooner"), htOptions, QRect(100, 10, 65, 65));
        QVERIFY(page.showPainted());
        QCOMPARE(entryCaptions(topItem(page, "&Options")), QStringList{"Sooner"});
        QCOMPARE(hidden->boardMenu(), nullptr);
        hidden->setMenuCheck(true); // no menu yet: nothing happens
        hidden->show();
        page.board->repaint();
        QCOMPARE(entryCaptions(topItem(page, "&Options")), (QStringList{"Sooner", "Later"}));
    }

    void entryOpensPinnedAndClosesAgain()
    {
        HeaderPage page;
        QVERIFY(page.showPainted());
        TBoardHighlight *m = page.marks[2];
        TMenuItem *entry = m->findMenuEntry();
        QVERIFY(entry);
        entry->click();
        QVERIFY(m->popup() && m->popup()->isVisible());
        QVERIFY(m->pinned());
        QVERIFY(m->lit());
        QVERIFY(entry->checked());
        QTRY_COMPARE(QApplication::activeWindow(), m->popup());
        entry->click();
        QVERIFY(m->popup()->isHidden());
        QVERIFY(!entry->checked());
        QVERIFY(!m->lit());
    }

    void checkMarkOnlyWhilePinnedAndOpen()
    {
        HeaderPage page;
        QVERIFY(page.showPainted());
        TBoardHighlight *m = page.marks[0];
        TMenuItem *entry = m->findMenuEntry();
        m->mouseEnter(0);
        QVERIFY(!entry->checked()); // open, not pinned
        m->click();
        QVERIFY(entry->checked());
        m->popup()->close();
        QVERIFY(!entry->checked());
        // Clicking while the popup is closed opens nothing, so nothing is checked.
        m->click();
        QVERIFY(!entry->checked());
        QVERIFY(m->popup()->isHidden());
        // The next showing starts unpinned.
        m->mouseEnter(0);
        QVERIFY(!m->pinned());
        QVERIFY(!entry->checked());
    }

    // Previous and Next walk the entries of one kind in menu order and wrap at both ends.
    void walkWraps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("target");
        QTest::newRow("next from the first") << 0 << true << 1;
        QTest::newRow("next from the last wraps") << 3 << true << 0;
        QTest::newRow("previous from the first wraps") << 0 << false << 3;
        QTest::newRow("previous from the middle") << 2 << false << 1;
        QTest::newRow("single entry reopens itself") << 4 << true << 4;
        QTest::newRow("single entry, previous") << 4 << false << 4;
    }
    void walkWraps()
    {
        QFETCH(int, start);
        QFETCH(bool, next);
        QFETCH(int, target);
        HeaderPage page;
        QVERIFY(page.showPainted());
        TBoardHighlight *from = page.marks[start];
        from->findMenuEntry()->click();
        QCOMPARE(page.openOne(), from);
        auto *button = from->popup()->findChild<QPushButton *>(next ? "NextButton" : "PreviousButton");
        QVERIFY(button);
        button->click();
        TBoardHighlight *to = page.marks[target];
        QCOMPARE(page.openOne(), to);
        QVERIFY(to->pinned());
        QVERIFY(to->findMenuEntry()->checked());
        for (TBoardHighlight *m : page.marks) {
            QCOMPARE(m->lit(), m == to);
            if (m != to && m->findMenuEntry())
                QVERIFY(!m->findMenuEntry()->checked());
        }
        QTRY_COMPARE(QApplication::activeWindow(), to->popup());
    }

    void walkWithoutEntryLeavesThePopupOpen()
    {
        HeaderPage page;
        QVERIFY(page.showPainted());
        TBoardHighlight *m = page.marks[1];
        m->findMenuEntry()->click();
        m->setTitle(QStringLiteral("Renamed"));
        m->nextClick(nullptr);
        QVERIFY(m->popup()->isVisible());
        m->previousClick(nullptr);
        QVERIFY(m->popup()->isVisible());
        m->doneClick(nullptr);
        QVERIFY(m->popup()->isHidden());
    }

    void twinsShareTheEntryAndItsCheck()
    {
        Page page;
        TBoardHighlight *a = page.mark(QStringLiteral("Dip Switches"), htSettings, QRect(10, 10, 65, 65));
        TBoardHighlight *b = page.mark(QStringLiteral("Dip Switches"), htSettings, QRect(100, 10, 65, 65));
        QVERIFY(page.showPainted());
        // b builds the popup; the entry was made by a, which has none.
        b->mouseEnter(0);
        b->click();
        TMenuItem *entry = topItem(page, "&Settings")->item(0);
        QCOMPARE(topItem(page, "&Settings")->count(), 1);
        QVERIFY(entry->checked());
        QCOMPARE(a->popup(), nullptr);
        entry->click(); // through a, relayed to b's popup
        QVERIFY(b->popup()->isHidden());
        QVERIFY(!entry->checked());
        QVERIFY(!a->lit() && !b->lit());
        // Next with a single entry closes and reopens the group's popup, pinned.
        entry->click();
        QVERIFY(b->popup()->isVisible());
        b->nextClick(nullptr);
        QVERIFY(b->popup()->isVisible());
        QVERIFY(b->pinned());
        QVERIFY(entry->checked());
    }

    void guidedStartOpensTheFirstMarkPinned()
    {
        HeaderPage page;
        QVERIFY(page.showPainted());
        page.board->setFirst(page.marks[4]);
        QEvent walk(StartWalkMessage);
        QApplication::sendEvent(page.board, &walk);
        QCOMPARE(page.openOne(), page.marks[4]);
        QVERIFY(page.marks[4]->pinned());
        QVERIFY(page.marks[4]->findMenuEntry()->checked());
    }

    void menuChoiceFromAnotherSenderAlwaysOpens()
    {
        HeaderPage page;
        QVERIFY(page.showPainted());
        TBoardHighlight *m = page.marks[3];
        m->findMenuEntry()->click();
        QVERIFY(m->popup()->isVisible());
        // A sender that is not a menu item means "open", even with the check mark shown.
        m->menuEntryClick(page.marks[0]);
        QVERIFY(m->popup()->isVisible());
        QVERIFY(m->findMenuEntry()->checked());
    }
};

SETUP_TEST_MAIN(TestMenus)
#include "tst_menus.moc"
