// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/frmAll.h"
#include "platform/ApplicationTitle.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/DisplayLossGuard.h"
#include "platform/Prompter.h"
#include "platform/RandomSource.h"
#include "platform/SettingsArea.h"
#include "platform/StartupEntry.h"
#include "platform/SystemDialogs.h"
#include "platform/TerminationWatcher.h"
#include "platform/Translations.h"
#include "platform/WebOpener.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints the help, the version or what was wrong with the command line; returns the
// program's exit code.
int answer(const CommandLine& commandLine)
{
    std::FILE* out = commandLine.action == CommandLine::Action::Fail ? stderr : stdout;
    std::fputs(qPrintable(commandLine.message + QLatin1Char('\n')), out);
    return commandLine.exitCode();
}

// Qt's messages while the application object opens the display, held back until it
// is known whether it could.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Qt gives up and would abort with the advice to reinstall the program; the
        // reason is in what its platform plug-in said before.
        QString reason = text;
        for (const HeldMessage& message : std::as_const(heldMessages)) {
            if (message.category.startsWith("qt.qpa")) {
                reason = message.text;
                break;
            }
        }
        // The application object is half made, but takes translations already.
        Translations translations(QCoreApplication::applicationDirPath());
        translations.install();
        answer({.action = CommandLine::Action::Fail,
                .message = QCoreApplication::translate("main", "No display could be opened (%1).")
                               .arg(reason.section(QLatin1Char('\n'), 0, 0).trimmed())});
        std::fflush(stderr);
        std::_Exit(2);
    }
    heldMessages.append({type, context.category, text});
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationVersion(applicationVersion());

    // The help, the version and a mistake on the command line are answered on the
    // terminal, where there may be no display to open.
    const CommandLine early = CommandLine::parseBeforeApplication(argumentsOf(argc, argv));
    if (early.action != CommandLine::Action::Run &&
        early.action != CommandLine::Action::ReadAgainLater) {
        const QCoreApplication terminal(argc, argv);
        Translations translations(QCoreApplication::applicationDirPath());
        translations.install();
        return answer(CommandLine::parseBeforeApplication(terminal.arguments()));
    }

    WindowSystem::preferX11(argc, argv);
    const QtMessageHandler passOn = qInstallMessageHandler(holdBack);
    QApplication application(argc, argv);
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : std::exchange(heldMessages, {}))
        passOn(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
               message.text);
    Translations translations(QCoreApplication::applicationDirPath());
    translations.install();
    // From here on the system's requests to end the program reach it as events.
    TerminationWatcher termination;
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVAN_APP_ID));
    // The program lives on behind its notification icon when its window is hidden.
    application.setQuitOnLastWindowClosed(false);
    application.setWindowIcon(QIcon(QStringLiteral(ZORVAN_ICON)));

    const CommandLine commandLine = CommandLine::parse(application.arguments());
    if (commandLine.action != CommandLine::Action::Run)
        return answer(commandLine);

    // The settings and the start-with-the-session entry go by the executable's name.
    const QString applicationName =
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataFolder = DataFolder::choose(commandLine.dataFolder, programFolder,
                                                  DataFolder::perUserFolder(applicationName));
    if (!DataFolder::prepare(dataFolder, QStringLiteral(":/samples")) &&
        !commandLine.dataFolder.isEmpty()) {
        // A folder the user named and cannot have would lose every change made in it.
        return answer({.action = CommandLine::Action::Fail,
                       .message = QCoreApplication::translate("CommandLine",
                                                              "Cannot use %1 as the data folder.")
                                      .arg(QDir::toNativeSeparators(dataFolder))});
    }

    const auto settings = SettingsArea::forApplication(applicationName);
    Prompter prompter;
    Clock clock;
    RandomSource random;
    WebOpener web;
    SystemDialogs dialogs;
    const auto startup = StartupEntry::forUser();
    const Services services{.settings = settings.get(),
                            .prompter = &prompter,
                            .clock = &clock,
                            .random = &random,
                            .web = &web,
                            .startup = startup.get(),
                            .dialogs = &dialogs,
                            .termination = &termination,
                            .dataFolder = dataFolder,
                            .applicationName = applicationName,
                            .programFolder = programFolder,
                            .arguments = commandLine.arguments};

    SingleInstance instance(SingleInstance::nameFor(applicationName));
    frmAll window(services, &instance);
    QObject::connect(&window, &frmAll::programEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    const DisplayLossGuard displayLoss([&window] { window.saveBeforeEnd(); });

    if (!window.Form_Load())
        return 0;
    return application.exec();
}
