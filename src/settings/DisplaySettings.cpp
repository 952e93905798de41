// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplaySettings.h"

QFont DisplayFont::toFont() const
{
    QFont font(name);
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStrikeOut(strikethrough);
    font.setUnderline(underline);
    return font;
}

QColor colorFromValue(qint32 value)
{
    const auto bits = quint32(value);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 valueFromColor(const QColor& color)
{
    return qint32(quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16);
}

QList<int> intervalChoices()
{
    QList<int> seconds{2};
    for (int next = 5; next <= 120; next += 5)
        seconds << next;
    return seconds;
}

QList<int> durationChoices()
{
    return {20, 40, 60, 80, 100, 125, 150, 200};
}

int intervalMilliseconds(int position)
{
    const QList<int> seconds = intervalChoices();
    return 1000 * seconds.value(position, seconds[DisplaySettings().intervalPosition]);
}

int durationMilliseconds(int position)
{
    const QList<int> milliseconds = durationChoices();
    return milliseconds.value(position, milliseconds[DisplaySettings().durationPosition]);
}
