// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashObserver.h"
#include "TestFiles.h"
#include "XServer.h"

#include <QTest>
#include <X11/Xlib.h>

using namespace std::chrono_literals;

namespace {

enum Desktop { BareX, CompositingX, Wayland };

// The user's full-screen window, under the messages.
const QRgb underneath = qRgb(0x33, 0x66, 0xcc);

// What a grab of a message's place shows: pixels of the message's colour (white), and the
// share of those showing the user's window.
struct Look {
    int letters = 0;
    double underneath = 0;
};

Look look(const QImage& image)
{
    Look seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            seen.letters += qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
            seen.underneath += (pixel & 0xffffff) == (underneath & 0xffffff);
        }
    }
    seen.underneath /= std::max(1.0, double(image.width() * image.height()));
    return seen;
}

} // namespace

// The real program's messages on the desktops of today, each driven and watched from
// outside while the user works in a full-screen window: a bare X server, an X server with
// a window manager and a compositing manager, and a Wayland compositor with XWayland.
class tst_E2eFlash : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lettersOnlyOnTopAndHandsOff_data()
    {
        QTest::addColumn<int>("desktop");
        QTest::newRow("bare X server") << int(BareX);
        QTest::newRow("openbox and xcompmgr") << int(CompositingX);
        QTest::newRow("sway and XWayland") << int(Wayland);
    }

    void lettersOnlyOnTopAndHandsOff()
    {
        QFETCH(int, desktop);
        const int flashes = std::max(3, qEnvironmentVariableIntValue("ZORVAN_E2E_FLASHES"));
        // The bare server is small, and its message wider than it.
        const QSize screen = desktop == BareX ? QSize(640, 480) : QSize(1280, 800);

        auto x = std::make_unique<XServer>(screen, desktop == Wayland);
        QVERIFY2(x->isRunning(), qPrintable(x->problem()));
        if (desktop == CompositingX) {
            QVERIFY2(x->startClient(u"openbox"_qs) && x->startClient(u"xcompmgr"_qs),
                     "apt install openbox xcompmgr");
            QTRY_VERIFY_WITH_TIMEOUT(x->selectionOwned("WM_S") && x->selectionOwned("_NET_WM_CM_S"),
                                     10000);
        }

        // White letters, every 2 s for 200 ms: centred on the bare server, elsewhere at random.
        ProgramUnderTest program(*x);
        const QByteArray message = desktop == BareX
                                       ? "\"I am calm and strong, I am calm and strong, I am calm\""
                                       : "\"I am calm and strong\"";
        writeMessageFiles(program.dataFolder(), {{u"Calm"_qs, message + ",#TRUE#\r\n"}});
        program.storeSettings(
            "AutoDisplay=True\nDispInterval=0\nDispDuration=7\nFontColor=16777215\n"
            "FontSize=24\nRandomLocation=" +
            QByteArray(desktop == BareX ? "1" : "0") + '\n');
        auto observer = std::make_unique<FlashObserver>(x->displayName());
        const double started = FlashObserver::now();
        QProcess* copy = program.start();
        QTRY_COMPARE_WITH_TIMEOUT(x->mainWindowsShown(), 1, 10000);

        // The user's window, over the whole screen, has the keyboard.
        Display* display = x->display();
        const Window work = x->showFullScreen("Work", screen, underneath);
        XSelectInput(display, work, ButtonPressMask);
        const auto focused = [&] {
            Window window = 0;
            int revert = 0;
            XGetInputFocus(display, &window, &revert);
            return window == work;
        };
        // (Seen so: a window manager or compositor may show it full-screen a moment later.)
        QVERIFY(QTest::qWaitFor(
            [&] {
                // XWayland's focus is the one sway gives.
                if (x->isWayland())
                    x->swayCommand(u"[title=\"Work\"] fullscreen enable, focus"_qs);
                else
                    XSetInputFocus(display, work, RevertToParent, CurrentTime);
                return focused() && look(x->grab(QRect(QPoint(), screen))).underneath > 0.99;
            },
            5000));

        // Each message is watched from its map to its unmap: grabs of its place, the focus,
        // and a click there that must reach the user's window.
        const QString caption = ProgramUnderTest::flashCaption();
        const auto latest = [&] {
            const auto all = observer->flashesNamed(caption, true);
            return all.isEmpty() ? FlashObserver::Flash{} : all.last();
        };
        bool focusKept = true, clickedDuringFlash = false;
        int clicks = 0, leastShowing = INT_MAX;
        for (int seen = 0; seen < flashes;) {
            const double lastMap = latest().mappedAt;
            QVERIFY2(QTest::qWaitFor(
                         [&] {
                             focusKept = focusKept && focused();
                             return latest().mappedAt > lastMap && latest().unmappedAt == 0;
                         },
                         5000),
                     "too few messages");
            const QRect place = latest().geometry;
            double clickedAt = 0;
            if (!clickedDuringFlash) {
                QVERIFY(x->click(place.center(), 1));
                ++clicks;
                clickedAt = FlashObserver::now();
            }
            // Letters in at least one grab taken while it is up; the window underneath between
            // them in every one.
            int showing = 0, grabs = 0;
            for (;;) {
                const QImage image = x->grab(place);
                const double grabbed = FlashObserver::now();
                if (latest().unmappedAt > 0 && latest().unmappedAt < grabbed)
                    break;
                const Look grab = look(image);
                QVERIFY2(grab.underneath > 0.5,
                         qPrintable(u"a box at message %1"_qs.arg(seen + 1)));
                showing += grab.letters >= 20;
                ++grabs;
                focusKept = focusKept && focused();
                QTest::qWait(x->isWayland() ? 0 : 5);
            }
            const FlashObserver::Flash flash = latest();
            clickedDuringFlash =
                clickedDuringFlash || (clickedAt > 0 && clickedAt < flash.unmappedAt);
            if (desktop == BareX)
                QCOMPARE(place.width(), screen.width()); // cut at both edges of the screen
            QVERIFY2(showing > 0,
                     qPrintable(u"message %1 not seen in %2 grabs"_qs.arg(seen + 1).arg(grabs)));
            leastShowing = std::min(leastShowing, showing);

            // With a compositor, a window with an alpha channel; without, a shaped one. On X11
            // the compositing manager stops after the first message and is back for the third.
            const bool composited = desktop == Wayland || (desktop == CompositingX && seen != 1);
            QCOMPARE(flash.depth, composited ? 32 : 24);
            ++seen;
            if (desktop == CompositingX && seen <= 2) {
                if (seen == 1)
                    x->stopClient(u"xcompmgr"_qs);
                else
                    x->startClient(u"xcompmgr"_qs);
                QTRY_COMPARE_WITH_TIMEOUT(x->selectionOwned("_NET_WM_CM_S"), seen == 2, 5000);
            }
        }
        QVERIFY(focusKept);
        QVERIFY(clickedDuringFlash);
        XSync(display, False);
        int presses = 0;
        for (XEvent event; XCheckWindowEvent(display, work, ButtonPressMask, &event);)
            ++presses;
        QCOMPARE(presses, clicks);
        qInfo("%d messages of 200 ms, each seen in at least %d grabs, none as a box", flashes,
              leastShowing);
        // The first one interval after the start, then each for about 200 ms (not the 150 next
        // to it in the list), about 2 s after the one before. The bounds are loose: on a busy
        // machine the observer hears of a window late (bench/timing takes the figures).
        const QList<FlashObserver::Flash> all = observer->flashesNamed(caption);
        QVERIFY(all.first().mappedAt - started > 1900);
        const double onScreen = percentile(FlashObserver::shownTimes(all), 0.5);
        const double between = percentile(FlashObserver::gaps(all), 0.5);
        QVERIFY2(onScreen >= 180 && onScreen < 250, qPrintable(QString::number(onScreen)));
        QVERIFY2(between >= 1950 && between < 2100, qPrintable(QString::number(between)));

        if (desktop == BareX) {
            // The display goes away: the program ends and keeps its settings.
            QFile::remove(program.settingsFile());
            observer.reset();
            x.reset();
            QVERIFY(copy->waitForFinished(10000));
            QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
            QVERIFY(program.saved());
            QCOMPARE(program.setting(u"FontColor"_qs), std::optional(u"16777215"_qs));
        }
    }
};

QTEST_GUILESS_MAIN(tst_E2eFlash)
#include "tst_e2e_flash.moc"
