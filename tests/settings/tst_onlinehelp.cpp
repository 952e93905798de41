#include "TestServices.h"
#include "platform/UserManual.h"
#include "platform/WebLinks.h"
#include "settings/modHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// "Online Help" opens the manual that came with the program, so that help works
// without a network.
class tst_OnlineHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensTheManualBesideTheProgram_data();
    void opensTheManualBesideTheProgram();
    void buildTreeHoldsTheWholeManual();
};

void tst_OnlineHelp::opensTheManualBesideTheProgram_data()
{
    QTest::addColumn<QString>("installed"); // what stands where the manual belongs
    QTest::addColumn<bool>("opensManual");
    QTest::newRow("installed") << "file" << true;
    QTest::newRow("not installed") << "" << false;
    QTest::newRow("a folder in its place") << "folder" << false;
}

void tst_OnlineHelp::opensTheManualBesideTheProgram()
{
    QFETCH(QString, installed);
    QFETCH(bool, opensManual);

    // <prefix>/bin beside <prefix>/share/doc/...
    QTemporaryDir prefix;
    const QString programFolder = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(programFolder));
    const QString page = QDir::cleanPath(programFolder + QLatin1Char('/') +
                                         QStringLiteral(ZORVAN_MANUAL_FROM_PROGRAM_FOLDER));
    QVERIFY(page.startsWith(prefix.path() + QStringLiteral("/share/")));
    if (installed == QStringLiteral("file")) {
        QVERIFY(QDir().mkpath(QFileInfo(page).path()));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (installed == QStringLiteral("folder")) {
        QVERIFY(QDir().mkpath(page));
    }

    RecordingWebOpener web;
    modHelp::OpenOnlineHelp(web, programFolder);
    QCOMPARE(web.opened,
             QList<QUrl>{opensManual ? QUrl::fromLocalFile(page) : WebLinks::onlineHelp()});
}

void tst_OnlineHelp::buildTreeHoldsTheWholeManual()
{
    // A program started from the build tree finds an up-to-date copy of the manual...
    const QString page = UserManual::find(QStringLiteral(ZORVAN_BUILD_PROGRAM_FOLDER));
    QVERIFY2(!page.isEmpty(), ZORVAN_BUILD_PROGRAM_FOLDER);
    QFile copy(page);
    QFile source(QStringLiteral(ZORVAN_SOURCE_MANUAL));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray text = copy.readAll();
    QCOMPARE(text, source.readAll());

    // ...with every picture and page it links to, in the same places as when installed.
    const QRegularExpression link(QStringLiteral(R"((?:src|href)="([^"#:]+)(?:#[^"]*)?")"));
    int links = 0;
    for (const auto& match : link.globalMatch(QString::fromUtf8(text))) {
        const QString target = QFileInfo(page).dir().filePath(match.captured(1));
        QVERIFY2(QFileInfo(target).isFile(), qPrintable(match.captured(1)));
        ++links;
    }
    QVERIFY(links >= 5);
}

QTEST_GUILESS_MAIN(tst_OnlineHelp)
#include "tst_onlinehelp.moc"
