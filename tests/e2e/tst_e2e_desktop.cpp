#include "FlashObserver.h"
#include "TestFiles.h"
#include "TimeLimits.h"
#include "XServer.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

// The program set to start with the session behind its icon, as a user leaves it after
// choosing "Run at start-up" and "Start at system tray".
void chooseTrayAtStartUp(ProgramUnderTest& program)
{
    writeFile(program.startupEntryFile(),
              "[Desktop Entry]\nType=Application\nName=x\nExec=/old/place/x /STARTUP\n");
    program.storeSetting(u"RunAtSysTray"_qs, u"True"_qs);
}

// What a copy that crashed, or an older version, may have left in the runtime folder
// where copies used to keep their lock: a file with the given content, or a named pipe.
// None of it may hold up a start.
void leaveLockFile(const ProgramUnderTest& program, const QByteArray& content)
{
    const QProcessEnvironment environment = program.environment();
    const QByteArray user =
        environment.value(u"USER"_qs, environment.value(u"USERNAME"_qs)).toUtf8();
    const QString path =
        environment.value(u"XDG_RUNTIME_DIR"_qs) + u"/ZorvanFreeSubliminalMessageSoftware-"_qs +
        QString::fromLatin1(
            QCryptographicHash::hash(user, QCryptographicHash::Sha256).toHex().left(12)) +
        u".lock"_qs;
    if (content == "named pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        writeFile(path, content);
}

// Sends the signal (none: 0) and waits for the copy to end of its own accord.
bool endsCleanly(QProcess* copy, int signal = 0, int timeoutMs = 5000)
{
    if (signal != 0)
        ::kill(pid_t(copy->processId()), signal);
    return copy->waitForFinished(timeoutMs) && copy->exitStatus() == QProcess::NormalExit &&
           copy->exitCode() == 0;
}

} // namespace

// The real program on an X server of the test's own: a single copy, the notification
// icon, the close box, the display and the way out; with a notification area (a
// Debian-packaged tray running in it), and without one, with a window manager that
// minimises.
class tst_E2eDesktop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void copiesStartedTogetherLeaveOneThatSavesAtTheEnd();
    void startWithTheSessionLeavesOnlyTheIcon();
    void flashesGoOnBehindTheIcon();
    void withoutNotificationAreaTheWindowIsMinimised();
    void closeDuringTheReminderChangesNothing();

private:
    std::unique_ptr<XServer> m_server;

    // The icon is a window of the program held inside the notification area's; a window
    // manager holds the main window inside its frame the same way.
    static QList<XWindow> icons(const XServer& server, const QProcess* copy)
    {
        QList<XWindow> found = server.windowsOf(copy->processId());
        found.removeIf([](const XWindow& window) {
            return !window.viewable || window.topLevel ||
                   window.name == ProgramUnderTest::mainWindowCaption();
        });
        return found;
    }
    // Waits for the program's one icon, and a moment more: an icon that has only just
    // been taken into the notification area may miss a click.
    static bool iconReady(const XServer& server, const QProcess* copy)
    {
        if (!XServer::waitFor([&] { return icons(server, copy).size() == 1; }, 10s))
            return false;
        QTest::qWait(500);
        return icons(server, copy).size() == 1;
    }
    static std::optional<XWindow> mainWindow(const XServer& server, const QProcess* copy)
    {
        for (const XWindow& window : server.windowsOf(copy->processId())) {
            if (window.name == ProgramUnderTest::mainWindowCaption())
                return window;
        }
        return std::nullopt;
    }
    // The update reminder's question, or another message box of the program.
    static std::optional<XWindow> messageBox(const XServer& server, const QProcess* copy)
    {
        for (const XWindow& window : server.windowsOf(copy->processId())) {
            if (window.viewable && window.name == u"Zorvan Subliminal Message Software"_qs)
                return window;
        }
        return std::nullopt;
    }
    static bool shown(const XServer& server, const QProcess* copy)
    {
        const auto window = mainWindow(server, copy);
        return window && window->viewable;
    }
    // After a double click on the icon: the window is back and the icon gone.
    static bool restoredByTheIcon(const XServer& server, const QProcess* copy)
    {
        return iconReady(server, copy) &&
               server.click(icons(server, copy).first().geometry.center(), 1, 2) &&
               XServer::waitFor(
                   [&] { return shown(server, copy) && icons(server, copy).isEmpty(); }, 5s);
    }
};

void tst_E2eDesktop::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(u"xdotool"_qs).isEmpty(),
             "xdotool is not installed (apt install xdotool)");
    m_server = std::make_unique<XServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
    QVERIFY2(m_server->startClient(u"trayer"_qs,
                                   {u"--edge"_qs, u"top"_qs, u"--align"_qs, u"right"_qs,
                                    u"--widthtype"_qs, u"request"_qs, u"--height"_qs, u"24"_qs}),
             "trayer is not installed (apt install trayer)");
    QVERIFY(XServer::waitFor([&] { return m_server->hasNotificationArea(); }, 10s));
}

void tst_E2eDesktop::copiesStartedTogetherLeaveOneThatSavesAtTheEnd()
{
    ProgramUnderTest program(*m_server);
    program.storeSetting(u"DispInterval"_qs, u"24"_qs);
    leaveLockFile(program, "garbage");
    QList<QProcess*> copies;
    for (int i = 0; i < 3; ++i)
        copies << program.start();
    const auto running = [&] {
        copies.removeIf([](QProcess* copy) { return copy->state() != QProcess::Running; });
        return copies.size();
    };
    QVERIFY(
        XServer::waitFor([&] { return running() == 1 && m_server->mainWindowsShown() == 1; }, 10s));
    QTest::qWait(300);
    QCOMPARE(running(), 1);

    // The end of the session saves every setting, those it started with as they were.
    QVERIFY(program.unsavedSettings().contains(u"FontName"_qs));
    QVERIFY(endsCleanly(copies.first(), SIGHUP));
    QCOMPARE(program.unsavedSettings(), QStringList());
    QCOMPARE(program.setting(u"DispInterval"_qs), std::optional(u"24"_qs));
}

void tst_E2eDesktop::startWithTheSessionLeavesOnlyTheIcon()
{
    ProgramUnderTest program(*m_server);
    chooseTrayAtStartUp(program);
    leaveLockFile(program, "named pipe");
    QProcess* copy = program.start({u"/STARTUP"_qs});
    QVERIFY(iconReady(*m_server, copy));
    QVERIFY(!shown(*m_server, copy));
    // The entry now starts this program from where it is.
    QVERIFY(fileBytes(program.startupEntryFile())
                .contains("\nExec=" + QByteArray(ZORVAN_EXECUTABLE) + " /STARTUP\n"));

    // A single click does nothing; a double click brings the window back.
    QVERIFY(m_server->click(icons(*m_server, copy).first().geometry.center(), 1));
    QTest::qWait(500);
    QVERIFY(!shown(*m_server, copy));
    QVERIFY(restoredByTheIcon(*m_server, copy));

    // Behind the icon again, its menu's last item, "Exit", ends the program and saves.
    m_server->pressCloseBox(mainWindow(*m_server, copy)->id);
    QVERIFY(iconReady(*m_server, copy));
    QVERIFY(program.unsavedSettings().contains(u"FontName"_qs));
    QVERIFY(m_server->click(icons(*m_server, copy).first().geometry.center(), 3));
    QRect menu;
    QVERIFY(XServer::waitFor(
        [&] {
            for (const XWindow& window : m_server->windowsOf(copy->processId())) {
                if (window.viewable && window.topLevel && window.overrideRedirect)
                    menu = window.geometry;
            }
            return menu.isValid();
        },
        5s));
    QVERIFY(m_server->click(QPoint(menu.center().x(), menu.bottom() - 12), 1)); // the last item
    QVERIFY(endsCleanly(copy));
    QCOMPARE(program.unsavedSettings(), QStringList());
    QCOMPARE(program.setting(u"RunAtSysTray"_qs), std::optional(u"True"_qs));
}

void tst_E2eDesktop::flashesGoOnBehindTheIcon()
{
    // The display was running at the last exit (tst_e2e_flash watches its messages).
    ProgramUnderTest program(*m_server);
    writeMessageFiles(program.dataFolder(), {{u"Calm"_qs, "\"I am calm\",#TRUE#\r\n"}});
    program.storeSetting(u"AutoDisplay"_qs, u"True"_qs);
    program.storeSetting(u"DispInterval"_qs, u"0"_qs);
    FlashObserver observer(m_server->displayName());
    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor([&] { return shown(*m_server, copy); }, 10s));

    // The close box hides the window behind the icon; the messages go on.
    const QByteArray settingsBefore = fileBytes(program.settingsFile());
    m_server->pressCloseBox(mainWindow(*m_server, copy)->id);
    QVERIFY(XServer::waitFor(
        [&] { return !shown(*m_server, copy) && icons(*m_server, copy).size() == 1; }, 5s));
    const double hidden = FlashObserver::now();
    QVERIFY(XServer::waitFor(
        [&] {
            const auto flashes = observer.flashesNamed(ProgramUnderTest::flashCaption(), true);
            return !flashes.isEmpty() && flashes.last().mappedAt > hidden;
        },
        5s));
    QCOMPARE(copy->state(), QProcess::Running);

    // A later copy brings the window back from behind the icon, and ends within 2 s
    // without a window of its own or a save; also after a cleaner emptied the runtime
    // folder.
    const QString runtime = program.environment().value(u"XDG_RUNTIME_DIR"_qs);
    QVERIFY(QDir(runtime).removeRecursively() && QDir().mkdir(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(endsCleanly(program.start(), 0, 2000 * TimeLimits::scale));
    QVERIFY(XServer::waitFor(
        [&] { return shown(*m_server, copy) && icons(*m_server, copy).isEmpty(); }, 5s));
    QCOMPARE(m_server->mainWindowsShown(), 1);
    QCOMPARE(fileBytes(program.settingsFile()), settingsBefore);
}

void tst_E2eDesktop::withoutNotificationAreaTheWindowIsMinimised()
{
    XServer bare;
    QVERIFY2(bare.isRunning(), qPrintable(bare.problem()));
    QVERIFY2(bare.startClient(u"openbox"_qs), "openbox is not installed (apt install openbox)");
    QVERIFY(XServer::waitFor([&] { return bare.hasWindowManager(); }, 10s));
    const auto state = [&](const QProcess* copy) {
        const auto window = mainWindow(bare, copy);
        return window ? bare.windowManagerState(window->id) : -1;
    };
    constexpr int normal = 1, minimised = 3;

    // The close box leaves the window on the taskbar rather than hiding it for good.
    ProgramUnderTest program(bare);
    leaveLockFile(program, "");
    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor([&] { return state(copy) == normal; }, 10s));
    bare.pressCloseBox(mainWindow(bare, copy)->id);
    QVERIFY(XServer::waitFor([&] { return state(copy) == minimised; }, 5s));
    QTest::qWait(200);
    QCOMPARE(copy->state(), QProcess::Running);
    QVERIFY(program.unsavedSettings().contains(u"FontName"_qs));
    QVERIFY(endsCleanly(copy, SIGTERM));
    QCOMPARE(program.unsavedSettings(), QStringList());

    // A start with the session and the tray option starts minimised.
    ProgramUnderTest atLogOn(bare);
    chooseTrayAtStartUp(atLogOn);
    copy = atLogOn.start({u"/STARTUP"_qs});
    QVERIFY(XServer::waitFor([&] { return state(copy) == minimised; }, 10s));
    QTest::qWait(300);
    QCOMPARE(state(copy), minimised);

    // A notification area that turns up later gets the icon, which works from then on,
    // under the window manager too.
    QVERIFY(bare.startClient(u"trayer"_qs));
    QVERIFY(restoredByTheIcon(bare, copy));
    QVERIFY(XServer::waitFor([&] { return state(copy) == normal; }, 5s));
    bare.pressCloseBox(mainWindow(bare, copy)->id);
    QVERIFY(
        XServer::waitFor([&] { return !shown(bare, copy) && icons(bare, copy).size() == 1; }, 5s));
    QVERIFY(atLogOn.unsavedSettings().contains(u"FontName"_qs));
    QVERIFY(endsCleanly(copy, SIGINT));
    QCOMPARE(atLogOn.unsavedSettings(), QStringList());
}

void tst_E2eDesktop::closeDuringTheReminderChangesNothing()
{
    // The user's own settings, and a reminder due, whose question holds up the start.
    ProgramUnderTest program(*m_server);
    program.storeSetting(u"DispInterval"_qs, u"0"_qs);
    program.storeSetting(u"DispDuration"_qs, u"7"_qs);
    program.storeSetting(u"FontName"_qs, u"DejaVu Serif"_qs);
    program.storeSetting(u"FontColor"_qs, u"255"_qs);
    program.storeSetting(u"UpdateReminder"_qs,
                         QDateTime::currentDateTime().addDays(-20).toString(Qt::ISODate));
    const QByteArray stored = fileBytes(program.settingsFile());
    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor([&] { return messageBox(*m_server, copy).has_value(); }, 10s));

    // The session ends: the program is gone within a second and has written nothing.
    QVERIFY(endsCleanly(copy, SIGTERM, 1000 * TimeLimits::scale));
    QCOMPARE(fileBytes(program.settingsFile()), stored);

    // The next start asks again and, once answered, shows its window.
    copy = program.start();
    QVERIFY(XServer::waitFor([&] { return messageBox(*m_server, copy).has_value(); }, 10s));
    m_server->pressCloseBox(messageBox(*m_server, copy)->id);
    QVERIFY(XServer::waitFor([&] { return shown(*m_server, copy); }, 10s));
    QVERIFY(endsCleanly(copy, SIGTERM));
}

QTEST_GUILESS_MAIN(tst_E2eDesktop)
#include "tst_e2e_desktop.moc"
