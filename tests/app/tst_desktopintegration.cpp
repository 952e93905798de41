#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "app/frmAll.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

// Starting with the session, the notification icon and the close box, on the main window.
// The tests run without a notification area (offscreen), where the window goes to the
// taskbar instead of behind the icon; tests/e2e show the icon itself.
class tst_DesktopIntegration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { m_test = std::make_unique<TestServices>(); }
    void cleanup();

    void runAtStartUpAndBack();
    void startUpShowsTheStoredChoice_data();
    void startUpShowsTheStoredChoice();
    void readOnlyAutostartFolderIsReported();
    void startWithTheSession_data();
    void startWithTheSession();
    void closeBoxKeepsTheProgramRunning();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<frmAll> m_window;

    void load();
    QRadioButton* optRun() const { return child<QRadioButton>(m_window.get(), "optRun"); }
    QRadioButton* optDontRun() const { return child<QRadioButton>(m_window.get(), "optDontRun"); }
    QCheckBox* chkSysTray() const { return child<QCheckBox>(m_window.get(), "chkSysTray"); }
    QSystemTrayIcon* trayIcon() const { return m_window->findChild<QSystemTrayIcon*>(); }
    std::optional<QString> storedTrayChoice() const
    {
        return m_test->reopenSettings()->value(u"RunAtSysTray"_qs);
    }
    QByteArray entry() const { return fileBytes(m_test->startupEntryFile()); }
    QByteArray execLine() const
    {
        return "\nExec=" + QFile::encodeName(m_test->services().programFolder) +
               "/ZorvanTest /STARTUP\n";
    }
    void enterStartupEntry(const QString& folder) const
    {
        QVERIFY(!m_test->startup->set(u"ZorvanTest"_qs, folder, true).has_value());
    }
};

void tst_DesktopIntegration::initTestCase()
{
    QPixmap image(16, 16);
    image.fill(Qt::darkRed);
    QApplication::setWindowIcon(QIcon(image));
}

void tst_DesktopIntegration::cleanup()
{
    m_window.reset();
    m_test.reset();
}

void tst_DesktopIntegration::load()
{
    m_window = std::make_unique<frmAll>(m_test->services(), nullptr);
    QVERIFY(m_window->Form_Load());
    QVERIFY(m_test->prompter.asked.isEmpty());
}

void tst_DesktopIntegration::runAtStartUpAndBack()
{
    load();
    QVERIFY(!QFile::exists(m_test->startupEntryFile()));
    clickOption(optRun());
    QVERIFY(optRun()->isChecked());
    QVERIFY2(entry().contains(execLine()), entry().constData());
    QVERIFY(chkSysTray()->isEnabled());
    QVERIFY(!chkSysTray()->isChecked());

    // The tray choice is stored at once, without a save.
    clickOption(chkSysTray());
    QCOMPARE(storedTrayChoice(), std::optional(u"True"_qs));
    clickOption(chkSysTray());
    QCOMPARE(storedTrayChoice(), std::optional(u"False"_qs));
    clickOption(chkSysTray());

    clickOption(optDontRun());
    QVERIFY(!QFile::exists(m_test->startupEntryFile()));
    QVERIFY(!chkSysTray()->isChecked());
    QVERIFY(!chkSysTray()->isEnabled());
    QCOMPARE(storedTrayChoice(), std::optional(u"False"_qs));
    QVERIFY(m_test->prompter.asked.isEmpty());
}

void tst_DesktopIntegration::startUpShowsTheStoredChoice_data()
{
    QTest::addColumn<QString>("entryFolder"); // empty: no entry
    QTest::addColumn<QString>("stored");      // "-": nothing stored
    QTest::addColumn<bool>("sysTray");

    QTest::newRow("no entry") << QString() << u"True"_qs << false;
    QTest::newRow("entry, tray") << u"here"_qs << u"True"_qs << true;
    QTest::newRow("entry, no tray") << u"here"_qs << u"False"_qs << false;
    QTest::newRow("entry, nothing stored") << u"here"_qs << u"-"_qs << false;
    // Only the text the program writes counts.
    QTest::newRow("entry, lower case") << u"here"_qs << u"true"_qs << false;
    QTest::newRow("entry, number") << u"here"_qs << u"1"_qs << false;
    QTest::newRow("entry, spaces") << u"here"_qs << u" True"_qs << false;
    // A program that moved puts itself into the entry of its older place.
    QTest::newRow("entry of an older folder") << u"/old/place"_qs << u"True"_qs << true;
}

void tst_DesktopIntegration::startUpShowsTheStoredChoice()
{
    QFETCH(QString, entryFolder);
    QFETCH(QString, stored);
    QFETCH(bool, sysTray);
    if (!entryFolder.isEmpty())
        enterStartupEntry(entryFolder == u"here"_qs ? m_test->services().programFolder
                                                    : entryFolder);
    if (stored != u"-"_qs)
        m_test->settings->setValue(u"RunAtSysTray"_qs, stored);
    load();
    const bool run = !entryFolder.isEmpty();
    QCOMPARE(optRun()->isChecked(), run);
    QCOMPARE(optDontRun()->isChecked(), !run);
    QCOMPARE(chkSysTray()->isEnabled(), run);
    QCOMPARE(chkSysTray()->isChecked(), sysTray);
    QCOMPARE(entry().contains(execLine()), run);

    // A start by the user shows the window, whatever the tray choice.
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QVERIFY(!trayIcon()->isVisible());

    // The choice shown is the choice saved.
    m_window->mnuExit_Click();
    QCOMPARE(storedTrayChoice(), std::optional(sysTray ? u"True"_qs : u"False"_qs));
}

void tst_DesktopIntegration::readOnlyAutostartFolderIsReported()
{
    const QString folder = QFileInfo(m_test->startupEntryFile()).path();
    QDir().mkpath(folder);
    RestrictedPath guard(folder, RestrictedPath::readOnlyFolder);
    if (!guard.holds())
        QSKIP("permission bits do not bind here");
    load();
    clickOption(optRun());

    QCOMPARE(m_test->prompter.asked.size(), 1);
    QCOMPARE(m_test->prompter.asked.first().text, u"Error 13 setting key\nPermission denied"_qs);
    QCOMPARE(m_test->prompter.asked.first().buttons, Prompter::Buttons::Ok);

    // Nothing was entered, and the page does not pretend otherwise.
    QVERIFY(!QFileInfo::exists(m_test->startupEntryFile()));
    QVERIFY(optDontRun()->isChecked());
    QVERIFY(!chkSysTray()->isEnabled());
    QVERIFY(!storedTrayChoice().has_value());
}

void tst_DesktopIntegration::startWithTheSession_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("sysTray");
    QTest::addColumn<bool>("iconOnly");

    QTest::newRow("session start, tray") << QStringList{u"/STARTUP"_qs} << true << true;
    QTest::newRow("session start, no tray") << QStringList{u"/STARTUP"_qs} << false << false;
    QTest::newRow("user start, tray") << QStringList() << true << false;
    QTest::newRow("switch among others")
        << QStringList{u"--data-dir"_qs, u"/x"_qs, u"/STARTUP"_qs} << true << true;
    QTest::newRow("switch inside a word") << QStringList{u"x/STARTUPx"_qs} << true << true;
    QTest::newRow("other letter case") << QStringList{u"/startup"_qs} << true << false;
}

void tst_DesktopIntegration::startWithTheSession()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, sysTray);
    QFETCH(bool, iconOnly);
    enterStartupEntry(m_test->services().programFolder);
    m_test->settings->setValue(u"RunAtSysTray"_qs, sysTray ? u"True"_qs : u"False"_qs);
    m_test->arguments = arguments;
    load();
    QCOMPARE(trayIcon()->isVisible(), iconOnly);
    // With no notification area to hide behind, the window waits on the taskbar.
    QCOMPARE(m_window->isMinimized(), iconOnly);
    QVERIFY(m_window->isVisible());

    child<QAction>(m_window.get(), "mnuPop")->trigger();
    QVERIFY(!m_window->isMinimized());
    QVERIFY(!trayIcon()->isVisible());
}

void tst_DesktopIntegration::closeBoxKeepsTheProgramRunning()
{
    load();
    QSignalSpy ended(m_window.get(), &frmAll::programEnded);
    pressCloseBox(m_window.get());
    QCOMPARE(ended.count(), 0);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->isMinimized());
    QVERIFY(trayIcon()->isVisible());
    QCOMPARE(trayIcon()->toolTip(), u"Recent"_qs);
    QVERIFY(!m_test->reopenSettings()->value(u"AutoDisplay"_qs).has_value());

    child<QAction>(m_window.get(), "mnuPop")->trigger();
    QVERIFY(!m_window->isMinimized());
    QVERIFY(!trayIcon()->isVisible());

    // The icon's "Exit" ends the program, saves and takes the icon away.
    pressCloseBox(m_window.get());
    child<QAction>(m_window.get(), "mnuExit1")->trigger();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!trayIcon()->isVisible());
    QCOMPARE(m_test->reopenSettings()->value(u"AutoDisplay"_qs), std::optional(u"False"_qs));
}

QTEST_MAIN(tst_DesktopIntegration)
#include "tst_desktopintegration.moc"
