// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ApplicationTitle.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

using Display = struct _XDisplay;

// A window as the X server sees it.
struct XWindow {
    unsigned long id = 0;
    QString name;
    QRect geometry; // on the screen
    bool viewable = false;
    bool overrideRedirect = false;
    bool topLevel = true; // a child of the root window
};

// An X server of the test's own, and a connection to it for looking at its windows: an
// Xvfb, or the XWayland of a Wayland desktop of its own (sway, headless, drawing in
// software).
class XServer {
public:
    explicit XServer(QSize screen = {1280, 800}, bool wayland = false);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool isRunning() const { return m_display != nullptr; }
    // Why the server could not be started.
    QString problem() const { return m_problem; }
    QString displayName() const { return m_name; }
    Display* display() const { return m_display; }
    // What a client is started with: the system's environment, with this display (and
    // on Wayland, the Wayland desktop's).
    QProcessEnvironment clientEnvironment() const;

    // The windows of a process (or all), at any depth: a window manager's frame or a
    // notification area may hold them.
    QList<XWindow> windows(qint64 pid = 0) const;
    // How many main windows of the program are shown.
    qsizetype mainWindowsShown() const;
    // The copy's window of that name (a message box's; by default the main window's), and
    // whether it is shown.
    std::optional<XWindow> window(const QProcess* copy,
                                  const QString& name = applicationCaption()) const;
    bool shown(const QProcess* copy, const QString& name = applicationCaption()) const;
    // The copy's notification icons: windows of its own held inside the notification
    // area's (a window manager holds the main window inside its frame the same way).
    QList<XWindow> icons(const QProcess* copy) const;
    // Where the copy's pop-up menu is; an invalid rectangle while none is open.
    QRect popUpMenu(const QProcess* copy) const;
    // Maps a window of one colour over the whole screen, as a full-screen program does.
    unsigned long showFullScreen(const char* name, QSize size, unsigned long colour) const;

    // Starts a program (a window manager, a notification area) that ends with the server.
    bool startClient(const QString& program, const QStringList& arguments = {});
    // Ends the clients started as program, or all of them.
    void stopClient(const QString& program = {});
    // Whether a client holds the selection of this screen named prefix + screen number:
    // "WM_S" a window manager, "_NET_WM_CM_S" a compositing manager, "_NET_SYSTEM_TRAY_S"
    // a notification area.
    bool selectionOwned(const QByteArray& prefix) const;
    // What a window manager does when the user clicks a window's close box.
    void pressCloseBox(unsigned long window) const;
    // The state a window manager gave the copy's main window: 1 normal, 3 minimised, -1 none.
    int windowManagerState(const QProcess* copy) const;
    // Clicks mouse button 1 (left) or 3 (right) at a place on the screen; count 2 is a
    // double click.
    bool click(QPoint at, int button, int count = 1) const;
    // What the screen shows in the rectangle: what a compositor drew, if there is one.
    QImage grab(const QRect& rect) const;

    bool isWayland() const { return m_sway.has_value(); }

    // Runs a program on this display to its end (xdotool, xrandr, swaymsg); its output, and
    // whether it succeeded.
    bool run(const QString& program, const QStringList& arguments,
             QByteArray* output = nullptr) const;

private:
    void startSway(QSize screen);
    QByteArray property(unsigned long window, const char* name, unsigned long type,
                        long length = 1) const;

    QProcess m_server; // Xvfb, or sway
    std::optional<QTemporaryDir> m_sway;
    QList<QProcess*> m_clients;
    QString m_name;
    QString m_problem;
    Display* m_display = nullptr;
};

// The real program, started on the test's X server with a home, settings and data
// folder of its own, so nothing of the user's is touched.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(const XServer& server);
    ~ProgramUnderTest();

    // Starts one copy; several may run at once. (Or another program, the same way.)
    QProcess* start(const QStringList& arguments = {},
                    const QString& executable = QStringLiteral(ZORVAN_EXECUTABLE));
    // What a copy is started with: the test's display and the folders of its own.
    QProcessEnvironment environment() const;
    QString settingsFile() const;
    QString dataFolder() const { return m_root.filePath(u"data"_qs); }
    // The entry that starts the program with the session.
    QString startupEntryFile() const;
    // Writes the settings file with these lines ("Key=text\n") as its only settings.
    void storeSettings(const QByteArray& lines) const;
    // Whether the program saved its settings: a save writes every key, FontBold too,
    // which no test stores itself.
    bool saved() const;

    static QString flashCaption() { return u"Zorvan Subliminal Message Software v1.45"_qs; }

    // The user's locale (LANG) for the copies started next, no other locale variable set;
    // empty: the test's own.
    QString locale;

private:
    const XServer& m_server;
    QTemporaryDir m_root;
    QList<QProcess*> m_copies;
};
