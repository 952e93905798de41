// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One record of a message file or of the index of message files: a text and its check
// mark.
struct MessageRecord {
    QString text;
    bool checked = false;

    bool operator==(const MessageRecord&) const = default;
};

// The content of a message file or of the index, record by record.
class MessageRecords {
public:
    // Reads every record, those of older versions too. A line that is not a record (a
    // list of affirmations typed one to a line, say) reads as one checked record holding
    // the whole line; blank lines are skipped. A record runs over lines only when its
    // text holds a line break.
    static QList<MessageRecord> parse(QStringView content);
    static QString format(const QList<MessageRecord>& records);
};
