// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageLibrary.h"

#include "library/MessagePool.h"
#include "platform/DataFolder.h"
#include "platform/FileNames.h"
#include "platform/ReservedNames.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <array>

namespace {

// No message file of ours comes near this (it would hold millions of messages); a file
// this big in the folder is something else, and reading it whole would only stall the
// program.
constexpr qint64 largestFile = 64 * 1024 * 1024;

// A new file's name stays well inside every file system's limit, also with ".txt" and
// the suffix of the temporary file a safe write goes through.
constexpr qsizetype longestNameBytes = 150;

std::optional<QList<MessageRecord>> readRecords(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largestFile)
        return std::nullopt;
    const std::optional<QString> content = TextFile::read(path);
    if (!content)
        return std::nullopt;
    return MessageRecords::parse(*content);
}

bool isStrippedAtTheEnds(QChar c)
{
    return c.isSpace() || c == QLatin1Char('.');
}

QString strippedAtTheEnds(const QString& name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && isStrippedAtTheEnds(name[begin]))
        ++begin;
    while (end > begin && isStrippedAtTheEnds(name[end - 1]))
        --end;
    return name.sliced(begin, end - begin);
}

} // namespace

MessageLibrary::MessageLibrary(QString dataFolder)
    : m_dataFolder(std::move(dataFolder))
{}

QString MessageLibrary::messageFolder() const
{
    return DataFolder::messageFolder(m_dataFolder);
}

std::optional<QString> MessageLibrary::messageFilePath(const QString& name) const
{
    if (!FileNames::staysInFolder(name))
        return std::nullopt;
    return DataFolder::messageFolder(m_dataFolder) + QLatin1Char('/') + name +
           QStringLiteral(".txt");
}

std::optional<QStringList> MessageLibrary::messageFiles() const
{
    std::optional<QStringList> names =
        FileNames::list(DataFolder::messageFolder(m_dataFolder), QStringLiteral(".txt"));
    if (names) {
        // Names that differ only in letter case in a fixed order, whatever the folder's.
        std::sort(names->begin(), names->end(), [](const QString& a, const QString& b) {
            const int ignoringCase = a.compare(b, Qt::CaseInsensitive);
            return ignoringCase != 0 ? ignoringCase < 0 : a < b;
        });
    }
    return names;
}

std::optional<QString> MessageLibrary::findMessageFile(const QString& name) const
{
    const QStringList names = messageFiles().value_or(QStringList());
    if (names.contains(name))
        return name;
    for (const QString& listed : names) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return listed;
    }
    return std::nullopt;
}

bool MessageLibrary::hasIndex() const
{
    return QFileInfo(DataFolder::indexFile(m_dataFolder)).isFile();
}

std::optional<QList<MessageRecord>> MessageLibrary::readIndex() const
{
    return readRecords(DataFolder::indexFile(m_dataFolder));
}

bool MessageLibrary::writeIndex(const QList<MessageRecord>& entries) const
{
    return TextFile::write(DataFolder::indexFile(m_dataFolder), MessageRecords::format(entries));
}

bool MessageLibrary::hasMessageFile(const QString& name) const
{
    const auto path = messageFilePath(name);
    return path && QFileInfo(*path).isFile();
}

std::optional<QList<MessageRecord>> MessageLibrary::readMessageFile(const QString& name) const
{
    const auto path = messageFilePath(name);
    if (!path)
        return std::nullopt;
    return readRecords(*path);
}

bool MessageLibrary::writeMessageFile(const QString& name,
                                      const QList<MessageRecord>& messages) const
{
    const auto path = messageFilePath(name);
    return path && TextFile::write(*path, MessageRecords::format(messages));
}

bool MessageLibrary::createMessageFile(const QString& name) const
{
    const auto path = messageFilePath(name);
    if (!path)
        return false;
    QFile file(*path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

bool MessageLibrary::deleteMessageFile(const QString& name) const
{
    const auto path = messageFilePath(name);
    return path && QFile::remove(*path);
}

std::optional<QString> MessageLibrary::addMessageFile(const QString& name,
                                                      const QList<MessageRecord>& messages) const
{
    const QString base = safeName(name);
    if (base.isEmpty())
        return std::nullopt;
    for (int number = 1; number < 1000; ++number) {
        // The number always shows, also where the name is as long as a name may be.
        const QString suffix = number == 1 ? QString() : u' ' + QString::number(number);
        QString stem = base;
        while (!stem.isEmpty() && !safeName(stem + suffix).endsWith(suffix))
            stem.chop(1);
        const QString candidate = safeName(stem + suffix);
        // Made empty first, only where no file is: a file that came meanwhile is kept.
        if (findMessageFile(candidate) || !createMessageFile(candidate)) {
            if (!hasMessageFile(candidate) && !findMessageFile(candidate))
                return std::nullopt; // the folder takes no file at all
            continue;
        }
        if (writeMessageFile(candidate, messages))
            return candidate;
        deleteMessageFile(candidate);
        return std::nullopt;
    }
    return std::nullopt;
}

bool MessageLibrary::LoadMessagePool(MessagePool& pool) const
{
    if (!hasIndex())
        return false;
    const auto index = readIndex();
    if (!index)
        return false;

    // An index that names a file more than once (edited by hand, or left so by a folder
    // that could not be written) puts it in the pool once, at its first place, checked
    // as its last record says, as the file list shows it.
    QStringList names;
    QHash<QString, bool> checked;
    for (const MessageRecord& record : *index) {
        // The name whole, even with a line break: it is the name of a file.
        const QString& name = record.text;
        if (name.isEmpty())
            continue;
        if (!checked.contains(name))
            names << name;
        checked.insert(name, record.checked);
    }

    MessagePool rebuilt;
    for (const QString& name : std::as_const(names)) {
        if (checked.value(name))
            AddFileToPool(name, rebuilt);
    }
    pool = std::move(rebuilt);
    return true;
}

void MessageLibrary::AddFileToPool(const QString& name, MessagePool& pool) const
{
    const auto messages = readMessageFile(name);
    if (!messages)
        return;
    for (const MessageRecord& message : *messages) {
        if (!message.checked || message.text.isEmpty())
            continue;
        if (message.text.contains(QLatin1Char('\r'))) {
            QString text = message.text;
            text.remove(QStringLiteral("\r\n"));
            if (!text.isEmpty())
                pool.append(text, name);
        } else {
            pool.append(message.text, name);
        }
    }
}

QList<MessageRecord> MessageLibrary::restoreChecks(const QStringList& names,
                                                   const QList<MessageRecord>& index)
{
    const bool caseSensitive = FileNames::caseSensitive();
    const auto key = [caseSensitive](const QString& name) {
        return caseSensitive ? name : name.toCaseFolded();
    };
    QList<MessageRecord> entries;
    entries.reserve(names.size());
    QHash<QString, qsizetype> named;
    named.reserve(names.size());
    for (const QString& name : names) {
        named.insert(key(name), entries.size());
        entries << MessageRecord{name, false};
    }
    QList<bool> claimed(entries.size(), false);
    QList<const MessageRecord*> unmatched;
    for (const MessageRecord& record : index) {
        const auto found = named.constFind(key(record.text));
        if (found == named.cend()) {
            unmatched << &record;
            continue;
        }
        entries[*found].checked = record.checked;
        claimed[*found] = true;
    }
    if (unmatched.isEmpty())
        return entries;
    QHash<QString, qsizetype> unclaimed;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString folded = entries[i].text.toCaseFolded();
        if (!claimed[i] && !unclaimed.contains(folded))
            unclaimed.insert(folded, i);
    }
    for (const MessageRecord* record : std::as_const(unmatched)) {
        const auto found = unclaimed.constFind(record->text.toCaseFolded());
        if (found != unclaimed.cend())
            entries[*found].checked = record->checked;
    }
    return entries;
}

QString MessageLibrary::safeName(const QString& typed)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    // Half a character (a lone surrogate) is dropped too: no file system takes it.
    QString kept;
    kept.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        if (c.isHighSurrogate() && i + 1 < typed.size() && typed[i + 1].isLowSurrogate()) {
            kept += c;
            kept += typed[++i];
        } else if (!c.isSurrogate() && c.category() != QChar::Other_Control &&
                   !forbidden.contains(c)) {
            kept += c;
        }
    }
    QString name = strippedAtTheEnds(kept);

    // Cut to length at a whole character.
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < name.size() &&
                          QChar::isLowSurrogate(name[i + 1].unicode());
        const qsizetype length = pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (bytes + length > longestNameBytes) {
            name = strippedAtTheEnds(name.first(i));
            break;
        }
        bytes += length;
        if (pair)
            ++i;
    }

    if (ReservedNames::isDeviceName(name)) {
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        qsizetype stemEnd = dot < 0 ? name.size() : dot;
        while (stemEnd > 0 && name[stemEnd - 1].isSpace())
            --stemEnd;
        name.insert(stemEnd, QLatin1Char('_'));
    }
    return name;
}
