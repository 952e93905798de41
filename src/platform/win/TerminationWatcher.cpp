// SPDX-License-Identifier: GPL-3.0-or-later
#include "../TerminationWatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <qt_windows.h>

// When the session ends, every top-level window gets WM_ENDSESSION, and the process is
// gone as soon as the window procedure returns. Qt asks the application to commit its data
// on the WM_QUERYENDSESSION before, but only when that message came; the program closes
// here, within the message, so that it saves its settings and takes its notification icon
// away before it is ended. (A program without a console, as this one is, gets no console
// control events at the end of the session.)
namespace {

// Lives as the watcher's child; a filter takes itself off the list when destroyed.
class EndOfSession final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit EndOfSession(TerminationWatcher* watcher)
        : QObject(watcher)
        , m_watcher(watcher)
    {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType == "windows_generic_MSG" && msg->message == WM_ENDSESSION &&
            msg->wParam != FALSE && !m_ended) {
            // Every top-level window gets the message; the program closes once.
            m_ended = true;
            Q_EMIT m_watcher->terminationRequested();
        }
        return false;
    }

private:
    TerminationWatcher* m_watcher;
    bool m_ended = false;
};

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installNativeEventFilter(new EndOfSession(this));
}

TerminationWatcher::~TerminationWatcher() = default;

bool TerminationWatcher::isRequested() const
{
    return false;
}
