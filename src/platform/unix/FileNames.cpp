// SPDX-License-Identifier: GPL-3.0-or-later
#include "../FileNames.h"

#include "../TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

bool FileNames::caseSensitive()
{
    return true;
}

bool FileNames::staysInFolder(QStringView name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

std::optional<QStringList> FileNames::list(const QString& folder, const QString& suffix)
{
    // Below Qt: its listing passes over names that are not UTF-8, and cannot tell a
    // folder it may not read from an empty one.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()),
                                                  ::closedir);
    if (!dir)
        return std::nullopt;
    const QByteArray ending = QFile::encodeName(suffix);
    QStringList names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                return std::nullopt;
            break;
        }
        const QByteArrayView name(entry->d_name);
        if (name.startsWith('.') || name.size() <= ending.size() || !name.endsWith(ending))
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &status, 0) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        const QByteArrayView stem = name.chopped(ending.size());
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString decoded = utf8.decode(stem);
        names << (utf8.hasError() ? TextFile::decodeLegacy(stem) : decoded);
    }
    return names;
}
