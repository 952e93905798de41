// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The program's own colour: the main window around the pages, and the texts of the
// "Programs" page.
inline QColor programColour()
{
    return QColor(128, 64, 64);
}
