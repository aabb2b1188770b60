// What a screen reader hears: marks by their titles with their explanations, the setting
// widgets with their state in words, the popups' buttons and memo by name.
#include "pagefixture.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QString name(QObject *o)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QString("<no interface>");
}
QString description(QObject *o)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Description) : QString("<no interface>");
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void marksReadTheirTitleAndExplanation()
    {
        TMainForm form;
        QCOMPARE(name(form.PCI104Highlight), QString("PCI/104 Connector"));
        QCOMPARE(description(form.PCI104Highlight), QString("This is the PCI/104 connector for the board"));
        QCOMPARE(name(form.BoardHighlight1), QString("Dip Switches"));
        QVERIFY(description(form.header3highlight).startsWith("This is the connector for DIO bits 49 through 72."));
        QVERIFY(description(form.header3highlight).endsWith("please see the manual."));
    }

    void settingWidgetsReadTheirState()
    {
        TMainForm form;
        QCOMPARE(name(form.Sel0Jumper), QString("SEL 1: left pins"));
        QCOMPARE(name(form.Sel1Jumper), QString("SEL 2: left pins"));
        QCOMPARE(name(form.positionSwitch), QString("DIP switches: 1 1"));
        form.ComboBox1->setCurrentIndex(1);
        emit form.ComboBox1->activated(1);
        QCOMPARE(name(form.Sel0Jumper), QString("SEL 1: right pins"));
        QCOMPARE(name(form.positionSwitch), QString("DIP switches: 0 1"));
    }

    void popupControlsHaveNames()
    {
        ShownPage page;
        page->PCI104Highlight->mouseEnter(0);
        TPopupForm *popup = page->PCI104Highlight->popup();
        QVERIFY(popup);
        for (const char *button : {"PreviousButton", "NextButton", "DoneButton"}) {
            auto *b = popup->findChild<QPushButton *>(button);
            QVERIFY(b);
            QVERIFY2(!name(b).isEmpty(), button);
        }
        QCOMPARE(name(popup->findChild<QPushButton *>("DoneButton")), QString("Done"));
        auto *memo = popup->findChild<QPlainTextEdit *>("StatusMemo");
        QVERIFY(memo);
        QCOMPARE(name(memo), QString("PCI/104 Connector: explanation"));
    }
};

SETUP_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
