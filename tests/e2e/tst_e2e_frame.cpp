#include "TimeLimits.h"
#include "XServer.h"

#include <QTest>
#include <csignal>

using namespace std::chrono_literals;

// The real program on an X server of the test's own.
class tst_E2eFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void mainWindowAppearsWithItsCaption();
    void secondCopyEndsWithoutAWindow();
    void copiesStartedTogetherLeaveOne();
    void terminationSavesEverySetting();

private:
    std::unique_ptr<XServer> m_server;

    bool mainWindowShown(int count = 1) const
    {
        return m_server->viewableWindowsNamed(ProgramUnderTest::mainWindowCaption()).size() ==
               count;
    }
};

void tst_E2eFrame::initTestCase()
{
    m_server = std::make_unique<XServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
}

void tst_E2eFrame::mainWindowAppearsWithItsCaption()
{
    ProgramUnderTest program(*m_server);
    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor([&] { return mainWindowShown(); }, 10s));
    const XWindow window =
        m_server->viewableWindowsNamed(ProgramUnderTest::mainWindowCaption()).first();
    QVERIFY(window.geometry.width() >= 558 && window.geometry.height() >= 467);
    QCOMPARE(copy->state(), QProcess::Running);
}

void tst_E2eFrame::secondCopyEndsWithoutAWindow()
{
    ProgramUnderTest program(*m_server);
    program.start();
    QVERIFY(XServer::waitFor([&] { return mainWindowShown(); }, 10s));
    const QByteArray settingsBefore = [&] {
        QFile file(program.settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    QElapsedTimer timer;
    timer.start();
    QProcess* second = program.start();
    QVERIFY(second->waitForFinished(2000 * TimeLimits::scale));
    QVERIFY2(timer.elapsed() < 2000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(mainWindowShown(1));

    QFile file(program.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), settingsBefore);
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
    QVERIFY(XServer::waitFor([&] { return running() == 1 && mainWindowShown(1); }, 10s));
    QTest::qWait(300);
    QCOMPARE(running(), 1);
    QVERIFY(mainWindowShown(1));
}

void tst_E2eFrame::terminationSavesEverySetting()
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ProgramUnderTest program(*m_server);
        program.storeSetting(QStringLiteral("DispInterval"), QStringLiteral("24"));
        QProcess* copy = program.start();
        QVERIFY(XServer::waitFor([&] { return mainWindowShown(); }, 10s));
        QVERIFY(!program.setting(QStringLiteral("FontName")).has_value());

        ::kill(pid_t(copy->processId()), signal);
        QVERIFY(copy->waitForFinished(3000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        const QStringList keys = {u"AutoDisplay"_qs,   u"DispInterval"_qs,   u"DispDuration"_qs,
                                  u"RandomMessage"_qs, u"RandomLocation"_qs, u"FontColor"_qs,
                                  u"FontName"_qs,      u"FontBold"_qs,       u"FontItalic"_qs,
                                  u"FontSize"_qs,      u"Strikethrough"_qs,  u"Underline"_qs,
                                  u"RunAtSysTray"_qs};
        for (const QString& key : keys)
            QVERIFY2(program.setting(key).has_value(), qPrintable(key));
        QCOMPARE(program.setting(u"DispInterval"_qs), std::optional(u"24"_qs));
        QCOMPARE(program.setting(u"FontName"_qs), std::optional(u"Verdana"_qs));
    }
}

QTEST_GUILESS_MAIN(tst_E2eFrame)
#include "tst_e2e_frame.moc"
