#include "app/SingleInstance.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>

using namespace std::chrono_literals;
using Claim = SingleInstance::Claim;

// The first copy runs as another process: this test program, started again as "--hold
// NAME answering|silent"; a silent one holds the name but never reads what comes in.
class tst_SingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void laterCopiesFindTheFirst_data();
    void laterCopiesFindTheFirst();
};

void tst_SingleInstance::laterCopiesFindTheFirst_data()
{
    QTest::addColumn<QString>("first"); // how the first copy behaves
    QTest::addColumn<Claim>("claim");
    QTest::addColumn<bool>("answered");

    QTest::newRow("answering") << u"answering"_qs << Claim::Taken << true;
    QTest::newRow("hung") << u"silent"_qs << Claim::Taken << false;
    QTest::newRow("killed") << u"killed"_qs << Claim::First << false;
}

void tst_SingleInstance::laterCopiesFindTheFirst()
{
    QFETCH(QString, first);
    QFETCH(Claim, claim);
    QFETCH(bool, answered);
    const QString name = u"zorvan-test-%1-%2"_qs.arg(QCoreApplication::applicationPid())
                             .arg(QLatin1String(QTest::currentDataTag()));
    QProcess holder;
    holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    holder.start(QCoreApplication::applicationFilePath(),
                 {u"--hold"_qs, name, first == u"silent"_qs ? first : u"answering"_qs});
    QVERIFY(holder.waitForReadyRead(5000));
    QCOMPARE(holder.readAll(), QByteArray("held\n"));
    if (first == u"killed"_qs) {
        // Ended without letting go of anything: the system lets go for it.
        holder.kill();
        QVERIFY(holder.waitForFinished(5000));
    }

    SingleInstance later(name);
    later.setAnswerTime(500ms);
    QCOMPARE(later.claim(), claim);
    if (claim != Claim::Taken)
        return;
    QElapsedTimer timer;
    timer.start();
    const SingleInstance::Handover handover = later.askFirstCopyToActivate();
    QCOMPARE(handover.answered, answered);
    QCOMPARE(handover.processId, holder.processId());
    QVERIFY(timer.elapsed() < 1500);
    holder.kill();
    holder.waitForFinished(5000);
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--hold") == 0) {
        SingleInstance first(QString::fromLocal8Bit(argv[2]));
        if (first.claim() != Claim::First)
            return 1;
        std::fputs("held\n", stdout);
        std::fflush(stdout);
        if (qstrcmp(argv[3], "silent") == 0) {
            for (;;)
                QThread::sleep(60);
        }
        return application.exec();
    }
    tst_SingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
