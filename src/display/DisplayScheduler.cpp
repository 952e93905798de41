// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayScheduler.h"

#include "display/FlashPlanner.h"
#include "display/FlashWindow.h"

#include <QGuiApplication>
#include <QScreen>

DisplayScheduler::DisplayScheduler(const MessagePool& pool, RandomSource& random,
                                   OptionsSource options, ScreenSource screen, QObject* parent)
    : QObject(parent)
    , m_pool(pool)
    , m_random(random)
    , m_options(std::move(options))
    , m_screen(std::move(screen))
{
    m_intervalTimer.setObjectName(QStringLiteral("intervalTimer"));
    m_intervalTimer.setSingleShot(true);
    m_intervalTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_intervalTimer, &QTimer::timeout, this, &DisplayScheduler::Timer1_Timer);
    flashFor(0);
}

DisplayScheduler::~DisplayScheduler() = default;

QRect DisplayScheduler::screenOrPrimary() const
{
    if (m_screen)
        return m_screen();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry() : QRect();
}

FlashWindow& DisplayScheduler::flashFor(size_t screen)
{
    while (m_flashes.size() <= screen) {
        m_flashes.push_back(std::make_unique<FlashWindow>());
        connect(m_flashes.back().get(), &FlashWindow::finished, this,
                &DisplayScheduler::flashFinished);
    }
    return *m_flashes[screen];
}

bool DisplayScheduler::IsFormLoaded() const
{
    return std::any_of(m_flashes.cbegin(), m_flashes.cend(),
                       [](const auto& flash) { return flash->isVisible(); });
}

void DisplayScheduler::start(int interval)
{
    m_running = true;
    m_interval = interval;
    m_intervalTimer.start(m_interval);
}

void DisplayScheduler::stop()
{
    m_running = false;
    m_intervalTimer.stop();
    cancelFlashes();
}

void DisplayScheduler::restartWait()
{
    if (!m_running)
        return;
    cancelFlashes();
    m_intervalTimer.start(m_interval);
}

void DisplayScheduler::cancelFlashes()
{
    m_showing = 0;
    for (const auto& flash : m_flashes)
        flash->cancel();
}

void DisplayScheduler::flashFinished()
{
    // The interval counts from the moment the message vanished, from every screen.
    if (--m_showing > 0)
        return;
    m_showing = 0;
    if (m_running)
        m_intervalTimer.start(m_interval);
}

void DisplayScheduler::Timer1_Timer()
{
    if (!m_running)
        return;
    // No other tick until this message has vanished.
    m_intervalTimer.stop();
    cancelFlashes();

    if (m_gate) {
        const FlashDecision decision = m_gate();
        if (decision.kind == FlashDecision::Kind::Wait) {
            m_intervalTimer.start(decision.waitMilliseconds);
            return;
        }
        if (decision.kind == FlashDecision::Kind::Skip) {
            m_intervalTimer.start(m_interval);
            return;
        }
    }

    const DisplayOptions options = m_options();
    const auto index =
        FlashPlanner::nextIndex(m_pool.count(), options.randomOrder, lMessageIndex, m_random);
    std::vector<FlashWindow*> prepared;
    if (index) {
        const QString& text = m_pool.at(*index);
        const QSize size = FlashWindow::textSize(text, options.font);
        const QList<QRect> screens = m_screens ? m_screens() : QList<QRect>{screenOrPrimary()};
        for (qsizetype i = 0; i < screens.size(); ++i) {
            const QPoint place =
                FlashPlanner::place(size, screens[i], options.randomLocation, m_random);
            FlashWindow& flash = flashFor(size_t(i));
            if (flash.prepare(text, options.font, options.color, place, screens[i]))
                prepared.push_back(&flash);
        }
    }
    if (prepared.empty()) {
        // Nothing to show (an empty pool, say): the cycle still runs, so messages added
        // later appear after the next start.
        m_intervalTimer.start(m_interval);
        return;
    }
    m_showing = int(prepared.size());
    for (FlashWindow* flash : prepared)
        flash->showFor(options.durationMilliseconds);
    Q_EMIT flashShown(m_pool.at(*index), m_pool.sourceOf(*index));
}
