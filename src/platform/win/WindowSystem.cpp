// SPDX-License-Identifier: GPL-3.0-or-later
#include "../WindowSystem.h"

// Windows has one window system; nothing to choose.
void WindowSystem::preferX11(int, char**) {}

// The desktop window manager always composites (since Windows 8 it cannot be turned
// off), and a layered window with an alpha channel shows only its opaque pixels.
bool WindowSystem::isComposited()
{
    return true;
}

// A layered window shows nothing until its first frame is drawn.
void WindowSystem::clearBackground(unsigned long long) {}

bool WindowSystem::drawOnMap(unsigned long long, const QImage&)
{
    return false;
}

// What the program asks of a window happens as it asks.
void WindowSystem::waitUntilDone() {}
