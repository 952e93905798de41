// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace {

// The options the application object takes for itself. They are only recognised here so
// that a command line holding them is read again after the application object has
// removed them; one it does not know is then an unknown option like any other.
bool isWindowSystemOption(const QString& name)
{
    static const QStringList names{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("reverse"),
        QStringLiteral("session"),         QStringLiteral("display"),
        QStringLiteral("geometry"),        QStringLiteral("name"),
        QStringLiteral("title"),           QStringLiteral("visual"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
        QStringLiteral("widgetcount"),     QStringLiteral("nograb"),
        QStringLiteral("dograb"),          QStringLiteral("sync"),
    };
    return names.contains(name);
}

QString unknownOptionsText(const QStringList& names)
{
    if (names.size() == 1)
        return QCoreApplication::translate("CommandLine", "Unknown option '%1'.").arg(names[0]);
    return QCoreApplication::translate("CommandLine", "Unknown options: %1.")
        .arg(names.join(QStringLiteral(", ")));
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    return parse(arguments, false);
}

CommandLine CommandLine::parseBeforeApplication(const QStringList& arguments)
{
    return parse(arguments, true);
}

CommandLine CommandLine::parse(const QStringList& arguments, bool windowSystemOptionsLeft)
{
    CommandLine result;
    result.arguments = arguments.mid(1);

    QCommandLineParser parser;
    // The window system's options are single words after one dash (-platform xcb).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
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
        const QStringList unknown = parser.unknownOptionNames();
        if (windowSystemOptionsLeft && !unknown.isEmpty() &&
            std::all_of(unknown.begin(), unknown.end(), isWindowSystemOption)) {
            result.action = Action::ReadAgainLater;
            return result;
        }
        QStringList wrong = unknown;
        if (windowSystemOptionsLeft)
            wrong.removeIf(isWindowSystemOption);
        result.action = Action::Fail;
        result.message =
            (wrong.isEmpty() ? parser.errorText() : unknownOptionsText(wrong)) + QLatin1Char('\n') +
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
