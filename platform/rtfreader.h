#pragma once
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

class QTextDocument;

// Reads the small part of RTF that our rich texts use into a QTextDocument: the font table,
// the colour table, \b, \fs, \cf, \f, \plain, \par, \line, \tab, the dash and quote words,
// \'hh, \u and groups. Other control words are skipped, never shown, and destinations marked
// with \* are left out whole. Malformed input is read as far as it makes sense.
class TRtfReader {
public:
    struct Result {
        bool wellFormed = false; // starts with {\rtf and its groups balance
        QList<QColor> colors;    // the colour table; an invalid colour is an "auto" entry
        QStringList fonts;       // the font table's names by font number (empty where none)
    };

    static Result read(const QByteArray &rtf, QTextDocument *document);
    static Result read(const QString &rtf, QTextDocument *document) { return read(rtf.toLatin1(), document); }
};
