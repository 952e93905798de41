// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineBreaks.h"

namespace LineBreaks {

QString toLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString toCrLf(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case u'\n':
        case 0xfdd0: // the beginning and the end of a frame
        case 0xfdd1:
            out += QStringLiteral("\r\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString toSpaces(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace LineBreaks
