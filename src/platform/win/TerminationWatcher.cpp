#include "../TerminationWatcher.h"

// On Windows the end of the session reaches the program as window messages, which Qt
// already turns into the application's session-management signals.
TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
{}

TerminationWatcher::~TerminationWatcher() = default;

bool TerminationWatcher::isRequested() const
{
    return false;
}
