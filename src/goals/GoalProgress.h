// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

// The goal's read-out: how many days it spans, how many are left, and how far along it
// should be by today against how far the user says it is.
class GoalProgress {
    Q_DECLARE_TR_FUNCTIONS(GoalProgress)

public:
    struct Texts {
        QString daysRemaining; // empty when not shown
        QString info;          // the progress sentence; empty when there is none
    };

    // Whole calendar days from one date to another; negative when to lies before from.
    static qint64 dayCount(QDate from, QDate to) { return from.daysTo(to); }

    // The percentage the goal should have reached after elapsed of its total days, worked
    // out in double precision, kept in single precision and rounded to hundredths with
    // halves away from zero. No upper bound: past the ending day it exceeds 100.
    static float expectedPercent(qint64 totalDays, qint64 elapsedDays);
    // The figure in its shortest form (at most seven significant digits, no trailing
    // zeros, no separator when whole) with the given decimal separator.
    static QString formatPercent(float percent, const QString& decimalSeparator);

    // The read-out for a goal from start to end at the achieved percentage, as of today.
    // The days remaining are given only with showDaysRemaining (the percentage box in use).
    static Texts progress(QDate start, QDate end, QDate today, int achievedPercent,
                          bool showDaysRemaining, const QString& decimalSeparator);
};
