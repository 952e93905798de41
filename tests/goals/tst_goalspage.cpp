#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "TimeLimits.h"
#include "goals/DatePicker.h"
#include "goals/GoalsPage.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// Today, as the tests' clock tells it unless a test moves it.
const QDate today(2026, 3, 3);

QByteArray record(const char* name, const char* start = "2026-03-01",
                  const char* end = "2026-03-08", bool achieved = false, int percent = 0,
                  const QByteArray& description = {})
{
    return QByteArray("\"") + name + "\",#" + start + "#,#" + end + "#,\"" + description + "\"," +
           (achieved ? "#TRUE#" : "#FALSE#") + "," + QByteArray::number(percent) + "\r\n";
}

} // namespace

class tst_GoalsPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestServices>(); }
    void cleanup();

    void withoutGoalFileNothingIsChosenOrCreated();
    void startShowsTheFirstCurrentGoal();
    void newGoalIsSavedAtOnceWithoutItsPercentage();
    void refusedSaveKeepsWhatWasTyped();
    void saveAndMarkChangeOnlyTheGoalsMeant();
    void deleteRemovesTheCheckedGoals();
    void longTextsAnswerAtOnce();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<GoalsPage> m_page;

    void start();
    QString goalFile() const { return m_test->path(u"goals.txt"_qs); }
    template <typename T = QWidget> T* child(const char* name) const
    {
        return ::child<T>(m_page.get(), name);
    }
    QTreeWidget* list() const { return child<QTreeWidget>("ListView1"); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QString goalName() const { return child<QLineEdit>("txtGoalName")->text(); }
    void click(const char* button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void checkRow(int position) const;
    // The names listed, with each row's key and sub-item.
    QStringList rows() const;
};

void tst_GoalsPage::cleanup()
{
    m_page.reset();
    m_test.reset();
}

void tst_GoalsPage::start()
{
    m_page = std::make_unique<GoalsPage>(m_test->services());
    m_page->show();
    m_page->LoadGoalsAtStartup();
}

void tst_GoalsPage::checkRow(int position) const
{
    clickRow(list(), position);
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

void tst_GoalsPage::withoutGoalFileNothingIsChosenOrCreated()
{
    start();
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!child<QPushButton>("optGoals(0)")->isChecked());
    QVERIFY(!child<QPushButton>("optGoals(1)")->isChecked());
    for (const char* name : {"txtGoalName", "txtGoalDesc", "Combo3", "cmdSaveGoals"})
        QVERIFY2(!child(name)->isEnabled(), name);

    // A new goal is refused with a word until its dates, checked first, and its name will do.
    click("cmdNewGoal");
    auto* ending = child<DatePicker>("mydtpEndingDate");
    for (const int days : {0, -1, 1}) {
        QVERIFY(ending->setValue(today.addDays(days)));
        click("cmdSaveGoals");
    }
    QStringList asked;
    for (const Prompter::Message& message : m_test->prompter.asked)
        asked << message.text;
    const QString dates = u"Starting date can't be same or later than ending date."_qs;
    QCOMPARE(asked, (QStringList{dates, dates, u"Goal name can't be blank."_qs}));
    QVERIFY(!list()->isEnabled()); // still being entered
    QVERIFY(!QFile::exists(goalFile()));

    // An empty file chooses the current view.
    cleanup();
    init();
    writeFile(goalFile(), {});
    start();
    QVERIFY(child<QPushButton>("optGoals(0)")->isChecked());
    QVERIFY(!child("cmdSaveGoals")->isEnabled());
    QCOMPARE(fileBytes(goalFile()), QByteArray());
}

void tst_GoalsPage::startShowsTheFirstCurrentGoal()
{
    const QByteArray content =
        record("Done already", "2026-01-01", "2026-02-01", true, 100) +
        record("Run, swim", "2026-03-01", "2026-03-08", false, 20, "Mon: \"long\"\r\nWed: short") +
        record("Read", "2150-01-01", "2150-12-31", false, 50) +
        record("Also done", "2026-01-01", "2026-02-01", true, 100) +
        record("Write", "2026-03-02", "2026-03-09", false, 5);
    writeFile(goalFile(), content);
    start();
    QCOMPARE(rows(), (QStringList{u"Run, swim 1_ 1"_qs, u"Read 2_ 2"_qs, u"Write 4_ 4"_qs}));
    QCOMPARE(goalName(), u"Run, swim"_qs);
    QCOMPARE(child<QPlainTextEdit>("txtGoalDesc")->toPlainText(), u"Mon: \"long\"\nWed: short"_qs);
    QCOMPARE(child<DatePicker>("mydtpStartingDate")->Value(), QDate(2026, 3, 1));
    QCOMPARE(child<QComboBox>("Combo3")->currentText(), u"20"_qs);
    QCOMPARE(text("lblDaysRemaining"), u"5"_qs);
    QCOMPARE(text("lblInfo"),
             u"You should have achieved 28.57%. You have actually achieved 20%"_qs);
    QVERIFY(child<DatePicker>("mydtpEndingDate")->setValue(QDate(2026, 3, 10)));
    QCOMPARE(text("lblDayCount"), u"9"_qs);

    // A click shows another goal; neither starting up nor moving a date wrote anything.
    clickRow(list(), 2);
    QCOMPARE(goalName(), u"Write"_qs);
    QCOMPARE(fileBytes(goalFile()), content);

    // Stored dates the pickers cannot show leave them as they were, and are kept as stored:
    // the user is told, and a save without a new pick keeps them.
    clickRow(list(), 1);
    QCOMPARE(goalName(), u"Read"_qs);
    QCOMPARE(child<DatePicker>("mydtpStartingDate")->Value(), QDate(2026, 3, 2));
    QCOMPARE(text("lblDayCount"), u"364"_qs);
    QVERIFY(child("lblKeptDates")->isVisible());
    click("cmdSaveGoals");
    QCOMPARE(fileBytes(goalFile()), QByteArray(content).replace("\"long\"", "\"\"long\"\""));
    QVERIFY(!child("lblKeptDates")->isVisible());
    clickRow(list(), 1);

    // A click reads today again, in the user's number format.
    m_test->clock.setToday(QDate(2026, 3, 11));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    clickRow(list(), 0);
    QLocale::setDefault(before);
    QCOMPARE(text("lblDaysRemaining"), u"-3"_qs);
    QCOMPARE(text("lblInfo"),
             u"You should have achieved 142,86%. You have actually achieved 20%"_qs);
}

void tst_GoalsPage::newGoalIsSavedAtOnceWithoutItsPercentage()
{
    writeFile(goalFile(), record("First"));
    start();
    // A new goal runs from today to a week later. Its description reads back as typed,
    // whatever it holds.
    click("cmdNewGoal");
    QTest::keyClicks(child("txtGoalName"), u"My goal"_qs);
    QTest::keyClicks(child("txtGoalDesc"), u"first part\",#FALSE#,5"_qs);
    QTest::keyClick(child("txtGoalDesc"), Qt::Key_Return);
    QTest::keyClicks(child("txtGoalDesc"), u"second part of my notes"_qs);
    child<QComboBox>("Combo3")->setCurrentIndex(30);
    click("cmdSaveGoals");

    const QByteArray mine = "\"My goal\",#2026-03-03#,#2026-03-10#,"
                            "\"first part\"\",#FALSE#,5\r\nsecond part of my notes\",#FALSE#,";
    QCOMPARE(fileBytes(goalFile()), record("First") + mine + "0\r\n");
    QCOMPARE(rows(), (QStringList{u"First 0_ 0"_qs, u"My goal 1_ 1"_qs}));
    clickRow(list(), 1);
    QCOMPARE(child<QPlainTextEdit>("txtGoalDesc")->toPlainText(),
             u"first part\",#FALSE#,5\nsecond part of my notes"_qs);

    // An existing goal keeps the percentage picked for it, and an ending day pulled back to
    // the last of a 30-day month.
    auto* ending = child<DatePicker>("mydtpEndingDate");
    QVERIFY(ending->setValue(QDate(2026, 8, 31)));
    ending->findChild<QComboBox*>(u"cboMonth"_qs)->setFocus();
    QTest::keyClick(ending->findChild<QComboBox*>(u"cboMonth"_qs), Qt::Key_Down);
    child<QComboBox>("Combo3")->setCurrentIndex(55);
    click("cmdSaveGoals");
    QCOMPARE(fileBytes(goalFile()),
             record("First") + QByteArray(mine).replace("2026-03-10", "2026-09-30") + "55\r\n");
}

void tst_GoalsPage::refusedSaveKeepsWhatWasTyped()
{
    writeFile(goalFile(), record("First"));
    const qint64 tooLarge = (16 << 20) + 1; // more than is rewritten safely
    QVERIFY(QFile::resize(goalFile(), tooLarge));
    start();
    click("cmdNewGoal");
    QTest::keyClicks(child("txtGoalName"), u"Typed"_qs);
    click("cmdSaveGoals");
    QCOMPARE(m_test->prompter.asked.size(), 1);
    QVERIFY(m_test->prompter.asked.first().text.contains(QDir::toNativeSeparators(goalFile())));
    QCOMPARE(goalName(), u"Typed"_qs);
    QVERIFY(!list()->isEnabled()); // still being entered
    QCOMPARE(rows(), QStringList{u"First 0_ 0"_qs});
    QCOMPARE(QFileInfo(goalFile()).size(), tooLarge);
}

void tst_GoalsPage::deleteRemovesTheCheckedGoals()
{
    writeFile(goalFile(), record("g0") + record("g1") + record("g2") + record("g3") + record("g4"));
    start();
    for (const int position : {0, 2, 4})
        checkRow(position);
    click("cmdDeleteGoals");
    QCOMPARE(fileBytes(goalFile()), record("g1") + record("g3"));
    QCOMPARE(rows(), (QStringList{u"g1 0_ 0"_qs, u"g3 1_ 1"_qs}));
    QCOMPARE(goalName(), u"g1"_qs);

    // With nothing checked nothing is deleted, but the goals are read again.
    writeFile(goalFile(), record("g1") + record("g3") + record("g5"));
    click("cmdDeleteGoals");
    QCOMPARE(fileBytes(goalFile()), record("g1") + record("g3") + record("g5"));
    QCOMPARE(list()->topLevelItemCount(), 3);

    // The last goals go: an empty file and an idle editor.
    for (const int position : {0, 1, 2})
        checkRow(position);
    click("cmdDeleteGoals");
    QCOMPARE(fileBytes(goalFile()), QByteArray());
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!child("cmdSaveGoals")->isEnabled());
}

void tst_GoalsPage::saveAndMarkChangeOnlyTheGoalsMeant()
{
    writeFile(goalFile(), record("g0") + record("g1") + record("g2") + record("g3"));
    start();
    clickRow(list(), 2);
    QTest::keyClicks(child("txtGoalName"), u" changed"_qs);
    click("cmdSaveGoals");
    const QByteArray g3 = record("g3");
    QCOMPARE(fileBytes(goalFile()), record("g0") + record("g1") + record("g2 changed") + g3);

    // After the refill the first goal is the one shown. With no row selected at all,
    // saving still writes into that goal and no other.
    QCOMPARE(goalName(), u"g0"_qs);
    list()->setCurrentItem(nullptr);
    list()->clearSelection();
    QTest::keyClicks(child("txtGoalName"), u"!"_qs);
    click("cmdSaveGoals");
    QCOMPARE(fileBytes(goalFile()), record("g0!") + record("g1") + record("g2 changed") + g3);

    checkRow(1);
    checkRow(3);
    click("cmdMarkAchived");
    const auto achieved = [](const char* name) {
        return record(name, "2026-03-01", "2026-03-08", true);
    };
    QCOMPARE(fileBytes(goalFile()),
             record("g0!") + achieved("g1") + record("g2 changed") + achieved("g3"));
    QCOMPARE(rows(), (QStringList{u"g0! 0_ 0"_qs, u"g2 changed 2_ 2"_qs}));

    // The achieved view; the button in front offers the current one again.
    click("optGoals(1)");
    QVERIFY(child("optGoals(0)")->isVisible());
    QVERIFY(!child("optGoals(1)")->isVisible());
    QCOMPARE(rows(), (QStringList{u"g1 1_ 1"_qs, u"g3 3_ 3"_qs}));
    QCOMPARE(goalName(), u"g1"_qs);
}

void tst_GoalsPage::longTextsAnswerAtOnce()
{
    // Five descriptions of a million characters on one line and no space, one of them
    // combining marks.
    QByteArray content;
    for (const char* name : {"g0", "g1", "g2", "g3", "g4"})
        content += record(name, "2026-03-01", "2026-03-08", false, 0,
                          name[1] == '4' ? QByteArray("\xCC\x81").repeated(200000)
                                         : QByteArray(1000000, 'x'));
    writeFile(goalFile(), content);
    QElapsedTimer timer;
    timer.start();
    start();
    m_page->grab(); // laid out and painted
    QVERIFY2(timer.elapsed() < 1000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
    for (const int row : {1, 2, 3, 4, 0}) {
        timer.restart();
        clickRow(list(), row);
        m_page->grab();
        QVERIFY2(timer.elapsed() < 250 * TimeLimits::scale,
                 qPrintable(QString::number(timer.elapsed())));
    }
    // Shown in part, kept whole: a save writes every character back.
    click("cmdSaveGoals");
    QCOMPARE(fileBytes(goalFile()), content);
}

QTEST_MAIN(tst_GoalsPage)
#include "tst_goalspage.moc"
