// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashObserver.h"
#include "TestFiles.h"
#include "XServer.h"

#include <QTest>
#include <X11/Xlib.h>

using namespace std::chrono_literals;

namespace {

// A message every 2 s for 200 ms, centred, with these settings more and the given options.
QProcess* startShowing(ProgramUnderTest& program, const QByteArray& settings,
                       const QByteArray& options)
{
    writeMessageFiles(program.dataFolder(), {{u"Calm"_qs, "\"I am calm\",#TRUE#\r\n"}});
    program.storeSettings("DispInterval=0\nDispDuration=7\nRandomLocation=1\n" + settings +
                          "[Options]\n" + options);
    return program.start();
}

} // namespace

// The choices beyond the display settings, on the real program watched from outside: the
// notification icon's menu, a full-screen window, and two screens.
class tst_E2eOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void iconMenuStartsPausesResumesAndStops()
    {
        XServer server;
        QVERIFY2(server.isRunning(), qPrintable(server.problem()));
        QVERIFY2(server.startClient(u"trayer"_qs, {u"--edge"_qs, u"top"_qs, u"--align"_qs,
                                                   u"right"_qs, u"--widthtype"_qs, u"request"_qs}),
                 "apt install trayer");
        QVERIFY(
            QTest::qWaitFor([&] { return server.selectionOwned("_NET_SYSTEM_TRAY_S"); }, 10000));
        ProgramUnderTest program(server);
        FlashObserver observer(server.displayName());
        QProcess* copy = startShowing(program, {}, "AlwaysShowIcon=True\n");

        // The icon is there beside the window; its menu is worked by its access keys.
        const auto menu = [&](const QStringList& keys) {
            const auto popUp = [&] { return server.popUpMenu(copy).isValid(); };
            return QTest::qWaitFor([&] { return server.icons(copy).size() == 1; }, 10000) &&
                   server.click(server.icons(copy).first().geometry.center(), 3) &&
                   QTest::qWaitFor(popUp, 5000) &&
                   server.run(u"xdotool"_qs,
                              QStringList{u"key"_qs, u"--delay"_qs, u"200"_qs} + keys) &&
                   QTest::qWaitFor([&] { return !popUp(); }, 5000);
        };
        QVERIFY(QTest::qWaitFor([&] { return server.mainWindowsShown() == 1; }, 10000));
        QVERIFY(observer.noneMappedFor(2500ms));
        QVERIFY(menu({u"s"_qs})); // Start
        QVERIFY(observer.mappedWithin(4s));

        // Paused for 15 minutes: no message (tst_app keeps the pause over a restart).
        QVERIFY(menu({u"p"_qs, u"m"_qs}));
        QTest::qWait(300);
        QVERIFY(observer.noneMappedFor(5s));

        // Resumed, the messages come again; stopped, they end.
        QVERIFY(menu({u"p"_qs, u"r"_qs}));
        QVERIFY(observer.mappedWithin(4s));
        QVERIFY(menu({u"s"_qs})); // Stop
        QTest::qWait(300);
        QVERIFY(observer.noneMappedFor(4s));
    }

    void noMessageOverAFullScreenWindow()
    {
        XServer server;
        QVERIFY2(server.isRunning(), qPrintable(server.problem()));
        QVERIFY2(server.startClient(u"openbox"_qs), "apt install openbox");
        QVERIFY(QTest::qWaitFor([&] { return server.selectionOwned("WM_S"); }, 10000));
        ProgramUnderTest program(server);
        FlashObserver observer(server.displayName());
        startShowing(program, "AutoDisplay=True\n", "SkipOverFullScreen=True\n");
        QVERIFY(observer.mappedWithin(10s));

        // A film over the whole screen, active: the messages keep out of its way.
        const unsigned long film = server.showFullScreen("Film", QSize(1280, 800), 0);
        QVERIFY(
            server.run(u"xdotool"_qs, {u"windowactivate"_qs, u"--sync"_qs, QString::number(film)}));
        QTest::qWait(300);
        QVERIFY(observer.noneMappedFor(5s));

        // The film ends: the messages are back.
        XUnmapWindow(server.display(), film);
        XSync(server.display(), False);
        QVERIFY(observer.mappedWithin(4s));
    }

    void everyScreenShowsOneMessageOnEach()
    {
        // One X screen as two monitors of different sizes, the second lower (the first one
        // takes the server's only output, which otherwise makes a monitor of the whole).
        XServer server(QSize(2240, 900));
        QVERIFY2(server.isRunning(), qPrintable(server.problem()));
        const auto xrandr = [&](const QString& arguments) {
            return server.run(u"xrandr"_qs, arguments.split(u' '));
        };
        QVERIFY2(xrandr(u"--setmonitor Left 1280/338x800/211+0+0 screen"_qs) &&
                     xrandr(u"--setmonitor Right 960/254x600/159+1280+300 none"_qs),
                 "apt install x11-xserver-utils");
        ProgramUnderTest program(server);
        FlashObserver observer(server.displayName());
        startShowing(program, "AutoDisplay=True\n", "Screens=Every\n");

        // The next message, centred on each monitor: the centres of its windows to 10 pixels,
        // in order.
        const auto centres = [&] {
            const double from = FlashObserver::now();
            QList<QPoint> found;
            (void)QTest::qWaitFor(
                [&] {
                    const auto flashes =
                        observer.flashesNamed(ProgramUnderTest::flashCaption(), true, from);
                    if (flashes.isEmpty() || FlashObserver::now() - flashes.first().mappedAt < 300)
                        return false;
                    for (const FlashObserver::Flash& flash : flashes) {
                        if (flash.mappedAt - flashes.first().mappedAt < 100)
                            found << flash.geometry.center() / 10 * 10;
                    }
                    return true;
                },
                10000);
            std::sort(found.begin(), found.end(), [](QPoint a, QPoint b) {
                return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
            });
            return found;
        };
        QCOMPARE(centres(), (QList<QPoint>{{640, 400}, {1760, 600}}));

        // A monitor added while the program runs gets the next message too; one taken away
        // gets none.
        QVERIFY(xrandr(u"--setmonitor Bottom 1280/338x100/26+0+800 none"_qs));
        QTest::qWait(500);
        QCOMPARE(centres(), (QList<QPoint>{{640, 400}, {640, 850}, {1760, 600}}));
        QVERIFY(xrandr(u"--delmonitor Right"_qs));
        QTest::qWait(500);
        QCOMPARE(centres(), (QList<QPoint>{{640, 400}, {640, 850}}));
    }
};

QTEST_GUILESS_MAIN(tst_E2eOptions)
#include "tst_e2e_options.moc"
