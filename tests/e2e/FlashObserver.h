// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "XServer.h"

#include <QList>
#include <QRect>
#include <QString>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

using Display = struct _XDisplay;

// Watches an X server from outside, on a connection and a thread of its own, and
// records every top-level window created after it that is mapped and unmapped, with the times
// (the steady clock, read as the events arrive). What the user sees starts with the
// window's first paint, not its map: through XDamage, the first drawing into a window
// drawn straight onto the screen (its background painted at the map included), and into
// any other the first after the server exposed it (what the server fills in or copies at
// the map of a window with an alpha channel or under a compositing manager shows nothing).
class FlashObserver {
public:
    struct Flash {
        unsigned long window = 0;
        QString name;
        QRect geometry;
        int depth = 0;         // 32: a window with an alpha channel
        double mappedAt = 0;   // ms
        double exposedAt = 0;  // ms; 0 until the server exposed it
        double paintedAt = 0;  // ms; 0 while nothing was drawn in it
        double unmappedAt = 0; // ms; 0 while still mapped
    };

    explicit FlashObserver(const QString& displayName);
    ~FlashObserver();
    FlashObserver(const FlashObserver&) = delete;
    FlashObserver& operator=(const FlashObserver&) = delete;

    // The windows whose name is exactly name that were mapped (since the moment given)
    // and unmapped again, or also those still mapped.
    QList<Flash> flashesNamed(const QString& name, bool stillMappedToo = false,
                              double since = 0) const;
    // Whether a message of the program is mapped within the time from now; whether none is
    // (one already on screen may end).
    bool mappedWithin(std::chrono::milliseconds time) const;
    bool noneMappedFor(std::chrono::milliseconds time) const;
    static double now();
    // The figures of a run of flashes, in ms: how long each was on screen (from its first
    // paint to its unmap; 0 when it was never painted), and the time from each vanishing to
    // the next appearing.
    static QList<double> shownTimes(const QList<Flash>& flashes);
    static QList<double> gaps(const QList<Flash>& flashes);

private:
    void watch();
    void describeNew() const;
    void follow(unsigned long window);

    Display* m_display = nullptr;
    Display* m_queries = nullptr; // asks what the windows are, apart from the events
    int m_damageEvent = -1;       // the number of XDamage's event; -1 without XDamage
    int m_selectionEvent = -1;    // XFixes' event of a selection's new owner
    bool m_composited = false;    // a compositing manager runs
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    // A window mapped, with what tells its first paint.
    struct Seen {
        Flash flash;
        bool composited = false; // a compositing manager ran at its map
        double firstDamageAt = 0;
        double damageAfterExposeAt = 0;
    };
    mutable QList<Seen> m_seen;
    mutable qsizetype m_described = 0; // those before it have their name, place and depth
};

// The value below which the fraction p of the values lie (0.5: the median).
double percentile(QList<double> values, double p);
