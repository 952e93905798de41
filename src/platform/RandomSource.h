// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A uniform source of single-precision values in [0, 1). The scheduler draws every
// random choice from one source; tests replace it with a scripted sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual float next();
};
