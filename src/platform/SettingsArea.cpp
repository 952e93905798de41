// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsArea.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {
const QString section = QStringLiteral("Settings");

QString keyInSection(const QString& key, const QString& in = section)
{
    return in + QLatin1Char('/') + key;
}

// QSettings opens its file, and the lock file it writes beside it, without looking what
// they are: a named pipe there would block the program.
bool isFileOrNothing(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}
} // namespace

SettingsArea::SettingsArea(const QString& iniPath,
                           const std::function<std::unique_ptr<QSettings>()>& open)
    : m_location(iniPath)
{
    if (iniPath.isEmpty() ||
        (isFileOrNothing(iniPath) && isFileOrNothing(iniPath + QStringLiteral(".lock")))) {
        m_settings = open();
        m_location = m_settings->fileName();
    }
}

SettingsArea::~SettingsArea() = default;

std::unique_ptr<SettingsArea> SettingsArea::inFile(const QString& iniPath)
{
    return std::unique_ptr<SettingsArea>(new SettingsArea(
        iniPath, [&] { return std::make_unique<QSettings>(iniPath, QSettings::IniFormat); }));
}

std::optional<QString> SettingsArea::value(const QString& key) const
{
    return valueIn(section, key);
}

void SettingsArea::setValue(const QString& key, const QString& text)
{
    setValueIn(section, key, text);
}

void SettingsArea::remove(const QString& key)
{
    removeIn(section, key);
}

std::optional<QString> SettingsArea::valueIn(const QString& in, const QString& key) const
{
    const QString path = keyInSection(key, in);
    if (!m_settings) {
        const auto found = m_inMemory.constFind(path);
        return found == m_inMemory.cend() ? std::nullopt : std::optional(*found);
    }
    const QVariant stored = m_settings->value(path);
    if (!stored.isValid())
        return std::nullopt;
    // A hand-edited INI line with commas comes back as a list; keep it as the text it was.
    if (stored.userType() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

void SettingsArea::setValueIn(const QString& in, const QString& key, const QString& text)
{
    if (m_settings)
        m_settings->setValue(keyInSection(key, in), text);
    else
        m_inMemory.insert(keyInSection(key, in), text);
}

void SettingsArea::removeIn(const QString& in, const QString& key)
{
    if (m_settings)
        m_settings->remove(keyInSection(key, in));
    else
        m_inMemory.remove(keyInSection(key, in));
}

bool SettingsArea::sync()
{
    if (!m_settings)
        return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString SettingsArea::location() const
{
    return m_location;
}
