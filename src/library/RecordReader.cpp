// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordReader.h"

#include "platform/LineBreaks.h"

#include <algorithm>
#include <limits>

namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

RecordReader::RecordReader(QStringView content, Form form)
    : m_content(content)
    , m_form(form)
{}

qsizetype RecordReader::skipSpaces(qsizetype pos) const
{
    while (pos < m_content.size() && isSpace(m_content[pos]))
        ++pos;
    return pos;
}

qsizetype RecordReader::lineEnd(qsizetype pos) const
{
    while (pos < m_content.size() && !LineBreaks::isLineEnd(m_content[pos]))
        ++pos;
    return pos;
}

qsizetype RecordReader::afterRecordEnd(qsizetype pos) const
{
    pos = skipSpaces(pos);
    if (pos == m_content.size())
        return pos;
    if (m_content[pos] == QLatin1Char('\n'))
        return pos + 1;
    if (m_content[pos] == QLatin1Char('\r')) {
        const bool pair = pos + 1 < m_content.size() && m_content[pos + 1] == QLatin1Char('\n');
        return pos + (pair ? 2 : 1);
    }
    return -1;
}

bool RecordReader::atBlankLine() const
{
    const qsizetype pos = skipSpaces(m_pos);
    return pos < m_content.size() && LineBreaks::isLineEnd(m_content[pos]);
}

std::optional<QList<RecordReader::Value>> RecordReader::read(std::initializer_list<Field> fields)
{
    if (atEnd() || fields.size() == 0)
        return std::nullopt;
    if (m_searches.size() < qsizetype(fields.size()))
        m_searches.resize(qsizetype(fields.size()));
    QList<Value> values(qsizetype(fields.size()));
    qsizetype end = 0;
    if (!readFields(m_pos, Fields(fields.begin(), fields.size()), 0, values, end))
        return std::nullopt;
    m_pos = end;
    return values;
}

QStringView RecordReader::takeLine()
{
    const qsizetype end = lineEnd(m_pos);
    const QStringView line = m_content.sliced(m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_content.size())
        m_pos = afterRecordEnd(m_pos);
    return line;
}

bool RecordReader::readFields(qsizetype pos, Fields fields, size_t i, QList<Value>& values,
                              qsizetype& end)
{
    pos = skipSpaces(pos);
    Value& value = values[qsizetype(i)];
    const QStringView rest = m_content.sliced(pos);

    switch (fields[i]) {
    case Field::Text:
        return readText(pos, fields, i, values, end);

    case Field::Flag:
        if (rest.startsWith(QLatin1String("#TRUE#"), Qt::CaseInsensitive)) {
            value.flag = true;
            return readRest(pos + 6, fields, i, values, end);
        }
        if (rest.startsWith(QLatin1String("#FALSE#"), Qt::CaseInsensitive)) {
            value.flag = false;
            return readRest(pos + 7, fields, i, values, end);
        }
        return false;

    case Field::Date: {
        if (!rest.startsWith(QLatin1Char('#')))
            return false;
        // #yyyy-mm-dd#, or #yyyy-mm-dd hh:mm:ss# whose time is of no interest here.
        const qsizetype close = rest.indexOf(QLatin1Char('#'), 1);
        if (close < 11 || close > 21)
            return false;
        const QStringView inside = rest.sliced(1, close - 1);
        if (inside.size() > 10 && inside[10] != QLatin1Char(' '))
            return false;
        // A date never runs over a line end: read as one, it would join two lines into
        // one record that, written back as a plain date, reads as something else.
        if (std::any_of(inside.begin(), inside.end(), LineBreaks::isLineEnd))
            return false;
        value.date = QDate::fromString(inside.first(10).toString(), Qt::ISODate);
        if (!value.date.isValid())
            return false;
        return readRest(pos + close + 1, fields, i, values, end);
    }

    case Field::Number: {
        qsizetype length = 0;
        if (!rest.isEmpty() && (rest[0] == QLatin1Char('-') || rest[0] == QLatin1Char('+')))
            ++length;
        const qsizetype digitsStart = length;
        while (length < rest.size() && rest[length].isDigit() && rest[length].unicode() < 128)
            ++length;
        if (length == digitsStart)
            return false;
        // More digits than a 64-bit number holds read as the largest one of that sign.
        const bool negative = rest[0] == QLatin1Char('-');
        value.number = length - digitsStart > 18 ? (negative ? std::numeric_limits<qint64>::min()
                                                             : std::numeric_limits<qint64>::max())
                                                 : rest.first(length).toLongLong();
        return readRest(pos + length, fields, i, values, end);
    }
    }
    return false;
}

bool RecordReader::readWrittenText(qsizetype pos, Fields fields, size_t i, QList<Value>& values,
                                   qsizetype& end)
{
    if (pos >= m_content.size() || m_content[pos] != QLatin1Char('"'))
        return false;
    QString text;
    for (qsizetype from = pos + 1;;) {
        const qsizetype quote = m_content.indexOf(QLatin1Char('"'), from);
        if (quote < 0)
            return false;
        const bool doubled =
            quote + 1 < m_content.size() && m_content[quote + 1] == QLatin1Char('"');
        text += m_content.sliced(from, quote + (doubled ? 1 : 0) - from);
        if (!doubled) {
            if (!readRest(quote + 1, fields, i, values, end))
                return false;
            values[qsizetype(i)].text = std::move(text);
            return true;
        }
        from = quote + 2;
    }
}

bool RecordReader::readText(qsizetype pos, Fields fields, size_t i, QList<Value>& values,
                            qsizetype& end)
{
    if (m_form == Form::Written)
        return readWrittenText(pos, fields, i, values, end);
    if (pos < m_content.size() && m_content[pos] == QLatin1Char('"')) {
        const qsizetype open = pos;
        const qsizetype limit = m_form == Form::OlderLine ? lineEnd(open + 1) : m_content.size();
        const auto closeAt = [&](qsizetype quote) {
            values[qsizetype(i)].text = m_content.sliced(open + 1, quote - open - 1).toString();
            return true;
        };

        QuoteSearch& search = m_searches[qsizetype(i)];
        qsizetype quote = open + 1;
        qsizetype searchedFrom = quote;
        if (search.from <= quote && quote <= search.to) {
            if (search.closes) // and nothing before it does
                return search.to < limit && readRest(search.to + 1, fields, i, values, end) &&
                       closeAt(search.to);
            searchedFrom = search.from;
            quote = search.to;
        }
        for (; quote < limit; ++quote) {
            if (m_content[quote] == QLatin1Char('"') &&
                readRest(quote + 1, fields, i, values, end)) {
                m_searches[qsizetype(i)] = {searchedFrom, quote, true};
                return closeAt(quote);
            }
        }
        m_searches[qsizetype(i)] = {searchedFrom, limit, false};
        return false;
    }
    // A text without quotes runs to the next comma or the end of the line. It holds no
    // quote: written back, the text goes between quotes, and one of its own would then
    // close it early and read as another record.
    qsizetype stop = pos;
    while (stop < m_content.size() && m_content[stop] != QLatin1Char(',') &&
           !LineBreaks::isLineEnd(m_content[stop])) {
        if (m_content[stop] == QLatin1Char('"'))
            return false;
        ++stop;
    }
    if (!readRest(stop, fields, i, values, end))
        return false;
    values[qsizetype(i)].text = m_content.sliced(pos, stop - pos).trimmed().toString();
    return true;
}

bool RecordReader::readRest(qsizetype pos, Fields fields, size_t i, QList<Value>& values,
                            qsizetype& end)
{
    pos = skipSpaces(pos);
    if (i + 1 < fields.size()) {
        if (pos >= m_content.size() || m_content[pos] != QLatin1Char(','))
            return false;
        return readFields(pos + 1, fields, i + 1, values, end);
    }
    end = afterRecordEnd(pos);
    return end >= 0;
}
