#include "XServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>

using namespace std::chrono_literals;

// The real program with a goal file it cannot make full sense of.
class tst_E2eGoals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsOverADamagedGoalFileAndLeavesItAlone_data();
    void startsOverADamagedGoalFileAndLeavesItAlone();

private:
    std::unique_ptr<XServer> m_server;
};

void tst_E2eGoals::initTestCase()
{
    m_server = std::make_unique<XServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
}

void tst_E2eGoals::startsOverADamagedGoalFileAndLeavesItAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray goal = "\"Run\",#2026-03-01#,#2026-03-08#,\"Train\",#FALSE#,20\r\n";
    QByteArray noise(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::newRow("binary") << noise;
    QTest::newRow("cut short") << goal + goal.first(40);
    QTest::newRow("enormous") << goal + QByteArray(48 << 20, '"') + "\r\n" + goal;
}

void tst_E2eGoals::startsOverADamagedGoalFileAndLeavesItAlone()
{
    QFETCH(QByteArray, content);
    ProgramUnderTest program(*m_server);
    QVERIFY(QDir().mkpath(program.dataFolder() + u"/plugins"_qs));
    const QString path = program.dataFolder() + u"/goals.txt"_qs;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();

    QProcess* copy = program.start();
    QVERIFY(XServer::waitFor(
        [&] {
            return !m_server->viewableWindowsNamed(ProgramUnderTest::mainWindowCaption()).isEmpty();
        },
        10s));
    ::kill(pid_t(copy->processId()), SIGTERM);
    QVERIFY(copy->waitForFinished(5000));
    QCOMPARE(copy->exitCode(), 0);

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256),
             QCryptographicHash::hash(content, QCryptographicHash::Sha256));
}

QTEST_GUILESS_MAIN(tst_E2eGoals)
#include "tst_e2e_goals.moc"
