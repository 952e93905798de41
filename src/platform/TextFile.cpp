// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>

namespace {

// The text of UTF-16 data; half a character, which has no UTF-8 to be saved as, reads as
// the replacement character.
QString decodeUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder utf16(encoding,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf16.decode(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// UTF-8, except for a line that is not: that one is read in the legacy code page.
QString decodeUtf8ByLine(QByteArrayView bytes)
{
    // A sequence cut short at the end is an error, not left waiting for more.
    QStringDecoder whole(QStringDecoder::Utf8,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = whole.decode(bytes);
    if (!whole.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', from);
        const qsizetype end = newline < 0 ? bytes.size() : newline + 1;
        const QByteArrayView line = bytes.sliced(from, end - from);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? TextFile::decodeLegacy(line) : decoded;
        from = end;
    }
    return text;
}

} // namespace

QString TextFile::decode(const QByteArray& bytes)
{
    const QByteArrayView all(bytes);
    QString text;
    if (all.startsWith("\xFF\xFE"))
        text = decodeUtf16(all.sliced(2), QStringDecoder::Utf16LE);
    else if (all.startsWith("\xFE\xFF"))
        text = decodeUtf16(all.sliced(2), QStringDecoder::Utf16BE);
    else if (all.startsWith("\xEF\xBB\xBF"))
        text = decodeUtf8ByLine(all.sliced(3));
    else
        text = decodeUtf8ByLine(all);
    // A mark left twice by a careless conversion is no text either.
    qsizetype marks = 0;
    while (marks < text.size() && text[marks] == QChar::ByteOrderMark)
        ++marks;
    return marks > 0 ? text.sliced(marks) : text;
}

std::optional<QString> TextFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decode(bytes);
}

bool TextFile::write(const QString& path, const QString& text)
{
    return writeBytes(path, encode(text));
}

bool TextFile::writeBytes(const QString& path, const QByteArray& bytes)
{
    return !save(path, bytes);
}

std::optional<TextFile::Failure> TextFile::save(const QString& path, const QByteArray& bytes,
                                                std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    // errno is read at once after the step that failed, before anything else can set it.
    const auto failure = [&file] {
        const int code = errno != 0 ? errno : EIO;
        file.cancelWriting();
        return Failure{.code = code, .description = QString::fromLocal8Bit(std::strerror(code))};
    };
    errno = 0;
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: through
    // the buffer Qt 6.4 commits the cut-short file as if all had gone well.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure();
    if (permissions && !file.setPermissions(*permissions))
        return failure();
    if (file.write(bytes) != bytes.size())
        return failure();
    // The commit makes the bytes durable before it renames the file over the old one.
    if (!file.commit())
        return failure();
    return std::nullopt;
}
