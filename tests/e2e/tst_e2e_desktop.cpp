#include "FlashObserver.h"
#include "XServer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const QStringList settingKeys = {u"AutoDisplay"_qs,   u"DispInterval"_qs,   u"DispDuration"_qs,
                                 u"RandomMessage"_qs, u"RandomLocation"_qs, u"FontColor"_qs,
                                 u"FontName"_qs,      u"FontBold"_qs,       u"FontItalic"_qs,
                                 u"FontSize"_qs,      u"Strikethrough"_qs,  u"Underline"_qs,
                                 u"RunAtSysTray"_qs};

// The program set to start with the session behind its icon, as a user leaves it after
// choosing "Run at start-up" and "Start at system tray".
void chooseTrayAtStartUp(ProgramUnderTest& program)
{
    QDir().mkpath(QFileInfo(program.startupEntryFile()).path());
    QFile entry(program.startupEntryFile());
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=x\nExec=/old/place/x /STARTUP\n");
    entry.close();
    program.storeSetting(u"RunAtSysTray"_qs, u"True"_qs);
}

} // namespace

// The notification icon and the close box of the real program, on an X server of the
// test's own: with a notification area (a Debian-packaged tray running in it), and
// without one, with a window manager that minimises.
class tst_E2eDesktop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startWithTheSessionLeavesOnlyTheIcon();
    void iconMenuExitEndsAndSaves();
    void closeBoxHidesTheWindowBehindTheIcon();
    void withoutNotificationAreaTheWindowIsMinimised();

private:
    std::unique_ptr<XServer> m_server;

    static QList<XWindow> icons(const XServer& server, const QProcess* copy)
    {
        // The icon is a window of the program held inside the notification area's; a
        // window manager holds the main window inside its frame the same way.
        QList<XWindow> found;
        for (const XWindow& window : server.windowsOf(copy->processId())) {
            if (window.viewable && !window.topLevel &&
                window.name != ProgramUnderTest::mainWindowCaption())
                found << window;
        }
        return found;
    }
    QList<XWindow> icons(const QProcess* copy) const { return icons(*m_server, copy); }
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
    static bool mainWindowShown(const XServer& server, const QProcess* copy)
    {
        const auto window = mainWindow(server, copy);
        return window && window->viewable;
    }
    bool mainWindowShown(const QProcess* copy) const { return mainWindowShown(*m_server, copy); }
};

void tst_E2eDesktop::initTestCase()
{
    const QString tray = QStandardPaths::findExecutable(u"trayer"_qs);
    QVERIFY2(!tray.isEmpty(), "trayer is not installed (apt install trayer)");
    QVERIFY2(!QStandardPaths::findExecutable(u"xdotool"_qs).isEmpty(),
             "xdotool is not installed (apt install xdotool)");
    m_server = std::make_unique<XServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
    QVERIFY(
        m_server->startClient(tray, {u"--edge"_qs, u"top"_qs, u"--align"_qs, u"right"_qs,
                                     u"--widthtype"_qs, u"request"_qs, u"--height"_qs, u"24"_qs}));
    QVERIFY(XServer::waitFor([&] { return m_server->hasNotificationArea(); }, 10s));
}

void tst_E2eDesktop::startWithTheSessionLeavesOnlyTheIcon()
{
    ProgramUnderTest program(*m_server);
    chooseTrayAtStartUp(program);
    QProcess* copy = program.start({u"/STARTUP"_qs});
    QVERIFY(iconReady(*m_server, copy));
    QVERIFY(!mainWindowShown(copy));
    // The entry now starts this program from where it is.
    QFile entry(program.startupEntryFile());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("\nExec=" + QByteArray(ZORVAN_EXECUTABLE) + " /STARTUP\n"));

    // A single click does nothing; a double click brings the window back.
    const QPoint icon = icons(copy).first().geometry.center();
    QVERIFY(m_server->click(icon, 1));
    QTest::qWait(500);
    QVERIFY(!mainWindowShown(copy));
    QVERIFY(m_server->click(icon, 1, 2));
    QVERIFY(XServer::waitFor([&] { return mainWindowShown(copy) && icons(copy).isEmpty(); }, 5s));
    QCOMPARE(copy->state(), QProcess::Running);
}

void tst_E2eDesktop::iconMenuExitEndsAndSaves()
{
    ProgramUnderTest program(*m_server);
    chooseTrayAtStartUp(program);
    QProcess* copy = program.start({u"/STARTUP"_qs});
    QVERIFY(iconReady(*m_server, copy));
    QVERIFY(!program.setting(u"FontName"_qs).has_value());
    QVERIFY(m_server->click(icons(copy).first().geometry.center(), 3));
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
    // "Show" above, "Exit" below.
    QVERIFY(m_server->click(QPoint(menu.center().x(), menu.top() + menu.height() * 3 / 4), 1));
    QVERIFY(copy->waitForFinished(5000));
    QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy->exitCode(), 0);
    for (const QString& key : settingKeys)
        QVERIFY2(program.setting(key).has_value(), qPrintable(key));
    QCOMPARE(program.setting(u"RunAtSysTray"_qs), std::optional(u"True"_qs));
}

void tst_E2eDesktop::closeBoxHidesTheWindowBehindTheIcon()
{
    // The display runs: the messages must go on behind the icon.
    ProgramUnderTest program(*m_server);
    QDir(program.dataFolder()).mkpath(u"plugins"_qs);
    QFile messages(program.dataFolder() + u"/plugins/Calm.txt"_qs);
    QVERIFY(messages.open(QIODevice::WriteOnly));
    messages.write("\"I am calm\",#TRUE#\r\n");
    messages.close();
    QFile index(program.dataFolder() + u"/FileNames.txt"_qs);
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("\"Calm\",#TRUE#\r\n");
    index.close();
    program.storeSetting(u"AutoDisplay"_qs, u"True"_qs);
    program.storeSetting(u"DispInterval"_qs, u"0"_qs);
    FlashObserver observer(m_server->displayName());
    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor([&] { return mainWindowShown(copy); }, 10s));
    QVERIFY(icons(copy).isEmpty());
    const auto settingsFile = [&] {
        QFile file(program.settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray settingsBefore = settingsFile();

    m_server->pressCloseBox(mainWindow(*m_server, copy)->id);
    QVERIFY(
        XServer::waitFor([&] { return !mainWindowShown(copy) && icons(copy).size() == 1; }, 5s));
    const double hidden = FlashObserver::now();
    QVERIFY(XServer::waitFor(
        [&] {
            const auto flashes =
                observer.flashesNamed(u"Zorvan Subliminal Message Software v1.45"_qs);
            return !flashes.isEmpty() && flashes.last().mappedAt > hidden;
        },
        5s));
    QCOMPARE(copy->state(), QProcess::Running);
    QCOMPARE(settingsFile(), settingsBefore); // no way out: nothing was saved

    // Starting the program again brings the window back from behind the icon.
    QProcess* second = program.start();
    QVERIFY(second->waitForFinished(5000));
    QVERIFY(XServer::waitFor([&] { return mainWindowShown(copy) && icons(copy).isEmpty(); }, 5s));
}

void tst_E2eDesktop::withoutNotificationAreaTheWindowIsMinimised()
{
    const QString windowManager = QStandardPaths::findExecutable(u"openbox"_qs);
    QVERIFY2(!windowManager.isEmpty(), "openbox is not installed (apt install openbox)");
    XServer bare;
    QVERIFY2(bare.isRunning(), qPrintable(bare.problem()));
    QVERIFY(bare.startClient(windowManager));
    QVERIFY(XServer::waitFor([&] { return bare.hasWindowManager(); }, 10s));
    QVERIFY(!bare.hasNotificationArea());
    const auto mainWindowState = [&](const QProcess* copy) {
        const auto window = mainWindow(bare, copy);
        return window ? bare.windowManagerState(window->id) : -1;
    };
    constexpr int normal = 1, minimised = 3;

    // The close box leaves the window on the taskbar rather than hiding it for good.
    ProgramUnderTest program(bare);
    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor([&] { return mainWindowState(copy) == normal; }, 10s));
    QVERIFY(mainWindowShown(bare, copy));
    bare.pressCloseBox(mainWindow(bare, copy)->id);
    QVERIFY(XServer::waitFor([&] { return mainWindowState(copy) == minimised; }, 5s));
    QTest::qWait(200);
    QCOMPARE(copy->state(), QProcess::Running);
    copy->terminate();
    QVERIFY(copy->waitForFinished(5000));

    // A start with the session and the tray option starts minimised.
    ProgramUnderTest atLogOn(bare);
    chooseTrayAtStartUp(atLogOn);
    copy = atLogOn.start({u"/STARTUP"_qs});
    QVERIFY(XServer::waitFor([&] { return mainWindowState(copy) == minimised; }, 10s));
    QTest::qWait(300);
    QCOMPARE(mainWindowState(copy), minimised);

    // A notification area that turns up later gets the icon, which works from then on.
    QVERIFY(bare.startClient(QStandardPaths::findExecutable(u"trayer"_qs)));
    QVERIFY(iconReady(bare, copy));
    QVERIFY(bare.click(icons(bare, copy).first().geometry.center(), 1, 2));
    QVERIFY(XServer::waitFor(
        [&] { return mainWindowState(copy) == normal && icons(bare, copy).isEmpty(); }, 5s));
    bare.pressCloseBox(mainWindow(bare, copy)->id);
    QVERIFY(XServer::waitFor(
        [&] { return !mainWindowShown(bare, copy) && icons(bare, copy).size() == 1; }, 5s));
    QCOMPARE(copy->state(), QProcess::Running);
    // And back again, under the window manager.
    QVERIFY(iconReady(bare, copy));
    QVERIFY(bare.click(icons(bare, copy).first().geometry.center(), 1, 2));
    QVERIFY(XServer::waitFor(
        [&] {
            return mainWindowShown(bare, copy) && mainWindowState(copy) == normal &&
                   icons(bare, copy).isEmpty();
        },
        5s));
}

QTEST_GUILESS_MAIN(tst_E2eDesktop)
#include "tst_e2e_desktop.moc"
