#pragma once

#include "XServer.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

// A Wayland desktop of the test's own: sway, headless, drawing in software, with XWayland.
// sway refuses to run as root, so a test run by root runs it as an unprivileged user,
// with a runtime folder of that user's; the test's own X connections are let in.
class SwaySession {
public:
    explicit SwaySession(QSize output);
    ~SwaySession();
    SwaySession(const SwaySession&) = delete;
    SwaySession& operator=(const SwaySession&) = delete;

    bool isRunning() const { return !m_xDisplay.isEmpty(); }
    QString problem() const { return m_problem; }
    const RunAs& user() const { return m_user; }
    // XWayland's display.
    QString xDisplay() const { return m_xDisplay; }
    // What a client of the session is started with.
    QProcessEnvironment environment() const;

    // Runs swaymsg with the arguments; its output, empty when it failed.
    QByteArray message(const QStringList& arguments) const;
    // The name of the window that has the keyboard focus.
    QString focusedWindow() const;
    // What the output shows in the rectangle (grim).
    QImage grab(const QRect& rect) const;

private:
    bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr,
             bool asUser = false) const;

    RunAs m_user;
    QTemporaryDir m_folder;
    QProcess m_sway;
    QString m_xDisplay;
    QString m_problem;
};
