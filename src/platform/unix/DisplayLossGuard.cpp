// SPDX-License-Identifier: GPL-3.0-or-later
#include "../DisplayLossGuard.h"

#include <cstdlib>
#include <utility>

namespace {

std::function<void()>& lastWords()
{
    static std::function<void()> action;
    return action;
}

void sayLastWords()
{
    // Taken out first: whatever the action does, it runs once.
    const std::function<void()> action = std::exchange(lastWords(), nullptr);
    if (action)
        action();
}

} // namespace

DisplayLossGuard::DisplayLossGuard(std::function<void()> action)
{
    [[maybe_unused]] static const bool registered = std::atexit(sayLastWords) == 0;
    lastWords() = std::move(action);
}

DisplayLossGuard::~DisplayLossGuard()
{
    lastWords() = nullptr;
}
