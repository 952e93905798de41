// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashObserver.h"

#include <QTest>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <poll.h>

double FlashObserver::now()
{
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

FlashObserver::FlashObserver(const QString& displayName)
{
    m_display = XOpenDisplay(displayName.toLocal8Bit().constData());
    if (!m_display)
        return;
    int damageError = 0;
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &damageError))
        m_damageEvent = -1;
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    // Each new window is followed as it is created (windows are made ahead of their first
    // map).
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XSync(m_display, False);
    m_thread = std::thread([this] { watch(); });
}

FlashObserver::~FlashObserver()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_display)
        XCloseDisplay(m_display);
}

QList<FlashObserver::Flash> FlashObserver::flashesNamed(const QString& name, bool stillMappedToo,
                                                        double since) const
{
    const std::lock_guard lock(m_mutex);
    QList<Flash> named;
    for (const Flash& flash : m_flashes) {
        if (flash.name == name && (stillMappedToo || flash.unmappedAt > 0) &&
            flash.mappedAt >= since)
            named << flash;
    }
    return named;
}

bool FlashObserver::mappedWithin(std::chrono::milliseconds time) const
{
    const double from = now();
    return QTest::qWaitFor(
        [&] { return !flashesNamed(ProgramUnderTest::flashCaption(), true, from).isEmpty(); },
        int(time.count()));
}

bool FlashObserver::noneMappedFor(std::chrono::milliseconds time) const
{
    const double from = now();
    QTest::qWait(int(time.count()));
    return flashesNamed(ProgramUnderTest::flashCaption(), true, from).isEmpty();
}

QList<double> FlashObserver::shownTimes(const QList<Flash>& flashes)
{
    QList<double> shown;
    for (const Flash& flash : flashes)
        shown << (flash.paintedAt > 0 ? flash.unmappedAt - flash.paintedAt : 0);
    return shown;
}

QList<double> FlashObserver::gaps(const QList<Flash>& flashes)
{
    QList<double> gaps;
    for (qsizetype i = 1; i < flashes.size(); ++i)
        gaps << flashes[i].mappedAt - flashes[i - 1].unmappedAt;
    return gaps;
}

double percentile(QList<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[qsizetype(p * double(values.size() - 1) + 0.5)];
}

void FlashObserver::follow(unsigned long window)
{
    // Every drawing is reported, so that each map has its own first paint.
    if (m_damageEvent >= 0)
        XDamageCreate(m_display, window, XDamageReportRawRectangles);
    XSelectInput(m_display, window, ExposureMask);
}

void FlashObserver::watch()
{
    // Windows may vanish before they are looked at; such errors are no concern here.
    pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
    while (!m_stop) {
        if (!XPending(m_display)) {
            poll(&connection, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(m_display, &event);
        const double time = now();
        const auto mapped = [&](unsigned long window) -> Flash* {
            for (Flash& flash : m_flashes) {
                if (flash.window == window && flash.unmappedAt == 0)
                    return &flash;
            }
            return nullptr;
        };
        if (event.type == CreateNotify &&
            event.xcreatewindow.parent == DefaultRootWindow(m_display)) {
            follow(event.xcreatewindow.window);
        } else if (event.type == Expose) {
            const std::lock_guard lock(m_mutex);
            if (Flash* flash = mapped(event.xexpose.window); flash && flash->exposedAt == 0)
                flash->exposedAt = time;
        } else if (event.type == m_damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            const std::lock_guard lock(m_mutex);
            Flash* flash = mapped(damage.drawable);
            if (flash && flash->exposedAt > 0 && flash->paintedAt == 0)
                flash->paintedAt = time;
        } else if (event.type == MapNotify && !event.xmap.send_event) {
            Flash flash{.window = event.xmap.window, .mappedAt = time};
            XWindowAttributes attributes;
            if (XGetWindowAttributes(m_display, flash.window, &attributes)) {
                flash.geometry =
                    QRect(attributes.x, attributes.y, attributes.width, attributes.height);
                flash.depth = attributes.depth;
            }
            char* name = nullptr;
            if (XFetchName(m_display, flash.window, &name) && name) {
                flash.name = QString::fromLocal8Bit(name);
                XFree(name);
            }
            const std::lock_guard lock(m_mutex);
            m_flashes << flash;
        } else if (event.type == UnmapNotify && !event.xunmap.send_event) {
            const std::lock_guard lock(m_mutex);
            if (Flash* flash = mapped(event.xunmap.window))
                flash->unmappedAt = time;
        }
    }
}
