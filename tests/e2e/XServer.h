#pragma once

#include "platform/ApplicationTitle.h"

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>
#include <unistd.h>

using Display = struct _XDisplay;

// A window as the X server sees it.
struct XWindow {
    unsigned long id = 0;
    QString name;
    QRect geometry; // on the screen
    bool viewable = false;
    bool overrideRedirect = false;
    bool topLevel = true; // a child of the root window
    qint64 pid = 0;       // the owner, as the window says (_NET_WM_PID)
};

// An Xvfb of the test's own, and a connection to it for looking at its windows.
class XServer {
public:
    explicit XServer(QSize screen = {1280, 800});
    // An X server that runs already (XWayland in a Wayland session, say).
    explicit XServer(const QString& displayName);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool isRunning() const { return m_display != nullptr; }
    // Why the server could not be started.
    QString problem() const { return m_problem; }
    QString displayName() const { return m_name; }
    Display* display() const { return m_display; }
    // The system's environment, with this display.
    QProcessEnvironment clientEnvironment() const;

    // The windows of a process, at any depth: a window manager's frame or a notification
    // area may hold them.
    QList<XWindow> windowsOf(qint64 pid) const;
    // How many main windows of the program are shown.
    qsizetype mainWindowsShown() const;
    // Polls until check() holds or the time is up; true when it held.
    static bool waitFor(const std::function<bool()>& check, std::chrono::milliseconds timeout);

    // Starts a program (a window manager, a notification area) that ends with the server.
    bool startClient(const QString& program, const QStringList& arguments = {});
    // Ends the clients started as program.
    void stopClient(const QString& program);
    bool hasNotificationArea() const;
    bool hasWindowManager() const;
    bool hasCompositingManager() const;
    // What a window manager does when the user clicks a window's close box.
    void pressCloseBox(unsigned long window) const;
    // The state a window manager gave the window: 1 normal, 3 minimised, -1 none.
    int windowManagerState(unsigned long window) const;
    // Clicks mouse button 1 (left) or 3 (right) at a place on the screen; count 2 is a
    // double click.
    bool click(QPoint at, int button, int count = 1) const;
    // What the screen shows in the rectangle (with a compositing manager, what it drew).
    QImage grab(const QRect& rect) const;

private:
    QList<XWindow> windows() const;
    bool selectionOwned(const QByteArray& prefix) const;
    QByteArray property(unsigned long window, const char* name, unsigned long type,
                        long length = 1) const;

    QProcess m_xvfb;
    QList<QProcess*> m_clients;
    QString m_name;
    QString m_problem;
    Display* m_display = nullptr;
};

// A user to run programs as (sway refuses to run as root): its ids, and what a process
// does to become it.
struct RunAs {
    unsigned uid = 0;
    unsigned gid = 0;
    // Another user than the test's when the test runs as root ("nobody"); else the test's.
    static RunAs unprivileged();
    bool isOther() const { return uid != ::getuid(); }
    void apply(QProcess& process) const;
    // Makes the file or folder this user's; a failure is told, as the run then fails later.
    void own(const QString& path) const;
};

// The real program, started on the test's X server with a home, settings and data
// folder of its own, so nothing of the user's is touched. Run as another user, it is a
// copy in that folder that runs, and the folder is that user's.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(const XServer& server, RunAs user = {});
    ~ProgramUnderTest();

    // Starts one copy; several may run at once.
    QProcess* start(const QStringList& arguments = {});
    // What a copy is started with: the test's display and the folders of its own.
    QProcessEnvironment environment() const;
    QString settingsFile() const;
    QString dataFolder() const;
    // The entry that starts the program with the session.
    QString startupEntryFile() const;
    // The stored settings, key by key (section "Settings").
    std::optional<QString> setting(const QString& key) const;
    void storeSetting(const QString& key, const QString& text);
    // The keys of the program's settings that are not stored.
    QStringList unsavedSettings() const;

    static QString mainWindowCaption() { return applicationCaption(); }
    static QString flashCaption() { return u"Zorvan Subliminal Message Software v1.45"_qs; }

private:
    const XServer& m_server;
    RunAs m_user;
    QTemporaryDir m_root;
    QList<QProcess*> m_copies;
};
