// Binding the driver library: the three states, the card count, and a bound binding that
// never loads again.
#include "driver/llzorquel.h"
#include "support/testmain.h"

#include <QDir>
#include <QLibrary>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString fakePath(const QString &variant)
{
    return QStringLiteral(FAKE_ZORQUEL_ROOT "/") + variant + QStringLiteral("/libZorquel.so");
}

void setFakeCardCount(const QString &variant, int count)
{
    QLibrary lib(fakePath(variant));
    auto set = reinterpret_cast<void (*)(int)>(lib.resolve("FakeZorquelSetCardCount"));
    QVERIFY2(set, qPrintable(lib.errorString()));
    set(count);
}

int filledSlots(const LLZorquel::TDriverBinding &b)
{
    int n = 0;
    for (int i = 0; i < LLZorquel::EntryPointCount; ++i)
        n += b.hasSlot(i) ? 1 : 0;
    return n;
}
} // namespace

class TestLLZorquel : public QObject {
    Q_OBJECT
private slots:
    void plainNameIsNotTakenFromTheCurrentDirectory()
    {
        // Runs first: once a fake is loaded, the loader would hand it out again by its soname.
        // The fake folders are not on the loader's path, so the plain name must not be found
        // even while the current directory holds a library of that name.
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QStringLiteral(FAKE_ZORQUEL_ROOT "/all")));
        LLZorquel::TDriverBinding binding;
        binding.LoadDriver();
        QDir::setCurrent(before);
        QCOMPARE(binding.loaderRequests(), 1);
        QVERIFY(!binding.driverAvailable());
        QCOMPARE(filledSlots(binding), 0);
        QCOMPARE(binding.cardCount(), 0);
    }

    void namesAreTheDriversInLookupOrder()
    {
        using LLZorquel::EntryPointNames;
        QCOMPARE(int(EntryPointNames.size()), 33);
        QCOMPARE(QString::fromLatin1(EntryPointNames[0]), QStringLiteral("GetNumCards"));
        QCOMPARE(QString::fromLatin1(EntryPointNames[16]), QStringLiteral("EmergencyReboot"));
        QCOMPARE(QString::fromLatin1(EntryPointNames[17]), QStringLiteral("InPortB"));
        QCOMPARE(QString::fromLatin1(EntryPointNames[32]), QStringLiteral("RelOutPortDWord"));
        QSet<QString> distinct;
        for (const char *n : EntryPointNames)
            distinct.insert(QString::fromLatin1(n));
        QCOMPARE(distinct.size(), 33);
    }

    void defaultFileNameIsThePlatformsOwn()
    {
        QCOMPARE(LLZorquel::defaultLibraryFileName(), QStringLiteral("libZorquel.so"));
        QCOMPARE(LLZorquel::driver().fileName(), QStringLiteral("libZorquel.so"));
    }

    void loadSetsStateFromWhatTheLibraryExports_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<bool>("available");
        QTest::addColumn<int>("filled");
        QTest::addColumn<bool>("hasCount");
        QTest::addColumn<bool>("hasReboot");
        QTest::newRow("all 33 names") << "all" << true << 33 << true << true;
        QTest::newRow("all but EmergencyReboot") << "noreboot" << false << 32 << true << false;
        QTest::newRow("GetNumCards only") << "countonly" << false << 1 << true << false;
        QTest::newRow("none of the names (other case only)") << "none" << false << 0 << false << false;
        QTest::newRow("library missing") << "nowhere" << false << 0 << false << false;
    }
    void fileThatIsNotALibraryBindsNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("this is not a shared library\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated ELF header") << QByteArray("\x7f" "ELF\x02\x01\x01", 7);
    }
    void fileThatIsNotALibraryBindsNothing()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("libZorquel.so"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        LLZorquel::TDriverBinding binding(path);
        binding.LoadDriver();
        QVERIFY(!binding.driverAvailable());
        QCOMPARE(filledSlots(binding), 0);
        QCOMPARE(binding.cardCount(), 0);
    }

    void loadSetsStateFromWhatTheLibraryExports()
    {
        QFETCH(QString, variant);
        QFETCH(bool, available);
        QFETCH(int, filled);
        QFETCH(bool, hasCount);
        QFETCH(bool, hasReboot);
        LLZorquel::TDriverBinding binding(fakePath(variant));
        QVERIFY(!binding.driverAvailable());
        binding.LoadDriver();
        QCOMPARE(binding.driverAvailable(), available);
        QCOMPARE(filledSlots(binding), filled);
        QCOMPARE(binding.hasSlot(LLZorquel::epGetNumCards), hasCount);
        QCOMPARE(binding.hasSlot(LLZorquel::epEmergencyReboot), hasReboot);
        QCOMPARE(binding.loaderRequests(), 1);
    }

    void cardCountComesFromGetNumCardsWheneverFound_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("driverSays");
        QTest::addColumn<int>("expected");
        QTest::newRow("bound, 3 cards") << "all" << 3 << 3;
        QTest::newRow("incomplete load still counts") << "noreboot" << 2 << 2;
        QTest::newRow("only GetNumCards") << "countonly" << 5 << 5;
        QTest::newRow("no GetNumCards: 0, never the wrong-case name") << "none" << 4 << 0;
    }
    void cardCountComesFromGetNumCardsWheneverFound()
    {
        QFETCH(QString, variant);
        QFETCH(int, driverSays);
        QFETCH(int, expected);
        setFakeCardCount(variant, driverSays);
        LLZorquel::TDriverBinding binding(fakePath(variant));
        binding.LoadDriver();
        QCOMPARE(binding.cardCount(), expected);
    }

    void missingLibraryKeepsEarlierSlots()
    {
        LLZorquel::TDriverBinding binding(fakePath("countonly"));
        binding.LoadDriver();
        QVERIFY(binding.hasSlot(LLZorquel::epGetNumCards));
        binding.setFileName(fakePath("nowhere"));
        binding.LoadDriver();
        QCOMPARE(binding.loaderRequests(), 2);
        QVERIFY(binding.hasSlot(LLZorquel::epGetNumCards));
        QVERIFY(!binding.driverAvailable());
    }

    void incompleteLoadLooksUpAgainAndCanBecomeBound()
    {
        LLZorquel::TDriverBinding binding(fakePath("noreboot"));
        binding.LoadDriver();
        QVERIFY(!binding.driverAvailable());
        binding.setFileName(fakePath("all"));
        binding.LoadDriver();
        QCOMPARE(binding.loaderRequests(), 2);
        QVERIFY(binding.driverAvailable());
        QCOMPARE(filledSlots(binding), 33);
    }

    void lookupsAfterAnIncompleteLoadReplaceEverySlot()
    {
        // Each load looks every name up again: a name the new library lacks empties its slot.
        LLZorquel::TDriverBinding binding(fakePath("noreboot"));
        binding.LoadDriver();
        QCOMPARE(filledSlots(binding), 32);
        binding.setFileName(fakePath("countonly"));
        binding.LoadDriver();
        QCOMPARE(filledSlots(binding), 1);
    }

    void boundBindingNeverLoadsAgain()
    {
        LLZorquel::TDriverBinding binding(fakePath("all"));
        binding.LoadDriver();
        QVERIFY(binding.driverAvailable());
        void *countSlot = binding.slot(LLZorquel::epGetNumCards);
        binding.setFileName(fakePath("none"));
        binding.LoadDriver();
        QCOMPARE(binding.loaderRequests(), 1);
        QVERIFY(binding.driverAvailable());
        QCOMPARE(binding.slot(LLZorquel::epGetNumCards), countSlot);
        QCOMPARE(filledSlots(binding), 33);
    }

    void slotOutsideTheTableIsEmpty()
    {
        LLZorquel::TDriverBinding binding(fakePath("all"));
        binding.LoadDriver();
        QVERIFY(binding.slot(-1) == nullptr);
        QVERIFY(binding.slot(33) == nullptr);
        QVERIFY(binding.slot(32) != nullptr);
    }
};

SETUP_TEST_MAIN(TestLLZorquel)
#include "tst_llzorquel.moc"
