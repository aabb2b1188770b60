// The board page as the program builds it: components, texts, links, the menus the marks
// make, the guided walk and the popups' places.
#include "pagefixture.h"
#include "platform/menuitem.h"
#include "support/testmain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

class TestBoardPage : public QObject {
    Q_OBJECT
private slots:
    void stackWidgetsStartAtPositionOne()
    {
        TMainForm form;
        QCOMPARE(form.ComboBox1->currentIndex(), -1);
        QCOMPARE(form.ComboBox1->count(), 4);
        QCOMPARE(form.ComboBox1->itemText(0), QString("Position 1 (directly on processor board)"));
        QCOMPARE(form.ComboBox1->itemText(3), QString("Position 4"));
        QVERIFY(!form.ComboBox1->isEditable());
        QCOMPARE(form.Sel0Jumper->jumperState(), jsLeft);
        QCOMPARE(form.Sel1Jumper->jumperState(), jsLeft);
        QCOMPARE(form.positionSwitch->binaryValueStr(), QString("11"));
        QCOMPARE(form.positionSwitch->value(), 3u);
        QCOMPARE(form.positionSwitch->numSwitches(), 2);
        QCOMPARE(form.positionSwitch->orientation(), otRight);
        QCOMPARE(form.Sel0Jumper->size(), QSize(18, 43));
        QCOMPARE(form.Label1->text(), QString("S E L 1"));
        QCOMPARE(form.Label2->text(), QString("S E L 2"));
        QVERIFY(form.Label1->wordWrap());
    }

    void marksHaveTheirKindsTitlesAndPanels_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("PCI104") << "PCI104Highlight" << int(htOptions) << "PCI/104 Connector" << "PCI104Panel"
                                << QRect(120, 16, 360, 60);
        QTest::newRow("PC104") << "PC104Highlight" << int(htOptions) << "PC/104 Connector" << "PC104Panel"
                               << QRect(179, 479, 345, 65);
        QTest::newRow("header3") << "header3highlight" << int(htOptions) << "Header 3" << "Header3Panel"
                                 << QRect(520, 88, 81, 377);
        QTest::newRow("header1") << "header1highlight" << int(htOptions) << "Header 1" << "Header1Panel"
                                 << QRect(0, 88, 81, 377);
        QTest::newRow("dip on jumpers") << "dipSwitchHighlight" << int(htSettings) << "Dip Switches" << "switchPanel"
                                        << QRect(364, 182, 41, 57);
        QTest::newRow("header2") << "header2highlight" << int(htOptions) << "Header 2" << "Header2Panel"
                                 << QRect(85, 88, 36, 377);
        QTest::newRow("header4") << "header4highlight" << int(htOptions) << "Header 4" << "Header4Panel"
                                 << QRect(480, 88, 33, 377);
        QTest::newRow("dip on switch") << "BoardHighlight1" << int(htSettings) << "Dip Switches" << "switchPanel"
                                       << QRect(112, 514, 49, 41);
    }
    void marksHaveTheirKindsTitlesAndPanels()
    {
        QFETCH(QString, mark);
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, panel);
        QFETCH(QRect, bounds);
        TMainForm form;
        auto *m = form.findComponentAs<TBoardHighlight>(mark);
        QVERIFY(m);
        QCOMPARE(int(m->highlightType()), kind);
        QCOMPARE(m->title(), title);
        QVERIFY(m->radioPanel());
        QCOMPARE(m->radioPanel()->objectName(), panel);
        QCOMPARE(m->geometry(), bounds);
        QCOMPARE(m->parentWidget(), form.BoardImage1);
        QVERIFY(m->createPopup());
    }

    void panelsHoldTheirExplanations()
    {
        TMainForm form;
        QCOMPARE(form.PCI104Panel->lines(), QStringList{"This is the PCI/104 connector for the board"});
        QCOMPARE(form.Header2Panel->geometry(), QRect(-8, 144, 233, 9));
        QCOMPARE(form.Header4Panel->lines().value(0), QString("This is the connector for DIO bits 73 through 96."));
        QCOMPARE(form.Header4Panel->lines().value(1),
                 QString("For information about the pinout please see the manual."));
        QCOMPARE(form.switchPanel->geometry(), QRect(296, 320, 313, 137));
        QCOMPARE(form.switchPanel->lines().size(), 2);
        for (TRadioPanel *p : {form.PCI104Panel, form.PC104Panel, form.Header3Panel, form.Header1Panel,
                               form.switchPanel, form.Header2Panel, form.Header4Panel})
            QVERIFY2(p->isHidden(), qPrintable(p->objectName()));
    }

    void boardImageBeforeItsFirstPaint()
    {
        TMainForm form;
        QCOMPARE(form.BoardImage1->geometry(), QRect(126, 26, 600, 559));
        QCOMPARE(form.BoardImage1->first(), form.dipSwitchHighlight);
        QCOMPARE(form.BoardImage1->menu(), form.MainMenu1);
    }

    void supporterSettings()
    {
        TMainForm form;
        QCOMPARE(form.SetSup->companyName(), QString("Tarnwell"));
        QCOMPARE(form.SetSup->cardNameA(), QString("QK-4410"));
        QCOMPARE(form.SetSup->cardNameB(), QString("QK-4410"));
        QCOMPARE(form.SetSup->channels(), quint8(0));
        QVERIFY(form.SetSup->changeButtons());
        QVERIFY(!form.SetSup->callHow().isEmpty());
        QVERIFY(!form.SetSup->onGetCardString());
    }

    void menuBarListsTheMarksByKind()
    {
        ShownPage page;
        QCOMPARE(page->MainMenu1->captions(), QStringList({"&File", "&Settings", "&Options", "&Help"}));
        TMenuItem *settings = page->MainMenu1->item(1);
        TMenuItem *options = page->MainMenu1->item(2);
        QCOMPARE(settings->count(), 1);
        QCOMPARE(settings->item(0)->caption(), QString("Dip Switches"));
        QStringList entries;
        for (int i = 0; i < options->count(); ++i)
            entries << options->item(i)->caption();
        QCOMPARE(entries, QStringList({"PCI/104 Connector", "PC/104 Connector", "Header 3", "Header 1", "Header 2",
                                       "Header 4"}));
        QCOMPARE(settings->objectName(), QString("Settings1"));
        QCOMPARE(options->objectName(), QString("Options1"));
        QCOMPARE(settings->item(0)->objectName(), QString("DipSwitches1"));
        QCOMPARE(options->item(2)->objectName(), QString("Header31"));
        // The supporter of this page adds nothing to File.
        QCOMPARE(page->File1->count(), 1);
    }

    void dipSwitchMarksAreTwinsSharingOnePopup()
    {
        ShownPage page;
        QVERIFY(page->dipSwitchHighlight->isTwinOf(page->BoardHighlight1));
        QCOMPARE(page->BoardHighlight1->radioPanel(), page->switchPanel);
        page->BoardHighlight1->mouseEnter(0);
        QVERIFY(page->dipSwitchHighlight->lit());
        QVERIFY(page->BoardHighlight1->lit());
        TPopupForm *popup = page->dipSwitchHighlight->popup() ? page->dipSwitchHighlight->popup()
                                                              : page->BoardHighlight1->popup();
        QVERIFY(popup);
        QVERIFY(!(page->dipSwitchHighlight->popup() && page->BoardHighlight1->popup()));
        QCOMPARE(page->switchPanel->parentWidget(), popup);
        QCOMPARE(popup->windowTitle(), QString("Dip Switches"));
    }

    void guidedWalkOpensDipSwitchesPinned()
    {
        ShownPage page;
        QVERIFY(page->SetSup->HelpForm());
        page->SetSup->HelpForm()->show();
        page->SetSup->HelpForm()->StartButtonClick(page->SetSup->HelpForm());
        QVERIFY(page->SetSup->HelpForm()->isHidden());
        TPopupForm *popup = page->dipSwitchHighlight->popup();
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        QVERIFY(page->dipSwitchHighlight->pinned());
        QVERIFY(page->MainMenu1->item(1)->item(0)->checked());
        // The walk's entry selects the position the jumpers show.
        QTRY_COMPARE(page->ComboBox1->currentIndex(), 0);
    }

    void nextFromHeader4OpensPci104()
    {
        ShownPage page;
        TMenuItem *options = page->MainMenu1->item(2);
        options->item(5)->trigger(); // "Header 4"
        QVERIFY(page->header4highlight->popup()->isVisible());
        page->header4highlight->nextClick(page->header4highlight->popup());
        QVERIFY(page->header4highlight->popup()->isHidden());
        QVERIFY(page->PCI104Highlight->popup());
        QVERIFY(page->PCI104Highlight->popup()->isVisible());
        QVERIFY(page->PCI104Highlight->pinned());
        QVERIFY(options->item(0)->checked());
        QVERIFY(!options->item(5)->checked());
        page->PCI104Highlight->previousClick(page->PCI104Highlight->popup());
        QVERIFY(page->header4highlight->popup()->isVisible());
    }

    void everyPopupLiesOnTheScreen()
    {
        ShownPage page;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (TBoardHighlight *m : page->BoardImage1->findChildren<TBoardHighlight *>()) {
            m->mouseEnter(0);
            TPopupForm *p = m->popup();
            if (!p)
                continue; // the twin owns it
            QVERIFY2(screen.contains(p->frameGeometry()), qPrintable(m->title()));
            p->close();
        }
        QVERIFY(page->header2highlight->popup());
        // Header2Panel stands 8 pixels left of the client area; its popup follows the board
        // image's move from its home place, and is kept on the screen.
        const int expectedLeft = page->BoardImage1->x() - (page->BoardImage1->homeLeft() - (-8));
        QCOMPARE(page->header2highlight->popup()->x(), qMax(0, expectedLeft));
    }

    void stackPopupLayout()
    {
        ShownPage page;
        page->dipSwitchHighlight->mouseEnter(0);
        TPopupForm *p = page->dipSwitchHighlight->popup();
        QVERIFY(p);
        QCOMPARE(p->size(), QSize(313, 246));
        auto *memo = p->findChild<QPlainTextEdit *>("StatusMemo");
        QVERIFY(memo);
        QCOMPARE(memo->geometry(), QRect(6, 138, 301, 58));
        QVERIFY(memo->toPlainText().startsWith("Depending on which revision"));
        QTRY_COMPARE(page->ComboBox1->currentIndex(), 0); // the panel got the focus on the first build
    }
};

SETUP_TEST_MAIN(TestBoardPage)
#include "tst_boardpage.moc"
