// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class RandomSource;

// The arithmetic of one flash: which message of the pool comes next, and where on the
// screen it goes. All random values come from one source, drawn in the order message,
// top, left.
class FlashPlanner {
public:
    // The position in a pool of poolSize messages of the message to show; nothing when
    // the pool is empty. "As written" takes the next position and moves it on, back to 0
    // after the last message (or when it points past the end of a pool that became
    // shorter); "random" draws r in [0, 1) and rounds r times the highest position, halves
    // to even, so the two end positions come up half as often as each of the others.
    static std::optional<qsizetype> nextIndex(qsizetype poolSize, bool randomOrder, qint32& next,
                                              RandomSource& random);

    // The top-left corner of a text of the given size on the screen. At random: top,
    // then left, each a random fraction of the room left, rounded halves to even; a text
    // that fits on the screen is always wholly on it. Centred: half the room left, the
    // remainder dropped (negative when the text is wider than the screen).
    static QPoint place(QSize text, QRect screen, bool randomLocation, RandomSource& random);
};
