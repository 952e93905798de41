#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    result.arguments = arguments.mid(1);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Flashes your own affirmations on the screen for a moment while you work."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the program's version."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate("CommandLine", "Keep the message files and goals in FOLDER."),
        QStringLiteral("FOLDER"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(dataDir);
    parser.addPositionalArgument(
        QStringLiteral("/STARTUP"),
        QCoreApplication::translate("CommandLine",
                                    "Started with the desktop session: with \"Start at system "
                                    "tray\" on, only the notification icon appears."),
        QStringLiteral("[/STARTUP]"));

    if (!parser.parse(arguments)) {
        result.action = Action::Fail;
        result.message =
            parser.errorText() + QLatin1Char('\n') +
            QCoreApplication::translate("CommandLine", "Try '%1 --help' for the options.")
                .arg(QCoreApplication::applicationName());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = Action::ShowHelp;
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = Action::ShowVersion;
        result.message = QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion();
        return result;
    }
    if (parser.isSet(dataDir)) {
        result.dataFolder = parser.value(dataDir);
        if (result.dataFolder.isEmpty()) {
            result.action = Action::Fail;
            result.message =
                QCoreApplication::translate("CommandLine", "--data-dir needs a folder.");
        }
    }
    return result;
}
