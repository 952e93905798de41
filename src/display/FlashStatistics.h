// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QHash>
#include <QMap>
#include <QString>

// How many messages were shown, day by day and message file by message file. Counting
// costs the display a step in memory only; the counts reach their file when save() is
// called (by a timer, at a stop, at the end), never while a message is shown.
//
// The file holds one line for each day on which messages were shown, however many:
// the date, then the name and count of each message file, separated by tabs (a name of
// a message file never holds a tab). A line that does not read so is left out, the
// other days kept: the counts of that day start again. A file bigger than any the
// program writes (maxFileBytes), or one that cannot be read, is never written over:
// its days stay as they are, and this run counts in memory.
class FlashStatistics {
public:
    static constexpr qint64 maxFileBytes = 16 * 1024 * 1024;

    explicit FlashStatistics(QString path);

    // One message of the named message file was shown on that day.
    void count(QDate day, const QString& source);
    // Writes the counts not yet written into the file, atomically; false (the counts kept
    // for the next try) when it could not be written.
    bool save();
    bool hasUnsaved() const { return !m_unsaved.isEmpty(); }

    struct Counts {
        qint64 today = 0;
        qint64 lastSevenDays = 0; // today and the six days before it
        qint64 all = 0;
        bool operator==(const Counts&) const = default;
    };
    // The counts of every message file, by name, and of all together.
    QMap<QString, Counts> byFile(QDate today);
    Counts total(QDate today);

    QString path() const { return m_path; }

private:
    using Day = QHash<QString, qint64>;
    void load();
    QMap<QDate, Day> merged() const;

    QString m_path;
    bool m_loaded = false;
    bool m_writable = true;
    QMap<QDate, Day> m_stored;
    QMap<QDate, Day> m_unsaved;
};
