#pragma once

#include "display/DisplayOptions.h"
#include "library/MessagePool.h"

#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>

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
    // tick. The flash window is made here, so that it is ready before the first tick.
    DisplayScheduler(const MessagePool& pool, RandomSource& random, OptionsSource options,
                     ScreenSource screen, QObject* parent = nullptr);
    ~DisplayScheduler() override;

    // Starts waiting for the first message, one full interval (in milliseconds) from now.
    void start(int interval);
    // Stops at once: a message on screen vanishes and no other follows.
    void stop();
    bool isRunning() const { return m_running; }

    // The tick of the interval timer.
    void Timer1_Timer();

    // For tests and tools: the interval timer and the flash window.
    const QTimer& intervalTimer() const { return m_intervalTimer; }
    FlashWindow* flashWindow() const { return m_flash.get(); }
    // True while a message is on the screen.
    bool IsFormLoaded() const;

Q_SIGNALS:
    // A message has been put on the screen.
    void flashShown(const QString& text);

private:
    void flashFinished();

    const MessagePool& m_pool;
    RandomSource& m_random;
    OptionsSource m_options;
    ScreenSource m_screen;
    QTimer m_intervalTimer;
    std::unique_ptr<FlashWindow> m_flash;
    bool m_running = false;
    // The position of the next message in written order.
    qint32 lMessageIndex = 0;
};
