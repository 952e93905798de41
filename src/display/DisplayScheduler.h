// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/DisplayOptions.h"
#include "display/FlashGate.h"
#include "library/MessagePool.h"

#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class FlashWindow;
class RandomSource;

// Decides when the next message appears, which one, in which font and colour and where.
// While waiting, the interval timer runs; its tick puts one message on the screen and
// stops the timer; the flash window starts it again when the message vanishes. So the
// interval counts from the moment a message disappears and two messages are never on
// screen together.
class DisplayScheduler : public QObject {
    Q_OBJECT

public:
    using OptionsSource = std::function<DisplayOptions()>;
    using ScreenSource = std::function<QRect()>;

    // pool is the message pool, read by position at every tick; options are read afresh
    // at every tick; screen gives the screen the messages go on, also asked at every
    // tick (none: the primary screen). The flash window is made here, so that it is
    // ready before the first tick.
    DisplayScheduler(const MessagePool& pool, RandomSource& random, OptionsSource options,
                     ScreenSource screen, QObject* parent = nullptr);
    ~DisplayScheduler() override;

    // Asked at every tick before a message is chosen: whether it goes up, is skipped, or
    // the display sleeps a while first. Without one every due message goes up.
    using Gate = std::function<FlashDecision()>;
    void setGate(Gate gate) { m_gate = std::move(gate); }
    // The screens the message goes on, asked at every tick; the same message goes on
    // each, placed on each as the options say. When set it stands in for the one screen
    // given at construction.
    using ScreensSource = std::function<QList<QRect>()>;
    void setScreens(ScreensSource screens) { m_screens = std::move(screens); }

    // Starts waiting for the first message, one full interval (in milliseconds) from now.
    void start(int interval);
    // Stops at once: a message on screen vanishes and no other follows.
    void stop();
    bool isRunning() const { return m_running; }
    // While running: the wait starts again, a full interval from now, and a message on
    // the screen goes (a pause that began or ended, active hours that changed).
    void restartWait();

    // The tick of the interval timer.
    void Timer1_Timer();

    // For tests and tools: the interval timer and the flash window (of the first screen;
    // screen > 0: of another, once a message went there).
    const QTimer& intervalTimer() const { return m_intervalTimer; }
    FlashWindow* flashWindow(size_t screen = 0) const
    {
        return screen < m_flashes.size() ? m_flashes[screen].get() : nullptr;
    }
    // True while a message is on the screen.
    bool IsFormLoaded() const;

Q_SIGNALS:
    // A message has been put on the screen (on every screen it goes on: once); source is
    // the name of its message file.
    void flashShown(const QString& text, const QString& source);

private:
    void flashFinished();
    FlashWindow& flashFor(size_t screen);
    void cancelFlashes();
    QRect screenOrPrimary() const;

    const MessagePool& m_pool;
    RandomSource& m_random;
    OptionsSource m_options;
    ScreenSource m_screen;
    ScreensSource m_screens;
    Gate m_gate;
    QTimer m_intervalTimer;
    int m_interval = 0;
    // One window for each screen a message went on so far; the first made at once.
    std::vector<std::unique_ptr<FlashWindow>> m_flashes;
    int m_showing = 0; // windows on screen whose time has not run out
    bool m_running = false;
    // The position of the next message in written order.
    qint32 lMessageIndex = 0;
};
