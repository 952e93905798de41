// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// A pause of the display that the user asked for: until when it lasts. It ends by itself
// at that moment, also across a restart of the program, which keeps the end.
class PauseState {
public:
    enum class Length { QuarterHour, Hour, UntilTomorrow };

    // When a pause of that length, begun now, ends. "Until tomorrow" ends at midnight.
    static QDateTime endFor(Length length, const QDateTime& now);

    // The end as it is kept: the moment in UTC, so that a change of time zone or summer
    // time neither shortens nor stretches it.
    static QString toText(const QDateTime& end);
    // A kept end as it can still be used now: nothing when the text is no moment, when the
    // moment has passed, or when it lies further ahead than any pause reaches (a clock
    // set back since, or a hand-edited file): a pause never outlives the day after.
    static QDateTime usableEnd(const QString& text, const QDateTime& now);

    static bool isPaused(const QDateTime& end, const QDateTime& now)
    {
        return end.isValid() && now < end;
    }
    // The end as the start button tells it: the time of day, with the day when that is
    // not today.
    static QString describeEnd(const QDateTime& end, const QDateTime& now);
};
