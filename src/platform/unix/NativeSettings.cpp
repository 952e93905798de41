// SPDX-License-Identifier: GPL-3.0-or-later
#include "../SettingsArea.h"

#include <QSettings>
#include <QStandardPaths>

// ~/.config/<name>/<name>.ini (or under $XDG_CONFIG_HOME).
std::unique_ptr<SettingsArea> SettingsArea::forApplication(const QString& applicationName)
{
    // Where QSettings keeps the file, named before it is opened.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1Char('/') + applicationName + QLatin1Char('/') + applicationName +
                         QStringLiteral(".ini");
    return std::unique_ptr<SettingsArea>(new SettingsArea(path, [&] {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           applicationName, applicationName);
    }));
}
