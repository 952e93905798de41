#include "TestFiles.h"
#include "TestServices.h"
#include "platform/UserManual.h"
#include "platform/WebLinks.h"
#include "settings/modHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// "Online Help" opens the manual that came with the program, so that help works
// without a network.
class tst_OnlineHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensTheInstalledManualElseTheWebPage();
    void buildTreeHoldsTheWholeManual();
};

void tst_OnlineHelp::opensTheInstalledManualElseTheWebPage()
{
    // <prefix>/bin beside <prefix>/share/doc/...
    QTemporaryDir prefix;
    const QString programFolder = prefix.filePath(u"bin"_qs);
    const QString page =
        QDir::cleanPath(programFolder + u'/' + QStringLiteral(ZORVAN_MANUAL_FROM_PROGRAM_FOLDER));
    QVERIFY(page.startsWith(prefix.path() + u"/share/"_qs));
    RecordingWebOpener web;
    QVERIFY(QDir().mkpath(page)); // a folder in the manual's place is no manual
    modHelp::OpenOnlineHelp(web, programFolder);
    QVERIFY(QDir().rmdir(page));
    writeFile(page, "<html></html>");
    modHelp::OpenOnlineHelp(web, programFolder);
    QCOMPARE(web.opened, (QList<QUrl>{WebLinks::onlineHelp(), QUrl::fromLocalFile(page)}));
}

void tst_OnlineHelp::buildTreeHoldsTheWholeManual()
{
    // A program started from the build tree finds an up-to-date copy of the manual, with
    // every picture and page it links to in the same places as when installed.
    const QString page = UserManual::find(QStringLiteral(ZORVAN_BUILD_PROGRAM_FOLDER));
    QVERIFY2(!page.isEmpty(), ZORVAN_BUILD_PROGRAM_FOLDER);
    const QByteArray text = fileBytes(page);
    QCOMPARE(text, fileBytes(QStringLiteral(ZORVAN_SOURCE_MANUAL)));

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
