// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashGate.h"

#include <algorithm>

namespace {

FlashDecision waitUntil(const QDateTime& now, const QDateTime& then)
{
    // An end that cannot be reached (no day chosen, a time that does not exist) is
    // looked at again after the longest wait.
    const qint64 milliseconds = then.isValid() ? now.msecsTo(then) : qint64(1) << 40;
    return {FlashDecision::Kind::Wait,
            int(std::clamp<qint64>(milliseconds, 1, FlashGate::longestWaitMilliseconds))};
}

} // namespace

FlashDecision FlashGate::decide(const QDateTime& now, const QDateTime& pausedUntil,
                                const std::optional<ActiveHours>& hours,
                                const std::function<bool()>& fullScreenBusy)
{
    if (pausedUntil.isValid() && now < pausedUntil) {
        // The active hours may begin later still; the question comes again at the end.
        return waitUntil(now, pausedUntil);
    }
    if (hours && !hours->contains(now))
        return waitUntil(now, hours->nextStart(now));
    if (fullScreenBusy && fullScreenBusy())
        return {FlashDecision::Kind::Skip};
    return {};
}
