// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

// The program's plain-text data files: how their bytes become text and back, and how a
// file is replaced without ever leaving half of it on disk.
class TextFile {
public:
    // UTF-16 when the bytes begin with its byte-order mark. Otherwise UTF-8 (with or
    // without byte-order mark) line by line: a line that is not valid UTF-8 is read in the
    // legacy single-byte code page that older installations wrote, so one stray line
    // never changes how the others read.
    static QString decode(const QByteArray& bytes);
    // The bytes read in the legacy code page alone.
    static QString decodeLegacy(QByteArrayView bytes);
    // The bytes written for the text: UTF-8 without byte-order mark on Linux; on Windows
    // the ANSI code page when every character fits, else UTF-8 with byte-order mark.
    // Never replaces a character by "?".
    static QByteArray encode(const QString& text);

    // The whole file, decoded; nothing when it cannot be opened.
    static std::optional<QString> read(const QString& path);
    // Replaces the file atomically: either the new content is on disk, or the old file is
    // left as it was and false is returned.
    static bool write(const QString& path, const QString& text);
    static bool writeBytes(const QString& path, const QByteArray& bytes);

    // Why a save failed: the C library's error number (errno) of the step that failed,
    // EIO where the system set none (Windows' file calls do not), and its text.
    struct Failure {
        int code = 0;
        QString description;
    };
    // The same safe save, saying why it failed: nothing when the bytes are on disk. The
    // new file takes the permissions when they are given.
    static std::optional<Failure>
    save(const QString& path, const QByteArray& bytes,
         std::optional<QFileDevice::Permissions> permissions = std::nullopt);
};
