#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };

    Action action = Action::Run;
    QString dataFolder;    // --data-dir PATH; empty when not given
    QStringList arguments; // everything after the program's name, as given
    QString message;       // the help or version text, or what was wrong

    // arguments holds the whole command line, the program itself first.
    static CommandLine parse(const QStringList& arguments);
};
