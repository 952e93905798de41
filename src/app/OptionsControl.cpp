// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsControl.h"

#include "display/ActiveHours.h"
#include "display/DisplayScheduler.h"
#include "platform/Clock.h"
#include "platform/FullScreen.h"
#include "settings/OptionsDialog.h"
#include "settings/OptionsStore.h"
#include "settings/ScreenChoice.h"
#include "settings/SettingsPage.h"
#include "settings/TrayIcon.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {

// Counts are written this long after the first one not yet written: a few lines a day,
// and no timer at all while nothing is shown.
constexpr int statisticsDelayMs = 5 * 60 * 1000;

QAction* namedAction(QMenu* menu, const QString& name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

OptionsControl::OptionsControl(const Services& services, DisplayScheduler& display, TrayIcon& icon,
                               QMenu& iconMenu, QAction* above, SettingsPage& page, Hooks hooks,
                               QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_display(display)
    , m_icon(icon)
    , m_page(page)
    , m_hooks(std::move(hooks))
    , m_statistics(services.dataFolder + QStringLiteral("/statistics.txt"))
    , mnuStartStop(new QAction(&iconMenu))
    , mnuPause(new QMenu(tr("&Pause"), &iconMenu))
{
    mnuStartStop->setObjectName(QStringLiteral("mnuStartStop"));
    mnuPause->setObjectName(QStringLiteral("mnuPause"));
    iconMenu.insertAction(above, mnuStartStop);
    iconMenu.insertMenu(above, mnuPause);
    auto* mnuOptions = new QAction(tr("&Options…"), &iconMenu);
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    iconMenu.insertAction(above, mnuOptions);
    iconMenu.insertSeparator(above);

    const auto pauseFor = [this](PauseState::Length length) {
        return [this, length] { pause(length); };
    };
    connect(namedAction(mnuPause, QStringLiteral("mnuPause15"), tr("15 &minutes")),
            &QAction::triggered, this, pauseFor(PauseState::Length::QuarterHour));
    connect(namedAction(mnuPause, QStringLiteral("mnuPause60"), tr("1 &hour")), &QAction::triggered,
            this, pauseFor(PauseState::Length::Hour));
    connect(namedAction(mnuPause, QStringLiteral("mnuPauseTomorrow"), tr("Until &tomorrow")),
            &QAction::triggered, this, pauseFor(PauseState::Length::UntilTomorrow));
    mnuPause->addSeparator();
    mnuResume = namedAction(mnuPause, QStringLiteral("mnuResume"), tr("&Resume"));
    connect(mnuResume, &QAction::triggered, this, &OptionsControl::resume);
    connect(mnuStartStop, &QAction::triggered, this, [this] { m_hooks.startStop(); });
    connect(mnuOptions, &QAction::triggered, this, &OptionsControl::openDialog);
    connect(&m_page, &SettingsPage::optionsClicked, this, &OptionsControl::openDialog);

    m_statisticsTimer.setSingleShot(true);
    m_statisticsTimer.setInterval(statisticsDelayMs);
    connect(&m_statisticsTimer, &QTimer::timeout, this, &OptionsControl::saveStatistics);
    connect(&m_display, &DisplayScheduler::flashShown, this,
            [this](const QString&, const QString& source) { counted(source); });
    m_display.setGate([this] { return decide(); });
    m_display.setScreens([this] { return screens(); });
    refresh();
}

void OptionsControl::load()
{
    m_options = OptionsStore::load(*m_services.settings);
    m_pauseUntil = PauseState::usableEnd(m_options.pauseUntil, m_services.clock->now());
    // A pause that is over, or that no pause could reach, goes from the store too.
    if (!m_pauseUntil.isValid() && !m_options.pauseUntil.isEmpty())
        OptionsStore::savePause(*m_services.settings, QString());
    m_icon.setAlwaysShown(m_options.alwaysShowIcon);
    refresh();
}

bool OptionsControl::isPaused() const
{
    return PauseState::isPaused(m_pauseUntil, m_services.clock->now());
}

void OptionsControl::displayStateChanged()
{
    if (!m_display.isRunning()) {
        if (m_pauseUntil.isValid())
            setPauseEnd({});
        saveStatistics();
    }
    refresh();
}

void OptionsControl::pause(PauseState::Length length)
{
    if (!m_display.isRunning())
        return;
    setPauseEnd(PauseState::endFor(length, m_services.clock->now()));
    m_display.restartWait();
}

void OptionsControl::resume()
{
    setPauseEnd({});
    m_display.restartWait();
}

void OptionsControl::setPauseEnd(const QDateTime& end)
{
    m_pauseUntil = end;
    m_options.pauseUntil = PauseState::toText(end);
    OptionsStore::savePause(*m_services.settings, m_options.pauseUntil);
    refresh();
}

void OptionsControl::refresh()
{
    const bool running = m_display.isRunning();
    const bool paused = running && isPaused();
    mnuStartStop->setText(running ? tr("&Stop") : tr("&Start Showing Subliminal Messages"));
    mnuPause->setEnabled(running);
    mnuResume->setEnabled(paused);
    if (!running)
        return;
    m_hooks.setCaptions(
        paused ? tr("Stop (paused until %1)")
                     .arg(PauseState::describeEnd(m_pauseUntil, m_services.clock->now()))
               : tr("Stop"));
}

FlashDecision OptionsControl::decide()
{
    const QDateTime now = m_services.clock->now();
    // A pause ends by itself: the display wakes at its end and finds it over.
    if (m_pauseUntil.isValid() && now >= m_pauseUntil)
        setPauseEnd({});
    std::optional<ActiveHours> hours;
    if (m_options.activeHoursOnly)
        hours.emplace(m_options.activeFrom, m_options.activeTo, m_options.activeDays);
    std::function<bool()> busy;
    if (m_options.skipOverFullScreen)
        busy = &FullScreen::isActive;
    return FlashGate::decide(now, m_pauseUntil, hours, busy);
}

QList<QRect> OptionsControl::screens() const
{
    // Asked at every message, so screens that came or went since are followed.
    QList<ScreenChoice::Screen> all;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        all << ScreenChoice::Screen{primary->name(), primary->geometry()};
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            all << ScreenChoice::Screen{screen->name(), screen->geometry()};
    }
    const QPoint pointer = m_options.screens == ScreenChoice::pointer() ? QCursor::pos() : QPoint();
    return ScreenChoice::pick(m_options.screens, all, pointer);
}

void OptionsControl::counted(const QString& source)
{
    m_statistics.count(m_services.clock->today(), source);
    if (!m_statisticsTimer.isActive())
        m_statisticsTimer.start();
}

bool OptionsControl::saveStatistics()
{
    m_statisticsTimer.stop();
    return m_statistics.save();
}

void OptionsControl::openDialog()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    QList<QString> screenNames;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        screenNames << primary->name();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            screenNames << screen->name();
    }
    const QDate today = m_services.clock->today();
    const FlashStatistics::Counts total = m_statistics.total(today);
    QList<OptionsDialog::Counts> counts{{QString(), total.today, total.lastSevenDays, total.all}};
    const QMap<QString, FlashStatistics::Counts> byFile = m_statistics.byFile(today);
    for (auto file = byFile.cbegin(); file != byFile.cend(); ++file)
        counts << OptionsDialog::Counts{file.key(), file->today, file->lastSevenDays, file->all};

    OptionsDialog dialog(m_options, screenNames, counts, &m_page);
    m_dialog = &dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Options chosen = dialog.options();
    const bool hoursChanged = chosen.activeHoursOnly != m_options.activeHoursOnly ||
                              chosen.activeFrom != m_options.activeFrom ||
                              chosen.activeTo != m_options.activeTo ||
                              chosen.activeDays != m_options.activeDays;
    m_options = chosen;
    OptionsStore::save(*m_services.settings, m_options);
    m_icon.setAlwaysShown(m_options.alwaysShowIcon);
    // A display asleep until the old active hours wakes by the new ones.
    if (hoursChanged)
        m_display.restartWait();
}
