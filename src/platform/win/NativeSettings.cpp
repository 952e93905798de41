// SPDX-License-Identifier: GPL-3.0-or-later
#include "../SettingsArea.h"

#include <QSettings>

// HKEY_CURRENT_USER\Software\<name>\Settings: no file that could be anything but one.
std::unique_ptr<SettingsArea> SettingsArea::forApplication(const QString& applicationName)
{
    return std::unique_ptr<SettingsArea>(new SettingsArea({}, [&] {
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") +
                                               applicationName,
                                           QSettings::NativeFormat);
    }));
}
