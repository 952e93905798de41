// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include "platform/SettingsArea.h"
#include "settings/SettingText.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <limits>

namespace {

struct Key {
    const char* name;
    const char* defaultText; // nullptr: never read back by a load
    // Converts the stored text into the settings; a text it cannot use changes nothing.
    void (*read)(const QString& text, DisplaySettings& settings);
    QString (*write)(const DisplaySettings& settings);
};

void readBool(const QString& text, bool& target)
{
    if (const auto value = SettingText::toBool(text))
        target = *value;
}

void readInt(const QString& text, int& target)
{
    if (const auto value = SettingText::toInteger(text, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()))
        target = int(*value);
}

const char* const runAtSysTrayKey = "RunAtSysTray";

// One key a block: its name and default, how a load reads it, how a save writes it.
// clang-format off
const std::array<Key, 13> table = {{
    {"AutoDisplay", "False",
     [](const QString& t, DisplaySettings& s) { readBool(t, s.autoDisplay); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.autoDisplay); }},
    {"DispInterval", "1",
     [](const QString& t, DisplaySettings& s) { readInt(t, s.intervalPosition); },
     [](const DisplaySettings& s) { return QString::number(s.intervalPosition); }},
    {"DispDuration", "2",
     [](const QString& t, DisplaySettings& s) { readInt(t, s.durationPosition); },
     [](const DisplaySettings& s) { return QString::number(s.durationPosition); }},
    {"RandomMessage", "0",
     [](const QString& t, DisplaySettings& s) { readInt(t, s.messageOrder); },
     [](const DisplaySettings& s) { return QString::number(s.messageOrder == 0 ? 0 : 1); }},
    {"RandomLocation", "0",
     [](const QString& t, DisplaySettings& s) { readInt(t, s.location); },
     [](const DisplaySettings& s) { return QString::number(s.location == 0 ? 0 : 1); }},
    {"FontColor", "0",
     [](const QString& t, DisplaySettings& s) {
         if (const auto value = SettingText::toInteger(t, std::numeric_limits<qint32>::min(),
                                                       std::numeric_limits<qint32>::max()))
             s.fontColor = qint32(*value);
     },
     [](const DisplaySettings& s) { return QString::number(s.fontColor); }},
    {"FontName", "Verdana",
     [](const QString& t, DisplaySettings& s) {
         // A font needs a name; one that is not installed is kept all the same, the
         // system stands in for it when the text is drawn.
         if (!t.trimmed().isEmpty())
             s.font.name = t;
     },
     [](const DisplaySettings& s) { return s.font.name; }},
    {"FontBold", "False",
     [](const QString& t, DisplaySettings& s) { readBool(t, s.font.bold); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.bold); }},
    {"FontItalic", "False",
     [](const QString& t, DisplaySettings& s) { readBool(t, s.font.italic); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.italic); }},
    {"FontSize", "10",
     [](const QString& t, DisplaySettings& s) {
         const auto size = SettingText::toNumber(t);
         if (size && *size >= minimumFontSize && *size <= maximumFontSize)
             s.font.size = *size;
     },
     [](const DisplaySettings& s) { return SettingText::fromNumber(s.font.size); }},
    {"Strikethrough", "False",
     [](const QString& t, DisplaySettings& s) { readBool(t, s.font.strikethrough); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.strikethrough); }},
    {"Underline", "False",
     [](const QString& t, DisplaySettings& s) { readBool(t, s.font.underline); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.underline); }},
    // Read by the start-up order itself, which is stricter about its text than a load.
    {runAtSysTrayKey, nullptr, nullptr,
     [](const DisplaySettings& s) { return SettingText::fromBool(s.runAtSysTray); }},
}};
// clang-format on

} // namespace

void SettingsStore::load(const SettingsArea& area, DisplaySettings& settings)
{
    for (const Key& key : table) {
        if (!key.read)
            continue;
        const QString text =
            area.value(QLatin1String(key.name)).value_or(QLatin1String(key.defaultText));
        key.read(text, settings);
    }
}

void SettingsStore::save(SettingsArea& area, const DisplaySettings& settings)
{
    for (const Key& key : table)
        area.setValue(QLatin1String(key.name), key.write(settings));
    area.sync();
}

void SettingsStore::saveRunAtSysTray(SettingsArea& area, bool runAtSysTray)
{
    const Key& key = *std::find_if(table.begin(), table.end(),
                                   [](const Key& key) { return key.name == runAtSysTrayKey; });
    area.setValue(QLatin1String(key.name),
                  key.write(DisplaySettings{.runAtSysTray = runAtSysTray}));
    area.sync();
}

bool SettingsStore::loadRunAtSysTray(const SettingsArea& area)
{
    // Only the exact text a save writes counts.
    return area.value(QLatin1String(runAtSysTrayKey)) == SettingText::fromBool(true);
}

QStringList SettingsStore::keys()
{
    QStringList names;
    for (const Key& key : table)
        names << QLatin1String(key.name);
    return names;
}
