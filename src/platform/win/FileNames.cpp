// SPDX-License-Identifier: GPL-3.0-or-later
#include "../FileNames.h"

#include "../ReservedNames.h"

#include <QDir>
#include <qt_windows.h>
#include <string>

bool FileNames::caseSensitive()
{
    return false;
}

bool FileNames::staysInFolder(QStringView name)
{
    for (const char16_t c : {u'/', u'\0', u'\\', u':'}) {
        if (name.contains(QChar(c)))
            return false;
    }
    return !ReservedNames::isDeviceName(name);
}

std::optional<QStringList> FileNames::list(const QString& folder, const QString& suffix)
{
    // Below Qt, whose listing cannot tell a folder it may not read from an empty one.
    const std::wstring pattern =
        QDir::toNativeSeparators(folder + QStringLiteral("/*")).toStdWString();
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return QStringList();
        return std::nullopt;
    }
    QStringList names;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN))
            continue;
        const QString name = QString::fromWCharArray(found.cFileName);
        if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive))
            names << name.chopped(suffix.size());
    } while (FindNextFileW(search, &found));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    if (!complete)
        return std::nullopt;
    return names;
}
