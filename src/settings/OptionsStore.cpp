// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsStore.h"

#include "platform/SettingsArea.h"
#include "settings/SettingText.h"

namespace {

const QString section = QStringLiteral("Options");
const QString timeFormat = QStringLiteral("HH:mm");

QString key(const char* name)
{
    return QLatin1String(name);
}

// "12345": Monday to Friday, the days numbered from Monday.
QString daysText(quint8 days)
{
    QString numbers;
    for (int day = 1; day <= 7; ++day) {
        if (days & (1u << (day - 1)))
            numbers += QString::number(day);
    }
    return numbers;
}

// Spaces and commas between the numbers are allowed; nothing when anything else is there.
std::optional<quint8> daysFrom(const QString& text)
{
    quint8 days = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('7'))
            days |= quint8(1u << (c.unicode() - '1'));
        else if (c != QLatin1Char(',') && !c.isSpace())
            return std::nullopt;
    }
    return days;
}

} // namespace

Options OptionsStore::load(const SettingsArea& area)
{
    Options options;
    const auto text = [&](const char* name) { return area.valueIn(section, key(name)); };
    const auto readBool = [&](const char* name, bool& target) {
        if (const auto stored = text(name)) {
            if (const auto value = SettingText::toBool(*stored))
                target = *value;
        }
    };
    const auto readTime = [&](const char* name, QTime& target) {
        if (const auto stored = text(name)) {
            const QTime time = QTime::fromString(stored->trimmed(), timeFormat);
            if (time.isValid())
                target = time;
        }
    };
    readBool("AlwaysShowIcon", options.alwaysShowIcon);
    readBool("SkipOverFullScreen", options.skipOverFullScreen);
    options.screens = text("Screens").value_or(QString());
    readBool("ActiveHoursOnly", options.activeHoursOnly);
    readTime("ActiveFrom", options.activeFrom);
    readTime("ActiveTo", options.activeTo);
    if (const auto stored = text("ActiveDays")) {
        const auto days = daysFrom(*stored);
        if (days && *days != 0)
            options.activeDays = *days;
    }
    options.pauseUntil = text("PauseUntil").value_or(QString());
    return options;
}

void OptionsStore::save(SettingsArea& area, const Options& options)
{
    area.setValueIn(section, key("AlwaysShowIcon"), SettingText::fromBool(options.alwaysShowIcon));
    area.setValueIn(section, key("SkipOverFullScreen"),
                    SettingText::fromBool(options.skipOverFullScreen));
    area.setValueIn(section, key("Screens"), options.screens);
    area.setValueIn(section, key("ActiveHoursOnly"),
                    SettingText::fromBool(options.activeHoursOnly));
    area.setValueIn(section, key("ActiveFrom"), options.activeFrom.toString(timeFormat));
    area.setValueIn(section, key("ActiveTo"), options.activeTo.toString(timeFormat));
    area.setValueIn(section, key("ActiveDays"), daysText(options.activeDays));
    area.sync();
}

void OptionsStore::savePause(SettingsArea& area, const QString& pauseUntil)
{
    if (pauseUntil.isEmpty())
        area.removeIn(section, key("PauseUntil"));
    else
        area.setValueIn(section, key("PauseUntil"), pauseUntil);
    area.sync();
}
