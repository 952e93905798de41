// SPDX-License-Identifier: GPL-3.0-or-later
#include "../WindowSystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>
#include <X11/Xlib.h>
#include <cstring>

void WindowSystem::preferX11(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0 ||
            std::strncmp(argv[i], "-platform=", 10) == 0)
            return;
    }
    const bool wayland =
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

namespace {

Display* x11Display()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

} // namespace

void WindowSystem::clearBackground(unsigned long long window)
{
    if (Display* display = x11Display()) {
        XSetWindowBackground(display, Window(window), 0); // every channel 0: transparent
        XFlush(display);
    }
}

bool WindowSystem::isComposited()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == u"xcb") {
        // A compositing manager owns this selection while it runs (XWayland's window
        // manager does too, as the Wayland compositor draws every window).
        Display* display = x11Display();
        if (!display)
            return false;
        static const Atom selection = XInternAtom(
            display, ("_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display))).constData(),
            False);
        return XGetSelectionOwner(display, selection) != None;
    }
    // Every Wayland compositor composites; the offscreen and minimal platforms draw
    // nothing on a screen.
    return platform.startsWith(u"wayland");
}
