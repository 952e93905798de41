#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <atomic>
#include <mutex>
#include <optional>
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

    // The windows whose name is exactly name that were mapped and unmapped again.
    QList<Flash> flashesNamed(const QString& name) const;
    // When a window of that name was first mapped, whether it is still mapped or not.
    std::optional<double> firstMappedNamed(const QString& name) const;
    static double now();

private:
    void watch();

    Display* m_display = nullptr;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QList<Flash> m_flashes;
};
