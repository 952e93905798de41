#include "RecordWriter.h"

void RecordWriter::separate()
{
    if (m_recordStarted)
        m_out += QLatin1Char(',');
    m_recordStarted = true;
}

RecordWriter& RecordWriter::text(const QString& value)
{
    separate();
    m_out += QLatin1Char('"');
    m_out += value;
    m_out += QLatin1Char('"');
    return *this;
}

RecordWriter& RecordWriter::flag(bool value)
{
    separate();
    m_out += value ? QLatin1String("#TRUE#") : QLatin1String("#FALSE#");
    return *this;
}

RecordWriter& RecordWriter::date(QDate value)
{
    separate();
    m_out += QLatin1Char('#');
    m_out += value.toString(Qt::ISODate);
    m_out += QLatin1Char('#');
    return *this;
}

RecordWriter& RecordWriter::number(qint64 value)
{
    separate();
    m_out += QString::number(value);
    return *this;
}

RecordWriter& RecordWriter::endRecord()
{
    m_out += QLatin1String("\r\n");
    m_recordStarted = false;
    return *this;
}
