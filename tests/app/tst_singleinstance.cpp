#include "app/SingleInstance.h"

#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

// A first copy that answers is shown by tests/e2e, one that does not by tst_frmall.
class tst_SingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copyThatIsGoneNeverBlocksAStart();
};

void tst_SingleInstance::copyThatIsGoneNeverBlocksAStart()
{
    const QString name = u"zorvan-test-%1"_qs.arg(QCoreApplication::applicationPid());
    // A copy takes the name and dies without letting go of anything.
    const pid_t child = fork();
    if (child == 0) {
        SingleInstance crashed(name);
        _exit(crashed.claim() == SingleInstance::Claim::First ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(WEXITSTATUS(status), 0);

    SingleInstance next(name);
    QCOMPARE(next.claim(), SingleInstance::Claim::First);
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
