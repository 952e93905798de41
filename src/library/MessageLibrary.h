// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/MessageRecords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class MessagePool;

// The message files, one for each named group of messages, in the "plugins" folder of the
// data folder, and their index "FileNames.txt" beside that folder, which names every
// message file with a check mark of its own.
//
// Nothing here reports a failure to the user: a file that cannot be read reads as
// nothing, a write that fails leaves the old file whole and says so by its result.
class MessageLibrary {
public:
    explicit MessageLibrary(QString dataFolder);

    QString messageFolder() const;
    // Nothing when the name would lead outside the message folder.
    std::optional<QString> messageFilePath(const QString& name) const;

    // The names of the message files (file names without ".txt"), sorted ignoring case;
    // nothing when the message folder cannot be listed (missing, or not readable).
    std::optional<QStringList> messageFiles() const;
    // The listed name that is name, else one that equals it ignoring case, if any.
    std::optional<QString> findMessageFile(const QString& name) const;

    bool hasIndex() const;
    std::optional<QList<MessageRecord>> readIndex() const;
    bool writeIndex(const QList<MessageRecord>& entries) const;

    bool hasMessageFile(const QString& name) const;
    // Nothing when the file is missing, cannot be read or is too big to be a message file.
    std::optional<QList<MessageRecord>> readMessageFile(const QString& name) const;
    bool writeMessageFile(const QString& name, const QList<MessageRecord>& messages) const;
    // Makes an empty message file. A file of that name is never touched: false then.
    bool createMessageFile(const QString& name) const;
    bool deleteMessageFile(const QString& name) const;
    // Makes a new message file of the messages, under the name or, where a file of that
    // name is listed in any letter case, the first free of "name 2", "name 3" and on. No
    // file is ever written over. The name it was made under; nothing when it could not be
    // written (and then nothing is left of it).
    std::optional<QString> addMessageFile(const QString& name,
                                          const QList<MessageRecord>& messages) const;

    // Rebuilds the pool from the checked messages of the checked files, in the order of
    // the index. False, with the pool as it was, when there is no index to read.
    bool LoadMessagePool(MessagePool& pool) const;

    // One entry for each listed name, in list order, with the check mark of the index
    // record of that name (the later of two records wins). Unchecked when the index does
    // not name it. Where the file system tells letter case apart, a record names the file
    // of exactly its name, and only one for which no file has that name is matched
    // ignoring case (an index brought over from Windows).
    static QList<MessageRecord> restoreChecks(const QStringList& names,
                                              const QList<MessageRecord>& index);

    // The name a typed or pasted text gives a new message file: without surrounding
    // spaces, without characters no file system takes in a name (separators, control
    // characters, and the like), without leading or trailing dots, never a device name,
    // and short enough for any file system. Empty when nothing usable is left.
    static QString safeName(const QString& typed);

private:
    // Appends the checked messages of one message file; nothing when it cannot be read.
    void AddFileToPool(const QString& name, MessagePool& pool) const;

    QString m_dataFolder;
};
