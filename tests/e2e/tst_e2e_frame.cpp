#include "TestFiles.h"
#include "TimeLimits.h"
#include "XServer.h"

#include <QDir>
#include <QTest>
#include <csignal>

using namespace std::chrono_literals;

// The real program on an X server of the test's own: its window, a single copy, the way
// out, and the data folder it starts over.
class tst_E2eFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void secondCopyEndsWithoutAWindow();
    void copiesStartedTogetherLeaveOne();
    void terminationSavesEverySetting();
    void newDataFolderIsSeededWithTheSamples();

private:
    std::unique_ptr<XServer> m_server;

    bool mainWindowShown() const
    {
        return XServer::waitFor([&] { return m_server->mainWindowsShown() == 1; }, 10s);
    }
    // Ends the copy as the session would, and checks that it ended well.
    static void terminate(QProcess* copy, int signal = SIGTERM)
    {
        ::kill(pid_t(copy->processId()), signal);
        QVERIFY(copy->waitForFinished(5000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }
};

void tst_E2eFrame::initTestCase()
{
    m_server = std::make_unique<XServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
}

void tst_E2eFrame::secondCopyEndsWithoutAWindow()
{
    ProgramUnderTest program(*m_server);
    QProcess* first = program.start();
    QVERIFY(mainWindowShown());
    const QByteArray settingsBefore = fileBytes(program.settingsFile());

    QElapsedTimer timer;
    timer.start();
    QProcess* second = program.start();
    QVERIFY(second->waitForFinished(2000 * TimeLimits::scale));
    QVERIFY2(timer.elapsed() < 2000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(m_server->mainWindowsShown(), 1);
    QCOMPARE(fileBytes(program.settingsFile()), settingsBefore);
    QCOMPARE(first->state(), QProcess::Running);
}

void tst_E2eFrame::copiesStartedTogetherLeaveOne()
{
    ProgramUnderTest program(*m_server);
    QList<QProcess*> copies;
    for (int i = 0; i < 3; ++i)
        copies << program.start();
    const auto running = [&] {
        return std::count_if(copies.begin(), copies.end(),
                             [](QProcess* copy) { return copy->state() == QProcess::Running; });
    };
    QVERIFY(
        XServer::waitFor([&] { return running() == 1 && m_server->mainWindowsShown() == 1; }, 10s));
    QTest::qWait(300);
    QCOMPARE(running(), 1);
    QCOMPARE(m_server->mainWindowsShown(), 1);
}

void tst_E2eFrame::terminationSavesEverySetting()
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ProgramUnderTest program(*m_server);
        program.storeSetting(u"DispInterval"_qs, u"24"_qs);
        QProcess* copy = program.start();
        QVERIFY(mainWindowShown());
        QVERIFY(!program.setting(u"FontName"_qs).has_value());
        terminate(copy, signal);
        for (const QString& key : ProgramUnderTest::settingKeys)
            QVERIFY2(program.setting(key).has_value(), qPrintable(key));
        QCOMPARE(program.setting(u"DispInterval"_qs), std::optional(u"24"_qs));
        QCOMPARE(program.setting(u"FontName"_qs), std::optional(u"Verdana"_qs));
    }
}

void tst_E2eFrame::newDataFolderIsSeededWithTheSamples()
{
    ProgramUnderTest program(*m_server);
    const QString fresh = program.dataFolder() + u"/fresh"_qs;
    QProcess* copy = program.start({u"--data-dir"_qs, fresh});
    QVERIFY(mainWindowShown());
    terminate(copy);

    const QDir samples(QStringLiteral(ZORVAN_SAMPLES));
    const QStringList shipped = samples.entryList({u"*.txt"_qs}, QDir::Files);
    QVERIFY(shipped.contains(u"FileNames.txt"_qs));
    QVERIFY(shipped.size() > 1);
    for (const QString& name : shipped) {
        const QString seeded =
            fresh + (name == u"FileNames.txt"_qs ? u"/"_qs : u"/plugins/"_qs) + name;
        // The start rewrote the index the same, as every sample it names is there.
        QCOMPARE(fileBytes(seeded), fileBytes(samples.filePath(name)));
    }
}

QTEST_GUILESS_MAIN(tst_E2eFrame)
#include "tst_e2e_frame.moc"
