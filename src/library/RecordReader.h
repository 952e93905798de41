// SPDX-License-Identifier: GPL-3.0-or-later
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
// The writer puts text fields between double quotes and writes a quote inside a text
// twice; commas and line breaks stand as they are. Read in the Written form, a text
// runs to the first quote that is not doubled, so every text reads back exactly as it
// was held, whatever it holds.
//
// Older versions wrote texts without escaping anything. Read in an older form, a text's
// closing quote is the first quote after which the rest of the record reads as the
// fields that must follow it (a comma and the next field, or the end of the record); for
// a message record that is the last quote before the trailing ,#TRUE# or ,#FALSE#. A text
// without quotes is written alike in all forms and reads alike in all of them.
//
// A record ends with CR LF, a lone LF, a lone CR or the end of the content. Nothing is
// ever read past the end, and reading a whole content, however malformed, takes time in
// proportion to its length. In the Written form a search for a closing quote ends at the
// first quote that is not doubled, so searches that run on past their own line never
// overlap: each ends where the next would go on.
class RecordReader {
public:
    enum class Field { Text, Flag, Date, Number };

    struct Value {
        QString text;
        bool flag = false;
        QDate date;
        qint64 number = 0;
    };

    enum class Form {
        // As the program writes texts: between quotes, a quote inside doubled; a text may
        // run over line ends. A text that does not open with a quote is not read.
        Written,
        // As older versions wrote them, nothing escaped; a text ends within its line.
        OlderLine,
        // The same, but a text may run over line ends (a description with line breaks).
        OlderLines,
    };

    explicit RecordReader(QStringView content, Form form = Form::OlderLine);

    bool atEnd() const { return m_pos >= m_content.size(); }
    // True when the current line holds nothing but spaces.
    bool atBlankLine() const;

    // Reads one record of the given fields at the current place and moves past it.
    // Nothing when the content there is not such a record; the place stays as it was.
    std::optional<QList<Value>> read(std::initializer_list<Field> fields);
    // Takes the current line (without its line end) and moves past it.
    QStringView takeLine();
    // Where the reader stands in the content.
    qsizetype position() const { return m_pos; }

private:
    using Fields = std::span<const Field>;
    // Reads fields[i] and the fields after it from pos; end is where the record ended.
    bool readFields(qsizetype pos, Fields fields, size_t i, QList<Value>& values, qsizetype& end);
    bool readText(qsizetype pos, Fields fields, size_t i, QList<Value>& values, qsizetype& end);
    bool readWrittenText(qsizetype pos, Fields fields, size_t i, QList<Value>& values,
                         qsizetype& end);
    // After fields[i] ended at pos: a comma and the next field, or the record's end.
    bool readRest(qsizetype pos, Fields fields, size_t i, QList<Value>& values, qsizetype& end);
    qsizetype skipSpaces(qsizetype pos) const;
    qsizetype lineEnd(qsizetype pos) const;
    // The place after the record end at pos, or -1 when pos is not at a record end.
    qsizetype afterRecordEnd(qsizetype pos) const;

    QStringView m_content;
    Form m_form;
    qsizetype m_pos = 0;

    // What the last search of the older forms for a closing quote of the text at each
    // field position found: no quote in [from, to) closes the text, and when closes is
    // true the one at `to` does. Whether a quote closes a text depends only on where it stands, and
    // searches only move forward, so malformed content is never searched twice.
    struct QuoteSearch {
        qsizetype from = -1;
        qsizetype to = -1;
        bool closes = false;
    };
    QList<QuoteSearch> m_searches;
};
