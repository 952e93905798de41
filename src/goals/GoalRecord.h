// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One personal goal, its fields in the order of the goal file.
struct GoalRecord {
    QString GoalName;
    QDate StartingDate;
    QDate EndingDate;
    QString GoalDesc; // line breaks held as CR LF
    bool Achieved = false;
    qint16 AchievedPercent = 0; // 0 to 100

    bool operator==(const GoalRecord&) const = default;
};

// The goals in file order: a goal's index is its record's position in goals.txt. Empty
// until goals are loaded; it only grows, one goal at its end, until the next load.
using Goals = QList<GoalRecord>;
