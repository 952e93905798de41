// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// How this system names files.
class FileNames {
public:
    // Whether names that differ only in letter case name two files ("Calm.txt" and
    // "calm.txt" on Linux) or the same one (Windows).
    static bool caseSensitive();

    // The names of the files in the folder that end with the suffix (compared by this
    // system's rule of letter case), without the suffix, in no particular order. Hidden
    // files and folders are left out. A name that is not in the system's encoding (a file
    // copied from an older system) is read in the legacy code page; such a file is listed
    // but cannot be opened. Nothing when the folder cannot be listed: missing, not a
    // folder, or not readable.
    static std::optional<QStringList> list(const QString& folder, const QString& suffix);

    // Whether the name, put after a folder and a slash, names a file in that folder: no
    // slash and no NUL in it; on Windows neither a backslash (which leads elsewhere), a
    // colon (a drive, or a hidden stream), nor a device name.
    static bool staysInFolder(QStringView name);
};
