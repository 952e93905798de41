// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "TimeLimits.h"
#include "goals/DatePicker.h"
#include "goals/GoalProgress.h"
#include "goals/GoalStore.h"
#include "goals/GoalsPage.h"
#include "platform/DataFolder.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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

// Each goal read, as "name percent".
QStringList read(GoalStore& store)
{
    store.LoadGoals();
    QStringList goals;
    for (const GoalRecord& goal : store.goals())
        goals << goal.GoalName + u' ' + QString::number(goal.AchievedPercent);
    return goals;
}

} // namespace

// The goal file read and written, the figures of the read-out, the date picker; and the goals
// page's stories told to its editor, then through the real page.
class tst_Goals : public QObject {
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
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 11), QTime(9, 30)));
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

    void readsWhatItCanAndSavesItExactly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("goals");
        // Empty: the content as it was; else the text saved (in UTF-8 here), which the file
        // holds in this system's encoding.
        QTest::addColumn<QByteArray>("saved");

        QTest::newRow("quotes as older versions left them")
            << QByteArray("\"say \"hi\"\",#2008-01-15#,#2008-06-30#,\"a \"b\" c\",#FALSE#,0\r\n")
            << QStringList{u"say \"hi\" 0"_qs}
            << QByteArray(
                   "\"say \"\"hi\"\"\",#2008-01-15#,#2008-06-30#,\"a \"\"b\"\" c\",#FALSE#,0\r\n");

        // A damaged record costs nothing else, and stays where it is.
        const QByteArray a = record("a", false, 10);
        const QByteArray b = record("b", false, 20);
        const QStringList ab = {u"a 10"_qs, u"b 20"_qs};
        const QByteArray tail = "\"x\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#";
        QTest::newRow("missing field") << a + tail + "\r\n" + b << ab << QByteArray();
        QTest::newRow("date that is no date")
            << a + QByteArray(tail).replace("01-15", "02-30") + ",1\r\n" + b << ab << QByteArray();
        QTest::newRow("text after the last field")
            << a + tail + ",1 more\r\n" + b << ab << QByteArray();
        QTest::newRow("cut short")
            << a + b + "\"c\",#2008-01-15#,#2008-06-30#,\"first line\r\nsec" << ab << QByteArray();
        QTest::newRow("percentages out of range")
            << record("high", false, 150) + record("huge", false, 1000000000) +
                   record("endless").replace(",0\r\n", ",9999999999999999999999999\r\n") +
                   record("low", false, -5)
            << QStringList{u"high 100"_qs, u"huge 100"_qs, u"endless 100"_qs, u"low 0"_qs}
            << record("high", false, 100) + record("huge", false, 100) +
                   record("endless", false, 100) + record("low", false, 0);
        // Text is kept.
        QTest::newRow("binary") << QByteArray::fromHex("0001fffe220d0a00222c2c2389504e470d0a") + a
                                << QStringList{u"a 10"_qs}
                                << QByteArray::fromHex(
                                       "0001c3bfc3be220d0a00222c2c23e280b0504e470d0a") +
                                       a;
    }

    void readsWhatItCanAndSavesItExactly()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, saved);
        writeFile(goalFile(), content);
        GoalStore store(goalFile());
        QTEST(read(store), "goals");
        QCOMPARE(store.reading(), GoalStore::Reading::Whole);
        QCOMPARE(fileBytes(goalFile()), content); // loading writes nothing
        QVERIFY(QFile::remove(goalFile()));
        QVERIFY(store.SaveGoals());
        QCOMPARE(fileBytes(goalFile()),
                 saved.isEmpty() ? content : TextFile::encode(QString::fromUtf8(saved)));
    }

    void fileNotReadWholeIsNeverReplaced_data()
    {
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unreadable") << true << record("a");
        QTest::newRow("enormous") << false
                                  << record("a") + QByteArray(48 << 20, ',') + "\r\n" + record("b");
    }

    void fileNotReadWholeIsNeverReplaced()
    {
        QFETCH(bool, unreadable);
        QFETCH(QByteArray, content);
        writeFile(goalFile(), content);
        GoalStore store(goalFile());
        {
            std::optional<RestrictedPath> guard;
            if (unreadable && !guard.emplace(goalFile(), QFile::WriteOwner).holds())
                QSKIP("permission bits do not bind here");
            QVERIFY(store.fileFound());
            QCOMPARE(read(store), unreadable ? QStringList() : QStringList{u"a 0"_qs});
            QCOMPARE(store.reading(),
                     unreadable ? GoalStore::Reading::Unreadable : GoalStore::Reading::TooLarge);
            store.goals() << GoalRecord{.GoalName = u"new"_qs};
            QVERIFY(!store.SaveGoals());
            QVERIFY(!store.SaveGoalsExcept({0}));
        }
        QVERIFY(fileBytes(goalFile()) == content);
    }

    void readOut()
    {
        // Days remaining, then the sentence, 1 to 8 March at "20" (readOutFollowsTheClicks reads
        // the worked example, 3 and 11 March, off the editor).
        const auto readOut = [](QDate start, QDate end, QDate today, int percent = 20) {
            const GoalProgress::Texts texts =
                GoalProgress::progress(start, end, today, percent, true, u"."_qs);
            return QStringList{texts.daysRemaining, texts.info};
        };
        const auto sentence = [](const QString& expected, int actual) {
            return u"You should have achieved "_qs + expected +
                   u"%. You have actually achieved "_qs + QString::number(actual) + u"%"_qs;
        };
        const QDate first(2008, 3, 1);
        const QDate eighth(2008, 3, 8);
        QCOMPARE(readOut(first, eighth, first, 0), (QStringList{u"7"_qs, sentence(u"0"_qs, 0)}));
        QCOMPARE(readOut(first, eighth, eighth, 100),
                 (QStringList{u"0"_qs, sentence(u"100"_qs, 100)}));
        QCOMPARE(
            readOut(first, eighth, QDate(2008, 2, 29)),
            (QStringList{QString(), u"Your goal starting date has been set for the future"_qs}));
        // No days to share out: nothing to say.
        QCOMPARE(readOut(first, first, first), (QStringList{QString(), QString()}));
        // Beyond what 16 bits hold: the figures are still right.
        QCOMPARE(readOut(QDate(1980, 1, 1), QDate(2099, 12, 31), QDate(2026, 3, 3), 40),
                 (QStringList{u"26966"_qs, sentence(u"38.47"_qs, 40)}));
    }

    void expectedFigure_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<float>("rounded");
        QTest::addColumn<QString>("shown");

        QTest::newRow("one place") << 8 << 1 << 12.5f << u"12.5"_qs;
        // Halves go away from zero, also where the single holds a hair less than the half.
        QTest::newRow("exact half") << 800 << 1 << 0.13f << u"0.13"_qs;
        QTest::newRow("half held low") << 8000 << 14 << 0.18f << u"0.18"_qs;
        QTest::newRow("past ten million") << 1 << 200000 << 20000000.0f << u"20000000"_qs;
    }

    void expectedFigure()
    {
        QFETCH(int, total);
        QFETCH(int, elapsed);
        const float rounded = GoalProgress::expectedPercent(total, elapsed);
        QTEST(rounded, "rounded");
        QTEST(GoalProgress::formatPercent(rounded, u"."_qs), "shown");
    }

    void showsOnlyRealDates_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<bool>("byKey"); // an arrow key in the month list, else setValue
        QTest::addColumn<QDate>("value");
        QTest::addColumn<int>("announcements"); // 0: refused, the shown date stays

        // A pick that pulls the day back to the month's last: the correction, then the pick.
        QTest::newRow("pick February 2007")
            << QDate(2007, 1, 31) << true << QDate(2007, 2, 28) << 2;
        QTest::newRow("pick February 2008")
            << QDate(2008, 1, 31) << true << QDate(2008, 2, 29) << 2;
        for (const int month : {4, 6, 9, 11}) // every month of 30 days
            QTest::addRow("pick %d", month)
                << QDate(2026, month - 1, 31) << true << QDate(2026, month, 30) << 2;
        // setValue picks the year, the month and the day in turn.
        QTest::newRow("31 January over February")
            << QDate(2007, 2, 28) << false << QDate(2007, 1, 31) << 3;
        QTest::newRow("leap day over 2007")
            << QDate(2007, 2, 28) << false << QDate(2008, 2, 29) << 3;
        QTest::newRow("2007 over a leap day")
            << QDate(2008, 2, 29) << false << QDate(2007, 3, 31) << 4;
        QTest::newRow("1979") << QDate(2026, 3, 31) << false << QDate(1979, 12, 31) << 0;
        QTest::newRow("2100") << QDate(2026, 3, 31) << false << QDate(2100, 1, 1) << 0;
    }

    void showsOnlyRealDates()
    {
        QFETCH(QDate, shown);
        QFETCH(bool, byKey);
        QFETCH(QDate, value);
        QFETCH(int, announcements);
        DatePicker picker(shown);
        picker.show();
        QList<QDate> announced;
        connect(&picker, &DatePicker::DateChanged, this, [&] { announced << picker.Value(); });
        if (byKey) {
            auto* month = child<QComboBox>(&picker, "cboMonth");
            month->setFocus();
            QTest::keyClick(month, Qt::Key_Down);
        } else {
            QCOMPARE(picker.setValue(value), announcements > 0);
        }
        QCOMPARE(picker.Value(), announcements > 0 ? value : shown);
        QCOMPARE(announced.size(), announcements);
        // Each announcement comes once the date is whole again.
        QVERIFY(!announced.contains(QDate()));
    }

    void monthsFollowNoLanguage()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        DatePicker picker(QDate(2026, 9, 30)); // the longest month name
        QLocale::setDefault(before);
        QCOMPARE(child<QComboBox>(&picker, "cboMonth")->currentText(), u"September"_qs);
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

QTEST_MAIN(tst_Goals)
#include "tst_goals.moc"
