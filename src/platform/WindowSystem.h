// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

// What the program needs to know of the window system, and choices about it that must
// be made before the application object exists.
class WindowSystem {
public:
    // On a Wayland session the program runs through XWayland when it is there: a Wayland
    // client can neither place its windows nor keep them above the others, and the
    // messages need both. A platform the user chose (QT_QPA_PLATFORM or -platform) wins.
    static void preferX11(int argc, char** argv);

    // Whether a compositor draws the screen now, so that a window's alpha channel makes
    // it see-through. Where none does (an X server without a compositing manager), only
    // a window's shape can; an alpha channel there shows as a black box. Asked again
    // whenever it matters: a compositing manager can start or stop at any time.
    static bool isComposited();

    // Lets a window with an alpha channel come up clear, before its first frame is drawn.
    // An X server otherwise fills a new window with what lay under it or, under XWayland,
    // with black: a box for as long as the program takes to paint.
    static void clearBackground(unsigned long long window);

    // Has the window system itself draw the image (of the window's size) the moment the
    // window is mapped, as its first frame, instead of waiting for the program to be told
    // and to paint: the letters land with the map, however slow the program is to wake.
    // True where the window system does (X11); elsewhere the program's first paint is
    // the first frame.
    static bool drawOnMap(unsigned long long window, const QImage& image);

    // Waits until the window system has done all the program asked of it so far (on X11,
    // a round trip to the server): a window shown is on screen when it returns.
    static void waitUntilDone();
};
