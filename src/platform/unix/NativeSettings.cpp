#include "../SettingsArea.h"

#include <QSettings>

// ~/.config/<name>/<name>.ini (or under $XDG_CONFIG_HOME).
std::unique_ptr<SettingsArea> SettingsArea::forApplication(const QString& applicationName)
{
    return std::unique_ptr<SettingsArea>(new SettingsArea(std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, applicationName, applicationName)));
}
