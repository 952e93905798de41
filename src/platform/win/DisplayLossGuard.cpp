// SPDX-License-Identifier: GPL-3.0-or-later
#include "../DisplayLossGuard.h"

// The Windows desktop does not go away under a program: the end of the session comes as
// a request to close, which the program answers as at any other end.
DisplayLossGuard::DisplayLossGuard(std::function<void()>) {}

DisplayLossGuard::~DisplayLossGuard() = default;
