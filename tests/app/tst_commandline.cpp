#include "app/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using Action = CommandLine::Action;
Q_DECLARE_METATYPE(CommandLine::Action)

class tst_CommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data();
    void reading();
    void realProgramAnswersOnTheTerminal_data();
    void realProgramAnswersOnTheTerminal();
};

void tst_CommandLine::reading_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("beforeApplication");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<QString>("message"); // a part of it

    const auto row = [](const char* name, const QStringList& arguments, bool before, Action action,
                        const QString& folder = {}, const QString& message = {}) {
        QTest::newRow(name) << arguments << before << action << folder << message;
    };
    row("data folder", {u"--data-dir"_qs, u"my data"_qs, u"/STARTUP"_qs}, false, Action::Run,
        u"my data"_qs);
    row("data folder empty", {u"--data-dir"_qs, QString()}, false, Action::Fail, {},
        u"--data-dir needs a folder"_qs);
    row("-h", {u"-h"_qs}, true, Action::ShowHelp, {}, u"[/STARTUP]"_qs);
    // The window system's own options are left for it, and read again without them.
    row("window system option", {u"-platform"_qs, u"xcb"_qs, u"--version"_qs}, true,
        Action::ReadAgainLater);
    row("unknown beside window system option",
        {u"-style"_qs, u"fusion"_qs, u"--frobnicate"_qs, u"-session"_qs, u"s1"_qs}, true,
        Action::Fail, {}, u"Unknown option 'frobnicate'."_qs);
}

void tst_CommandLine::reading()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, beforeApplication);
    QFETCH(Action, action);
    QFETCH(QString, message);

    const QStringList commandLine = QStringList{u"/usr/bin/zorvan"_qs} + arguments;
    const CommandLine read = beforeApplication ? CommandLine::parseBeforeApplication(commandLine)
                                               : CommandLine::parse(commandLine);
    QCOMPARE(read.action, action);
    QTEST(read.dataFolder, "dataFolder");
    QCOMPARE(read.arguments, arguments); // what the session-start check looks through
    QVERIFY2(read.message.contains(message), qPrintable(read.message));
    QCOMPARE(read.exitCode(), action == Action::Fail ? 2 : 0);
}

void tst_CommandLine::realProgramAnswersOnTheTerminal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // empty: no display at all
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");

    QTest::newRow("version without a display")
        << QStringList{u"--version"_qs} << QString() << 0
        << u"ZorvanFreeSubliminalMessageSoftware 1.50\n"_qs << QString();
    QTest::newRow("unknown option without a display")
        << QStringList{u"--frobnicate"_qs} << QString() << 2 << QString()
        << u"Unknown option 'frobnicate'.\nTry 'ZorvanFreeSubliminalMessageSoftware --help' "
           "for the options.\n"_qs;
    // A data folder that cannot be had would lose every change made in it.
    QTest::newRow("data folder is a file")
        << QStringList{u"--data-dir"_qs, QStringLiteral(ZORVAN_EXECUTABLE)} << u"offscreen"_qs << 2
        << QString()
        << u"Cannot use %1 as the data folder.\n"_qs.arg(
               QDir::toNativeSeparators(QStringLiteral(ZORVAN_EXECUTABLE)));
}

void tst_CommandLine::realProgramAnswersOnTheTerminal()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(QString, error);

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME",
                             "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(u"HOME"_qs, home.path());
    if (!platform.isEmpty())
        environment.insert(u"QT_QPA_PLATFORM"_qs, platform);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZORVAN_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "exitCode");
    // Lines end in CR LF on the Windows terminal.
    const auto text = [](const QByteArray& bytes) {
        return QString::fromLocal8Bit(bytes).remove(u'\r');
    };
    QTEST(text(program.readAllStandardOutput()), "out");
    const QString errors = text(program.readAllStandardError());
    QVERIFY2(errors.endsWith(error), qPrintable(errors)); // Qt may warn before
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
