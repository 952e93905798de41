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

DisplayFont DisplayFont::fromFont(const QFont& font)
{
    DisplayFont result;
    result.name = font.family();
    result.size = font.pointSizeF();
    result.bold = font.bold();
    result.italic = font.italic();
    result.strikethrough = font.strikeOut();
    result.underline = font.underline();
    return result;
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
