#include "ReadOnlyFolder.h"
#include "TestServices.h"
#include "app/frmAll.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

namespace {

template <typename T> T* child(QObject* window, const char* name)
{
    auto* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no child named %s", name);
    return found;
}

// A click on the button's own mark: the middle of a stretched button is empty space.
void clickOption(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// What the window system sends when the user clicks the window's close box.
void pressCloseBox(QWidget* window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(window, &event);
}

} // namespace

// Starting with the session, the notification icon and the close box, on the main window.
// The tests run without a notification area (offscreen), where the window goes to the
// taskbar instead of behind the icon; tests/e2e show the icon itself.
class tst_DesktopIntegration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void runAtStartUpAndBack();
    void startUpShowsTheStoredChoice_data();
    void startUpShowsTheStoredChoice();
    void entryOfAnOlderFolderIsRewritten();
    void readOnlyAutostartFolderIsReported();
    void startWithTheSession_data();
    void startWithTheSession();
    void closeBoxKeepsTheProgramRunning();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<frmAll> m_window;

    frmAll* load();
    QRadioButton* optRun() { return child<QRadioButton>(m_window.get(), "optRun"); }
    QRadioButton* optDontRun() { return child<QRadioButton>(m_window.get(), "optDontRun"); }
    QCheckBox* chkSysTray() { return child<QCheckBox>(m_window.get(), "chkSysTray"); }
    QSystemTrayIcon* trayIcon() { return m_window->findChild<QSystemTrayIcon*>(); }
    std::optional<QString> storedTrayChoice()
    {
        return m_test->reopenSettings()->value(u"RunAtSysTray"_qs);
    }
    void enterStartupEntry(const QString& folder);
};

void tst_DesktopIntegration::initTestCase()
{
    QPixmap image(16, 16);
    image.fill(Qt::darkRed);
    QApplication::setWindowIcon(QIcon(image));
}

void tst_DesktopIntegration::init()
{
    m_test = std::make_unique<TestServices>();
}

void tst_DesktopIntegration::cleanup()
{
    m_window.reset();
    m_test.reset();
}

frmAll* tst_DesktopIntegration::load()
{
    m_window = std::make_unique<frmAll>(m_test->services(), nullptr);
    if (!m_window->Form_Load())
        return nullptr;
    child<QTabWidget>(m_window.get(), "UserControl1")->setCurrentIndex(2);
    return m_window.get();
}

void tst_DesktopIntegration::enterStartupEntry(const QString& folder)
{
    QVERIFY(!m_test->startup->set(u"ZorvanTest"_qs, folder, true).has_value());
}

void tst_DesktopIntegration::runAtStartUpAndBack()
{
    load();
    QVERIFY(optDontRun()->isChecked());
    QVERIFY(!chkSysTray()->isEnabled());
    QVERIFY(!QFile::exists(m_test->startupEntryFile()));

    clickOption(optRun());
    QVERIFY(optRun()->isChecked());
    const QByteArray entry = m_test->startupEntryText();
    QVERIFY2(entry.contains("\nExec=" + QFile::encodeName(m_test->services().programFolder) +
                            "/ZorvanTest /STARTUP\n"),
             entry.constData());
    QVERIFY(chkSysTray()->isEnabled());
    QVERIFY(!chkSysTray()->isChecked());

    // The tray choice is stored at once, without a save.
    clickOption(chkSysTray());
    QVERIFY(chkSysTray()->isChecked());
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
    QTest::addColumn<bool>("entry");
    QTest::addColumn<QString>("stored"); // "-": nothing stored
    QTest::addColumn<bool>("run");
    QTest::addColumn<bool>("sysTray");

    QTest::newRow("no entry") << false << u"True"_qs << false << false;
    QTest::newRow("entry, tray") << true << u"True"_qs << true << true;
    QTest::newRow("entry, no tray") << true << u"False"_qs << true << false;
    QTest::newRow("entry, nothing stored") << true << u"-"_qs << true << false;
    // Only the text the program writes counts.
    QTest::newRow("entry, lower case") << true << u"true"_qs << true << false;
    QTest::newRow("entry, number") << true << u"1"_qs << true << false;
    QTest::newRow("entry, spaces") << true << u" True"_qs << true << false;
}

void tst_DesktopIntegration::startUpShowsTheStoredChoice()
{
    QFETCH(bool, entry);
    QFETCH(QString, stored);
    QFETCH(bool, run);
    QFETCH(bool, sysTray);

    if (entry)
        enterStartupEntry(m_test->services().programFolder);
    if (stored != u"-"_qs)
        m_test->settings->setValue(u"RunAtSysTray"_qs, stored);
    load();
    QCOMPARE(optRun()->isChecked(), run);
    QCOMPARE(optDontRun()->isChecked(), !run);
    QCOMPARE(chkSysTray()->isEnabled(), run);
    QCOMPARE(chkSysTray()->isChecked(), sysTray);
    QCOMPARE(QFile::exists(m_test->startupEntryFile()), entry);
    QVERIFY(m_test->prompter.asked.isEmpty());

    // A start by the user shows the window, whatever the tray choice.
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QVERIFY(!trayIcon()->isVisible());

    // The choice shown is the choice saved.
    m_window->mnuExit_Click();
    QCOMPARE(storedTrayChoice(), std::optional(sysTray ? u"True"_qs : u"False"_qs));
}

void tst_DesktopIntegration::entryOfAnOlderFolderIsRewritten()
{
    enterStartupEntry(u"/old/place"_qs);
    QVERIFY(m_test->startupEntryText().contains("Exec=/old/place/ZorvanTest /STARTUP"));
    load();
    QVERIFY(optRun()->isChecked());
    const QByteArray entry = m_test->startupEntryText();
    QVERIFY2(entry.contains("\nExec=" + QFile::encodeName(m_test->services().programFolder) +
                            "/ZorvanTest /STARTUP\n"),
             entry.constData());
}

void tst_DesktopIntegration::readOnlyAutostartFolderIsReported()
{
    const QString folder = QFileInfo(m_test->startupEntryFile()).path();
    QDir().mkpath(folder);
    ReadOnlyFolder guard(folder);
    if (!guard.holds())
        QSKIP("permission bits do not bind here");
    load();
    clickOption(optRun());

    QCOMPARE(m_test->prompter.asked.size(), 1);
    const Prompter::Message& message = m_test->prompter.asked.first();
    QCOMPARE(message.text, u"Error 13 setting key\nPermission denied"_qs);
    QCOMPARE(message.buttons, Prompter::Buttons::Ok);
    QCOMPARE(message.icon, Prompter::Icon::None);
    QVERIFY(message.title.isEmpty()); // the program's title

    // Nothing was entered, and the page does not pretend otherwise.
    QVERIFY(!QFileInfo(m_test->startupEntryFile()).exists());
    QVERIFY(optDontRun()->isChecked());
    QVERIFY(!chkSysTray()->isEnabled());
    QVERIFY(!m_test->reopenSettings()->value(u"RunAtSysTray"_qs).has_value());
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

    if (iconOnly) {
        child<QAction>(m_window.get(), "mnuPop")->trigger();
        QVERIFY(!m_window->isMinimized());
        QVERIFY(!trayIcon()->isVisible());
    }
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
