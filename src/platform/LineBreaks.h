// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// The line breaks of the program's texts. Files end their lines, and break the lines of
// a text, with CR LF; boxes and message boxes break lines with LF; a message is one line.
namespace LineBreaks {

inline bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// CR LF and a lone CR become LF.
QString toLineFeeds(QString text);
// Every line break becomes CR LF: LF, and the separators a text box holds its lines and
// paragraphs apart with.
QString toCrLf(const QString& text);
// Every line break (CR LF, CR, LF) becomes a space.
QString toSpaces(QString text);

} // namespace LineBreaks
