// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "app/frmAll.h"
#include "display/DisplayScheduler.h"
#include "settings/OptionsStore.h"
#include "settings/ScreenChoice.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// The choices beyond the display settings, on the real main window: the icon's menu,
// pauses across restarts, the "Options" dialog and what it stores.
class tst_Options : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The texts below are in the formats of no country in particular, on every system.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        m_test = std::make_unique<TestServices>();
        writeMessageFiles(m_test->dataFolder(), {{u"Calm"_qs, "\"A\",#TRUE#\r\n"}});
    }

    void cleanup()
    {
        m_window.reset();
        m_test.reset();
    }

    void storedOptions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // the option as loaded, in its stored form
        QTest::newRow("days with commas") << u"ActiveDays"_qs << u"1, 3"_qs << u"13"_qs;
        QTest::newRow("day 8") << u"ActiveDays"_qs << u"18"_qs << u"1234567"_qs;
        QTest::newRow("no day") << u"ActiveDays"_qs << u""_qs << u"1234567"_qs;
        QTest::newRow("25 o'clock") << u"ActiveFrom"_qs << u"25:00"_qs << u"09:00"_qs;
        QTest::newRow("a time") << u"ActiveTo"_qs << u"06:30"_qs << u"06:30"_qs;
        QTest::newRow("yes is no Boolean") << u"AlwaysShowIcon"_qs << u"yes"_qs << u"False"_qs;
        QTest::newRow("1 is true") << u"SkipOverFullScreen"_qs << u"1"_qs << u"True"_qs;
    }

    void storedOptions()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        m_test->settings->setValueIn(u"Options"_qs, key, text);
        OptionsStore::save(*m_test->settings, OptionsStore::load(*m_test->settings));
        QTEST(m_test->reopenSettings()->valueIn(u"Options"_qs, key).value_or(u"-"_qs), "read");
        // Nothing of it in the section the display settings keep.
        QVERIFY(!fileBytes(m_test->settingsFile()).contains("[Settings]"));
    }

    void screenChoice_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QList<QRect>>("places");
        const QRect primary(0, 0, 1920, 1080), left(-1280, 200, 1280, 1024);
        QTest::newRow("primary") << u"Primary"_qs << QPoint() << QList<QRect>{primary};
        QTest::newRow("unknown text") << u"Other"_qs << QPoint() << QList<QRect>{primary};
        QTest::newRow("every, mirrored once")
            << u"Every"_qs << QPoint() << QList<QRect>{primary, left};
        QTest::newRow("pointer on the left")
            << u"Pointer"_qs << QPoint(-5, 300) << QList<QRect>{left};
        QTest::newRow("pointer off every screen")
            << u"Pointer"_qs << QPoint(-5, 5) << QList<QRect>{primary};
        QTest::newRow("named") << u"Screen:DP-2"_qs << QPoint() << QList<QRect>{left};
        QTest::newRow("named, gone") << u"Screen:HDMI-1"_qs << QPoint() << QList<QRect>{primary};
    }

    void screenChoice()
    {
        QFETCH(QString, choice);
        QFETCH(QPoint, pointer);
        const QList<ScreenChoice::Screen> screens{{u"DP-1"_qs, {0, 0, 1920, 1080}},
                                                  {u"DP-2"_qs, {-1280, 200, 1280, 1024}},
                                                  {u"DP-3"_qs, {0, 0, 1920, 1080}}};
        QTEST(ScreenChoice::pick(choice, screens, pointer), "places");
        QVERIFY(ScreenChoice::pick(choice, {}, pointer).isEmpty());
    }

    void iconMenuStartsStopsAndPausesAcrossRestarts()
    {
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(9, 30, 20)));
        load();
        QVERIFY(!child<QMenu>(m_window.get(), "mnuPause")->isEnabled());

        // The icon's item starts the display as the button does.
        trigger("mnuStartStop");
        QVERIFY(scheduler()->isRunning());
        QCOMPARE(child<QPushButton>(m_window.get(), "cmdNext")->text(), u"Stop"_qs);
        QVERIFY(!child<QAction>(m_window.get(), "mnuResume")->isEnabled());

        // A pause: nothing shown, the display asleep until its end; the buttons say so.
        trigger("mnuPause15");
        QCOMPARE(caption(), u"Stop (paused until 09:46)"_qs);
        QCOMPARE(child<QPushButton>(m_window.get(), "cmdNext")->text(), caption());
        QCOMPARE(tick(), QString());
        QCOMPARE(scheduler()->intervalTimer().interval(), 600000); // looks again after ten minutes
        QCOMPARE(storedPause(),
                 QDateTime(QDate(2026, 3, 6), QTime(9, 46)).toUTC().toString(Qt::ISODate));

        // The end is kept: a restart before it is still paused, until the end.
        m_window->mnuExit_Click();
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(9, 41)));
        load();
        QVERIFY(scheduler()->isRunning());
        QCOMPARE(caption(), u"Stop (paused until 09:46)"_qs);
        QCOMPARE(tick(), QString());
        QCOMPARE(scheduler()->intervalTimer().interval(), 5 * 60000);
        // It ends by itself.
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(9, 46)));
        QCOMPARE(tick(), u"A"_qs);
        QCOMPARE(caption(), u"Stop"_qs);
        QCOMPARE(storedPause(), std::nullopt);

        // A pause that ended while the program was away is gone at the next start.
        trigger("mnuPauseTomorrow");
        QCOMPARE(caption(), u"Stop (paused until Sat 00:00)"_qs);
        m_window->mnuExit_Click();
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 7), QTime(8, 0)));
        load();
        QCOMPARE(caption(), u"Stop"_qs);
        QCOMPARE(storedPause(), std::nullopt);
        QCOMPARE(tick(), u"A"_qs);

        // Resume ends a pause at once (tst_e2e_options sees the messages come again); so does
        // a stop, which the icon's item says.
        trigger("mnuPause60");
        trigger("mnuResume");
        QCOMPARE(caption(), u"Stop"_qs);
        trigger("mnuPause60");
        trigger("mnuStartStop");
        QVERIFY(!scheduler()->isRunning());
        QCOMPARE(child<QAction>(m_window.get(), "mnuStartStop")->text(),
                 u"&Start Showing Subliminal Messages"_qs);
        QCOMPARE(storedPause(), std::nullopt);
    }

    void dialogKeepsItsOwnSectionAndCounts()
    {
        load();
        QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdStart"), Qt::LeftButton);
        QCOMPARE(tick(), u"A"_qs);
        QCOMPARE(tick(), u"A"_qs);
        const auto displaySettings = [this] {
            // Its section alone, wherever the system's settings file puts it.
            const QByteArray ini = fileBytes(m_test->settingsFile());
            const qsizetype start = ini.indexOf("[Settings]");
            const qsizetype end = ini.indexOf("\n[", start);
            return ini.mid(start, end < 0 ? -1 : end - start).trimmed();
        };
        const QByteArray settingsBefore = displaySettings();

        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // Each control has an access key and says what it does.
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                if (control->objectName().startsWith(u"chk"_qs) ||
                    control->objectName().startsWith(u"cbo"_qs) ||
                    control->objectName().startsWith(u"txt"_qs) ||
                    control->objectName().startsWith(u"lvw"_qs))
                    QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
            }
            for (const QCheckBox* box : dialog->findChildren<QCheckBox*>())
                QVERIFY2(box->text().contains(u'&'), qPrintable(box->text()));
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                QVERIFY(!label->buddy() || label->text().contains(u'&'));
            // What was shown: two messages of "Calm" today.
            auto* counts = ::child<QTreeWidget>(dialog, "lvwStatistics");
            QCOMPARE(counts->topLevelItemCount(), 2);
            QCOMPARE(counts->topLevelItem(1)->text(0), u"Calm"_qs);
            QCOMPARE(counts->topLevelItem(1)->text(1), u"2"_qs);
            QCOMPARE(counts->topLevelItem(0)->text(3), u"2"_qs);

            ::child<QCheckBox>(dialog, "chkAlwaysShowIcon")->setChecked(true);
            ::child<QCheckBox>(dialog, "chkActiveHours")->setChecked(true);
            // The last day of the week cannot be unchecked: no day would mean no message.
            for (int day = 1; day <= 7; ++day)
                ::child<QCheckBox>(dialog, qPrintable(u"chkDay(%1)"_qs.arg(day)))
                    ->setChecked(false);
            auto* screens = ::child<QComboBox>(dialog, "cboScreens");
            screens->setCurrentIndex(screens->findData(ScreenChoice::every()));
            checked = true;
            dialog->accept();
        });
        QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdOptions"), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(m_window->findChild<QSystemTrayIcon*>()->isVisible());
        QCOMPARE(displaySettings(), settingsBefore);
        const auto area = m_test->reopenSettings();
        QCOMPARE(area->valueIn(u"Options"_qs, u"Screens"_qs), std::optional(u"Every"_qs));
        QCOMPARE(area->valueIn(u"Options"_qs, u"ActiveDays"_qs), std::optional(u"7"_qs));

        // The counts reach their file at a stop; the icon stays while the window shows.
        QCOMPARE(fileBytes(m_test->path(u"statistics.txt"_qs)), QByteArray("<missing>"));
        QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdStart"), Qt::LeftButton);
        QCOMPARE(fileBytes(m_test->path(u"statistics.txt"_qs)),
                 m_test->clock.today().toString(Qt::ISODate).toLatin1() + "\tCalm\t2\n");
        child<QAction>(m_window.get(), "mnuPop")->trigger();
        QVERIFY(m_window->findChild<QSystemTrayIcon*>()->isVisible());
    }

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<frmAll> m_window;

    void load()
    {
        m_window.reset();
        m_test->settings = m_test->reopenSettings();
        m_window = std::make_unique<frmAll>(m_test->services(), nullptr);
        QVERIFY(m_window->Form_Load());
    }

    DisplayScheduler* scheduler() const { return m_window->findChild<DisplayScheduler*>(); }
    void trigger(const char* action) const { child<QAction>(m_window.get(), action)->trigger(); }
    QString caption() const { return child<QPushButton>(m_window.get(), "cmdStart")->text(); }
    std::optional<QString> storedPause() const
    {
        return m_test->reopenSettings()->valueIn(u"Options"_qs, u"PauseUntil"_qs);
    }
    // The tick of the interval timer: the text shown, if any.
    QString tick() const
    {
        QSignalSpy shown(scheduler(), &DisplayScheduler::flashShown);
        scheduler()->Timer1_Timer();
        return shown.isEmpty() ? QString() : shown.first().first().toString();
    }
};

QTEST_MAIN(tst_Options)
#include "tst_options.moc"
