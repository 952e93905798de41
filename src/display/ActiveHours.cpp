// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActiveHours.h"

ActiveHours::ActiveHours(QTime from, QTime to, quint8 days)
    : m_from(from.isValid() ? QTime(from.hour(), from.minute()) : QTime(0, 0))
    , m_to(to.isValid() ? QTime(to.hour(), to.minute()) : QTime(0, 0))
    , m_days((days & everyDay) ? quint8(days & everyDay) : everyDay)
{}

QDateTime ActiveHours::startOn(QDate day) const
{
    return QDateTime(day, m_from);
}

QDateTime ActiveHours::endOf(QDate day) const
{
    return QDateTime(m_to > m_from ? day : day.addDays(1), m_to);
}

bool ActiveHours::contains(const QDateTime& moment) const
{
    const QDateTime local = moment.toLocalTime();
    // Only a span that began today or yesterday can hold the moment.
    for (const QDate day : {local.date().addDays(-1), local.date()}) {
        if (chosen(day) && startOn(day) <= local && local < endOf(day))
            return true;
    }
    return false;
}

QDateTime ActiveHours::nextStart(const QDateTime& after) const
{
    if (contains(after))
        return after;
    const QDateTime local = after.toLocalTime();
    // Some day of the coming week is chosen.
    for (int ahead = 0; ahead <= 7; ++ahead) {
        const QDate day = local.date().addDays(ahead);
        if (chosen(day) && startOn(day) > local)
            return startOn(day);
    }
    return {};
}
