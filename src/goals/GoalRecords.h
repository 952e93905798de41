#pragma once

#include "goals/GoalRecord.h"

#include <QList>
#include <QStringView>

// The content of goals.txt: one record of six fields per goal, in the record form the
// message files use.
class GoalRecords {
public:
    // Every goal that reads as a record, in order. A line that is no goal (a record cut
    // short, a field that is not what it must be, text after the last field, binary
    // bytes) is passed over, so one damaged goal costs only itself. A percentage outside
    // 0 to 100 reads as the nearer of the two.
    static Goals parse(QStringView content);
    // The records of every goal but those at the left-out indexes, in order.
    static QString format(const Goals& goals, const QList<int>& leftOut = {});
};
