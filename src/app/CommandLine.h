// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program.
struct CommandLine {
    enum class Action {
        Run,
        ShowHelp,
        ShowVersion,
        Fail,
        // Options of the window system (-platform, -style, -session, ...) stand in the
        // command line: it is read again once the application object has taken them out.
        ReadAgainLater,
    };

    Action action = Action::Run;
    QString dataFolder;    // --data-dir FOLDER; empty when not given
    QStringList arguments; // everything after the program's name, as given
    QString message;       // the help or version text, or what was wrong

    // arguments holds the whole command line, the program itself first; the window
    // system's options have been taken out of it, so every option left is known or wrong.
    static CommandLine parse(const QStringList& arguments);
    // The same before the application object exists, so that the help, the version and a
    // mistake are answered without a display; the window system's options are left to it.
    static CommandLine parseBeforeApplication(const QStringList& arguments);

    // The exit code for a command line that is answered on the terminal.
    int exitCode() const { return action == Action::Fail ? 2 : 0; }

private:
    static CommandLine parse(const QStringList& arguments, bool windowSystemOptionsLeft);
};
