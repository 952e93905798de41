// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashObserver.h"

#include <QTest>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
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
    m_queries = XOpenDisplay(displayName.toLocal8Bit().constData());
    if (!m_display || !m_queries)
        return;
    int damageError = 0, fixesEvent = 0, fixesError = 0;
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &damageError))
        m_damageEvent = -1;
    // Whether a compositing manager runs is followed through the events too: it owns
    // this selection while it runs.
    const Atom manager = XInternAtom(
        m_display, ("_NET_WM_CM_S" + QByteArray::number(DefaultScreen(m_display))).constData(),
        False);
    const Window root = DefaultRootWindow(m_display);
    if (XFixesQueryExtension(m_display, &fixesEvent, &fixesError)) {
        m_selectionEvent = fixesEvent + XFixesSelectionNotify;
        XFixesSelectSelectionInput(m_display, root, manager,
                                   XFixesSetSelectionOwnerNotifyMask |
                                       XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    }
    m_composited = XGetSelectionOwner(m_display, manager) != None;
    // Each new window is followed as it is created (windows are made ahead of their first
    // map).
    XSelectInput(m_display, root, SubstructureNotifyMask);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XSync(m_display, False);
    m_thread = std::thread([this] { watch(); });
}

FlashObserver::~FlashObserver()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    for (Display* display : {m_display, m_queries}) {
        if (display)
            XCloseDisplay(display);
    }
}

void FlashObserver::describeNew() const
{
    // Asked on a connection of its own, and not under the lock: the events are timed as
    // they come in, and a wait for either would delay their times. (The list only grows.)
    qsizetype from = 0;
    QList<Flash> described;
    {
        const std::lock_guard lock(m_mutex);
        from = m_described;
        for (qsizetype i = from; i < m_seen.size(); ++i)
            described << m_seen[i].flash;
    }
    for (Flash& flash : described) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(m_queries, flash.window, &attributes)) {
            flash.geometry = QRect(attributes.x, attributes.y, attributes.width, attributes.height);
            flash.depth = attributes.depth;
        }
        char* title = nullptr;
        if (XFetchName(m_queries, flash.window, &title) && title) {
            flash.name = QString::fromLocal8Bit(title);
            XFree(title);
        }
    }
    const std::lock_guard lock(m_mutex);
    for (const Flash& flash : described) {
        Flash& known = m_seen[from++].flash;
        std::tie(known.name, known.geometry, known.depth) =
            std::tie(flash.name, flash.geometry, flash.depth);
    }
    m_described = from;
}

QList<FlashObserver::Flash> FlashObserver::flashesNamed(const QString& name, bool stillMappedToo,
                                                        double since) const
{
    describeNew();
    const std::lock_guard lock(m_mutex);
    QList<Flash> named;
    for (const Seen& seen : m_seen) {
        Flash flash = seen.flash;
        const bool onScreen = flash.depth != 32 && !seen.composited;
        flash.paintedAt = onScreen ? seen.firstDamageAt : seen.damageAfterExposeAt;
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
    // Only events here, no round trip: each is timed as it is taken from the queue, and
    // a reply waited for would delay the times of the events behind it.
    pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
    while (!m_stop) {
        if (!XPending(m_display)) {
            poll(&connection, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(m_display, &event);
        const double time = now();
        const std::lock_guard lock(m_mutex);
        const auto mapped = [&](unsigned long window) -> Seen* {
            for (Seen& seen : m_seen) {
                if (seen.flash.window == window && seen.flash.unmappedAt == 0)
                    return &seen;
            }
            return nullptr;
        };
        if (event.type == CreateNotify &&
            event.xcreatewindow.parent == DefaultRootWindow(m_display)) {
            follow(event.xcreatewindow.window);
        } else if (event.type == m_selectionEvent) {
            const auto& selection = reinterpret_cast<const XFixesSelectionNotifyEvent&>(event);
            m_composited =
                selection.subtype == XFixesSetSelectionOwnerNotify && selection.owner != None;
        } else if (event.type == Expose) {
            if (Seen* seen = mapped(event.xexpose.window); seen && seen->flash.exposedAt == 0)
                seen->flash.exposedAt = time;
        } else if (event.type == m_damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (Seen* seen = mapped(damage.drawable)) {
                if (seen->firstDamageAt == 0)
                    seen->firstDamageAt = time;
                if (seen->flash.exposedAt > 0 && seen->damageAfterExposeAt == 0)
                    seen->damageAfterExposeAt = time;
            }
        } else if (event.type == MapNotify && !event.xmap.send_event) {
            m_seen << Seen{.flash = {.window = event.xmap.window, .mappedAt = time},
                           .composited = m_composited};
        } else if (event.type == UnmapNotify && !event.xunmap.send_event) {
            if (Seen* seen = mapped(event.xunmap.window))
                seen->flash.unmappedAt = time;
        }
    }
}
