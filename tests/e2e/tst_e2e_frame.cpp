#include "TestFiles.h"
#include "TimeLimits.h"
#include "XServer.h"

#include <QTest>
#include <csignal>

using namespace std::chrono_literals;

// The real program on an X server of the test's own: its window, a single copy and the
// way out.
class tst_E2eFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void oneCopyRunsAndALaterOneEndsWithoutAWindow();
    void terminationSavesEverySetting();

private:
    std::unique_ptr<XServer> m_server;
};

void tst_E2eFrame::initTestCase()
{
    m_server = std::make_unique<XServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
}

void tst_E2eFrame::oneCopyRunsAndALaterOneEndsWithoutAWindow()
{
    // Copies started together leave exactly one.
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

    // A later copy ends within 2 s, shows no window and writes nothing.
    const QByteArray settingsBefore = fileBytes(program.settingsFile());
    QElapsedTimer timer;
    timer.start();
    QProcess* later = program.start();
    QVERIFY(later->waitForFinished(2000 * TimeLimits::scale));
    QVERIFY2(timer.elapsed() < 2000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(later->exitStatus(), QProcess::NormalExit);
    QCOMPARE(later->exitCode(), 0);
    QCOMPARE(m_server->mainWindowsShown(), 1);
    QCOMPARE(fileBytes(program.settingsFile()), settingsBefore);
    QCOMPARE(running(), 1);
}

void tst_E2eFrame::terminationSavesEverySetting()
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ProgramUnderTest program(*m_server);
        program.storeSetting(u"DispInterval"_qs, u"24"_qs);
        QProcess* copy = program.start();
        QVERIFY(XServer::waitFor([&] { return m_server->mainWindowsShown() == 1; }, 10s));
        QVERIFY(!program.setting(u"FontName"_qs).has_value());
        ::kill(pid_t(copy->processId()), signal);
        QVERIFY(copy->waitForFinished(5000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        for (const QString& key : ProgramUnderTest::settingKeys)
            QVERIFY2(program.setting(key).has_value(), qPrintable(key));
        QCOMPARE(program.setting(u"DispInterval"_qs), std::optional(u"24"_qs));
        QCOMPARE(program.setting(u"FontName"_qs), std::optional(u"Verdana"_qs));
    }
}

QTEST_GUILESS_MAIN(tst_E2eFrame)
#include "tst_e2e_frame.moc"
