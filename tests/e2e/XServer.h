#pragma once

#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>

using Display = struct _XDisplay;

// A top-level window as the X server sees it.
struct XWindow {
    unsigned long id = 0;
    QString name;
    QRect geometry;
    bool viewable = false;
    bool overrideRedirect = false;
};

// An Xvfb of the test's own, and a connection to it for looking at its windows.
class XServer {
public:
    explicit XServer(QSize screen = {1280, 800});
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool isRunning() const { return m_display != nullptr; }
    QString displayName() const { return m_name; }
    Display* display() const { return m_display; }
    // Why the server could not be started.
    QString problem() const { return m_problem; }

    QList<XWindow> topLevelWindows() const;
    // The viewable top-level windows whose name is exactly name.
    QList<XWindow> viewableWindowsNamed(const QString& name) const;
    // Polls until check() holds or the time is up; true when it held.
    static bool waitFor(const std::function<bool()>& check, std::chrono::milliseconds timeout);

private:
    QProcess m_xvfb;
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

    // Starts one copy; several may run at once.
    QProcess* start(const QStringList& arguments = {});
    QString settingsFile() const;
    QString dataFolder() const;
    // The stored settings, key by key (section "Settings").
    std::optional<QString> setting(const QString& key) const;
    void storeSetting(const QString& key, const QString& text);

    static QString mainWindowCaption();

private:
    QProcessEnvironment environment() const;

    const XServer& m_server;
    QTemporaryDir m_root;
    QList<QProcess*> m_copies;
};
