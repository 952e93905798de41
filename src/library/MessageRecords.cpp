// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageRecords.h"

#include "library/RecordReader.h"
#include "library/RecordWriter.h"

namespace {

constexpr QStringView checkedEnd = u"\",#TRUE#";
constexpr QStringView uncheckedEnd = u"\",#FALSE#";

using Field = RecordReader::Field;

// A line just as the program writes it from a text without quotes: the text in quotes, a
// comma and the flag, nothing else. Every reader finds the same there. Nearly every line
// is such a line, and this way reading a large pool costs a fraction of it.
bool readPlainWrittenLine(QStringView line, QList<MessageRecord>& records)
{
    if (line.isEmpty() || line.front() != QLatin1Char('"'))
        return false;
    for (const bool checked : {true, false}) {
        const QStringView end = checked ? checkedEnd : uncheckedEnd;
        if (line.size() > end.size() && line.endsWith(end)) {
            const QStringView text = line.sliced(1, line.size() - 1 - end.size());
            if (text.contains(QLatin1Char('"')))
                return false;
            records << MessageRecord{text.toString(), checked};
            return true;
        }
    }
    return false;
}

// A record as the program writes it, its text between quotes with every quote inside
// doubled, which may run over line ends: the length read, or 0.
qsizetype readWrittenRecord(QStringView content, QList<MessageRecord>& records)
{
    RecordReader reader(content, RecordReader::Form::Written);
    const auto record = reader.read({Field::Text, Field::Flag});
    if (!record)
        return 0;
    records << MessageRecord{record->at(0).text, record->at(1).flag};
    return reader.position();
}

// Any other line: a record an older version wrote, a blank line, or a line of plain text.
void readOtherLine(QStringView line, QList<MessageRecord>& records)
{
    RecordReader reader(line);
    if (reader.atEnd() || reader.atBlankLine())
        return;
    if (const auto record = reader.read({Field::Text, Field::Flag}))
        records << MessageRecord{record->at(0).text, record->at(1).flag};
    else
        records << MessageRecord{reader.takeLine().toString(), true};
}

} // namespace

QList<MessageRecord> MessageRecords::parse(QStringView content)
{
    // Line by line; only a record written with a line break in its text runs over lines.
    QList<MessageRecord> records;
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && content[end] != QLatin1Char('\r') &&
               content[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = content.sliced(pos, end - pos);
        if (!readPlainWrittenLine(line, records)) {
            const qsizetype written = line.trimmed().startsWith(QLatin1Char('"'))
                                          ? readWrittenRecord(content.sliced(pos), records)
                                          : 0;
            if (written > 0) {
                pos += written;
                continue;
            }
            readOtherLine(content.sliced(pos, qMin(end + 1, content.size()) - pos), records);
        }
        pos = end + 1;
        if (pos < content.size() && content[end] == QLatin1Char('\r') &&
            content[pos] == QLatin1Char('\n'))
            ++pos;
    }
    return records;
}

QString MessageRecords::format(const QList<MessageRecord>& records)
{
    RecordWriter writer;
    qsizetype size = 0;
    for (const MessageRecord& record : records)
        size += record.text.size() + 12;
    writer.reserve(size);
    for (const MessageRecord& record : records)
        writer.text(record.text).flag(record.checked).endRecord();
    return writer.result();
}
