#include "../TerminationWatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>
#include <qt_windows.h>

// Windows ends the program in two ways short of killing it:
// - The session ends: every top-level window gets WM_ENDSESSION, and the process is gone
//   as soon as the window procedure returns. Qt asks the application to commit its data
//   on WM_QUERYENDSESSION before, but only if that message came; the program closes here,
//   within the message, so that it saves its settings and takes its notification icon
//   away before it is ended.
// - A program that has a console (started from one, or with one of its own) gets the
//   console's control events, on a thread of their own: Ctrl+C and Ctrl+Break, and the
//   closing of the console, the log-off and the shut-down, after which the process is
//   ended as soon as the handler returns, so the handler waits for the close.
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

std::atomic<TerminationWatcher*> consoleWatcher = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    TerminationWatcher* watcher = consoleWatcher.load();
    if (watcher == nullptr)
        return FALSE;
    const bool endsAfterReturn =
        event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
    QMetaObject::invokeMethod(
        watcher, [watcher] { Q_EMIT watcher->terminationRequested(); },
        endsAfterReturn ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
    return TRUE;
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installNativeEventFilter(new EndOfSession(this));
    consoleWatcher.store(this);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

TerminationWatcher::~TerminationWatcher()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    TerminationWatcher* self = this;
    consoleWatcher.compare_exchange_strong(self, nullptr);
}
