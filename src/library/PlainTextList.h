// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/MessageRecords.h"

#include <QCoreApplication>
#include <QString>
#include <variant>

// A list of affirmations kept outside the program: a plain text file, one message a line.
// Read in any encoding the program's own files are read in (UTF-8 with or without
// byte-order mark, UTF-16 with one, Windows-1252 line by line), with any line ends;
// written as UTF-8 lines, each ended by a line feed, which every editor reads.
class PlainTextList {
    Q_DECLARE_TR_FUNCTIONS(PlainTextList)

public:
    // A file this big is no list of messages; reading it whole would only stall the
    // program.
    static constexpr qint64 largestFile = 64 * 1024 * 1024;

    // The lines of the file as checked messages, without surrounding blanks, blank lines
    // left out; or why the file cannot be taken in, as a sentence for the user.
    static std::variant<QList<MessageRecord>, QString> read(const QString& path);
    static QList<MessageRecord> parse(const QString& text);
    // One message a line; a line break inside a message (a file edited by hand) becomes a
    // space, so that every message comes back as one.
    static QByteArray format(const QList<MessageRecord>& messages);
    // Writes the messages into the file atomically; empty when they are on disk, else why
    // not: the file as it was is left then.
    static QString write(const QString& path, const QList<MessageRecord>& messages);
};
