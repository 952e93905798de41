// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Keeps the last words of the program when its display goes away under it. On X11, Qt
// ends the program at once with exit() when its connection to the X server breaks (the
// server ended or crashed, the session was torn down): no close event, no return from
// the event loop, and so none of what the program does at its end. While the guard
// lives, such an exit first runs the action (the program's windows and data are still
// there, the display is not). One guard at a time; gone, it does nothing.
class DisplayLossGuard {
public:
    explicit DisplayLossGuard(std::function<void()> action);
    ~DisplayLossGuard();
    DisplayLossGuard(const DisplayLossGuard&) = delete;
    DisplayLossGuard& operator=(const DisplayLossGuard&) = delete;
};
