#include "MessageRecords.h"

#include "library/RecordReader.h"
#include "library/RecordWriter.h"

namespace {

constexpr QStringView checkedEnd = u"\",#TRUE#";
constexpr QStringView uncheckedEnd = u"\",#FALSE#";

// A line just as the program writes it: the text in quotes, a comma and the flag, nothing
// else. The general reader finds the same there: the only quote followed by nothing but
// the flag is the one before it. Nearly every line is such a line, and this way reading
// a large pool costs a fraction of it.
bool readWrittenLine(QStringView line, QList<MessageRecord>& records)
{
    if (line.isEmpty() || line.front() != QLatin1Char('"'))
        return false;
    for (const bool checked : {true, false}) {
        const QStringView end = checked ? checkedEnd : uncheckedEnd;
        if (line.size() > end.size() && line.endsWith(end)) {
            records << MessageRecord{line.sliced(1, line.size() - 1 - end.size()).toString(),
                                     checked};
            return true;
        }
    }
    return false;
}

// Any other line: a record written another way, a blank line, or a line of plain text.
void readOtherLine(QStringView line, QList<MessageRecord>& records)
{
    using Field = RecordReader::Field;
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
    // A message record never runs over a line end, so the content is read line by line.
    QList<MessageRecord> records;
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && content[end] != QLatin1Char('\r') &&
               content[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = content.sliced(pos, end - pos);
        if (!readWrittenLine(line, records))
            readOtherLine(content.sliced(pos, qMin(end + 1, content.size()) - pos), records);
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
