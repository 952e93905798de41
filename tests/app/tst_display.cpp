#include "TestServices.h"
#include "app/frmAll.h"
#include "display/DisplayScheduler.h"
#include "display/FlashWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// Starting and stopping the display from the main window.
class tst_Display : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startAndStopFromEitherButton();
    void theStoreKeepsTheStateFromBeforeTheClick();
    void withoutAnIndexNothingStarts();
    void writtenOrderGoesOnAcrossStopsAndStarts();
    void intervalIsReadOnlyAtStart();
    void displayResumesAtStartUp();
    void closingTheProgramEndsTheDisplay();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<frmAll> m_window;

    frmAll* load();
    DisplayScheduler* scheduler() const { return m_window->findChild<DisplayScheduler*>(); }
    QPushButton* button(const char* name) const
    {
        return m_window->findChild<QPushButton*>(QLatin1String(name));
    }
    // The text of the next message, shown at the tick of the interval timer.
    QString tick() const;
};

void tst_Display::init()
{
    m_test = std::make_unique<TestServices>();
    write(m_test->path(u"plugins/Calm.txt"_qs), "\"A\",#TRUE#\r\n\"B\",#TRUE#\r\n\"C\",#TRUE#\r\n");
    write(m_test->path(u"FileNames.txt"_qs), "\"Calm\",#TRUE#\r\n");
    m_test->settings->setValue(u"RandomMessage"_qs, u"1"_qs); // as written
    m_test->settings->setValue(u"RandomLocation"_qs, u"1"_qs);
}

void tst_Display::cleanup()
{
    m_window.reset();
    m_test.reset();
}

frmAll* tst_Display::load()
{
    m_window = std::make_unique<frmAll>(m_test->services(), nullptr);
    return m_window->Form_Load() ? m_window.get() : nullptr;
}

QString tst_Display::tick() const
{
    QSignalSpy shown(scheduler(), &DisplayScheduler::flashShown);
    scheduler()->Timer1_Timer();
    scheduler()->flashWindow()->cancel();
    scheduler()->start(scheduler()->intervalTimer().interval());
    return shown.isEmpty() ? QString() : shown.first().first().toString();
}

void tst_Display::startAndStopFromEitherButton()
{
    QVERIFY(load());
    const QString start = u"Start Showing Subliminal Messages"_qs;
    QCOMPARE(button("cmdStart")->text(), start);
    QVERIFY(!scheduler()->isRunning());

    QTest::mouseClick(button("cmdNext"), Qt::LeftButton);
    QCOMPARE(button("cmdStart")->text(), u"Stop"_qs);
    QCOMPARE(button("cmdNext")->text(), u"Stop"_qs);
    QVERIFY(scheduler()->intervalTimer().isActive());
    QCOMPARE(scheduler()->intervalTimer().interval(), 5000);
    QVERIFY(!scheduler()->IsFormLoaded()); // the first message comes one interval later

    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(button("cmdStart")->text(), start);
    QCOMPARE(button("cmdNext")->text(), start);
    QVERIFY(!scheduler()->intervalTimer().isActive());
}

void tst_Display::theStoreKeepsTheStateFromBeforeTheClick()
{
    QVERIFY(load());
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(m_test->reopenSettings()->value(u"AutoDisplay"_qs), std::optional(u"False"_qs));
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(m_test->reopenSettings()->value(u"AutoDisplay"_qs), std::optional(u"True"_qs));
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    m_window->cmdSaveSettings_Click();
    QCOMPARE(m_test->reopenSettings()->value(u"AutoDisplay"_qs), std::optional(u"True"_qs));
}

void tst_Display::withoutAnIndexNothingStarts()
{
    QVERIFY(QFile::remove(m_test->path(u"FileNames.txt"_qs)));
    QVERIFY(load());
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(button("cmdStart")->text(), u"Start Showing Subliminal Messages"_qs);
    QVERIFY(!scheduler()->isRunning());
    QVERIFY(m_test->prompter.asked.isEmpty());
}

void tst_Display::writtenOrderGoesOnAcrossStopsAndStarts()
{
    QVERIFY(load());
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(tick(), u"A"_qs);
    QCOMPARE(tick(), u"B"_qs);
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton); // stop
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton); // start again
    QCOMPARE(tick(), u"C"_qs);
    QCOMPARE(tick(), u"A"_qs);

    // Messages unchecked while stopped are gone at the next start; the position wraps.
    write(m_test->path(u"plugins/Calm.txt"_qs),
          "\"A\",#TRUE#\r\n\"B\",#FALSE#\r\n\"C\",#FALSE#\r\n");
    QCOMPARE(tick(), u"B"_qs); // the pool of this start still holds B
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(tick(), u"A"_qs);
    QCOMPARE(tick(), u"A"_qs);
}

void tst_Display::intervalIsReadOnlyAtStart()
{
    QVERIFY(load());
    auto* interval = m_window->findChild<QComboBox*>(u"cboDispInterval"_qs);
    interval->setCurrentIndex(0); // "2"
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(scheduler()->intervalTimer().interval(), 2000);
    interval->setCurrentIndex(24); // "120"
    tick();
    QCOMPARE(scheduler()->intervalTimer().interval(), 2000);
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(scheduler()->intervalTimer().interval(), 120000);

    // A cleared list gives no number: the default interval stands in.
    interval->setCurrentIndex(-1);
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    QCOMPARE(scheduler()->intervalTimer().interval(), 5000);
}

void tst_Display::displayResumesAtStartUp()
{
    m_test->settings->setValue(u"AutoDisplay"_qs, u"True"_qs);
    m_test->settings->setValue(u"DispInterval"_qs, u"0"_qs);
    QVERIFY(load());
    QVERIFY(scheduler()->isRunning());
    QCOMPARE(scheduler()->intervalTimer().interval(), 2000);
    QCOMPARE(button("cmdNext")->text(), u"Stop"_qs);
    QVERIFY(!scheduler()->IsFormLoaded());
}

void tst_Display::closingTheProgramEndsTheDisplay()
{
    QVERIFY(load());
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
    scheduler()->Timer1_Timer();
    QVERIFY(scheduler()->IsFormLoaded());
    m_window->mnuExit_Click();
    QVERIFY(!scheduler()->IsFormLoaded());
    QVERIFY(!scheduler()->isRunning());
    QCOMPARE(m_test->reopenSettings()->value(u"AutoDisplay"_qs), std::optional(u"True"_qs));
}

QTEST_MAIN(tst_Display)
#include "tst_display.moc"
