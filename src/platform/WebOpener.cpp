// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebOpener.h"

#include <QDesktopServices>

bool WebOpener::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}
