// SPDX-License-Identifier: GPL-3.0-or-later
#include "PauseState.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
// The longest pause, "until tomorrow" just after midnight, lasts a day; an hour more
// allows for the change from summer time.
constexpr qint64 longestPauseSeconds = 25 * 3600;
} // namespace

QDateTime PauseState::endFor(Length length, const QDateTime& now)
{
    // On the minute, as the start button tells it.
    const auto onTheMinute = [](QDateTime end) {
        const QTime time = end.time();
        if (time.second() == 0 && time.msec() == 0)
            return end;
        return end.addMSecs(60000 - (time.second() * 1000 + time.msec()));
    };
    switch (length) {
    case Length::QuarterHour:
        return onTheMinute(now.addSecs(15 * 60));
    case Length::Hour:
        return onTheMinute(now.addSecs(3600));
    case Length::UntilTomorrow:
        break;
    }
    const QDateTime local = now.toLocalTime();
    return QDateTime(local.date().addDays(1), QTime(0, 0));
}

QString PauseState::toText(const QDateTime& end)
{
    return end.isValid() ? end.toUTC().toString(Qt::ISODate) : QString();
}

QDateTime PauseState::usableEnd(const QString& text, const QDateTime& now)
{
    QDateTime end = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    if (!end.isValid() || end <= now || now.secsTo(end) > longestPauseSeconds)
        return {};
    return end;
}

QString PauseState::describeEnd(const QDateTime& end, const QDateTime& now)
{
    const QDateTime local = end.toLocalTime();
    const QLocale locale;
    // Hours and minutes: the seconds of the short form of some languages say nothing here.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[^Hhm]ss")));
    const QString time = locale.toString(local.time(), format);
    if (local.date() == now.toLocalTime().date())
        return time;
    return locale.dayName(local.date().dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') + time;
}
