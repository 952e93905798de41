#include "../SettingsArea.h"

#include <QSettings>

// HKEY_CURRENT_USER\Software\<name>\Settings.
std::unique_ptr<SettingsArea> SettingsArea::forApplication(const QString& applicationName)
{
    return std::unique_ptr<SettingsArea>(new SettingsArea(std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\") + applicationName,
        QSettings::NativeFormat)));
}
