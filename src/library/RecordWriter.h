// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// Writes records in the program's comma-delimited record form: text fields in double
// quotes, with a quote inside the text written twice and nothing else escaped (commas and
// line breaks stand as they are); flags as #TRUE# or #FALSE#, dates as #yyyy-mm-dd#,
// whole numbers as plain digits; fields joined by commas, each record ended by CR LF. No
// header, count or trailer. A text without quotes is written exactly as older versions
// of the program wrote it.
class RecordWriter {
public:
    RecordWriter& text(const QString& value);
    RecordWriter& flag(bool value);
    RecordWriter& date(QDate value);
    RecordWriter& number(qint64 value);
    // Ends the record with CR LF; the next field starts a new record.
    RecordWriter& endRecord();
    // Text that stands between records as it is (a line that was no record).
    RecordWriter& verbatim(QStringView text);

    const QString& result() const { return m_out; }
    void reserve(qsizetype characters) { m_out.reserve(characters); }

private:
    void separate();

    QString m_out;
    bool m_recordStarted = false;
};
