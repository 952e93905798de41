// The program's start-up, memory and display figures, measured from outside on an X
// server of the test's own, beside those of bare Qt Widgets programs. Slow: run with
// `ctest --preset timing`. ZORVAN_TIMING_FLASHES sets the number of flashes per duration
// (default 50). soak() runs only with ZORVAN_SOAK_MINUTES set (`ctest --preset soak`).
#include "FlashObserver.h"
#include "TestFiles.h"
#include "XServer.h"

#include <QTest>
#include <algorithm>
#include <numeric>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Processor time (user + system) the process has used, in ms.
double cpuMs(qint64 pid)
{
    const QList<QByteArray> fields = fileBytes(u"/proc/%1/stat"_qs.arg(pid)).split(' ');
    return (fields.value(13).toDouble() + fields.value(14).toDouble()) * 1000.0 /
           double(sysconf(_SC_CLK_TCK));
}

// A line of /proc/<pid>/status in MB, e.g. "VmRSS:" or "RssAnon:".
double statusMb(qint64 pid, const QByteArray& key)
{
    const QByteArray status = fileBytes(u"/proc/%1/status"_qs.arg(pid));
    const qsizetype at = status.indexOf(key);
    return at < 0 ? 0
                  : status.mid(at + key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
}

void prepareMessages(const ProgramUnderTest& program, int files = 1, int perFile = 200)
{
    QList<std::pair<QString, QByteArray>> written;
    for (int file = 0; file < files; ++file) {
        QByteArray messages;
        for (int i = 0; i < perFile; ++i)
            messages += "\"I am calm and strong, " + QByteArray::number(i) + "\",#TRUE#\r\n";
        written.append({u"Calm %1"_qs.arg(file), messages});
    }
    writeMessageFiles(program.dataFolder(), written);
}

// Starts the display at once, at the interval and duration at those places in their
// lists (0: "2" seconds, 20 ms), with the settings of more besides.
QProcess* startDisplay(ProgramUnderTest& program, int intervalPosition, int durationPosition,
                       const QByteArray& more = {})
{
    program.storeSettings("AutoDisplay=True\nDispInterval=" + QByteArray::number(intervalPosition) +
                          "\nDispDuration=" + QByteArray::number(durationPosition) + '\n' + more);
    return program.start();
}

} // namespace

class tst_FlashTiming : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startUpAndIdleMemory_data();
    void startUpAndIdleMemory();
    void timeOnScreenAndBetween_data();
    void timeOnScreenAndBetween();
    void idleProcessorTime();
    void soak();

private:
    std::unique_ptr<XServer> m_server;
    // The same screen under a window manager and a compositing manager.
    std::unique_ptr<XServer> m_compositing;
    int m_flashes = 50;
};

void tst_FlashTiming::initTestCase()
{
    m_server = std::make_unique<XServer>(QSize(1920, 1080));
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
    m_compositing = std::make_unique<XServer>(QSize(1920, 1080));
    QVERIFY2(m_compositing->isRunning(), qPrintable(m_compositing->problem()));
    QVERIFY(m_compositing->startClient(u"openbox"_qs) &&
            m_compositing->startClient(u"xcompmgr"_qs));
    QTRY_VERIFY_WITH_TIMEOUT(m_compositing->selectionOwned("WM_S") &&
                                 m_compositing->selectionOwned("_NET_WM_CM_S"),
                             10000);
    if (const int flashes = qEnvironmentVariableIntValue("ZORVAN_TIMING_FLASHES"))
        m_flashes = flashes;
}

void tst_FlashTiming::startUpAndIdleMemory_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("medianLimitMs"); // 0: only measured
    QTest::newRow("program") << QStringLiteral(ZORVAN_EXECUTABLE)
                             << ProgramUnderTest::mainWindowCaption() << 150.0;
    QTest::newRow("bare Qt Widgets")
        << QStringLiteral(ZORVAN_BARE_QT_WIDGETS) << QStringLiteral("Bare Qt Widgets") << 0.0;
}

void tst_FlashTiming::startUpAndIdleMemory()
{
    QFETCH(QString, executable);
    QFETCH(QString, caption);
    QFETCH(double, medianLimitMs);

    // One data folder for every start: the first start seeds it with the sample files,
    // as a new user's first start does; the figures are those of the starts after it.
    // The bare program ignores the folder.
    ProgramUnderTest program(*m_server);
    QList<double> startUps;
    double resident = 0, own = 0;
    for (int start = 0; start < 12; ++start) {
        FlashObserver observer(m_server->displayName());
        QProcess copy;
        copy.setProcessEnvironment(program.environment());
        copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const double spawned = FlashObserver::now();
        copy.start(executable, {u"--data-dir"_qs, program.dataFolder()});
        QVERIFY(copy.waitForStarted(5000));
        QList<FlashObserver::Flash> shown;
        QVERIFY(XServer::waitFor(
            [&] {
                return !(shown = observer.flashesNamed(caption, /*stillMappedToo=*/true)).isEmpty();
            },
            10s));
        if (start > 0)
            startUps << shown.first().mappedAt - spawned;
        if (start == 1) {
            QTest::qWait(3000);
            resident = statusMb(copy.processId(), "VmRSS:");
            own = statusMb(copy.processId(), "RssAnon:");
        }
        // One copy at a time: a second copy of the program would only wake the first.
        copy.terminate();
        QVERIFY(copy.waitForFinished(10000));
    }
    qInfo("start-up to the window on screen over %d starts: median %.1f ms, %.1f to %.1f ms; "
          "idle after 3 s: resident %.1f MB, of it %.1f MB its own (anonymous)",
          int(startUps.size()), percentile(startUps, 0.5), percentile(startUps, 0.0),
          percentile(startUps, 1.0), resident, own);
    if (medianLimitMs > 0)
        QVERIFY(percentile(startUps, 0.5) < medianLimitMs);
}

void tst_FlashTiming::timeOnScreenAndBetween_data()
{
    QTest::addColumn<bool>("compositing");
    QTest::addColumn<bool>("bare");    // the bare Qt baseline: only measured
    QTest::addColumn<int>("position"); // in the duration list
    QTest::addColumn<double>("requested");
    for (const bool compositing : {false, true}) {
        for (const bool bare : {false, true}) {
            const QString who = QString(compositing ? u"compositing, "_qs : u"bare X, "_qs) +
                                (bare ? u"bare Qt, "_qs : QString());
            QTest::addRow("%s20 ms", qPrintable(who)) << compositing << bare << 0 << 20.0;
            QTest::addRow("%s60 ms", qPrintable(who)) << compositing << bare << 2 << 60.0;
            QTest::addRow("%s200 ms", qPrintable(who)) << compositing << bare << 7 << 200.0;
        }
    }
}

void tst_FlashTiming::timeOnScreenAndBetween()
{
    QFETCH(bool, compositing);
    QFETCH(bool, bare);
    QFETCH(int, position);
    QFETCH(double, requested);

    XServer& server = compositing ? *m_compositing : *m_server;
    ProgramUnderTest program(server);
    prepareMessages(program);
    FlashObserver observer(server.displayName());
    QProcess baseline;
    baseline.setProcessEnvironment(program.environment());
    if (bare)
        baseline.start(QStringLiteral(ZORVAN_BARE_QT_FLASH), {QString::number(requested)});
    QProcess* copy = bare ? &baseline : startDisplay(program, 0, position, "FontSize=28\n");
    const QString caption = bare ? u"Bare Qt Flash"_qs : ProgramUnderTest::flashCaption();

    const auto seconds = std::chrono::seconds(int(m_flashes * (2.0 + requested / 1000.0)) + 15);
    double rss = 0;
    QVERIFY(XServer::waitFor(
        [&] {
            rss = std::max(rss, statusMb(copy->processId(), "VmRSS:"));
            return observer.flashesNamed(caption).size() >= m_flashes;
        },
        seconds));

    const QList<FlashObserver::Flash> flashes = observer.flashesNamed(caption);
    // From the first paint to the unmap, the first flash included.
    const QList<double> shown = FlashObserver::shownTimes(flashes);
    QList<double> toPaint;
    for (const FlashObserver::Flash& flash : flashes)
        toPaint << flash.mapToPaintMs();
    const auto unpainted = std::count(shown.begin(), shown.end(), 0.0);
    const QList<double> gaps = FlashObserver::gaps(flashes);
    // Drift: the mean gap of the last ten against that of the first ten.
    const auto mean = [](auto first, auto last) {
        return std::accumulate(first, last, 0.0) / double(std::max<qsizetype>(1, last - first));
    };
    const qsizetype ten = std::min<qsizetype>(10, gaps.size() / 2);
    const double drift =
        mean(gaps.end() - ten, gaps.end()) - mean(gaps.begin(), gaps.begin() + ten);
    qInfo("%d flashes of %.0f ms: on screen median %.2f ms, 95%% %.2f, max %.2f, first %.2f, "
          "never painted %d; map to paint median %.2f ms, max %.2f; "
          "gap median %.2f ms, min %.2f, max %.2f; drift %.2f ms; resident %.1f MB",
          int(flashes.size()), requested, percentile(shown, 0.5), percentile(shown, 0.95),
          percentile(shown, 1.0), shown.value(0), int(unpainted), percentile(toPaint, 0.5),
          percentile(toPaint, 1.0), percentile(gaps, 0.5), percentile(gaps, 0.0),
          percentile(gaps, 1.0), drift, rss);
    if (bare) {
        baseline.kill();
        QVERIFY(baseline.waitForFinished(5000));
        return;
    }
    // Within 2 ms either way: a shorter duration from the list fails too.
    QCOMPARE(unpainted, 0);
    QVERIFY(qAbs(percentile(shown, 0.5) - requested) <= 2.0);
    QVERIFY(percentile(shown, 1.0) - requested <= 5.0);
    QVERIFY(percentile(toPaint, 0.5) < 2.0);
    QVERIFY(qAbs(percentile(gaps, 0.5) - 2000.0) <= 10.0);
    QVERIFY(qAbs(drift) <= 2.0);
    QVERIFY(rss < 40.0);
}

void tst_FlashTiming::idleProcessorTime()
{
    // Interval "60": nothing is shown during the first minute, the program only waits.
    ProgramUnderTest program(*m_server);
    prepareMessages(program);
    QProcess* copy = startDisplay(program, 12, 0);
    QVERIFY(XServer::waitFor([&] { return m_server->mainWindowsShown() == 1; }, 10s));
    QTest::qWait(3000); // let the start settle
    const double before = cpuMs(copy->processId());
    const int waitMs = 40000;
    QTest::qWait(waitMs);
    const double used = cpuMs(copy->processId()) - before;
    qInfo("waiting: %.0f ms of processor time in %d s = %.4f%% of one core", used, waitMs / 1000,
          100.0 * used / waitMs);
    QVERIFY(100.0 * used / waitMs < 0.05);
}

void tst_FlashTiming::soak()
{
    const double minutes = qEnvironmentVariable("ZORVAN_SOAK_MINUTES").toDouble();
    if (minutes <= 0)
        QSKIP("ZORVAN_SOAK_MINUTES is not set");
    ProgramUnderTest program(*m_server);
    prepareMessages(program, 10, 1000);
    FlashObserver observer(m_server->displayName());
    QProcess* copy = startDisplay(program, 0, 0);
    const QString caption = ProgramUnderTest::flashCaption();
    QVERIFY(XServer::waitFor([&] { return !observer.flashesNamed(caption).isEmpty(); }, 30s));

    // Memory once a minute: the first minute makes whatever the display keeps.
    QList<double> resident, own;
    for (int minute = 0; minute <= minutes; ++minute) {
        if (minute > 0)
            QTest::qWait(60000);
        QVERIFY2(copy->state() == QProcess::Running, "the program ended");
        resident << statusMb(copy->processId(), "VmRSS:");
        own << statusMb(copy->processId(), "RssAnon:");
    }
    const QList<FlashObserver::Flash> flashes = observer.flashesNamed(caption);
    const QList<double> gaps = FlashObserver::gaps(flashes);
    // A gap with room for another flash in it is a flash that never came.
    int missed = 0;
    for (const double gap : gaps)
        missed += int((gap - 2000.0) / 2020.0 + 0.5);
    const double longestGap = percentile(gaps, 1.0);
    const double longestShown = percentile(FlashObserver::shownTimes(flashes), 1.0);
    qInfo("%.0f minutes: %d flashes, %d missed, longest gap %.1f ms, longest on screen %.1f ms; "
          "resident %.1f MB after a minute, %.1f MB at the end (max %.1f), its own %.1f -> %.1f MB",
          minutes, int(flashes.size()), missed, longestGap, longestShown, resident.value(1),
          resident.last(), *std::max_element(resident.begin(), resident.end()), own.value(1),
          own.last());
    QCOMPARE(missed, 0);
    QVERIFY(longestGap < 2100);
    QVERIFY(longestShown < 40);
    QVERIFY(own.last() - own.value(1) < 1.0);
}

QTEST_GUILESS_MAIN(tst_FlashTiming)
#include "tst_flash_timing.moc"
