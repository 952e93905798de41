#pragma once

#include <QString>
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
    // Writes pending changes to the store; false when the store could not be written.
    bool sync();
    // Where the values live: a file name or a registry path.
    QString location() const;

private:
    explicit SettingsArea(std::unique_ptr<QSettings> settings);

    std::unique_ptr<QSettings> m_settings;
};
