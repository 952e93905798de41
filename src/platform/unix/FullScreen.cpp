// SPDX-License-Identifier: GPL-3.0-or-later
#include "../FullScreen.h"

#include <QGuiApplication>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The items of a property of 32-bit values (windows or atoms), which Xlib hands over as
// longs; empty when the window has no such property or is gone.
QList<unsigned long> longs(Display* display, Window window, Atom property, Atom type)
{
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QList<unsigned long> items;
    if (XGetWindowProperty(display, window, property, 0, 64, False, type, &actual, &format, &count,
                           &after, &data) == Success &&
        data) {
        if (format == 32) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            items = QList<unsigned long>(values, values + count);
        }
        XFree(data);
    }
    return items;
}

} // namespace

bool FullScreen::isActive()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    // The active window may go away between the two questions: that is no error here.
    const auto previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    static const Atom activeWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    static const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    static const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    bool busy = false;
    const QList<unsigned long> active =
        longs(display, DefaultRootWindow(display), activeWindow, XA_WINDOW);
    if (!active.isEmpty() && active.first() != None)
        busy = longs(display, Window(active.first()), state, XA_ATOM).contains(fullScreen);
    XSync(display, False);
    XSetErrorHandler(previous);
    return busy;
}
