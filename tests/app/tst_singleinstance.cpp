#include "app/SingleInstance.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

class tst_SingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copyThatIsGoneNeverBlocksAStart();
    void nobodyToReachEndsInTime();
};

void tst_SingleInstance::copyThatIsGoneNeverBlocksAStart()
{
#ifdef Q_OS_WIN
    QSKIP("No fork() on Windows to leave a lock behind with");
#else
    QTemporaryDir folder;
    // A copy takes the lock and dies without letting it go.
    const pid_t child = fork();
    if (child == 0) {
        SingleInstance crashed(u"copy"_qs, folder.path());
        _exit(crashed.claim() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(QFile::exists(folder.filePath(u"copy.lock"_qs)));

    SingleInstance next(u"copy"_qs, folder.path());
    QVERIFY(next.claim());
#endif
}

void tst_SingleInstance::nobodyToReachEndsInTime()
{
    QTemporaryDir folder;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!SingleInstance(u"copy"_qs, folder.path()).askFirstCopyToActivate(300));
    QVERIFY(timer.elapsed() < 1500);
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
