#include "SettingsArea.h"

#include <QSettings>
#include <QStringList>

namespace {
const QString section = QStringLiteral("Settings");

QString keyInSection(const QString& key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

SettingsArea::SettingsArea(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{}

SettingsArea::~SettingsArea() = default;

std::unique_ptr<SettingsArea> SettingsArea::inFile(const QString& iniPath)
{
    return std::unique_ptr<SettingsArea>(
        new SettingsArea(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)));
}

std::optional<QString> SettingsArea::value(const QString& key) const
{
    const QVariant stored = m_settings->value(keyInSection(key));
    if (!stored.isValid())
        return std::nullopt;
    // A hand-edited INI line with commas comes back as a list; keep it as the text it was.
    if (stored.userType() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

void SettingsArea::setValue(const QString& key, const QString& text)
{
    m_settings->setValue(keyInSection(key), text);
}

void SettingsArea::remove(const QString& key)
{
    m_settings->remove(keyInSection(key));
}

bool SettingsArea::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString SettingsArea::location() const
{
    return m_settings->fileName();
}
