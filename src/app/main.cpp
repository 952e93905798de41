#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/frmAll.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "platform/RandomSource.h"
#include "platform/SettingsArea.h"
#include "platform/StartupEntry.h"
#include "platform/TerminationWatcher.h"
#include "platform/WebOpener.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

int main(int argc, char* argv[])
{
    WindowSystem::preferX11(argc, argv);
    QApplication application(argc, argv);
    application.setApplicationVersion(QStringLiteral(ZORVAN_VERSION));
    // The program lives on behind its notification icon when its window is hidden.
    application.setQuitOnLastWindowClosed(false);
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/zorvan.svg")));

    const CommandLine commandLine = CommandLine::parse(application.arguments());
    switch (commandLine.action) {
    case CommandLine::Action::Run:
        break;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(commandLine.message + QLatin1Char('\n')), stdout);
        return 0;
    case CommandLine::Action::Fail:
        std::fputs(qPrintable(commandLine.message + QLatin1Char('\n')), stderr);
        return 2;
    }

    // The settings and the start-with-the-session entry go by the executable's name.
    const QString applicationName =
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataFolder = DataFolder::choose(commandLine.dataFolder, programFolder,
                                                  DataFolder::perUserFolder(applicationName));
    DataFolder::prepare(dataFolder, QStringLiteral(":/samples"));

    const auto settings = SettingsArea::forApplication(applicationName);
    Prompter prompter;
    Clock clock;
    RandomSource random;
    WebOpener web;
    const auto startup = StartupEntry::forUser();
    const Services services{.settings = settings.get(),
                            .prompter = &prompter,
                            .clock = &clock,
                            .random = &random,
                            .web = &web,
                            .startup = startup.get(),
                            .dataFolder = dataFolder,
                            .applicationName = applicationName,
                            .programFolder = programFolder,
                            .arguments = commandLine.arguments};

    SingleInstance instance(SingleInstance::userKey(applicationName), SingleInstance::userFolder());
    frmAll window(services, &instance);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &window,
                     &frmAll::closeBySystem);
    QObject::connect(&window, &frmAll::programEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    if (!window.Form_Load())
        return 0;
    return application.exec();
}
