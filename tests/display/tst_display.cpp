// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "display/DisplayScheduler.h"
#include "display/FlashGate.h"
#include "display/FlashPlanner.h"
#include "display/FlashStatistics.h"
#include "display/FlashWindow.h"
#include "display/PauseState.h"

#include <QApplication>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using Kind = FlashDecision::Kind;

namespace {

const QRect screen(0, 0, 1280, 800);

// A moment of March 2026 ("06T10:00": the 6th at ten), or none.
QDateTime at(const char* text)
{
    return *text ? QDateTime::fromString(u"2026-03-"_qs + QLatin1String(text), Qt::ISODate)
                 : QDateTime();
}

} // namespace

// The choice of the next message and of its place, and the window that shows it; what the
// display does when a message is due, in simulated time (pauses, active hours, a full-screen
// window); and the scheduler that reads them, the options and the screens at every tick.
class tst_Display : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nextMessageInEitherOrder()
    {
        ScriptedRandom random;
        qint32 index = 0;
        QList<qsizetype> shown;
        for (int i = 0; i < 7; ++i)
            shown << *FlashPlanner::nextIndex(3, false, index, random);
        QCOMPARE(shown, (QList<qsizetype>{0, 1, 2, 0, 1, 2, 0}));
        QCOMPARE(random.drawn(), 0); // no draw in written order

        // A pool that became shorter starts again at its first message.
        for (const qint32 outside : {5, -4}) {
            index = outside;
            QCOMPARE(FlashPlanner::nextIndex(3, false, index, random), std::optional<qsizetype>(0));
            QCOMPARE(index, 1);
        }
        QVERIFY(!FlashPlanner::nextIndex(0, false, index, random));

        // At random: the draw times the highest index, rounded with halves to even; the
        // written-order position is neither read nor changed.
        for (const auto& [poolSize, r, expected] :
             {std::tuple{2, 0.5f, 0}, {2, 0.5000001f, 1}, {5, 0.625f, 2}, {5, 0.9999999f, 4}}) {
            random.push({r});
            QCOMPARE(FlashPlanner::nextIndex(poolSize, true, index, random),
                     std::optional<qsizetype>(expected));
        }
        QCOMPARE(index, 1);
        // So with the real draws the ends come half as often: an eighth each, the rest a quarter.
        RandomSource real;
        QList<int> counts(5, 0);
        for (int i = 0; i < 400000; ++i)
            ++counts[*FlashPlanner::nextIndex(5, true, index, real)];
        for (int position = 0; position < 5; ++position)
            QVERIFY(qAbs(counts[position] - 400000 / (position % 4 == 0 ? 8 : 4)) < 4000);
    }

    void placement()
    {
        // The primary screen lies right of another one and lower.
        const QRect screen(1920, 100, 1280, 800);
        ScriptedRandom random;
        // Centred: the room left on each side, rounded down; no draw.
        QCOMPARE(FlashPlanner::place(QSize(200, 30), screen, false, random), QPoint(2460, 485));
        QCOMPARE(FlashPlanner::place(QSize(201, 31), screen, false, random), QPoint(2459, 484));
        QCOMPARE(random.drawn(), 0);

        // At random: top is drawn first, then left (schedulerReadsEverythingAtEveryTick puts the
        // highest draws in the far corner of a screen).
        random.push({0.5f, 0.25f});
        QCOMPARE(FlashPlanner::place(QSize(280, 40), screen, true, random), QPoint(2170, 480));
    }

    void showsOnlyTheLettersInAnyColour_data()
    {
        QTest::addColumn<FlashWindow::Kind>("kind");
        QTest::addColumn<QColor>("color");
        for (const auto kind : {FlashWindow::Kind::Shaped, FlashWindow::Kind::Translucent}) {
            const char* name = kind == FlashWindow::Kind::Shaped ? "shaped" : "translucent";
            QTest::addRow("%s, dark red", name) << kind << QColor(Qt::darkRed);
            QTest::addRow("%s, white", name) << kind << QColor(Qt::white);
        }
    }

    void showsOnlyTheLettersInAnyColour()
    {
        QFETCH(FlashWindow::Kind, kind);
        QFETCH(QColor, color);

        // Either kind of window exists before the first message is prepared.
        FlashWindow::Kind asked = kind;
        FlashWindow flash([&] { return asked; });
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([](const QWidget* window) { return window->internalWinId() == 0; });
        QCOMPARE(windows.size(), 2);

        QFont font(u"DejaVu Sans"_qs, 20);
        font.setBold(true);
        const QString text = QStringLiteral("I am calm");
        QVERIFY(flash.prepare(text, font, color, QPoint(100, 200), screen));
        QWidget* window = flash.window();
        QCOMPARE(window->geometry(), QRect(QPoint(100, 200), FlashWindow::textSize(text, font)));

        // Only the letters are part of the window, in the text colour: the shape holds the
        // pixels that are drawn, and a translucent window is clear everywhere else.
        const QImage pixels = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRegion shape = window->mask();
        int letters = 0, holes = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                const QRgb pixel = pixels.pixel(x, y);
                const bool translucent = kind == FlashWindow::Kind::Translucent;
                const bool drawn = translucent ? qAlpha(pixel) > 0 : shape.contains(QPoint(x, y));
                if (!translucent && drawn)
                    QCOMPARE(QColor(pixel), color); // no half-covered pixels in a shape
                letters += qAlpha(pixel) == 255 && QColor(pixel) == color && drawn;
                holes += !drawn;
            }
        }
        QVERIFY(letters > 50);
        QVERIFY(holes > letters); // the background between and around the letters shows

        // The kind is asked for at every message: a compositor that started or stopped while
        // a message was up takes that message down before the next one goes up.
        flash.showFor(1000);
        asked = kind == FlashWindow::Kind::Shaped ? FlashWindow::Kind::Translucent
                                                  : FlashWindow::Kind::Shaped;
        // A message far wider than an X11 window can be is cut at the screen, quickly.
        const QString wide = QString(20000, QLatin1Char('W'));
        QElapsedTimer timer;
        timer.start();
        const QSize size = FlashWindow::textSize(wide, font);
        QVERIFY(flash.prepare(wide, font, color, QPoint((screen.width() - size.width()) / 2, 300),
                              screen));
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!window->isVisible());
        QVERIFY(flash.window() != window);
        QCOMPARE(flash.window()->geometry(), QRect(0, 300, screen.width(), size.height()));
    }

    void decisions_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("pausedUntil");
        QTest::addColumn<QString>("hours"); // "from to days", or empty: no active hours
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<QDateTime>("nextStart");

        const auto row = [](const char* name, const char* now, const char* pausedUntil,
                            const char* hours, bool fullScreen, Kind kind, int waitMs,
                            const char* nextStart = "") {
            QTest::newRow(name) << at(now) << at(pausedUntil) << QString::fromLatin1(hours)
                                << fullScreen << int(kind) << waitMs << at(nextStart);
        };
        const Kind show = Kind::Show, wait = Kind::Wait, skip = Kind::Skip;
        const int longest = FlashGate::longestWaitMilliseconds;
        // The 6th is a Friday; the days are a bit for each, from Monday.
        row("paused: asleep until the end", "06T10:00", "06T10:05", "", false, wait, 300000);
        row("pause at its end: shows", "06T10:05", "06T10:05", "", false, show, 0);
        row("long pause: woken to look again", "06T10:00", "06T23:00", "", false, wait, longest);
        row("paused over a full-screen window: waits", "06T10:00", "06T10:01", "", true, wait,
            60000);
        const char* night = "22:00 06:00 16";
        row("night on Fridays, Friday night", "06T23:00", "", night, false, show, 0, "06T23:00");
        row("night on Fridays, Saturday before six", "07T05:59", "", night, false, show, 0,
            "07T05:59");
        row("night on Fridays, Saturday at six", "07T06:00", "", night, false, wait, longest,
            "13T22:00");
        row("night on Fridays, Friday evening", "06T21:55", "", night, false, wait, 300000,
            "06T22:00");
        row("night on Fridays, Thursday night", "05T23:00", "", night, false, wait, longest,
            "06T22:00");
        const char* mondays = "08:00 08:00 1";
        row("whole Mondays from eight, Monday before", "09T07:59", "", mondays, false, wait, 60000,
            "09T08:00");
        row("whole Mondays from eight, Tuesday before", "10T07:59", "", mondays, false, show, 0,
            "10T07:59");
        row("whole Mondays from eight, Tuesday at eight", "10T08:00", "", mondays, false, wait,
            longest, "16T08:00");
        row("no day chosen reads as every day", "10T12:00", "", "09:00 17:00 0", false, show, 0,
            "10T12:00");
        row("full screen within the hours: skipped", "06T12:00", "", "09:00 17:00 127", true, skip,
            0, "06T12:00");
        row("full screen, nothing else: skipped", "06T12:00", "", "", true, skip, 0);
    }

    void decisions()
    {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, pausedUntil);
        QFETCH(QString, hours);
        QFETCH(bool, fullScreen);
        QFETCH(int, kind);
        QFETCH(int, waitMs);
        QFETCH(QDateTime, nextStart);

        std::optional<ActiveHours> active;
        if (!hours.isEmpty()) {
            const QStringList parts = hours.split(u' ');
            active.emplace(QTime::fromString(parts[0], u"HH:mm"_qs),
                           QTime::fromString(parts[1], u"HH:mm"_qs), quint8(parts[2].toInt()));
            QCOMPARE(active->nextStart(now), nextStart);
        }
        int asked = 0;
        const auto busy = [&] {
            ++asked;
            return fullScreen;
        };
        QCOMPARE(FlashGate::decide(now, pausedUntil, active, busy),
                 (FlashDecision{Kind(kind), waitMs}));
        // The window system is asked only when a message would otherwise go up.
        QCOMPARE(asked, kind == int(Kind::Wait) ? 0 : 1);
    }

    void storedPauseEnds()
    {
        // Pauses end on the minute (tst_app reads the other two lengths off the buttons,
        // and the end kept in UTC back at a restart).
        const QDateTime now = at("06T21:47:10");
        QCOMPARE(PauseState::endFor(PauseState::Length::Hour, now), at("06T22:48"));
        // An end that is over, or further ahead than any pause reaches, or no moment at all,
        // is no pause.
        for (const QString& bad : {PauseState::toText(now.addSecs(-1)), PauseState::toText(now),
                                   PauseState::toText(now.addYears(3)), u"tomorrow"_qs, QString()})
            QVERIFY2(!PauseState::usableEnd(bad, now).isValid(), qPrintable(bad));
    }

    void schedulerReadsEverythingAtEveryTick()
    {
        MessagePool pool;
        for (const QString& message : {u"Alpha"_qs, u"Beta"_qs, u"Gamma"_qs})
            pool.append(message, u"Calm"_qs);
        ScriptedRandom random;
        DisplayOptions options{
            .durationMilliseconds = 20, .randomOrder = false, .randomLocation = false};
        options.font = QFont(u"DejaVu Sans"_qs, 20);
        DisplayScheduler scheduler(
            pool, random, [&] { return options; }, [] { return QRect(); });
        QList<QRect> screens{{0, 0, 1920, 1080}};
        scheduler.setScreens([&] { return screens; });
        FlashDecision decision;
        scheduler.setGate([&] { return decision; });
        QSignalSpy shown(&scheduler, &DisplayScheduler::flashShown);
        scheduler.start(2000);

        // The timer is off while a message is up; when it vanishes a full interval starts.
        scheduler.Timer1_Timer();
        QCOMPARE(shown.last(), (QVariantList{u"Alpha"_qs, u"Calm"_qs}));
        QVERIFY(!scheduler.intervalTimer().isActive());
        QTRY_VERIFY(!scheduler.IsFormLoaded());
        QVERIFY(scheduler.intervalTimer().isActive());

        // A full-screen window: the due message is left out, the next one due an interval on.
        decision = {Kind::Skip};
        scheduler.Timer1_Timer();
        QVERIFY(shown.size() == 1 && !scheduler.IsFormLoaded());
        QVERIFY(scheduler.intervalTimer().isActive());
        QCOMPARE(scheduler.intervalTimer().interval(), 2000);
        // A pause: asleep until it ends, no tick between.
        decision = {Kind::Wait, 300000};
        scheduler.Timer1_Timer();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(scheduler.intervalTimer().interval(), 300000);
        QCOMPARE(random.drawn(), 0);

        // Order, place, font and duration change between two messages, and so do the screens:
        // a smaller one left of the primary and lower. The same message goes on both, each
        // placed at random on its own: top, then left.
        decision = {};
        options = {.durationMilliseconds = 200, .randomOrder = true, .randomLocation = true};
        options.font = QFont(u"DejaVu Sans"_qs, 30);
        screens << QRect(-1024, 300, 1024, 768);
        const float highest = 1.0f - 1e-7f;
        random.push({highest, 0.0f, 0.0f, highest, highest});
        scheduler.Timer1_Timer();
        QCOMPARE(shown.last().first(), u"Gamma"_qs);
        QCOMPARE(random.drawn(), 5);
        const QSize size = FlashWindow::textSize(u"Gamma"_qs, options.font);
        QCOMPARE(scheduler.flashWindow(0)->window()->geometry(), QRect(QPoint(0, 0), size));
        QCOMPARE(
            scheduler.flashWindow(1)->window()->geometry(),
            QRect(screens[1].bottomRight() - QPoint(size.width(), size.height()) + QPoint(1, 1),
                  size));
        QTest::qWait(100);
        QVERIFY(scheduler.flashWindow(0)->isVisible() && scheduler.flashWindow(1)->isVisible());
        // The interval starts again when both have gone, the interval and not the sleep.
        QTRY_VERIFY(!scheduler.IsFormLoaded());
        QCOMPARE(scheduler.intervalTimer().interval(), 2000);

        // A pause that begins while a message is up takes it down at once; so does a stop,
        // after which no message follows.
        scheduler.Timer1_Timer();
        scheduler.restartWait();
        QVERIFY(!scheduler.IsFormLoaded() && scheduler.intervalTimer().isActive());
        scheduler.Timer1_Timer();
        scheduler.stop();
        QVERIFY(!scheduler.IsFormLoaded());
        QTest::qWait(250);
        QVERIFY(!scheduler.intervalTimer().isActive());

        // With no screen left nothing is shown, but the cycle runs on.
        screens.clear();
        scheduler.start(2000);
        scheduler.Timer1_Timer();
        QCOMPARE(shown.size(), 4);
        QVERIFY(!scheduler.IsFormLoaded() && scheduler.intervalTimer().isActive());
    }

    void statisticsKeepOneLineADayAndSurviveBadFiles()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"statistics.txt"_qs);
        const QDate friday(2026, 3, 6);
        {
            FlashStatistics statistics(path);
            for (const auto& [day, file] : {std::pair{friday, u"Calm"_qs},
                                            {friday, u"Calm"_qs},
                                            {friday, u"Health"_qs},
                                            {friday.addDays(-6), u"Calm"_qs},
                                            {friday.addDays(-7), u"Calm"_qs}})
                statistics.count(day, file);
            QVERIFY(statistics.save());
        }
        // More on a day already written: still one line for it.
        FlashStatistics statistics(path);
        statistics.count(friday, u"Calm"_qs);
        QVERIFY(statistics.save());
        QCOMPARE(fileBytes(path), QByteArray("2026-02-27\tCalm\t1\n2026-02-28\tCalm\t1\n"
                                             "2026-03-06\tCalm\t3\tHealth\t1\n"));
        using Counts = FlashStatistics::Counts;
        QCOMPARE(statistics.byFile(friday).value(u"Calm"_qs), (Counts{3, 4, 5}));
        QCOMPARE(statistics.total(friday), (Counts{4, 5, 6}));

        // A damaged line goes, the other days stay, and a damaged day counts again from 0.
        writeFile(path, "2026-02-27\tCalm\t1\n\xff\xfegarbage\n2026-03-06\tCalm\tmany\n");
        FlashStatistics damaged(path);
        damaged.count(friday, u"Calm"_qs);
        QVERIFY(damaged.save());
        QCOMPARE(fileBytes(path), QByteArray("2026-02-27\tCalm\t1\n2026-03-06\tCalm\t1\n"));

        // A file that cannot be written, or is bigger than any written, is left as it is; the
        // counts go on in memory, and reach a file that can be written again.
        damaged.count(friday, u"Calm"_qs);
        {
            const RestrictedPath readOnly(folder.path(), RestrictedPath::readOnlyFolder);
            if (readOnly.holds())
                QVERIFY(!damaged.save());
            QCOMPARE(damaged.total(friday).today, 2);
        }
        QVERIFY(damaged.save());
        QVERIFY(fileBytes(path).endsWith("2026-03-06\tCalm\t2\n"));
        const QByteArray huge(FlashStatistics::maxFileBytes + 1, '1');
        writeFile(path, huge);
        FlashStatistics big(path);
        big.count(friday, u"Calm"_qs);
        QVERIFY(!big.save());
        QCOMPARE(QFileInfo(path).size(), huge.size());
        QCOMPARE(big.total(friday), (Counts{1, 1, 1}));
    }
};

QTEST_MAIN(tst_Display)
#include "tst_display.moc"
