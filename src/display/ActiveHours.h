// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QTime>

// The hours of the day and the days of the week at which messages may be shown. A span
// that ends at or before its start runs past midnight and belongs to the day it starts
// on: 22:00 to 06:00 on Fridays covers Friday night until Saturday, 06:00. A start equal
// to the end is a whole day: 24 hours from that time. Times are wall-clock times, so a
// change to or from summer time moves no boundary.
class ActiveHours {
public:
    // Bit 0 is Monday, bit 6 Sunday. No day at all reads as every day: a choice that
    // never lets a message through would look like a broken program.
    static constexpr quint8 everyDay = 0x7f;

    ActiveHours(QTime from, QTime to, quint8 days = everyDay);

    bool contains(const QDateTime& moment) const;
    // The first moment, at or after the given one, at which messages may be shown.
    QDateTime nextStart(const QDateTime& after) const;

    static bool hasDay(quint8 days, int dayOfWeek) { return days & (1u << (dayOfWeek - 1)); }

private:
    QDateTime startOn(QDate day) const;
    QDateTime endOf(QDate day) const;
    bool chosen(QDate day) const { return hasDay(m_days, day.dayOfWeek()); }

    QTime m_from;
    QTime m_to;
    quint8 m_days;
};
