// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

// What the display reads afresh for every message.
struct DisplayOptions {
    int durationMilliseconds = 60;
    bool randomOrder = true;
    bool randomLocation = true;
    QFont font;
    QColor color = Qt::black;
};
