#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

using Display = struct _XDisplay;

// Watches an X server from outside, on a connection and a thread of its own, and
// records every top-level window that is mapped and later unmapped, with the times
// (CLOCK_MONOTONIC, taken as the events arrive).
class FlashObserver {
public:
    struct Flash {
        unsigned long window = 0;
        QString name;
        QRect geometry;
        bool overrideRedirect = false;
        double mappedAt = 0;   // ms
        double unmappedAt = 0; // ms; 0 while still mapped
        double shownMs() const { return unmappedAt - mappedAt; }
    };

    explicit FlashObserver(const QString& displayName);
    ~FlashObserver();
    FlashObserver(const FlashObserver&) = delete;
    FlashObserver& operator=(const FlashObserver&) = delete;

    // The windows whose name is exactly name that were mapped and unmapped again, or
    // also those still mapped.
    QList<Flash> flashesNamed(const QString& name, bool stillMappedToo = false) const;
    static double now();
    // The figures of a run of flashes, in ms: how long each was on screen, and the time
    // from each vanishing to the next appearing.
    static QList<double> shownTimes(const QList<Flash>& flashes);
    static QList<double> gaps(const QList<Flash>& flashes);

private:
    void watch();

    Display* m_display = nullptr;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QList<Flash> m_flashes;
};

// The value below which the fraction p of the values lie (0.5: the median).
double percentile(QList<double> values, double p);
