// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownText.h"

QString ShownText::of(const QString& text)
{
    if (!isCut(text))
        return text;
    qsizetype end = longest;
    if (text[end - 1].isHighSurrogate())
        --end;
    return text.first(end) + QChar(0x2026);
}
