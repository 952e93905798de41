// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the user is busy in a window that fills its screen (a film, a presentation, a
// game), so that the messages can keep out of the way. Asked at a message's turn only.
class FullScreen {
public:
    // True while the active window is full screen. False wherever the window system
    // cannot tell (no window manager, no X11): the messages then go on as ever.
    static bool isActive();
};
