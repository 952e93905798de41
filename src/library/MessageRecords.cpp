#include "MessageRecords.h"

#include "library/RecordReader.h"
#include "library/RecordWriter.h"

QList<MessageRecord> MessageRecords::parse(QStringView content)
{
    using Field = RecordReader::Field;
    QList<MessageRecord> records;
    RecordReader reader(content);
    while (!reader.atEnd()) {
        if (reader.atBlankLine()) {
            reader.takeLine();
            continue;
        }
        if (const auto record = reader.read({Field::Text, Field::Flag}))
            records << MessageRecord{record->at(0).text, record->at(1).flag};
        else
            records << MessageRecord{reader.takeLine().toString(), true};
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
