#include "SettingsStore.h"

#include "platform/SettingsArea.h"
#include "settings/SettingText.h"

#include <QStringList>
#include <array>
#include <limits>

namespace {

struct Key {
    const char* name;
    const char* defaultText; // nullptr: never read back by a load
    // Converts the stored text into the settings; false leaves them unchanged.
    bool (*read)(const QString& text, DisplaySettings& settings);
    QString (*write)(const DisplaySettings& settings);
};

bool readBool(const QString& text, bool& target)
{
    const auto value = SettingText::toBool(text);
    if (value)
        target = *value;
    return value.has_value();
}

bool readInt(const QString& text, int& target)
{
    const auto value = SettingText::toInteger(text, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max());
    if (value)
        target = int(*value);
    return value.has_value();
}

const std::array<Key, 13> table = {{
    {"AutoDisplay", "False",
     [](const QString& t, DisplaySettings& s) { return readBool(t, s.autoDisplay); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.autoDisplay); }},
    {"DispInterval", "1",
     [](const QString& t, DisplaySettings& s) { return readInt(t, s.intervalPosition); },
     [](const DisplaySettings& s) { return QString::number(s.intervalPosition); }},
    {"DispDuration", "2",
     [](const QString& t, DisplaySettings& s) { return readInt(t, s.durationPosition); },
     [](const DisplaySettings& s) { return QString::number(s.durationPosition); }},
    {"RandomMessage", "0",
     [](const QString& t, DisplaySettings& s) { return readInt(t, s.messageOrder); },
     [](const DisplaySettings& s) { return QString::number(s.messageOrder == 0 ? 0 : 1); }},
    {"RandomLocation", "0",
     [](const QString& t, DisplaySettings& s) { return readInt(t, s.location); },
     [](const DisplaySettings& s) { return QString::number(s.location == 0 ? 0 : 1); }},
    {"FontColor", "0",
     [](const QString& t, DisplaySettings& s) {
         const auto value = SettingText::toInteger(t, std::numeric_limits<qint32>::min(),
                                                   std::numeric_limits<qint32>::max());
         if (value)
             s.fontColor = qint32(*value);
         return value.has_value();
     },
     [](const DisplaySettings& s) { return QString::number(s.fontColor); }},
    {"FontName", "Verdana",
     [](const QString& t, DisplaySettings& s) {
         // A font needs a name; one that is not installed is kept all the same, the
         // system stands in for it when the text is drawn.
         if (t.trimmed().isEmpty())
             return false;
         s.font.name = t;
         return true;
     },
     [](const DisplaySettings& s) { return s.font.name; }},
    {"FontBold", "False",
     [](const QString& t, DisplaySettings& s) { return readBool(t, s.font.bold); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.bold); }},
    {"FontItalic", "False",
     [](const QString& t, DisplaySettings& s) { return readBool(t, s.font.italic); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.italic); }},
    {"FontSize", "10",
     [](const QString& t, DisplaySettings& s) {
         const auto size = SettingText::toNumber(t);
         if (!size || *size < minimumFontSize || *size > maximumFontSize)
             return false;
         s.font.size = *size;
         return true;
     },
     [](const DisplaySettings& s) { return SettingText::fromNumber(s.font.size); }},
    {"Strikethrough", "False",
     [](const QString& t, DisplaySettings& s) { return readBool(t, s.font.strikethrough); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.strikethrough); }},
    {"Underline", "False",
     [](const QString& t, DisplaySettings& s) { return readBool(t, s.font.underline); },
     [](const DisplaySettings& s) { return SettingText::fromBool(s.font.underline); }},
    // Read by the start-up order itself, which is stricter about its text than a load.
    {"RunAtSysTray", nullptr, nullptr,
     [](const DisplaySettings& s) { return SettingText::fromBool(s.runAtSysTray); }},
}};

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

QStringList SettingsStore::keys()
{
    QStringList names;
    for (const Key& key : table)
        names << QLatin1String(key.name);
    return names;
}
