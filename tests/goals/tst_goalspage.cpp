#include "TestServices.h"
#include "goals/DatePicker.h"
#include "goals/GoalsPage.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <unistd.h>

namespace {

// Today, as the tests' clock tells it.
const QDate today(2026, 3, 3);

QByteArray record(const char* name, const char* start = "2026-03-01",
                  const char* end = "2026-03-08", bool achieved = false, int percent = 0,
                  const char* description = "")
{
    return QByteArray("\"") + name + "\",#" + start + "#,#" + end + "#,\"" + description + "\"," +
           (achieved ? "#TRUE#" : "#FALSE#") + "," + QByteArray::number(percent) + "\r\n";
}

} // namespace

class tst_GoalsPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void withoutGoalFileNothingIsChosenOrCreated();
    void emptyGoalFileShowsTheCurrentView();
    void startShowsTheFirstCurrentGoal();
    void newGoalIsSavedAtOnceWithoutItsPercentage();
    void saveIsRefusedWithAMessage_data();
    void saveIsRefusedWithAMessage();
    void saveUpdatesTheGoalShownAndNoOther();
    void deleteRemovesTheCheckedGoals();
    void markedGoalsMoveToTheAchievedView();
    void progressFollowsTodayAndTheShownGoal();
    void storedDateThePickerCannotShowLeavesIt();
    void damagedGoalFileShowsWhatCouldBeRead_data();
    void damagedGoalFileShowsWhatCouldBeRead();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<GoalsPage> m_page;

    GoalsPage* start();
    void writeGoals(const QByteArray& bytes) const;
    QByteArray goalBytes() const;
    QString goalFile() const { return m_test->path(u"goals.txt"_qs); }

    template <typename T = QWidget> T* child(const char* name) const
    {
        return m_page->findChild<T*>(QLatin1String(name));
    }
    QTreeWidget* list() const { return child<QTreeWidget>("ListView1"); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    void click(const char* button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void clickRow(int position) const;
    void checkRow(int position) const;
    // The names listed, with each row's key and sub-item.
    QStringList rows() const;
    void newGoal(QDate start, QDate end, const QString& name) const;
};

void tst_GoalsPage::init()
{
    m_test = std::make_unique<TestServices>();
    m_test->clock.setToday(today);
}

void tst_GoalsPage::cleanup()
{
    m_page.reset();
    m_test.reset();
}

GoalsPage* tst_GoalsPage::start()
{
    m_page = std::make_unique<GoalsPage>(m_test->services());
    m_page->show();
    m_page->LoadGoalsAtStartup();
    return m_page.get();
}

void tst_GoalsPage::writeGoals(const QByteArray& bytes) const
{
    QFile file(goalFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_GoalsPage::goalBytes() const
{
    QFile file(goalFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void tst_GoalsPage::clickRow(int position) const
{
    QTreeWidgetItem* row = list()->topLevelItem(position);
    QVERIFY(row);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(row).center());
}

void tst_GoalsPage::checkRow(int position) const
{
    clickRow(position);
    QTest::keyClick(list(), Qt::Key_Space);
    QCOMPARE(list()->topLevelItem(position)->checkState(0), Qt::Checked);
}

QStringList tst_GoalsPage::rows() const
{
    QStringList rows;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list()->topLevelItem(i);
        rows << row->text(0) + u" "_qs + row->data(0, Qt::UserRole).toString() + u" "_qs +
                    row->text(1);
    }
    return rows;
}

void tst_GoalsPage::newGoal(QDate start, QDate end, const QString& name) const
{
    click("cmdNewGoal");
    QVERIFY(child<DatePicker>("mydtpStartingDate")->setValue(start));
    QVERIFY(child<DatePicker>("mydtpEndingDate")->setValue(end));
    QTest::keyClicks(child("txtGoalName"), name);
}

void tst_GoalsPage::withoutGoalFileNothingIsChosenOrCreated()
{
    start();
    QVERIFY(!QFile::exists(goalFile()));
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!child<QPushButton>("optGoals(0)")->isChecked());
    QVERIFY(!child<QPushButton>("optGoals(1)")->isChecked());
    QVERIFY(!child("cmdSaveGoals")->isEnabled());
    for (const char* name : {"txtGoalName", "txtGoalDesc", "Combo3"})
        QVERIFY2(!child(name)->isEnabled(), name);
    QVERIFY(child("mydtpStartingDate")->isEnabled());
    QCOMPARE(text("lblInfo"), QString());
    QCOMPARE(child<QComboBox>("Combo3")->count(), 101);
    QCOMPARE(child<QComboBox>("Combo3")->itemText(100), u"100"_qs);

    click("cmdNewGoal");
    QVERIFY(child("cmdSaveGoals")->isEnabled());
    QVERIFY(child("txtGoalName")->isEnabled());
    QVERIFY(!list()->isEnabled());
    QCOMPARE(text("lblDayCount"), u"7"_qs);
    QCOMPARE(text("lblDaysRemaining"), QString());
    QCOMPARE(text("lblInfo"), QString());
    QCOMPARE(child<QComboBox>("Combo3")->currentText(), u"0"_qs);
    QCOMPARE(child<DatePicker>("mydtpStartingDate")->Value(), today);
    QCOMPARE(child<DatePicker>("mydtpEndingDate")->Value(), today.addDays(7));
    QVERIFY(!QFile::exists(goalFile()));
}

void tst_GoalsPage::emptyGoalFileShowsTheCurrentView()
{
    writeGoals({});
    start();
    QVERIFY(child<QPushButton>("optGoals(0)")->isChecked());
    // The button in front offers the other view.
    QVERIFY(child("optGoals(1)")->isVisible());
    QVERIFY(!child("optGoals(0)")->isVisible());
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!child("cmdSaveGoals")->isEnabled());
    QVERIFY(QFile::exists(goalFile()));
    QCOMPARE(goalBytes(), QByteArray());
}

void tst_GoalsPage::startShowsTheFirstCurrentGoal()
{
    const QByteArray content =
        record("Done already", "2026-01-01", "2026-02-01", true, 100) +
        record("Run, swim", "2026-03-01", "2026-03-08", false, 20, "Mon: \"long\"\r\nWed: short") +
        record("Read", "2026-02-01", "2026-04-01", false, 50) +
        record("Also done", "2026-01-01", "2026-02-01", true, 100) +
        record("Write", "2026-03-02", "2026-03-09", false, 5);
    writeGoals(content);
    start();
    QCOMPARE(rows(), (QStringList{u"Run, swim 1_ 1"_qs, u"Read 2_ 2"_qs, u"Write 4_ 4"_qs}));
    QCOMPARE(list()->headerItem()->text(0), u"Goals"_qs);
    QCOMPARE(list()->currentItem(), list()->topLevelItem(0));

    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"Run, swim"_qs);
    QCOMPARE(child<QPlainTextEdit>("txtGoalDesc")->toPlainText(), u"Mon: \"long\"\nWed: short"_qs);
    QCOMPARE(child<DatePicker>("mydtpStartingDate")->Value(), QDate(2026, 3, 1));
    QCOMPARE(child<DatePicker>("mydtpEndingDate")->Value(), QDate(2026, 3, 8));
    QCOMPARE(child<QComboBox>("Combo3")->currentText(), u"20"_qs);
    QCOMPARE(text("lblDayCount"), u"7"_qs);
    QVERIFY(child("cmdSaveGoals")->isEnabled());
    QVERIFY(child("txtGoalName")->isEnabled());

    // A click shows another goal; starting up wrote nothing.
    clickRow(2);
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"Write"_qs);
    QCOMPARE(child<QComboBox>("Combo3")->currentText(), u"5"_qs);
    QCOMPARE(goalBytes(), content);
}

void tst_GoalsPage::newGoalIsSavedAtOnceWithoutItsPercentage()
{
    writeGoals(record("First"));
    start();
    newGoal(today, today.addDays(7), u"Walk, daily"_qs);
    QTest::keyClicks(child("txtGoalDesc"), u"Round the \"park\""_qs);
    QTest::keyClick(child("txtGoalDesc"), Qt::Key_Return);
    QTest::keyClicks(child("txtGoalDesc"), u"and back"_qs);
    child<QComboBox>("Combo3")->setCurrentIndex(30);
    click("cmdSaveGoals");

    const QByteArray first = record("First");
    QCOMPARE(goalBytes(), first + "\"Walk, daily\",#2026-03-03#,#2026-03-10#,"
                                  "\"Round the \"park\"\r\nand back\",#FALSE#,0\r\n");
    QVERIFY(m_test->prompter.asked.isEmpty());
    QVERIFY(list()->isEnabled());
    QCOMPARE(rows(), (QStringList{u"First 0_ 0"_qs, u"Walk, daily 1_ 1"_qs}));
    QCOMPARE(list()->currentItem(), list()->topLevelItem(0));
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"First"_qs);

    // An existing goal keeps the percentage picked for it.
    clickRow(1);
    child<QComboBox>("Combo3")->setCurrentIndex(55);
    click("cmdSaveGoals");
    QCOMPARE(goalBytes(), first + "\"Walk, daily\",#2026-03-03#,#2026-03-10#,"
                                  "\"Round the \"park\"\r\nand back\",#FALSE#,55\r\n");
}

void tst_GoalsPage::saveIsRefusedWithAMessage_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QString dates = u"Starting date can't be same or later than ending date."_qs;
    const QString blank = u"Goal name can't be blank."_qs;
    QTest::newRow("same day") << today << today << u"Walk"_qs << dates;
    QTest::newRow("ending first") << today << today.addDays(-1) << u"Walk"_qs << dates;
    QTest::newRow("dates before the name") << today << today << QString() << dates;
    QTest::newRow("no name") << today << today.addDays(1) << QString() << blank;
    QTest::newRow("spaces are a name") << today << today.addDays(1) << u"   "_qs << QString();
}

void tst_GoalsPage::saveIsRefusedWithAMessage()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, name);
    QFETCH(QString, message);
    this->start();
    newGoal(start, end, name);
    click("cmdSaveGoals");

    if (message.isEmpty()) {
        QVERIFY(m_test->prompter.asked.isEmpty());
        QCOMPARE(goalBytes(), "\"   \",#2026-03-03#,#2026-03-04#,\"\",#FALSE#,0\r\n");
        return;
    }
    QCOMPARE(m_test->prompter.asked.size(), 1);
    const Prompter::Message asked = m_test->prompter.asked.first();
    QCOMPARE(asked.text, message);
    QCOMPARE(asked.icon, Prompter::Icon::Critical);
    QCOMPARE(asked.buttons, Prompter::Buttons::Ok);
    QCOMPARE(asked.title, QString()); // the program's title
    // Nothing saved; the new goal is still being entered.
    QVERIFY(!QFile::exists(goalFile()));
    QVERIFY(!list()->isEnabled());
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), name);
    QCOMPARE(child<DatePicker>("mydtpEndingDate")->Value(), end);
}

void tst_GoalsPage::saveUpdatesTheGoalShownAndNoOther()
{
    writeGoals(record("g0") + record("g1") + record("g2"));
    start();
    clickRow(2);
    QTest::keyClicks(child("txtGoalName"), u" changed"_qs);
    click("cmdSaveGoals");
    QCOMPARE(goalBytes(), record("g0") + record("g1") + record("g2 changed"));

    // After the refill the first goal is the one shown. With no row selected at all,
    // saving still writes into that goal and no other.
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"g0"_qs);
    list()->setCurrentItem(nullptr);
    list()->clearSelection();
    QTest::keyClicks(child("txtGoalName"), u"!"_qs);
    click("cmdSaveGoals");
    QCOMPARE(goalBytes(), record("g0!") + record("g1") + record("g2 changed"));

    // Neither does a view switch leave the editor tied to a goal it no longer shows.
    click("optGoals(1)");
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!child("cmdSaveGoals")->isEnabled());
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), QString());
}

void tst_GoalsPage::deleteRemovesTheCheckedGoals()
{
    writeGoals(record("g0") + record("g1") + record("g2") + record("g3") + record("g4"));
    start();
    for (const int position : {0, 2, 4})
        checkRow(position);
    click("cmdDeleteGoals");
    QCOMPARE(goalBytes(), record("g1") + record("g3"));
    QCOMPARE(rows(), (QStringList{u"g1 0_ 0"_qs, u"g3 1_ 1"_qs}));
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"g1"_qs);

    // With nothing checked nothing is deleted, but the goals are read again.
    writeGoals(record("g1") + record("g3") + record("g5"));
    click("cmdDeleteGoals");
    QCOMPARE(goalBytes(), record("g1") + record("g3") + record("g5"));
    QCOMPARE(list()->topLevelItemCount(), 3);

    // The last goals go: an empty file, an empty list and an idle editor.
    for (const int position : {0, 1, 2})
        checkRow(position);
    click("cmdDeleteGoals");
    QVERIFY(QFile::exists(goalFile()));
    QCOMPARE(goalBytes(), QByteArray());
    QCOMPARE(list()->topLevelItemCount(), 0);
    for (const char* name : {"txtGoalName", "txtGoalDesc", "Combo3", "cmdSaveGoals"})
        QVERIFY2(!child(name)->isEnabled(), name);
    for (const char* label : {"lblDayCount", "lblDaysRemaining", "lblInfo"})
        QCOMPARE(text(label), QString());
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), QString());
}

void tst_GoalsPage::markedGoalsMoveToTheAchievedView()
{
    writeGoals(record("g0") + record("g1") + record("g2") + record("g3"));
    start();
    checkRow(1);
    checkRow(3);
    click("cmdMarkAchived");
    const QByteArray marked = record("g0") + record("g1", "2026-03-01", "2026-03-08", true) +
                              record("g2") + record("g3", "2026-03-01", "2026-03-08", true);
    QCOMPARE(goalBytes(), marked);
    QCOMPARE(rows(), (QStringList{u"g0 0_ 0"_qs, u"g2 2_ 2"_qs}));

    click("optGoals(1)");
    QVERIFY(child<QPushButton>("optGoals(1)")->isChecked());
    QVERIFY(child("optGoals(0)")->isVisible());
    QVERIFY(!child("optGoals(1)")->isVisible());
    QCOMPARE(rows(), (QStringList{u"g1 1_ 1"_qs, u"g3 3_ 3"_qs}));
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"g1"_qs);

    // Marking in the achieved view changes nothing but brings the current view back.
    checkRow(1);
    click("cmdMarkAchived");
    QCOMPARE(goalBytes(), marked);
    QVERIFY(child<QPushButton>("optGoals(0)")->isChecked());
    QCOMPARE(rows(), (QStringList{u"g0 0_ 0"_qs, u"g2 2_ 2"_qs}));

    click("optGoals(1)");
    click("optGoals(0)");
    QCOMPARE(rows(), (QStringList{u"g0 0_ 0"_qs, u"g2 2_ 2"_qs}));
}

void tst_GoalsPage::progressFollowsTodayAndTheShownGoal()
{
    writeGoals(record("Week", "2026-03-01", "2026-03-08", false, 20) +
               record("Later", "2026-04-01", "2026-05-01", false, 0));
    start();
    QCOMPARE(text("lblDayCount"), u"7"_qs);
    QCOMPARE(text("lblDaysRemaining"), u"5"_qs);
    QCOMPARE(text("lblInfo"),
             u"You should have achieved 28.57%. You have actually achieved 20%"_qs);

    // The percentage box alone and the pickers change only the total days.
    child<QComboBox>("Combo3")->setCurrentIndex(40);
    QVERIFY(child<DatePicker>("mydtpEndingDate")->setValue(QDate(2026, 3, 10)));
    QCOMPARE(text("lblDayCount"), u"9"_qs);
    QCOMPARE(text("lblDaysRemaining"), u"5"_qs);
    QCOMPARE(text("lblInfo"),
             u"You should have achieved 28.57%. You have actually achieved 20%"_qs);
    QVERIFY(child<DatePicker>("mydtpStartingDate")->setValue(QDate(2026, 3, 13)));
    QCOMPARE(text("lblDayCount"), u"-3"_qs);

    // Three days past the end, in a language with a decimal comma.
    m_test->clock.setToday(QDate(2026, 3, 11));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    clickRow(0);
    QLocale::setDefault(before);
    QCOMPARE(text("lblDayCount"), u"7"_qs);
    QCOMPARE(text("lblDaysRemaining"), u"-3"_qs);
    QCOMPARE(text("lblInfo"),
             u"You should have achieved 142,86%. You have actually achieved 20%"_qs);

    clickRow(1);
    QCOMPARE(text("lblDayCount"), u"30"_qs);
    QCOMPARE(text("lblDaysRemaining"), QString());
    QCOMPARE(text("lblInfo"), u"Your goal starting date has been set for the future"_qs);
}

void tst_GoalsPage::storedDateThePickerCannotShowLeavesIt()
{
    writeGoals(record("Old", "1970-01-01", "2026-03-08") + record("Next", "2026-03-01"));
    start();
    QCOMPARE(child<QLineEdit>("txtGoalName")->text(), u"Old"_qs);
    QCOMPARE(child<DatePicker>("mydtpStartingDate")->Value(), today);
    QCOMPARE(child<DatePicker>("mydtpEndingDate")->Value(), QDate(2026, 3, 8));
    QCOMPARE(text("lblDayCount"), u"5"_qs);
    clickRow(1);
    QCOMPARE(child<DatePicker>("mydtpStartingDate")->Value(), QDate(2026, 3, 1));
}

void tst_GoalsPage::damagedGoalFileShowsWhatCouldBeRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("kept"); // not replaced even when a goal changes

    const QByteArray goals = record("a") + record("b");
    QTest::newRow("binary") << QByteArray::fromHex("89504e470d0a1a0a0000000d494844520d0a") + goals +
                                   QByteArray(3000, '\0')
                            << QStringList{u"a"_qs, u"b"_qs} << false;
    QTest::newRow("cut short") << goals + record("c").first(30) << QStringList{u"a"_qs, u"b"_qs}
                               << false;
    QTest::newRow("enormous") << goals + QByteArray(20 * 1024 * 1024, ',') + "\r\n" + record("c")
                              << QStringList{u"a"_qs, u"b"_qs} << true;
}

void tst_GoalsPage::damagedGoalFileShowsWhatCouldBeRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, listed);
    QFETCH(bool, kept);
    writeGoals(content);
    start();
    QStringList names;
    for (int i = 0; i < list()->topLevelItemCount(); ++i)
        names << list()->topLevelItem(i)->text(0);
    QCOMPARE(names, listed);
    QCOMPARE(goalBytes(), content);

    // A change rewrites the file from what was read, unless the file was not read whole.
    QTest::keyClicks(child("txtGoalName"), u"!"_qs);
    click("cmdSaveGoals");
    QCOMPARE(goalBytes() == content, kept);
    if (!kept) {
        QCOMPARE(goalBytes(), record("a!") + record("b"));
        return;
    }
    // What is listed stays what the file holds.
    QCOMPARE(list()->topLevelItem(0)->text(0), u"a"_qs);
    checkRow(0);
    click("cmdMarkAchived");
    QCOMPARE(list()->topLevelItemCount(), 2);
    checkRow(1);
    click("cmdDeleteGoals");
    QCOMPARE(list()->topLevelItemCount(), 2);
    QCOMPARE(goalBytes(), content);
}

QTEST_MAIN(tst_GoalsPage)
#include "tst_goalspage.moc"
