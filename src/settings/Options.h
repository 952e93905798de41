// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

// The choices beyond the display settings: kept in a section of their own ("Options"),
// so that the "Settings" section stays exactly as it always was. Every default is the
// program's behaviour without them.
struct Options {
    bool alwaysShowIcon = false;     // the notification icon also while the window shows
    bool skipOverFullScreen = false; // no message while a full-screen window is active
    QString screens;                 // see ScreenChoice; empty: the primary screen
    bool activeHoursOnly = false;
    QTime activeFrom = QTime(9, 0);
    QTime activeTo = QTime(17, 0);
    quint8 activeDays = 0x7f; // bit 0 Monday .. bit 6 Sunday
    QString pauseUntil;       // the end of a pause, as the display keeps it; empty: none

    bool operator==(const Options&) const = default;
};
