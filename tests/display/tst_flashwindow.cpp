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

// A scheduler over three messages, shown in written order at the centre for 20 ms.
struct Rig {
    MessagePool pool;
    ScriptedRandom random;
    DisplayOptions options{.durationMilliseconds = 20,
                           .randomOrder = false,
                           .randomLocation = false,
                           .font = messageFont(),
                           .color = Qt::black};
    DisplayScheduler scheduler{pool, random, [this] { return options; }, [] { return screen; }};
    QSignalSpy shown{&scheduler, &DisplayScheduler::flashShown};

    Rig()
    {
        for (const QString& message : {u"Alpha"_qs, u"Beta"_qs, u"Gamma"_qs})
            pool.append(message);
    }
    QString lastShown() const
    {
        return shown.isEmpty() ? QString() : shown.last().first().toString();
    }
};

} // namespace

class tst_FlashWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void isSeeThroughWhereWhiteAndTakesNoInput();
    void showsOnlyWhatCanBeSeen();

    void schedulerWaitsAFullIntervalThenFlashes();
    void schedulerReadsTheOptionsAtEveryTickAndStopsAtOnce();
};

void tst_FlashWindow::isSeeThroughWhereWhiteAndTakesNoInput()
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
}

void tst_FlashWindow::showsOnlyWhatCanBeSeen()
{
    // Far wider than an X11 window can be: cut at the screen, at once.
    const QString text = QString(20000, QLatin1Char('W'));
    FlashWindow flash;
    QElapsedTimer timer;
    timer.start();
    const QSize size = FlashWindow::textSize(text, messageFont());
    QVERIFY(size.width() > 32767);
    QVERIFY(flash.prepare(text, messageFont(), Qt::black,
                          QPoint((screen.width() - size.width()) / 2, 300), screen));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(flash.geometry(), QRect(0, 300, screen.width(), size.height()));

    // Off the screen, white on white, or nothing at all: nothing to show.
    FlashWindow other;
    QVERIFY(!other.prepare(u"gone"_qs, messageFont(), Qt::black, QPoint(5000, 5000), screen));
    QVERIFY(!other.prepare(u"invisible"_qs, messageFont(), Qt::white, {}, screen));
    QVERIFY(!other.prepare(QString(), messageFont(), Qt::black, {}, screen));
}

void tst_FlashWindow::schedulerWaitsAFullIntervalThenFlashes()
{
    Rig rig;
    rig.scheduler.start(2000);
    QVERIFY(!rig.scheduler.IsFormLoaded()); // nothing at once

    rig.scheduler.Timer1_Timer();
    QCOMPARE(rig.lastShown(), u"Alpha"_qs);
    QVERIFY(!rig.scheduler.intervalTimer().isActive()); // off while a message is up
    FlashWindow* flash = rig.scheduler.flashWindow();
    QVERIFY(flash && flash->isVisible());
    const QSize size = FlashWindow::textSize(u"Alpha"_qs, messageFont());
    QCOMPARE(flash->geometry(),
             QRect(QPoint((1280 - size.width()) / 2, (800 - size.height()) / 2), size));

    // When it vanishes the next wait starts, again a full interval.
    QTRY_VERIFY(!rig.scheduler.IsFormLoaded());
    QVERIFY(rig.scheduler.intervalTimer().isActive());
    QCOMPARE(rig.scheduler.intervalTimer().interval(), 2000);
    rig.scheduler.Timer1_Timer();
    QCOMPARE(rig.lastShown(), u"Beta"_qs);

    // With an empty pool nothing is shown, but the cycle runs on.
    QTRY_VERIFY(!rig.scheduler.IsFormLoaded());
    rig.pool.clear();
    rig.scheduler.Timer1_Timer();
    QCOMPARE(rig.shown.count(), 2);
    QVERIFY(!rig.scheduler.IsFormLoaded());
    QVERIFY(rig.scheduler.intervalTimer().isActive());
}

void tst_FlashWindow::schedulerReadsTheOptionsAtEveryTickAndStopsAtOnce()
{
    Rig rig;
    rig.scheduler.start(5000);
    rig.scheduler.Timer1_Timer();
    QTRY_VERIFY(!rig.scheduler.IsFormLoaded());

    // Order, place, font and duration change between two messages.
    rig.options.randomOrder = true;
    rig.options.randomLocation = true;
    rig.options.durationMilliseconds = 200;
    rig.options.font.setPointSize(30);
    rig.random.push({1.0f - 1e-7f, 0.0f, 0.0f}); // message, top, left
    rig.scheduler.Timer1_Timer();
    QCOMPARE(rig.lastShown(), u"Gamma"_qs);
    QCOMPARE(rig.random.drawn(), 3);
    FlashWindow* flash = rig.scheduler.flashWindow();
    QCOMPARE(flash->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(flash->height(), FlashWindow::textSize(u"Gamma"_qs, rig.options.font).height());
    QTest::qWait(100);
    QVERIFY(rig.scheduler.IsFormLoaded()); // 200 ms now

    // A stop during the flash closes it at once, and no message follows.
    rig.scheduler.stop();
    QVERIFY(!flash->isVisible());
    QTest::qWait(150);
    QVERIFY(!rig.scheduler.intervalTimer().isActive());
    QVERIFY(!rig.scheduler.isRunning());
}

QTEST_MAIN(tst_FlashWindow)
#include "tst_flashwindow.moc"
