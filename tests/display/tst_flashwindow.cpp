#include "TestServices.h"
#include "display/DisplayScheduler.h"
#include "display/FlashWindow.h"

#include <QApplication>
#include <QPointer>
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
    void isSeeThroughWhereWhite();
    void neverTakesFocusOrInput();
    void showsForItsTimeThenHides();
    void messageWiderThanAnyWindowIsCutAtTheScreen();
    void whiteTextIsNeverShown();

    void schedulerWaitsAFullIntervalThenFlashes();
    void schedulerReadsTheOptionsAtEveryTick();
    void schedulerKeepsCyclingWithAnEmptyPool();
    void stopDuringAFlashClosesItAtOnce();
};

void tst_FlashWindow::isSeeThroughWhereWhite()
{
    FlashWindow flash;
    const QString text = QStringLiteral("I am calm");
    const QSize size = FlashWindow::textSize(text, messageFont());
    QVERIFY(flash.prepare(text, messageFont(), Qt::darkRed, QPoint(100, 200), screen));
    QCOMPARE(flash.geometry(), QRect(QPoint(100, 200), size));

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
}

void tst_FlashWindow::neverTakesFocusOrInput()
{
    FlashWindow flash;
    QVERIFY(flash.prepare(QStringLiteral("Focus stays"), messageFont(), Qt::black, {}, screen));
    const Qt::WindowFlags flags = flash.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::X11BypassWindowManagerHint));
    QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(flags.testFlag(Qt::WindowTransparentForInput));
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::Tool)); // not in the taskbar
    QVERIFY(flash.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(flash.focusPolicy(), Qt::NoFocus);
}

void tst_FlashWindow::showsForItsTimeThenHides()
{
    FlashWindow flash;
    QVERIFY(flash.prepare(QStringLiteral("Short"), messageFont(), Qt::black, {}, screen));
    QSignalSpy finished(&flash, &FlashWindow::finished);
    QElapsedTimer timer;
    timer.start();
    flash.showFor(40);
    QVERIFY(flash.isVisible());
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(timer.elapsed() >= 40);
    QVERIFY(!flash.isVisible());

    // A cancelled flash vanishes at once and does not report the end of its time.
    flash.showFor(40);
    flash.cancel();
    QVERIFY(!flash.isVisible());
    QTest::qWait(60);
    QCOMPARE(finished.count(), 1);
}

void tst_FlashWindow::messageWiderThanAnyWindowIsCutAtTheScreen()
{
    const QString text = QString(20000, QLatin1Char('W'));
    FlashWindow flash;
    QElapsedTimer timer;
    timer.start();
    const QSize size = FlashWindow::textSize(text, messageFont());
    QVERIFY(size.width() > 32767); // more than an X11 window can be
    QVERIFY(flash.prepare(text, messageFont(), Qt::black,
                          QPoint((screen.width() - size.width()) / 2, 300), screen));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(flash.geometry(), QRect(0, 300, screen.width(), size.height()));

    // Wholly off the screen: nothing to show.
    FlashWindow elsewhere;
    QVERIFY(!elsewhere.prepare(QStringLiteral("gone"), messageFont(), Qt::black, QPoint(5000, 5000),
                               screen));
}

void tst_FlashWindow::whiteTextIsNeverShown()
{
    FlashWindow flash;
    QVERIFY(!flash.prepare(QStringLiteral("invisible"), messageFont(), Qt::white, {}, screen));
    QVERIFY(!flash.prepare(QString(), messageFont(), Qt::black, {}, screen));
}

namespace {

MessagePool poolOf(const QStringList& messages)
{
    MessagePool pool;
    for (const QString& message : messages)
        pool.append(message);
    return pool;
}

struct Rig {
    MessagePool pool = poolOf({u"Alpha"_qs, u"Beta"_qs, u"Gamma"_qs});
    ScriptedRandom random;
    DisplayOptions options{.durationMilliseconds = 20,
                           .randomOrder = false,
                           .randomLocation = false,
                           .font = messageFont(),
                           .color = Qt::black};
    DisplayScheduler scheduler{pool, random, [this] { return options; }, [] { return screen; }};
};

} // namespace

void tst_FlashWindow::schedulerWaitsAFullIntervalThenFlashes()
{
    Rig rig;
    QSignalSpy shown(&rig.scheduler, &DisplayScheduler::flashShown);
    rig.scheduler.start(2000);
    QVERIFY(rig.scheduler.intervalTimer().isActive());
    QCOMPARE(rig.scheduler.intervalTimer().interval(), 2000);
    QVERIFY(!rig.scheduler.IsFormLoaded()); // nothing at once

    rig.scheduler.Timer1_Timer();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.last().first().toString(), u"Alpha"_qs);
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
    QCOMPARE(shown.last().first().toString(), u"Beta"_qs);
}

void tst_FlashWindow::schedulerReadsTheOptionsAtEveryTick()
{
    Rig rig;
    QSignalSpy shown(&rig.scheduler, &DisplayScheduler::flashShown);
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
    QCOMPARE(shown.last().first().toString(), u"Gamma"_qs);
    QCOMPARE(rig.random.drawn(), 3);
    FlashWindow* flash = rig.scheduler.flashWindow();
    QCOMPARE(flash->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(flash->height(), FlashWindow::textSize(u"Gamma"_qs, rig.options.font).height());
    QTest::qWait(100);
    QVERIFY(rig.scheduler.IsFormLoaded()); // 200 ms now
    QTRY_VERIFY(!rig.scheduler.IsFormLoaded());
}

void tst_FlashWindow::schedulerKeepsCyclingWithAnEmptyPool()
{
    Rig rig;
    rig.pool.clear();
    QSignalSpy shown(&rig.scheduler, &DisplayScheduler::flashShown);
    rig.scheduler.start(2000);
    rig.scheduler.Timer1_Timer();
    QCOMPARE(shown.count(), 0);
    QVERIFY(!rig.scheduler.IsFormLoaded());
    QVERIFY(rig.scheduler.intervalTimer().isActive());
    QCOMPARE(rig.scheduler.lMessageIndex, 0);
}

void tst_FlashWindow::stopDuringAFlashClosesItAtOnce()
{
    Rig rig;
    rig.options.durationMilliseconds = 200;
    rig.scheduler.start(2000);
    rig.scheduler.Timer1_Timer();
    FlashWindow* flash = rig.scheduler.flashWindow();
    QVERIFY(flash && flash->isVisible());
    rig.scheduler.stop();
    QVERIFY(!flash->isVisible());
    QTest::qWait(250);
    QVERIFY(!rig.scheduler.intervalTimer().isActive()); // no message follows
    QVERIFY(!rig.scheduler.isRunning());
}

QTEST_MAIN(tst_FlashWindow)
#include "tst_flashwindow.moc"
