#pragma once

#include <QString>

// The program's title: the caption of every message box that names none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("Zorvan Subliminal Message Software");
}
