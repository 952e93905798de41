// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/GoalRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The goal list and goals.txt, the file that keeps it between runs. The file is always
// replaced whole and atomically; the list is brought back in line with it by a reload.
class GoalStore {
public:
    // Files larger than this are read only this far: enough for hundreds of thousands
    // of goals, and a stray huge file cannot exhaust the memory at start-up.
    static constexpr qint64 readLimit = 16 * 1024 * 1024;

    // How much of the file the last load read.
    enum class Reading { Whole, TooLarge, Unreadable };

    explicit GoalStore(QString path);

    static bool HasGoals(const Goals& goals) { return !goals.isEmpty(); }

    // Whether goals.txt is there to be read: a file (not a folder, device or pipe) that
    // is not hidden.
    bool fileFound() const;

    // Empties the list and reads goals.txt into it.
    void LoadGoals();
    // Rewrites goals.txt from every goal of the list, with the lines that were no goal
    // in their places. Does nothing without goals, and nothing when the last load could
    // not read the whole file: what it holds beyond what was read must not be lost.
    // True when the file was written.
    bool SaveGoals();
    // The same, leaving out the goals at the given indexes; the list is not changed.
    // Leaving out every goal leaves an empty file.
    bool SaveGoalsExcept(const QList<int>& indexes);

    const Goals& goals() const { return m_goals; }
    Goals& goals() { return m_goals; }
    Reading reading() const { return m_reading; }
    const QString& path() const { return m_path; }

private:
    QString m_path;
    Goals m_goals;
    // What stood before each goal of the file and after the last; see GoalRecords.
    QStringList m_kept;
    Reading m_reading = Reading::Whole;
};
