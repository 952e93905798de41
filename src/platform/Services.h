// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Clock;
class Prompter;
class RandomSource;
class SettingsArea;
class StartupEntry;
class SystemDialogs;
class TerminationWatcher;
class WebOpener;

// What the program needs from the machine it runs on. main() fills it with the real
// things; tests fill it with temporary folders and scripted stand-ins.
struct Services {
    SettingsArea* settings = nullptr;
    Prompter* prompter = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    WebOpener* web = nullptr;
    StartupEntry* startup = nullptr;
    SystemDialogs* dialogs = nullptr;
    TerminationWatcher* termination = nullptr; // may be null: nobody asks the program to end

    QString dataFolder;      // message files, their index and the goal file
    QString applicationName; // the executable's base name
    QString programFolder;   // the folder of the executable
    QStringList arguments;   // the command line, without the program itself
};
