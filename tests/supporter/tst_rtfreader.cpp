// The RTF reader: what the instructions document looks like once read, and input it must
// survive.
#include "components/helpform.h"
#include "platform/rtfreader.h"
#include "support/testmain.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// The format of the first character of the first occurrence of needle.
QTextCharFormat formatOf(QTextDocument &doc, const QString &needle)
{
    const QTextCursor found = doc.find(needle);
    if (found.isNull())
        return {};
    QTextCursor c(&doc);
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

bool contains(QTextDocument &doc, const QString &needle)
{
    return !doc.find(needle).isNull();
}

QColor foreground(const QTextCharFormat &f)
{
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
}

const QColor DarkGrey(64, 64, 64);
const QColor Yellow(255, 255, 64);
const QColor Blue(64, 64, 255);
const QColor Red(255, 64, 64);

TInstructionsOptions sample()
{
    TInstructionsOptions o;
    o.companyName = QStringLiteral("Acme");
    o.cardName = QStringLiteral("IO-96");
    o.multiPort = true;
    o.listsCards = true;
    return o;
}
} // namespace

Q_DECLARE_METATYPE(QColor)

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void instructionsReadAsText()
    {
        QTextDocument doc;
        const TRtfReader::Result r = TRtfReader::read(THelpForm::instructionsText(sample()), &doc);
        QVERIFY(r.wellFormed);
        QCOMPARE(r.fonts, QStringList{QStringLiteral("Verdana")});
        QCOMPARE(r.colors, (QList<QColor>{DarkGrey, Yellow, Blue, Red}));
        QCOMPARE(doc.firstBlock().text(), QStringLiteral("Acme IO-96 Series Settings Program"));
        const QString plain = doc.toPlainText();
        QVERIFY(plain.contains(QStringLiteral("Yellow circles provide information on configuring jumpers")));
        QVERIFY(plain.contains(QStringLiteral("installed. Repeat the setup circles")));
        // The em-dash word, its delimiting space eaten and the second space kept.
        QVERIFY(plain.contains(QStringLiteral("option group \u2014 the configuration")));
        QVERIFY(plain.contains(QStringLiteral("click \"Display IO-96 Cards Installed\" under the File menu.")));
        // No control word and no table text ever shows.
        for (const char *leak : {"\\", "{", "}", "rtf", "Verdana", "fonttbl", "fs24", "cf1", "par"})
            QVERIFY2(!plain.contains(QLatin1String(leak)), leak);
    }

    void instructionsParagraphs()
    {
        QTextDocument doc;
        TRtfReader::read(THelpForm::instructionsText(sample()), &doc);
        // Title, blank, intro, blank, yellow, blank, blue, blank, red+repeat, blank, mouse, blank,
        // note, blank, cards, blank, and the empty paragraph the closing brace leaves.
        QStringList blocks;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            blocks << b.text();
        QCOMPARE(blocks.size(), 17);
        QVERIFY(blocks[2].startsWith(QStringLiteral("This program will help you")));
        QVERIFY(blocks[1].isEmpty());
        QVERIFY(blocks[12].startsWith(QStringLiteral("Note: Make sure")));
        QVERIFY(blocks[14].startsWith(QStringLiteral("To see a list of IO-96 cards")));
    }

    void instructionsLook_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("color");
        QTest::newRow("title") << "Acme IO-96" << true << 16.0 << DarkGrey;
        QTest::newRow("body") << "This program will help" << false << 12.0 << DarkGrey;
        QTest::newRow("yellow name") << "Yellow circles" << true << 12.0 << Yellow;
        QTest::newRow("blue name") << "Blue circles" << true << 12.0 << Blue;
        QTest::newRow("red name") << "Red circles" << true << 12.0 << Red;
        QTest::newRow("after the name, body again") << " provide information" << false << 12.0 << DarkGrey;
        QTest::newRow("setup circles, coloured only") << "setup circles" << false << 12.0 << Yellow;
        QTest::newRow("calibration circles") << "calibration circles" << false << 12.0 << Red;
        QTest::newRow("features") << "features," << false << 12.0 << Blue;
        QTest::newRow("note") << "Note:" << true << 16.0 << DarkGrey;
        QTest::newRow("after the note") << " Make sure" << false << 12.0 << DarkGrey;
    }
    void instructionsLook()
    {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(double, points);
        QFETCH(QColor, color);
        QTextDocument doc;
        TRtfReader::read(THelpForm::instructionsText(sample()), &doc);
        QVERIFY2(contains(doc, text), qPrintable(text));
        const QTextCharFormat f = formatOf(doc, text);
        QCOMPARE(f.fontWeight() == QFont::Bold, bold);
        QCOMPARE(f.fontPointSize(), points);
        QCOMPARE(foreground(f), color);
        QCOMPARE(f.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
        QCOMPARE(f.fontStyleHint(), QFont::SansSerif);
    }

    void readsWords_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("plain");
        QTest::newRow("unknown words skipped") << QByteArray("{\\rtf1 a\\foo12 b\\zzz c}") << "abc";
        QTest::newRow("unknown word with negative number") << QByteArray("{\\rtf1 a\\li-360 b}") << "ab";
        QTest::newRow("starred destination left out") << QByteArray("{\\rtf1 a{\\*\\generator Writer 1.0;}b}") << "ab";
        QTest::newRow("info group left out") << QByteArray("{\\rtf1{\\info{\\title Secret}}shown}") << "shown";
        QTest::newRow("escapes") << QByteArray("{\\rtf1 \\{x\\} \\\\}") << "{x} \\";
        QTest::newRow("hex in code page 1252") << QByteArray("{\\rtf1 caf\\'e9 \\'80}") << QString::fromUtf8("café €");
        QTest::newRow("unicode with fallback") << QByteArray("{\\rtf1\\uc1 \\u8364?x}") << QString::fromUtf8("€x");
        QTest::newRow("line breaks in the source are not text") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
        QTest::newRow("par") << QByteArray("{\\rtf1 a\\par b}") << "a\nb";
        QTest::newRow("em-dash and two spaces") << QByteArray("{\\rtf1 x \\emdash  y}") << QString::fromUtf8("x — y");
        QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
    }
    void readsWords()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, plain);
        QTextDocument doc;
        QVERIFY(TRtfReader::read(rtf, &doc).wellFormed);
        QCOMPARE(doc.toPlainText(), plain);
    }

    void groupsRestoreTheFormat()
    {
        QTextDocument doc;
        TRtfReader::read(QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs20 a{\\b\\cf1\\fs40 b}c\\b d\\b0 e}"),
                         &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("abcde"));
        QCOMPARE(formatOf(doc, "b").fontPointSize(), 20.0);
        QCOMPARE(formatOf(doc, "b").fontWeight(), int(QFont::Bold));
        QCOMPARE(foreground(formatOf(doc, "b")), QColor(255, 0, 0));
        QCOMPARE(formatOf(doc, "c").fontPointSize(), 10.0);
        QCOMPARE(formatOf(doc, "c").fontWeight(), int(QFont::Normal));
        QVERIFY(!foreground(formatOf(doc, "c")).isValid());
        QCOMPARE(formatOf(doc, "d").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatOf(doc, "e").fontWeight(), int(QFont::Normal));
    }

    void colourIndexOutsideTheTableIsTheDefault()
    {
        QTextDocument doc;
        TRtfReader::read(QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf7 x\\cf0 y\\cf1 z}"), &doc);
        QVERIFY(!foreground(formatOf(doc, "x")).isValid());
        QVERIFY(!foreground(formatOf(doc, "y")).isValid()); // entry 0 is the automatic colour
        QCOMPARE(foreground(formatOf(doc, "z")), QColor(1, 2, 3));
    }

    void tablesReadAfterTextApplyFromThere()
    {
        // The colour index is set before the table exists: text before the table has the
        // default colour, text after it the table's, with no change of state in between.
        QTextDocument doc;
        TRtfReader::read(QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\cf1 x{\\colortbl;\\red1\\green2\\blue3;}y"
                                    "{\\fonttbl{\\f0 Courier;}}z}"),
                         &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("xyz"));
        QVERIFY(!foreground(formatOf(doc, "x")).isValid());
        QCOMPARE(foreground(formatOf(doc, "y")), QColor(1, 2, 3));
        QCOMPARE(formatOf(doc, "y").fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(formatOf(doc, "z").fontFamilies().toStringList(), QStringList{"Courier"});
        QCOMPARE(foreground(formatOf(doc, "z")), QColor(1, 2, 3));
    }

    void malformedInputIsReadWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<bool>("wellFormed");
        QTest::newRow("empty") << QByteArray() << "" << false;
        QTest::newRow("not rtf") << QByteArray("plain words") << "plain words" << false;
        QTest::newRow("missing close") << QByteArray("{\\rtf1 abc") << "abc" << false;
        QTest::newRow("extra closes") << QByteArray("{\\rtf1 a}}}b") << "ab" << false;
        QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a" << false;
        QTest::newRow("cut hex") << QByteArray("{\\rtf1 a\\'4") << "a4" << false;
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << "azzb" << true;
        QTest::newRow("huge number") << QByteArray("{\\rtf1\\fs999999999999999 a\\cf99999999999 b}") << "ab" << true;
        QTest::newRow("zero and negative sizes") << QByteArray("{\\rtf1\\fs0 a\\fs-8 b}") << "ab" << true;
        QTest::newRow("colour table never closed") << QByteArray("{\\rtf1{\\colortbl\\red9") << "" << false;
        QTest::newRow("font number far out") << QByteArray("{\\rtf1{\\fonttbl{\\f999999 X;}}\\f999999 a}") << "a"
                                             << true;
        QTest::newRow("word longer than any") << QByteArray("{\\rtf1\\") + QByteArray(5000, 'a') + " b}" << "b" << true;
    }
    void malformedInputIsReadWithoutHarm()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, plain);
        QFETCH(bool, wellFormed);
        QTextDocument doc;
        const TRtfReader::Result r = TRtfReader::read(rtf, &doc);
        QCOMPARE(doc.toPlainText(), plain);
        QCOMPARE(r.wellFormed, wellFormed);
    }

    void deepNestingDoesNotExhaustTheStack()
    {
        QByteArray rtf("{\\rtf1 ");
        rtf += QByteArray(200000, '{');
        rtf += "deep";
        rtf += QByteArray(200000, '}');
        rtf += "}";
        QTextDocument doc;
        const TRtfReader::Result r = TRtfReader::read(rtf, &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("deep"));
        QVERIFY(r.wellFormed);
    }

    void readingAgainReplacesTheContent()
    {
        QTextDocument doc;
        TRtfReader::read(QByteArray("{\\rtf1 first}"), &doc);
        TRtfReader::read(QByteArray("{\\rtf1 second}"), &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("second"));
    }
};

SETUP_TEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
