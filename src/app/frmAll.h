// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/MessagePool.h"
#include "platform/Services.h"

#include <QMainWindow>

class DisplayScheduler;
class GoalsPage;
class MainMenus;
class OptionsControl;
class ProgramsPage;
class QTabWidget;
class SettingsPage;
class SingleInstance;
class StartupOptions;
class TrayIcon;

// The main window: three tabbed pages, the menus and the row of buttons and links at
// its foot. It runs the start-up order and is the program's way out.
class frmAll : public QMainWindow {
    Q_OBJECT

public:
    // instance may be null when no other copy can exist (tests).
    frmAll(const Services& services, SingleInstance* instance, QWidget* parent = nullptr);
    ~frmAll() override;

    // The start-up order. False when the program ends without a window of its own:
    // another copy of the program is running, and has been asked to come forward; or the
    // system asked the program to end before its start-up was through.
    bool Form_Load();

    // The exit commands: the foot button asks first, the menu item does not.
    void cmdExit_Click();
    void mnuExit_Click();
    // The system asks the program to end (end of the session, SIGTERM, SIGHUP, SIGINT):
    // the settings are saved and the program ends. During start-up nothing is saved and
    // the start-up order stops at its next step.
    void closeBySystem();
    // The program is ending without a close (the session ends, the display went away):
    // the settings are saved, unless this copy never ran or has saved already.
    void saveBeforeEnd();
    // Another copy was started: show this copy's window in front, as "Show" on the
    // notification icon's menu does.
    void bringToFront();

    // Reads the stored display settings into the settings page (all but the tray choice,
    // which the start-up order reads), and writes them all back.
    void loadSettings();
    void saveSettings();
    void cmdStart_Click();

    // Rebuilds the message pool from the checked messages of the checked files. False
    // when there is no index of message files; the display does not start then.
    bool LoadMessagePool();

Q_SIGNALS:
    // The main window has unloaded; the program ends.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class State { Created, Starting, Running, Ended };
    // Who closes the window: the user through its close box (or the window manager's
    // Close), or the program or the system.
    enum class UnloadMode { CloseBox, Program };

    bool runStartupOrder();
    bool endRequested() const;
    void handOverToFirstCopy();
    // Returns true to cancel the close.
    bool Form_QueryUnload(UnloadMode mode);
    void Form_Unload();
    void centreOnScreen();
    void setStartCaptions(const QString& caption);
    bool startedWithSession() const;

    Services m_services;
    SingleInstance* m_instance;
    State m_state = State::Created;
    bool m_endRequested = false;
    bool m_secondCopy = false;
    bool m_unloaded = false;

    bool bAutoDisplay = false;
    MessagePool m_messagePool;
    DisplayScheduler* m_display;

    QTabWidget* UserControl1;
    GoalsPage* m_goalsPage;
    ProgramsPage* m_programsPage;
    SettingsPage* m_settingsPage;
    StartupOptions* m_startupOptions;
    TrayIcon* m_trayIcon = nullptr;
    OptionsControl* m_options = nullptr;

    MainMenus* m_menus;
};
