// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

// The per-user settings area of the program: the section "Settings" under the
// application name (the executable's base name). Every value is text. On Windows it is
// the user's registry; elsewhere an INI file under the user's configuration folder.
class SettingsArea {
public:
    // The user's own settings area for the application name.
    static std::unique_ptr<SettingsArea> forApplication(const QString& applicationName);
    // A settings area kept in the given INI file (tests use a temporary one).
    static std::unique_ptr<SettingsArea> inFile(const QString& iniPath);

    ~SettingsArea();
    SettingsArea(const SettingsArea&) = delete;
    SettingsArea& operator=(const SettingsArea&) = delete;

    // The stored text, or nothing when the key is absent.
    std::optional<QString> value(const QString& key) const;
    void setValue(const QString& key, const QString& text);
    void remove(const QString& key);
    // The same in another section of the area: what the program keeps beyond the
    // "Settings" section lives apart from it, so that section stays as it always was.
    std::optional<QString> valueIn(const QString& section, const QString& key) const;
    void setValueIn(const QString& section, const QString& key, const QString& text);
    void removeIn(const QString& section, const QString& key);
    // Writes pending changes to the store; false when the store could not be written.
    bool sync();
    // Where the values live: a file name or a registry path.
    QString location() const;
    // False when the file in the settings' place is no plain file (a pipe, a device, a
    // folder): opening it could hold the program up for ever, so it is left alone and
    // the values live in memory only, for this run.
    bool isStored() const { return m_settings != nullptr; }

private:
    SettingsArea(const QString& iniPath, const std::function<std::unique_ptr<QSettings>()>& open);

    std::unique_ptr<QSettings> m_settings;
    QString m_location;
    QHash<QString, QString> m_inMemory;
};
