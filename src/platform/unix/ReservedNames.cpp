// SPDX-License-Identifier: GPL-3.0-or-later
#include "../ReservedNames.h"

bool ReservedNames::isDeviceName(QStringView)
{
    return false;
}
