// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashPlanner.h"

#include "platform/RandomSource.h"

#include <cmath>

namespace {

// r times n, rounded to the nearest whole number with halves to even (the default
// floating-point rounding).
qint64 scaled(float r, qint64 n)
{
    return qint64(std::nearbyint(double(r) * double(n)));
}

} // namespace

std::optional<qsizetype> FlashPlanner::nextIndex(qsizetype poolSize, bool randomOrder, qint32& next,
                                                 RandomSource& random)
{
    if (poolSize <= 0)
        return std::nullopt;
    const qsizetype highest = poolSize - 1;
    if (randomOrder)
        return qsizetype(scaled(random.next(), highest));

    if (next < 0 || next > highest)
        next = 0;
    const qsizetype index = next;
    next = index == highest ? 0 : next + 1;
    return index;
}

QPoint FlashPlanner::place(QSize text, QRect screen, bool randomLocation, RandomSource& random)
{
    const int roomDown = screen.height() - text.height();
    const int roomAcross = screen.width() - text.width();
    if (randomLocation) {
        const qint64 top = scaled(random.next(), roomDown);
        const qint64 left = scaled(random.next(), roomAcross);
        return screen.topLeft() + QPoint(int(left), int(top));
    }
    return screen.topLeft() + QPoint(roomAcross / 2, roomDown / 2);
}
