// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <QRandomGenerator>

float RandomSource::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never round up
    // to 1.0 the way a double converted to float can.
    constexpr float step = 1.0f / float(1u << 24);
    return float(QRandomGenerator::global()->generate() >> 8) * step;
}
