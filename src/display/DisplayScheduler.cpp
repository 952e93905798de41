#include "DisplayScheduler.h"

#include "display/FlashPlanner.h"
#include "display/FlashWindow.h"

DisplayScheduler::DisplayScheduler(const MessagePool& pool, RandomSource& random,
                                   OptionsSource options, ScreenSource screen, QObject* parent)
    : QObject(parent)
    , m_pool(pool)
    , m_random(random)
    , m_options(std::move(options))
    , m_screen(std::move(screen))
    , m_flash(std::make_unique<FlashWindow>())
{
    m_intervalTimer.setObjectName(QStringLiteral("intervalTimer"));
    m_intervalTimer.setSingleShot(true);
    m_intervalTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_intervalTimer, &QTimer::timeout, this, &DisplayScheduler::Timer1_Timer);
    connect(m_flash.get(), &FlashWindow::finished, this, &DisplayScheduler::flashFinished);
}

DisplayScheduler::~DisplayScheduler() = default;

bool DisplayScheduler::IsFormLoaded() const
{
    return m_flash->isVisible();
}

void DisplayScheduler::start(int interval)
{
    m_running = true;
    m_intervalTimer.setInterval(interval);
    m_intervalTimer.start();
}

void DisplayScheduler::stop()
{
    m_running = false;
    m_intervalTimer.stop();
    m_flash->cancel();
}

void DisplayScheduler::flashFinished()
{
    // The interval counts from the moment the message vanished.
    if (m_running)
        m_intervalTimer.start();
}

void DisplayScheduler::Timer1_Timer()
{
    if (!m_running)
        return;
    // No other tick until this message has vanished.
    m_intervalTimer.stop();
    m_flash->cancel();

    const DisplayOptions options = m_options();
    const auto index =
        FlashPlanner::nextIndex(m_pool.count(), options.randomOrder, lMessageIndex, m_random);
    bool prepared = false;
    if (index) {
        const QString& text = m_pool.at(*index);
        const QRect screen = m_screen();
        const QPoint place = FlashPlanner::place(FlashWindow::textSize(text, options.font), screen,
                                                 options.randomLocation, m_random);
        prepared = m_flash->prepare(text, options.font, options.color, place, screen);
    }
    if (!prepared) {
        // Nothing to show (an empty pool, say): the cycle still runs, so messages added
        // later appear after the next start.
        m_intervalTimer.start();
        return;
    }
    m_flash->showFor(options.durationMilliseconds);
    Q_EMIT flashShown(m_flash->text());
}
