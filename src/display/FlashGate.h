// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/ActiveHours.h"

#include <QDateTime>
#include <functional>
#include <optional>

// What the display does when a message is due.
struct FlashDecision {
    enum class Kind {
        Show, // the message goes up
        Skip, // this one is left out; the next comes one interval later
        Wait, // nothing is due before waitMilliseconds from now
    };
    Kind kind = Kind::Show;
    int waitMilliseconds = 0;

    bool operator==(const FlashDecision&) const = default;
};

// Whether a due message may go up: not during a pause, not outside the active hours, and
// not over a full-screen window when the user asked for that. During a pause or outside
// the active hours the display sleeps until the moment it may show again, with no tick
// in between; a sleep lasts at most longestWait, after which the question is asked
// afresh, so a clock that jumped (a machine woken from sleep) is caught up with.
class FlashGate {
public:
    static constexpr int longestWaitMilliseconds = 10 * 60 * 1000;

    // fullScreenBusy, when given, is asked only when nothing else holds the message back.
    static FlashDecision decide(const QDateTime& now, const QDateTime& pausedUntil,
                                const std::optional<ActiveHours>& hours,
                                const std::function<bool()>& fullScreenBusy);
};
