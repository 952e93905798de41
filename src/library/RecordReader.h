#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <optional>
#include <span>

// Reads records of the program's comma-delimited record form back.
//
// The writer puts text fields between double quotes without escaping anything, so a
// text may hold quotes and commas of its own. The reader takes as a text's closing
// quote the first quote after which the rest of the record reads as the fields that
// must follow it (a comma and the next field, or the end of the record). For a message
// record that is the last quote before the trailing ,#TRUE# or ,#FALSE#. Records
// written from texts without quotes read exactly as before.
//
// A record ends with CR LF, a lone LF, a lone CR or the end of the content. Nothing is
// ever read past the end, and reading a whole content, however malformed, takes time in
// proportion to its length.
class RecordReader {
public:
    enum class Field { Text, Flag, Date, Number };

    struct Value {
        QString text;
        bool flag = false;
        QDate date;
        qint64 number = 0;
    };

    // With TextLines::Single a text field ends at the end of its line; with Multiple it
    // may run over line ends (a description with line breaks).
    enum class TextLines { Single, Multiple };

    explicit RecordReader(QStringView content, TextLines lines = TextLines::Single);

    bool atEnd() const { return m_pos >= m_content.size(); }
    // True when the current line holds nothing but spaces.
    bool atBlankLine() const;

    // Reads one record of the given fields at the current place and moves past it.
    // Nothing when the content there is not such a record; the place stays as it was.
    std::optional<QList<Value>> read(std::initializer_list<Field> fields);
    // Takes the current line (without its line end) and moves past it.
    QStringView takeLine();

private:
    using Fields = std::span<const Field>;
    // Reads fields[i] and the fields after it from pos; end is where the record ended.
    bool readFields(qsizetype pos, Fields fields, size_t i, QList<Value>& values, qsizetype& end);
    bool readText(qsizetype pos, Fields fields, size_t i, QList<Value>& values, qsizetype& end);
    // After fields[i] ended at pos: a comma and the next field, or the record's end.
    bool readRest(qsizetype pos, Fields fields, size_t i, QList<Value>& values, qsizetype& end);
    qsizetype skipSpaces(qsizetype pos) const;
    qsizetype lineEnd(qsizetype pos) const;
    // The place after the record end at pos, or -1 when pos is not at a record end.
    qsizetype afterRecordEnd(qsizetype pos) const;

    QStringView m_content;
    TextLines m_lines;
    qsizetype m_pos = 0;

    // What the last search for a closing quote of the text at each field position found:
    // no quote in [from, to) closes the text, and when closes is true the one at `to`
    // does. Whether a quote closes a text depends only on where it stands, and searches
    // only move forward, so malformed content is never searched twice.
    struct QuoteSearch {
        qsizetype from = -1;
        qsizetype to = -1;
        bool closes = false;
    };
    QList<QuoteSearch> m_searches;
};
