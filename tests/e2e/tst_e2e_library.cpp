#include "XServer.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace std::chrono_literals;

// The real program and the message files it ships with.
class tst_E2eLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newDataFolderIsSeededWithTheSamples();
};

void tst_E2eLibrary::newDataFolderIsSeededWithTheSamples()
{
    XServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.problem()));
    ProgramUnderTest program(server);
    const QString fresh = program.dataFolder() + QStringLiteral("/fresh");
    program.start({QStringLiteral("--data-dir"), fresh});
    QVERIFY(XServer::waitFor(
        [&] {
            return server.viewableWindowsNamed(ProgramUnderTest::mainWindowCaption()).size() == 1;
        },
        10s));

    const QDir samples(QStringLiteral(ZORVAN_SAMPLES));
    const QStringList shipped = samples.entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(shipped.contains(QStringLiteral("FileNames.txt")));
    QVERIFY(shipped.size() > 1);
    for (const QString& name : shipped) {
        const QString seeded =
            fresh +
            (name == QStringLiteral("FileNames.txt") ? QStringLiteral("/")
                                                     : QStringLiteral("/plugins/")) +
            name;
        QFile original(samples.filePath(name));
        QFile copy(seeded);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(seeded));
        // The start rewrote the index the same, as every sample it names is there.
        QCOMPARE(copy.readAll(), original.readAll());
    }
}

QTEST_GUILESS_MAIN(tst_E2eLibrary)
#include "tst_e2e_library.moc"
