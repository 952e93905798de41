// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Names the file system keeps for itself and will not give to a file.
namespace ReservedNames {

// True for a device name of Windows ("CON", "NUL", "COM1", ...), whatever letter case and
// whatever follows it after a dot ("nul.txt" is the device too). Elsewhere these are
// ordinary names: false.
bool isDeviceName(QStringView name);

} // namespace ReservedNames
