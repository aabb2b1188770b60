#include "platform/rtfreader.h"

#include <QFont>
#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// Nesting past this is read as flat text, so hostile input cannot grow the stack without end.
constexpr int MaxDepth = 256;
// Font sizes past this (in half points) are refused as nonsense rather than laid out.
constexpr int MaxHalfPoints = 2000;
constexpr int DefaultHalfPoints = 24;

enum class Destination { Text, FontTable, ColorTable, Skip };

struct State {
    Destination dest = Destination::Text;
    int font = -1;
    int halfPoints = DefaultHalfPoints;
    bool bold = false;
    int color = -1;
    int skipAfterUnicode = 1;
};

struct FontEntry {
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
};

class Parser {
public:
    Parser(const QByteArray &in, QTextDocument *doc) : m_in(in), m_cursor(doc) {}

    TRtfReader::Result run();

private:
    void controlWord(const QByteArray &word, bool hasParam, int param);
    void controlSymbol(char c);
    void text(QChar c);
    void flush();
    void newParagraph();
    QTextCharFormat format() const;
    const QTextCharFormat &currentFormat();
    void commitFontEntry();
    void commitColorEntry();

    const QByteArray &m_in;
    int m_pos = 0;
    QTextCursor m_cursor;
    QList<State> m_stack;
    State m_state;
    int m_overflow = 0;
    bool m_balanced = true;
    bool m_started = false;
    QString m_pending;
    QTextCharFormat m_pendingFormat;
    int m_unicodeSkip = 0;

    QList<FontEntry> m_fonts;
    int m_defaultFont = 0;
    int m_tableFont = -1;
    FontEntry m_fontEntry;
    QString m_fontName;
    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    bool m_firstBlock = true;

    // Text comes in long runs of one format, so the format is built again only when
    // something it depends on has changed: the group's state or the font and colour tables.
    struct FormatKey {
        int font, halfPoints, color, tables;
        bool bold;
        bool operator==(const FormatKey &) const = default;
    };
    FormatKey formatKey() const;
    int m_tables = 0;
    bool m_formatBuilt = false;
    FormatKey m_formatKey{};
    QTextCharFormat m_format;
};

QChar fromCp1252(uchar byte)
{
    static QStringDecoder decoder("windows-1252");
    if (byte < 0x80)
        return QChar(byte);
    const char raw = char(byte);
    const QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&raw, 1)) : QString(QChar(byte));
    return s.isEmpty() ? QChar(QChar::ReplacementCharacter) : s.front();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

TRtfReader::Result Parser::run()
{
    m_cursor.document()->clear();
    m_cursor = QTextCursor(m_cursor.document());
    const int n = int(m_in.size());
    int i = 0;
    while (i < n && (m_in[i] == ' ' || m_in[i] == '\r' || m_in[i] == '\n' || m_in[i] == '\t'))
        ++i;
    const bool header = m_in.mid(i, 5) == "{\\rtf";
    m_pos = i;

    while (m_pos < n) {
        const char c = m_in[m_pos];
        if (c == '{') {
            ++m_pos;
            if (m_stack.size() >= MaxDepth) {
                ++m_overflow;
                continue;
            }
            m_stack.append(m_state);
            m_started = true;
        } else if (c == '}') {
            ++m_pos;
            if (m_overflow > 0) {
                --m_overflow;
                continue;
            }
            if (m_stack.isEmpty()) {
                m_balanced = false;
                continue;
            }
            if (m_state.dest == Destination::FontTable)
                commitFontEntry();
            flush();
            const Destination inner = m_state.dest;
            m_state = m_stack.takeLast();
            // A font entry written as a group of its own ends with the group.
            if (inner == Destination::FontTable && m_state.dest == Destination::FontTable)
                m_tableFont = -1;
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= n)
                break;
            const char d = m_in[m_pos];
            if ((d >= 'a' && d <= 'z') || (d >= 'A' && d <= 'Z')) {
                QByteArray word;
                while (m_pos < n && ((m_in[m_pos] >= 'a' && m_in[m_pos] <= 'z') || (m_in[m_pos] >= 'A' && m_in[m_pos] <= 'Z'))) {
                    if (word.size() < 32)
                        word.append(m_in[m_pos]);
                    ++m_pos;
                }
                bool negative = false;
                bool hasParam = false;
                qint64 value = 0;
                if (m_pos < n && m_in[m_pos] == '-' && m_pos + 1 < n && m_in[m_pos + 1] >= '0' && m_in[m_pos + 1] <= '9') {
                    negative = true;
                    ++m_pos;
                }
                while (m_pos < n && m_in[m_pos] >= '0' && m_in[m_pos] <= '9') {
                    hasParam = true;
                    if (value < 100000000)
                        value = value * 10 + (m_in[m_pos] - '0');
                    ++m_pos;
                }
                if (m_pos < n && m_in[m_pos] == ' ')
                    ++m_pos; // the delimiting space belongs to the word
                controlWord(word, hasParam, int(negative ? -value : value));
            } else if (d == '\'') {
                ++m_pos;
                const int hi = m_pos < n ? hexValue(m_in[m_pos]) : -1;
                const int lo = m_pos + 1 < n ? hexValue(m_in[m_pos + 1]) : -1;
                if (hi >= 0 && lo >= 0) {
                    m_pos += 2;
                    text(fromCp1252(uchar(hi * 16 + lo)));
                }
            } else {
                ++m_pos;
                controlSymbol(d);
            }
        } else if (c == '\r' || c == '\n') {
            ++m_pos;
        } else {
            ++m_pos;
            text(fromCp1252(uchar(c)));
        }
    }
    flush();

    TRtfReader::Result result;
    result.wellFormed = header && m_balanced && m_stack.isEmpty() && m_overflow == 0;
    result.colors = m_colors;
    for (const FontEntry &f : m_fonts)
        result.fonts.append(f.name);
    return result;
}

void Parser::controlWord(const QByteArray &word, bool hasParam, int param)
{
    if (m_state.dest == Destination::Skip)
        return;
    // Any word ends a \u's fallback text.
    m_unicodeSkip = 0;

    if (word == "fonttbl") {
        m_state.dest = Destination::FontTable;
        m_tableFont = -1;
        return;
    }
    if (word == "colortbl") {
        m_state.dest = Destination::ColorTable;
        m_red = m_green = m_blue = -1;
        return;
    }
    static const QByteArrayList skipped = {"stylesheet", "info",    "pict",     "header",  "footer",  "headerl",
                                           "headerr",    "footerl", "footerr",  "object",  "themedata", "listtable",
                                           "listoverridetable", "generator", "xmlnstbl", "rsidtbl"};
    if (skipped.contains(word)) {
        m_state.dest = Destination::Skip;
        return;
    }

    if (m_state.dest == Destination::FontTable) {
        if (word == "f" && hasParam) {
            commitFontEntry();
            m_tableFont = param;
        } else if (word == "froman") {
            m_fontEntry.hint = QFont::Serif;
        } else if (word == "fswiss") {
            m_fontEntry.hint = QFont::SansSerif;
        } else if (word == "fmodern") {
            m_fontEntry.hint = QFont::Monospace;
        } else if (word == "fscript") {
            m_fontEntry.hint = QFont::Cursive;
        } else if (word == "fdecor") {
            m_fontEntry.hint = QFont::Decorative;
        }
        return;
    }
    if (m_state.dest == Destination::ColorTable) {
        const int v = qBound(0, param, 255);
        if (word == "red")
            m_red = v;
        else if (word == "green")
            m_green = v;
        else if (word == "blue")
            m_blue = v;
        return;
    }

    if (word == "par") {
        newParagraph();
    } else if (word == "line") {
        text(QChar(QChar::LineSeparator));
    } else if (word == "tab") {
        text(QLatin1Char('\t'));
    } else if (word == "emdash") {
        text(QChar(0x2014));
    } else if (word == "endash") {
        text(QChar(0x2013));
    } else if (word == "bullet") {
        text(QChar(0x2022));
    } else if (word == "lquote") {
        text(QChar(0x2018));
    } else if (word == "rquote") {
        text(QChar(0x2019));
    } else if (word == "ldblquote") {
        text(QChar(0x201C));
    } else if (word == "rdblquote") {
        text(QChar(0x201D));
    } else if (word == "b") {
        m_state.bold = !hasParam || param != 0;
    } else if (word == "fs") {
        if (!hasParam)
            m_state.halfPoints = DefaultHalfPoints;
        else if (param > 0 && param <= MaxHalfPoints)
            m_state.halfPoints = param;
    } else if (word == "cf") {
        m_state.color = hasParam ? param : 0;
    } else if (word == "f") {
        m_state.font = hasParam ? param : m_defaultFont;
    } else if (word == "deff") {
        m_defaultFont = hasParam ? param : 0;
    } else if (word == "plain") {
        const Destination d = m_state.dest;
        const int skip = m_state.skipAfterUnicode;
        m_state = State();
        m_state.dest = d;
        m_state.skipAfterUnicode = skip;
    } else if (word == "uc") {
        m_state.skipAfterUnicode = qBound(0, param, 16);
    } else if (word == "u" && hasParam) {
        const int code = param < 0 ? param + 65536 : param;
        text(code > 0 && code < 0x10000 ? QChar(char16_t(code)) : QChar(QChar::ReplacementCharacter));
        m_unicodeSkip = m_state.skipAfterUnicode;
    }
    // Every other word (\pard, \viewkind, \lang ...) changes nothing we show.
}

void Parser::controlSymbol(char c)
{
    if (m_state.dest == Destination::Skip)
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        text(QLatin1Char(c));
        break;
    case '~':
        text(QChar(0x00A0));
        break;
    case '_':
        text(QChar(0x2011));
        break;
    case '*':
        // An optional destination we do not know: leave the whole group out.
        m_state.dest = Destination::Skip;
        break;
    case '\r':
    case '\n':
        newParagraph();
        break;
    default:
        break; // \- (optional hyphen), \| and others show nothing
    }
}

void Parser::text(QChar c)
{
    if (m_unicodeSkip > 0) {
        --m_unicodeSkip;
        return;
    }
    switch (m_state.dest) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        if (c == QLatin1Char(';'))
            commitFontEntry();
        else
            m_fontName.append(c);
        return;
    case Destination::ColorTable:
        if (c == QLatin1Char(';'))
            commitColorEntry();
        return;
    case Destination::Text:
        break;
    }
    const QTextCharFormat &f = currentFormat();
    if (!m_pending.isEmpty() && f != m_pendingFormat)
        flush();
    m_pendingFormat = f;
    m_pending.append(c);
}

void Parser::flush()
{
    if (m_pending.isEmpty())
        return;
    if (m_firstBlock) {
        // The first block takes the format of its first run, so an empty first line keeps
        // the size the text asked for.
        m_cursor.setBlockCharFormat(m_pendingFormat);
        m_firstBlock = false;
    }
    m_cursor.insertText(m_pending, m_pendingFormat);
    m_pending.clear();
}

void Parser::newParagraph()
{
    if (m_state.dest != Destination::Text)
        return;
    flush();
    m_firstBlock = false;
    m_cursor.insertBlock(QTextBlockFormat(), currentFormat());
}

Parser::FormatKey Parser::formatKey() const
{
    return {m_state.font >= 0 ? m_state.font : m_defaultFont, m_state.halfPoints, m_state.color, m_tables,
            m_state.bold};
}

const QTextCharFormat &Parser::currentFormat()
{
    const FormatKey key = formatKey();
    if (!m_formatBuilt || !(key == m_formatKey)) {
        m_format = format();
        m_formatKey = key;
        m_formatBuilt = true;
    }
    return m_format;
}

QTextCharFormat Parser::format() const
{
    QTextCharFormat f;
    const int fontIndex = m_state.font >= 0 ? m_state.font : m_defaultFont;
    if (fontIndex >= 0 && fontIndex < m_fonts.size() && !m_fonts[fontIndex].name.isEmpty()) {
        f.setFontFamilies(QStringList{m_fonts[fontIndex].name});
        f.setFontStyleHint(m_fonts[fontIndex].hint);
    }
    f.setFontPointSize(m_state.halfPoints / 2.0);
    f.setFontWeight(m_state.bold ? QFont::Bold : QFont::Normal);
    if (m_state.color >= 0 && m_state.color < m_colors.size() && m_colors[m_state.color].isValid())
        f.setForeground(m_colors[m_state.color]);
    return f;
}

void Parser::commitFontEntry()
{
    const QString name = m_fontName.trimmed();
    if (m_tableFont >= 0 && m_tableFont < 4096) {
        if (m_fonts.size() <= m_tableFont)
            m_fonts.resize(m_tableFont + 1);
        if (!name.isEmpty() || m_fonts[m_tableFont].name.isEmpty()) {
            m_fontEntry.name = name;
            m_fonts[m_tableFont] = m_fontEntry;
        }
    }
    m_fontName.clear();
    m_fontEntry = FontEntry();
    m_tableFont = -1;
    ++m_tables;
}

void Parser::commitColorEntry()
{
    if (m_red < 0 && m_green < 0 && m_blue < 0)
        m_colors.append(QColor()); // an empty entry: the automatic colour
    else
        m_colors.append(QColor(qMax(0, m_red), qMax(0, m_green), qMax(0, m_blue)));
    m_red = m_green = m_blue = -1;
    ++m_tables;
}
} // namespace

TRtfReader::Result TRtfReader::read(const QByteArray &rtf, QTextDocument *document)
{
    if (!document)
        return {};
    Parser parser(rtf, document);
    return parser.run();
}
