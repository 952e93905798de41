// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/GoalRecord.h"

#include <QList>
#include <QStringList>
#include <QStringView>

// The content of goals.txt: one record of six fields per goal, in the record form the
// message files use.
class GoalRecords {
public:
    struct Content {
        Goals goals;
        // The text that stands before each goal and, last, after the last one: lines that
        // are no goal (damaged, cut short, blank), kept as they are so that a save never
        // loses them. One more than there are goals.
        QStringList kept;
    };

    // Every goal that reads as a record, in order, those of older versions too. A line
    // that is no goal (a record cut short, a field that is not what it must be, text
    // after the last field, binary bytes) is kept apart, so one damaged goal costs
    // nothing else. A percentage outside 0 to 100 reads as the nearer of the two.
    static Content parse(QStringView content);
    // The records of every goal but those at the left-out indexes, in order, each after
    // the text kept before it.
    static QString format(const Goals& goals, const QStringList& kept = {},
                          const QList<int>& leftOut = {});
};
