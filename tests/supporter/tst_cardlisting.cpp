// The card listing with a driver library on the loader's path: the count comes from the
// driver, the page describes each card, and empty descriptions list nothing.
#include "components/setupsupporter.h"
#include "driver/llzorquel.h"
#include "platform/errors.h"
#include "platform/messageboxes.h"
#include "support/testmain.h"
#include "supporterfixture.h"

#include <QLibrary>
#include <QPlainTextEdit>
#include <QTest>

using namespace supporter_test;

namespace {
void setDriverCardCount(int count)
{
    // The same library the binding finds by its plain name through LD_LIBRARY_PATH.
    QLibrary lib(QStringLiteral("libZorquel.so"));
    auto set = reinterpret_cast<void (*)(int)>(lib.resolve("FakeZorquelSetCardCount"));
    QVERIFY2(set, qPrintable(lib.errorString()));
    set(count);
}
} // namespace

class TestCardListing : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MessageBoxes::requests().clear();
        MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Cancel); });
    }

    void listing_data()
    {
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("heading");
        QTest::newRow("X, empty, Z") << QStringList{"X", "", "Z"} << QStringList{"X", "Z"}
                                     << "IO-96 Series Settings Program";
        QTest::newRow("two empty") << QStringList{"", ""} << QStringList{"No Card Found"}
                                   << "No IO-96 Series Card Found";
        QTest::newRow("no card") << QStringList{} << QStringList{"No Card Found"} << "No IO-96 Series Card Found";
        QTest::newRow("one card") << QStringList{"PCI card at 0xE000"} << QStringList{"PCI card at 0xE000"}
                                  << "IO-96 Series Settings Program";
    }
    void listing()
    {
        QFETCH(QStringList, descriptions);
        QFETCH(QStringList, lines);
        QFETCH(QString, heading);
        setDriverCardCount(int(descriptions.size()));
        TestPage page;
        QList<int> asked;
        page.SetSup->setOnGetCardString([&](QObject *sender, int index) {
            if (sender != page.SetSup)
                return QStringLiteral("wrong sender");
            asked.append(index);
            return descriptions.value(index);
        });
        page.show();
        TApplication::guarded([&] { page.SetSup->BuildSupport(); });
        QVERIFY(MessageBoxes::requests().isEmpty());
        QVERIFY(LLZorquel::DriverAvailable());
        QList<int> expectedIndexes;
        for (int i = 0; i < descriptions.size(); ++i)
            expectedIndexes.append(i);
        QCOMPARE(asked, expectedIndexes);
        QCOMPARE(page.SetSup->PCIForm()->lines(), lines);
        QCOMPARE(page.SetSup->HeaderLabel()->text(), heading);
        QVERIFY(page.SetSup->PCIForm()->isVisible());
    }

    void driverCountsOutOfRange_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("negative") << -5 << 0 << "No Card Found";
        QTest::newRow("most negative") << int(0x80000000) << 0 << "No Card Found";
        QTest::newRow("just the cap") << TSetupSupporter::MaxListedCards << TSetupSupporter::MaxListedCards
                                      << QString("card %1").arg(TSetupSupporter::MaxListedCards - 1);
        QTest::newRow("one over the cap") << TSetupSupporter::MaxListedCards + 1 << TSetupSupporter::MaxListedCards
                                          << "1 more cards reported by the driver are not listed.";
        QTest::newRow("huge") << 0x7FFFFFFF << TSetupSupporter::MaxListedCards
                              << QString("%1 more cards reported by the driver are not listed.")
                                     .arg(0x7FFFFFFF - TSetupSupporter::MaxListedCards);
    }
    void driverCountsOutOfRange()
    {
        QFETCH(int, count);
        QFETCH(int, asked);
        QFETCH(QString, lastLine);
        setDriverCardCount(count);
        TestPage page;
        int calls = 0;
        page.SetSup->setOnGetCardString([&](QObject *, int index) {
            ++calls;
            return QString("card %1").arg(index);
        });
        page.show();
        TApplication::guarded([&] { page.SetSup->BuildSupport(); });
        QCOMPARE(calls, asked);
        QCOMPARE(page.SetSup->PCIForm()->lines().last(), lastLine);
        QVERIFY(page.SetSup->PCIForm()->lines().size() <= TSetupSupporter::MaxListedCards + 1);
    }

    void failingDescriptionEndsTheBuild()
    {
        setDriverCardCount(3);
        TestPage page;
        int asked = 0;
        page.SetSup->setOnGetCardString([&](QObject *, int index) -> QString {
            ++asked;
            if (index == 1)
                throw EComponentError(QStringLiteral("no such card"));
            return QStringLiteral("X");
        });
        page.show();
        TApplication::guarded([&] { page.SetSup->BuildSupport(); });
        QCOMPARE(asked, 2);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().front().text, QStringLiteral("no such card"));
        // The steps after it did not run: no heading text, no timer.
        QVERIFY(page.SetSup->HeaderLabel()->text().isEmpty());
        QVERIFY(!page.SetSup->helpPending());
        QVERIFY(!page.SetSup->timerRunning());
    }
};

SETUP_TEST_MAIN(TestCardListing)
#include "tst_cardlisting.moc"
