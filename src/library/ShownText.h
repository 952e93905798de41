// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a box or a list shows of a text the user keeps: the whole text, or, when it is too
// long to be laid out in the moment a click allows, its beginning and an ellipsis. The
// text itself always stays whole; what is shown of it is never written back.
class ShownText {
public:
    // Characters shown at most.
    static constexpr qsizetype longest = 2000;

    static bool isCut(const QString& text) { return text.size() > longest; }
    // The text, or its first characters (never half of one) and an ellipsis.
    static QString of(const QString& text);
};
