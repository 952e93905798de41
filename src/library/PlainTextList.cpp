// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainTextList.h"

#include "platform/LineBreaks.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Control characters that no text typed by a person holds; tab, form feed and the line
// ends may well be there.
bool isBinary(QChar c)
{
    return c.category() == QChar::Other_Control && c != u'\t' && c != u'\f' &&
           !LineBreaks::isLineEnd(c);
}

} // namespace

std::variant<QList<MessageRecord>, QString> PlainTextList::read(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return tr("%1 cannot be read.").arg(shown);
    // The size on disk can change between a look and a read: no more than the limit is read.
    const QByteArray bytes = file.read(largestFile);
    if (file.error() != QFileDevice::NoError)
        return tr("%1 cannot be read.").arg(shown);
    if (bytes.size() >= largestFile)
        return tr("%1 is 64 MiB or bigger: too big for a list of messages.").arg(shown);
    // UTF-16 holds zero bytes in every Latin letter; any other text holds none.
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    const QString text = TextFile::decode(bytes);
    if ((!utf16 && bytes.contains('\0')) || std::any_of(text.begin(), text.end(), isBinary))
        return tr("%1 is not a text file. A list to import holds one message a line.").arg(shown);
    QList<MessageRecord> messages = parse(text);
    if (messages.isEmpty())
        return tr("%1 holds no messages: it is empty, or its lines are blank.").arg(shown);
    return messages;
}

QList<MessageRecord> PlainTextList::parse(const QString& text)
{
    QList<MessageRecord> messages;
    for (const QString& line : LineBreaks::toLineFeeds(text).split(u'\n')) {
        const QString message = line.trimmed();
        if (!message.isEmpty())
            messages << MessageRecord{message, true};
    }
    return messages;
}

QByteArray PlainTextList::format(const QList<MessageRecord>& messages)
{
    QString text;
    for (const MessageRecord& message : messages)
        text += LineBreaks::toSpaces(message.text) + u'\n';
    return text.toUtf8();
}

QString PlainTextList::write(const QString& path, const QList<MessageRecord>& messages)
{
    if (const auto failure = TextFile::save(path, format(messages)))
        return tr("%1 could not be written (%2). Nothing was saved.")
            .arg(QDir::toNativeSeparators(path), failure->description);
    return {};
}
