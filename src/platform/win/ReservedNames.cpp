// SPDX-License-Identifier: GPL-3.0-or-later
#include "../ReservedNames.h"

#include <QLatin1String>

bool ReservedNames::isDeviceName(QStringView name)
{
    // The system drops the spaces at the end of the stem ("NUL .txt"), not those before it
    // (" NUL" is a file of its own).
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    QStringView stem = dot < 0 ? name : name.first(dot);
    while (stem.endsWith(u' '))
        stem.chop(1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem.compare(QLatin1String(device), Qt::CaseInsensitive) == 0)
            return true;
    }
    if (stem.size() != 4)
        return false;
    const QStringView port = stem.first(3);
    const QChar number = stem[3];
    return (port.compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0 ||
            port.compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0) &&
           ((number >= QLatin1Char('0') && number <= QLatin1Char('9')) || number == u'\u00B9' ||
            number == u'\u00B2' || number == u'\u00B3');
}
