// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the message files, their index and the goal file.
class DataFolder {
public:
    // The folder to use: the one given on the command line when there is one; else the
    // program folder when it holds "plugins" and can be written (a portable copy); else
    // the per-user data folder.
    static QString choose(const QString& commandLineFolder, const QString& programFolder,
                          const QString& perUserFolder);

    // The per-user data folder for the application name (~/.local/share/<name> on Linux,
    // %LOCALAPPDATA%\<name> on Windows).
    static QString perUserFolder(const QString& applicationName);

    // Makes sure the folder exists. A folder that did not exist yet is created with its
    // "plugins" folder and seeded with the files found in samplesFolder (which may be a
    // resource path). Returns false when the folder could not be created; the program
    // goes on without its files then.
    static bool prepare(const QString& folder, const QString& samplesFolder);

    // The data files in the folder: the folder of the message files ("plugins"), their
    // index ("FileNames.txt") and the goal file ("goals.txt").
    static QString messageFolder(const QString& folder);
    static QString indexFile(const QString& folder);
    static QString goalFile(const QString& folder);
};
