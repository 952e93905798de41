// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/FlashGate.h"
#include "display/FlashStatistics.h"
#include "display/PauseState.h"
#include "platform/Services.h"
#include "settings/Options.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>

class DisplayScheduler;
class OptionsDialog;
class QAction;
class QMenu;
class SettingsPage;
class TrayIcon;

// The program's choices beyond its display settings, and the controls for them: the
// notification icon's items that start, stop and pause the display, the "Options"
// dialog, and what the display asks of them at each message (a pause, the active hours,
// a full-screen window, the screens) and tells them (the statistics).
class OptionsControl : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void()> startStop;                 // what the start button does
        std::function<void(const QString&)> setCaptions; // of both start buttons
    };

    // The icon's items go into iconMenu above the item above; the dialog opens from the
    // settings page's "Options…" and has that page's look.
    OptionsControl(const Services& services, DisplayScheduler& display, TrayIcon& icon,
                   QMenu& iconMenu, QAction* above, SettingsPage& page, Hooks hooks,
                   QObject* parent = nullptr);

    // Reads the stored options and pause. In the start-up order, before the display
    // resumes.
    void load();
    // After every start and stop of the display: a stop ends a pause, and the counts so
    // far are written.
    void displayStateChanged();

    void pause(PauseState::Length length);
    void resume();
    bool isPaused() const;
    QDateTime pausedUntil() const { return m_pauseUntil; }

    void openDialog();
    // Writes the statistics not yet written; false when they could not be.
    bool saveStatistics();

    const Options& options() const { return m_options; }

private:
    FlashDecision decide();
    QList<QRect> screens() const;
    void counted(const QString& source);
    void setPauseEnd(const QDateTime& end);
    void refresh();

    Services m_services;
    DisplayScheduler& m_display;
    TrayIcon& m_icon;
    SettingsPage& m_page;
    Hooks m_hooks;
    Options m_options;
    QDateTime m_pauseUntil;
    FlashStatistics m_statistics;
    QTimer m_statisticsTimer;
    QPointer<OptionsDialog> m_dialog;

    QAction* mnuStartStop;
    QMenu* mnuPause;
    QAction* mnuResume;
};
