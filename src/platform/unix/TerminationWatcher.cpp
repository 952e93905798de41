// SPDX-License-Identifier: GPL-3.0-or-later
#include "../TerminationWatcher.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing; it writes one byte that the event loop reads.
int wakePipe[2] = {-1, -1};
volatile std::sig_atomic_t requested = 0;

extern "C" void onTerminationSignal(int)
{
    requested = 1;
    const char byte = 1;
    [[maybe_unused]] const auto ignored = ::write(wakePipe[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
{
    if (wakePipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakePipe) != 0)
        return;
    for (const int end : wakePipe)
        ::fcntl(end, F_SETFL, O_NONBLOCK);

    auto* notifier = new QSocketNotifier(wakePipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(wakePipe[1], buffer, sizeof buffer) > 0) {
        }
        requested = 0;
        Q_EMIT terminationRequested();
    });

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

bool TerminationWatcher::isRequested() const
{
    return requested != 0;
}

TerminationWatcher::~TerminationWatcher()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
