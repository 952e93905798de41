// SPDX-License-Identifier: GPL-3.0-or-later
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
    for (qsizetype from = 0; from < value.size();) {
        const qsizetype quote = value.indexOf(QLatin1Char('"'), from);
        const qsizetype end = quote < 0 ? value.size() : quote + 1;
        m_out += QStringView(value).sliced(from, end - from);
        if (quote >= 0)
            m_out += QLatin1Char('"');
        from = end;
    }
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

RecordWriter& RecordWriter::verbatim(QStringView text)
{
    m_out += text;
    return *this;
}
