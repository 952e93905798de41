// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "TimeLimits.h"
#include "goals/DatePicker.h"
#include "goals/GoalsPage.h"
#include "platform/DataFolder.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

QByteArray record(const char* name, bool achieved = false, int percent = 0,
                  const char* end = "2026-03-08", const QByteArray& description = {})
{
    return QByteArray("\"") + name + "\",#2026-03-01#,#" + end + "#,\"" + description + "\"," +
           (achieved ? "#TRUE#" : "#FALSE#") + "," + QByteArray::number(percent) + "\r\n";
}

} // namespace

// The goals page's stories told to its editor, then through the real page.
class tst_GoalEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestServices>(); }
    void cleanup() { m_test.reset(); }

    void stories_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("saved");
        // The goals listed, the one in the editor, "(new)" in new-goal mode, "(idle)" when the
        // editor cannot be used.
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("told"); // what the user was told, its beginning

        const QByteArray done = record("done", true);
        const QByteArray all = record("g0") + record("g1") + record("g2") + done;
        const QString dates = u"Starting date can't be same or later than ending date. | "_qs;
        // A tick changes a check mark only: the save goes into the goal being edited.
        QTest::newRow("tick") << u"click 1; name g1 typed; check 2; save"_qs
                              << record("g0") + record("g1 typed") + record("g2") + done
                              << u"g0,g1 typed,g2 > g0"_qs << QString();
        QTest::newRow("new goal") << u"new; name Mine; percent 30; save"_qs
                                  << all + "\"Mine\",#2026-03-03#,#2026-03-10#,\"\",#FALSE#,0\r\n"
                                  << u"g0,g1,g2,Mine > g0"_qs << QString();
        // Escape goes back to the goal highlighted, which then takes a percentage and a date;
        // another view leaves a new goal too.
        QTest::newRow("new goal given up")
            << u"click 2; new; name half; cancel; percent 55; end 2026-09-30; save"_qs
            << record("g0") + record("g1") + record("g2", false, 55, "2026-09-30") + done
            << u"g0,g1,g2 > g0"_qs << QString();
        QTest::newRow("new goal, other view")
            << u"click 1; new; view 1; view 0; save"_qs << all << u"g0,g1,g2 > g0"_qs << QString();
        // The dates are checked first; what was typed stays, in new-goal mode, to be saved.
        QTest::newRow("refused")
            << u"new; end 2026-03-03; save; name x; save; end 2026-03-02; save; name; end 2026-03-09; save"_qs
            << all << u"g0,g1,g2 >  (new)"_qs
            << dates + dates + dates + u"Goal name can't be blank. | "_qs;
        QTest::newRow("file too large")
            << u"huge; new; name x; save"_qs << all + QByteArray((16 << 20) + 1 - all.size(), '\0')
            << u"g0,g1,g2 > x (new)"_qs << u"The goal file is too large to be rewritten safely"_qs;
        // The checked goals go; with none checked the goals are read again.
        QTest::newRow("delete") << u"append; delete; check 0; check 2; delete"_qs
                                << record("g1") + done + record("g9") << u"g1,g9 > g1"_qs
                                << QString();
        QTest::newRow("delete all")
            << u"check 0; check 1; check 2; delete; view 1; check 0; delete"_qs << QByteArray()
            << u" >  (idle)"_qs << QString();
        // Marking in the achieved view changes nothing, but lists the current goals again.
        QTest::newRow("mark") << u"view 1; check 0; mark; check 0; check 2; mark"_qs
                              << record("g0", true) + record("g1") + record("g2", true) + done
                              << u"g1 > g1"_qs << QString();
    }

    void stories()
    {
        QFETCH(QString, steps);
        writeFile(goalFile(), record("g0") + record("g1") + record("g2") + record("done", true));
        GoalEditor editor(goalFile(), m_test->clock);
        editor.LoadGoalsAtStartup();
        QString heard;
        const auto tell = [&heard](const std::optional<QString>& text) {
            heard += text ? *text + u" | "_qs : QString();
        };
        using Step = std::function<void(const QString&)>;
        const QHash<QString, Step> does = {
            {u"click"_qs, [&](const QString& row) { editor.ListView1_ItemClick(row.toInt()); }},
            {u"check"_qs, [&](const QString& row) { editor.setChecked(row.toInt(), true); }},
            {u"view"_qs, [&](const QString& index) { editor.optGoals_Click(index.toInt()); }},
            {u"new"_qs, [&](const QString&) { editor.cmdNewGoal_Click(); }},
            {u"cancel"_qs, [&](const QString&) { editor.cancelNewGoal(); }},
            {u"name"_qs, [&](const QString& name) { editor.setName(name); }},
            {u"percent"_qs, [&](const QString& percent) { editor.setPercent(percent.toInt()); }},
            {u"end"_qs,
             [&](const QString& d) { editor.setEndingDate(QDate::fromString(d, Qt::ISODate)); }},
            {u"save"_qs, [&](const QString&) { tell(editor.cmdSaveGoals_Click()); }},
            {u"delete"_qs, [&](const QString&) { tell(editor.cmdDeleteGoals_Click()); }},
            {u"mark"_qs, [&](const QString&) { tell(editor.cmdMarkAchived_Click()); }},
            // Behind the program's back: a goal added, the file grown too large to rewrite.
            {u"append"_qs,
             [&](const QString&) { writeFile(goalFile(), fileBytes(goalFile()) + record("g9")); }},
            {u"huge"_qs, [&](const QString&) {
                 QVERIFY(QFile::resize(goalFile(), (16 << 20) + 1));
                 editor.LoadGoalsAtStartup();
             }}};
        for (const QString& step : steps.split(u"; "_qs))
            does.value(step.section(u' ', 0, 0),
                       [&step](const QString&) { QFAIL(qPrintable(step)); })(step.section(u' ', 1));
        QStringList rows;
        for (int row = 0; row < editor.rowCount(); ++row)
            rows << editor.goalAt(row).GoalName;
        QString state = rows.join(u',') + u" > "_qs + editor.draft().name;
        if (editor.mode() == GoalEditor::Mode::NewGoal)
            state += u" (new)"_qs;
        if (!editor.isInUse() && !editor.canSave())
            state += u" (idle)"_qs;
        QTEST(state, "state");
        QTEST(fileBytes(goalFile()), "saved");
        QFETCH(QString, told);
        QVERIFY2(told.isEmpty() ? heard.isEmpty() : heard.startsWith(told), qPrintable(heard));
        QVERIFY(!heard.contains(u"goal file"_qs) ||
                heard.contains(QDir::toNativeSeparators(goalFile()))); // named
    }

    void readOutFollowsTheClicks()
    {
        // Without a goal file nothing is listed, no view is chosen, nothing can be saved.
        GoalEditor editor(goalFile(), m_test->clock);
        editor.LoadGoalsAtStartup();
        QVERIFY(editor.view() == GoalEditor::View::None && !editor.canSave() && !editor.isInUse());
        writeFile(goalFile(), {}); // an empty one chooses the current view
        editor.LoadGoalsAtStartup();
        QVERIFY(editor.view() == GoalEditor::View::Current && !editor.canSave());
        writeFile(goalFile(), record("Run", false, 20));
        editor.LoadGoalsAtStartup();
        const auto readOut = [&editor] {
            const GoalEditor::ReadOut& texts = editor.readOut();
            return QStringList{texts.dayCount, texts.daysRemaining, texts.info};
        };
        const QString said = u"You should have achieved %1%. You have actually achieved %2%"_qs;
        QCOMPARE(readOut(), (QStringList{u"7"_qs, u"5"_qs, said.arg(u"28.57"_qs, u"20"_qs)}));
        // A date picked changes the day count alone, a percentage nothing; the next click
        // reads today again, in the user's number format.
        editor.setEndingDate(QDate(2026, 3, 10));
        editor.setPercent(30);
        QCOMPARE(readOut(), (QStringList{u"9"_qs, u"5"_qs, said.arg(u"28.57"_qs, u"20"_qs)}));
        m_test->clock.setToday(QDate(2026, 3, 11));
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        editor.ListView1_ItemClick(0);
        QLocale::setDefault(before);
        QCOMPARE(readOut(), (QStringList{u"7"_qs, u"-3"_qs, said.arg(u"142,86"_qs, u"20"_qs)}));
        editor.cmdNewGoal_Click();
        QCOMPARE(readOut(), (QStringList{u"7"_qs, QString(), QString()}));
        QCOMPARE(fileBytes(goalFile()), record("Run", false, 20)); // none of it wrote anything
    }

    void storedPartsStayAsStored()
    {
        // Dates no picker shows, and texts shown in part, are kept whole until changed.
        const QByteArray far = record("Far", false, 0, "2150-12-31");
        const QByteArray content = far + record(QByteArray(3000, 'n').constData(), false, 0,
                                                "2026-03-08", QByteArray(1000000, 'x'));
        writeFile(
            goalFile(),
            QByteArray(content).replace(
                0, far.size(), QByteArray(far).replace("03-01", "01-01").replace("2026", "2150")));
        GoalEditor editor(goalFile(), m_test->clock);
        editor.LoadGoalsAtStartup();
        QCOMPARE(editor.keptDates(),
                 u"Dates kept as stored: 1 January 2150 to 31 December 2150"_qs);
        QCOMPARE(editor.readOut().dayCount, u"364"_qs);
        editor.setStartingDate(QDate(2026, 3, 1));
        QCOMPARE(editor.keptDates(), u"Ending date kept as stored: 31 December 2150"_qs);
        QVERIFY(!editor.cmdSaveGoals_Click());
        editor.ListView1_ItemClick(1);
        QVERIFY(editor.nameShownInPart() && editor.descriptionShownInPart());
        editor.setName(u"cut"_qs);
        editor.setDescription(u"cut"_qs);
        QVERIFY(!editor.cmdSaveGoals_Click());
        QCOMPARE(fileBytes(goalFile()), content);
    }

    void pageClicksTypesAndTicks()
    {
        const auto page =
            startPage(record("A") + record("B") + record("Far", false, 0, "2150-12-31"));
        auto* list = child<QTreeView>(page.get(), "ListView1");
        auto* name = child<QLineEdit>(page.get(), "txtGoalName");
        const auto click = [&page](const char* button) {
            QTest::mouseClick(child<QPushButton>(page.get(), button), Qt::LeftButton);
        };
        QCOMPARE(child<QLabel>(page.get(), "lblInfo")->text(),
                 u"You should have achieved 28.57%. You have actually achieved 0%"_qs);
        clickRow(list, 2);
        QVERIFY(child(page.get(), "lblKeptDates")->isVisible());
        clickRow(list, 1);
        QVERIFY(!child(page.get(), "lblKeptDates")->isVisible());
        // A tick in another goal's check box leaves the editing alone; the save goes into the
        // goal shown, also when the list selects none.
        clickRow(list, 0);
        QTest::keyClicks(name, u" typed"_qs);
        clickCheckBox(list, 2);
        QCOMPARE(name->text(), u"A typed"_qs);
        list->clearSelection();
        click("cmdSaveGoals");
        clickCheckBox(list, 2);
        click("cmdDeleteGoals");
        QCOMPARE(fileBytes(goalFile()), record("A typed") + record("B"));

        // A new goal typed, its description over two lines; then a date picked by key.
        click("cmdNewGoal");
        QTest::keyClicks(name, u"Mine"_qs);
        auto* description = child<QPlainTextEdit>(page.get(), "txtGoalDesc");
        QTest::keyClicks(description, u"a \"b\""_qs);
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClicks(description, u"c"_qs);
        click("cmdSaveGoals");
        clickRow(list, 2);
        QCOMPARE(description->toPlainText(), u"a \"b\"\nc"_qs);
        auto* ending = child<DatePicker>(page.get(), "mydtpEndingDate");
        QVERIFY(ending->setValue(QDate(2026, 8, 31)));
        auto* month = ending->findChild<QComboBox*>(u"cboMonth"_qs);
        month->setFocus();
        QTest::keyClick(month, Qt::Key_Down);
        QCOMPARE(child<QLabel>(page.get(), "lblDayCount")->text(), u"211"_qs);
        click("cmdSaveGoals");
        const QByteArray saved =
            record("A typed") + record("B") +
            "\"Mine\",#2026-03-03#,#2026-09-30#,\"a \"\"b\"\"\r\nc\",#FALSE#,0\r\n";
        QCOMPARE(fileBytes(goalFile()), saved);

        // Another view, or Escape, leaves a new goal; the buttons show the view not shown.
        click("cmdNewGoal");
        click("optGoals(1)");
        QVERIFY(child(page.get(), "optGoals(0)")->isVisible() &&
                !child(page.get(), "optGoals(1)")->isVisible());
        click("optGoals(0)");
        click("cmdNewGoal");
        QVERIFY(!list->isEnabled());
        QTest::keyClick(name, Qt::Key_Escape);
        QVERIFY(list->isEnabled());
        click("cmdSaveGoals");
        QCOMPARE(fileBytes(goalFile()), saved);
    }

    void pageAnswersAtOnceWithLongTexts()
    {
        // Five descriptions of a million characters on one line, one of them combining marks.
        QByteArray content;
        for (const char* name : {"g0", "g1", "g2", "g3", "g4"})
            content += record(name, false, 0, "2026-03-08",
                              name[1] == '4' ? QByteArray("\xCC\x81").repeated(200000)
                                             : QByteArray(1000000, 'x'));
        QElapsedTimer timer;
        timer.start();
        const auto page = startPage(content);
        for (const int row : {-1, 1, 2, 3, 4, 0}) {
            if (row >= 0)
                clickRow(child<QTreeView>(page.get(), "ListView1"), row);
            page->grab(); // laid out and painted
            QVERIFY2(timer.elapsed() < (row < 0 ? 1000 : 250) * TimeLimits::scale,
                     qPrintable(QString::number(timer.elapsed())));
            timer.restart();
        }
        QTest::mouseClick(child<QPushButton>(page.get(), "cmdSaveGoals"), Qt::LeftButton);
        // The same text, in this system's encoding.
        QCOMPARE(TextFile::decode(fileBytes(goalFile())), QString::fromUtf8(content));
    }

private:
    std::unique_ptr<TestServices> m_test;

    QString goalFile() const { return DataFolder::goalFile(m_test->dataFolder()); }
    std::unique_ptr<GoalsPage> startPage(const QByteArray& content) const
    {
        writeFile(goalFile(), content);
        auto page = std::make_unique<GoalsPage>(m_test->services());
        page->show();
        page->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(page.get())); }();
        page->LoadGoalsAtStartup();
        return page;
    }
};

QTEST_MAIN(tst_GoalEditor)
#include "tst_goaleditor.moc"
