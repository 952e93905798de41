// SPDX-License-Identifier: GPL-3.0-or-later
#include "../WindowSystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QtGlobal>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
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

bool WindowSystem::drawOnMap(unsigned long long window, const QImage& image)
{
    Display* display = x11Display();
    if (!display || image.isNull())
        return false;
    // A window's depth and visual never change: asked once, not at every message (a round
    // trip to the server lengthens the time between two messages).
    static QHash<unsigned long long, std::pair<int, Visual*>> known;
    auto found = known.constFind(window);
    if (found == known.cend()) {
        XWindowAttributes asked;
        if (!XGetWindowAttributes(display, Window(window), &asked))
            return false;
        found = known.insert(window, {asked.depth, asked.visual});
    }
    const auto [depth, visual] = *found;
    // The image's pixels as they are go to a window of 8 bits per colour in the usual
    // order (every X server offers one, and Qt makes its windows so); any other is left
    // to the program's paint.
    if ((depth != 24 && depth != 32) || visual->red_mask != 0xff0000 ||
        visual->green_mask != 0xff00 || visual->blue_mask != 0xff)
        return false;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    XImage* uploaded = XCreateImage(display, visual, depth, ZPixmap, 0,
                                    reinterpret_cast<char*>(const_cast<uchar*>(pixels.constBits())),
                                    pixels.width(), pixels.height(), 32, pixels.bytesPerLine());
    if (!uploaded)
        return false;
    uploaded->byte_order = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? LSBFirst : MSBFirst;
    const Pixmap background =
        XCreatePixmap(display, Window(window), pixels.width(), pixels.height(), depth);
    GC context = XCreateGC(display, background, 0, nullptr);
    XPutImage(display, background, context, uploaded, 0, 0, 0, 0, pixels.width(), pixels.height());
    XFreeGC(display, context);
    uploaded->data = nullptr; // the pixels are the QImage's
    XDestroyImage(uploaded);
    // The window holds the pixmap from now on; the server paints it at every exposure.
    XSetWindowBackgroundPixmap(display, Window(window), background);
    XFreePixmap(display, background);
    XFlush(display);
    return true;
}

void WindowSystem::waitUntilDone()
{
    if (Display* display = x11Display())
        XSync(display, False);
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
