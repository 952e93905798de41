#include "TestServices.h"
#include "display/DisplayScheduler.h"
#include "display/FlashWindow.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QRect screen(0, 0, 1280, 800);

QFont messageFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(20);
    font.setBold(true);
    return font;
}

} // namespace

class tst_FlashWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void isSeeThroughWhereWhiteTakesNoInputAndEndsAtTheScreen();
    void schedulerReadsTheOptionsAtEveryTickAndStopsAtOnce();
};

void tst_FlashWindow::isSeeThroughWhereWhiteTakesNoInputAndEndsAtTheScreen()
{
    FlashWindow flash;
    const QString text = QStringLiteral("I am calm");
    QVERIFY(flash.prepare(text, messageFont(), Qt::darkRed, QPoint(100, 200), screen));
    QCOMPARE(flash.geometry(), QRect(QPoint(100, 200), FlashWindow::textSize(text, messageFont())));

    // Only the letters are part of the window: the rendered pixels that are not white
    // are exactly those inside its shape.
    const QImage pixels = flash.grab().toImage();
    const QRegion shape = flash.mask();
    int letters = 0, holes = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const bool white = pixels.pixel(x, y) == qRgb(255, 255, 255);
            QCOMPARE(shape.contains(QPoint(x, y)), !white);
            ++(white ? holes : letters);
        }
    }
    QVERIFY(letters > 50);
    QVERIFY(holes > letters); // the background between and around the letters shows

    // Above everything, never in the taskbar, and never taking the keyboard or a click
    // from the work underneath (tests/e2e watch the focus on a real X server).
    const Qt::WindowFlags flags = flash.windowFlags();
    for (const Qt::WindowType flag : {Qt::WindowStaysOnTopHint, Qt::Tool,
                                      Qt::WindowDoesNotAcceptFocus, Qt::WindowTransparentForInput})
        QVERIFY(flags.testFlag(flag));
    QVERIFY(flash.testAttribute(Qt::WA_ShowWithoutActivating));

    // A message far wider than an X11 window can be is cut at the screen, quickly.
    const QString wide = QString(20000, QLatin1Char('W'));
    QElapsedTimer timer;
    timer.start();
    const QSize size = FlashWindow::textSize(wide, messageFont());
    QVERIFY(flash.prepare(wide, messageFont(), Qt::black,
                          QPoint((screen.width() - size.width()) / 2, 300), screen));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(flash.geometry(), QRect(0, 300, screen.width(), size.height()));
}

void tst_FlashWindow::schedulerReadsTheOptionsAtEveryTickAndStopsAtOnce()
{
    MessagePool pool;
    for (const QString& message : {u"Alpha"_qs, u"Beta"_qs, u"Gamma"_qs})
        pool.append(message);
    ScriptedRandom random;
    DisplayOptions options{.durationMilliseconds = 20,
                           .randomOrder = false,
                           .randomLocation = false,
                           .font = messageFont(),
                           .color = Qt::black};
    DisplayScheduler scheduler{pool, random, [&] { return options; }, [] { return screen; }};
    QSignalSpy shown{&scheduler, &DisplayScheduler::flashShown};
    scheduler.start(2000);
    scheduler.Timer1_Timer();
    QCOMPARE(shown.last().first().toString(), u"Alpha"_qs);
    QVERIFY(!scheduler.intervalTimer().isActive()); // off while a message is up

    // When it vanishes the next wait starts, again a full interval.
    QTRY_VERIFY(!scheduler.IsFormLoaded());
    QVERIFY(scheduler.intervalTimer().isActive());

    // Order, place, font and duration change between two messages.
    options.randomOrder = true;
    options.randomLocation = true;
    options.durationMilliseconds = 200;
    options.font.setPointSize(30);
    const float highest = 1.0f - 1e-7f;
    random.push({highest, highest, highest}); // message, top, left
    scheduler.Timer1_Timer();
    QCOMPARE(shown.last().first().toString(), u"Gamma"_qs);
    QCOMPARE(random.drawn(), 3);
    // Placed by its fitted size, it ends at the screen's far corner.
    FlashWindow* flash = scheduler.flashWindow();
    const QSize fitted = FlashWindow::textSize(u"Gamma"_qs, options.font);
    QCOMPARE(flash->geometry(),
             QRect(QPoint(1280 - fitted.width(), 800 - fitted.height()), fitted));
    QTest::qWait(100);
    QVERIFY(scheduler.IsFormLoaded()); // 200 ms now

    // A stop during the flash closes it at once, and no message follows.
    scheduler.stop();
    QVERIFY(!flash->isVisible());
    QTest::qWait(150);
    QVERIFY(!scheduler.intervalTimer().isActive());

    // With an empty pool nothing is shown, but the cycle runs on.
    pool.clear();
    scheduler.start(2000);
    scheduler.Timer1_Timer();
    QCOMPARE(shown.count(), 2);
    QVERIFY(!scheduler.IsFormLoaded());
    QVERIFY(scheduler.intervalTimer().isActive());
}

QTEST_MAIN(tst_FlashWindow)
#include "tst_flashwindow.moc"
