// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoalEditor.h"

#include "goals/DateRange.h"
#include "goals/GoalProgress.h"
#include "library/ShownText.h"
#include "platform/Clock.h"

#include <QDir>
#include <QLocale>

GoalEditor::GoalEditor(const QString& goalFile, const Clock& clock)
    : m_store(goalFile)
    , m_clock(clock)
    , m_draft{.start = clock.today(), .end = clock.today()}
{}

void GoalEditor::LoadGoalsAtStartup()
{
    // Without a goal file nothing is listed and no view is chosen; none is created.
    if (!m_store.fileFound())
        return;
    m_store.LoadGoals();
    selectCurrentView();
}

void GoalEditor::DisplayGoals(bool achieved)
{
    // A refill shows a goal of the list, so the list is in use again.
    m_mode = Mode::Browsing;
    m_rows.clear();
    m_highlighted.reset();
    for (int goal = 0; goal < goals().size(); ++goal) {
        if (goals()[goal].Achieved == achieved)
            m_rows << Row{goal};
    }
    // The goal in the editor is the highlighted one, so that "Save Goal" updates it.
    if (!m_rows.isEmpty())
        ListView1_ItemClick(0);
    ShowGoalProgress();
}

void GoalEditor::optGoals_Click(int index)
{
    m_view = index == 1 ? View::Achieved : View::Current;
    clearTexts();
    DisplayGoals(index == 1);
}

void GoalEditor::selectCurrentView()
{
    if (m_view == View::Current)
        DisplayGoals(false);
    else
        optGoals_Click(0);
}

void GoalEditor::cmdNewGoal_Click()
{
    m_mode = Mode::NewGoal;
    ClearGoalEditor();
    const QDate today = m_clock.today();
    m_draft.start = today;
    m_draft.end = today.addDays(7);
    showDayCount();
    m_inUse = true;
}

void GoalEditor::ListView1_ItemClick(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const GoalRecord& goal = goalAt(row);
    m_mode = Mode::Browsing;
    m_highlighted = row;
    m_draft = {.name = goal.GoalName,
               .description = goal.GoalDesc,
               .start = goal.StartingDate,
               .end = goal.EndingDate,
               .percent = goal.AchievedPercent};
    // A text too long to be laid out at once is shown in part, and cannot be edited.
    m_nameInPart = ShownText::isCut(goal.GoalName);
    m_descriptionInPart = ShownText::isCut(goal.GoalDesc);
    showDayCount();
    ShowGoalProgress();
    m_inUse = true;
}

void GoalEditor::cancelNewGoal()
{
    if (m_mode != Mode::NewGoal)
        return;
    m_mode = Mode::Browsing;
    if (m_highlighted) {
        ListView1_ItemClick(*m_highlighted);
    } else {
        ClearGoalEditor();
        m_inUse = false;
    }
}

std::optional<QString> GoalEditor::cmdSaveGoals_Click()
{
    if (GoalProgress::dayCount(m_draft.start, m_draft.end) <= 0)
        return tr("Starting date can't be same or later than ending date.");
    if (m_draft.name.isEmpty())
        return tr("Goal name can't be blank.");

    Goals& all = m_store.goals();
    const Goals before = all;
    if (m_mode == Mode::NewGoal) {
        AddGoalFromEditor();
    } else if (m_highlighted) {
        GoalRecord& goal = all[m_rows[*m_highlighted].goal];
        goal.GoalName = m_draft.name;
        goal.StartingDate = m_draft.start;
        goal.EndingDate = m_draft.end;
        goal.GoalDesc = m_draft.description;
        goal.AchievedPercent = qint16(m_draft.percent);
    }
    if (!m_store.SaveGoals() && GoalStore::HasGoals(all)) {
        // What was typed stays, and so does the editor's mode, to be saved again.
        all = before;
        return notSaved();
    }
    m_store.LoadGoals();
    DisplayGoals(false);
    selectCurrentView();
    return std::nullopt;
}

void GoalEditor::AddGoalFromEditor()
{
    // Not achieved, at 0 percent whatever the box shows.
    m_store.goals() << GoalRecord{.GoalName = m_draft.name,
                                  .StartingDate = m_draft.start,
                                  .EndingDate = m_draft.end,
                                  .GoalDesc = m_draft.description};
}

std::optional<QString> GoalEditor::cmdDeleteGoals_Click()
{
    QList<int> checked;
    for (const Row& row : std::as_const(m_rows)) {
        if (row.checked)
            checked << row.goal;
    }
    std::optional<QString> told;
    if (!checked.isEmpty()) {
        if (!m_store.SaveGoalsExcept(checked))
            told = notSaved();
        ClearGoalEditor();
    }
    m_store.LoadGoals();
    DisplayGoals(false);
    selectCurrentView();
    if (m_rows.isEmpty()) {
        m_inUse = false;
        ClearGoalEditor();
    }
    return told;
}

std::optional<QString> GoalEditor::cmdMarkAchived_Click()
{
    for (const Row& row : std::as_const(m_rows)) {
        if (row.checked)
            m_store.goals()[row.goal].Achieved = true;
    }
    std::optional<QString> told;
    if (!m_store.SaveGoals() && GoalStore::HasGoals(goals()))
        told = notSaved();
    // What is listed is what the file holds, also when it could not be written.
    m_store.LoadGoals();
    DisplayGoals(false);
    selectCurrentView();
    return told;
}

void GoalEditor::ClearGoalEditor()
{
    clearTexts();
    m_draft.percent = 0;
    m_readOut = {};
}

void GoalEditor::clearTexts()
{
    m_draft.name.clear();
    m_draft.description.clear();
    m_nameInPart = m_descriptionInPart = false;
}

void GoalEditor::ShowGoalProgress()
{
    const GoalProgress::Texts texts =
        GoalProgress::progress(m_draft.start, m_draft.end, m_clock.today(), m_draft.percent,
                               m_inUse, QLocale().decimalPoint());
    m_readOut.daysRemaining = texts.daysRemaining;
    m_readOut.info = texts.info;
}

void GoalEditor::setName(const QString& name)
{
    if (!m_nameInPart)
        m_draft.name = name;
}

void GoalEditor::setDescription(const QString& description)
{
    if (!m_descriptionInPart)
        m_draft.description = description;
}

void GoalEditor::setStartingDate(QDate date)
{
    m_draft.start = date;
    showDayCount();
}

void GoalEditor::setEndingDate(QDate date)
{
    m_draft.end = date;
    showDayCount();
}

void GoalEditor::setPercent(int percent)
{
    m_draft.percent = qBound(0, percent, 100);
}

void GoalEditor::setChecked(int row, bool checked)
{
    if (row >= 0 && row < rowCount())
        m_rows[row].checked = checked;
}

QString GoalEditor::keptDates() const
{
    const bool start = !DateRange::contains(m_draft.start);
    const bool end = !DateRange::contains(m_draft.end);
    const QLocale locale;
    const auto date = [&locale](QDate date) { return locale.toString(date, u"d MMMM yyyy"_qs); };
    if (start && end)
        return tr("Dates kept as stored: %1 to %2").arg(date(m_draft.start), date(m_draft.end));
    if (start)
        return tr("Starting date kept as stored: %1").arg(date(m_draft.start));
    if (end)
        return tr("Ending date kept as stored: %1").arg(date(m_draft.end));
    return {};
}

void GoalEditor::showDayCount()
{
    m_readOut.dayCount = QString::number(GoalProgress::dayCount(m_draft.start, m_draft.end));
}

std::optional<QString> GoalEditor::notSaved() const
{
    QString text;
    switch (m_store.reading()) {
    case GoalStore::Reading::TooLarge:
        text = tr("The goal file is too large to be rewritten safely:\n%1\n\nThe change "
                  "was not saved.");
        break;
    case GoalStore::Reading::Unreadable:
        text = tr("The goal file could not be read whole, so it is not rewritten:\n%1\n\nThe "
                  "change was not saved.");
        break;
    case GoalStore::Reading::Whole:
        text = tr("The goal file could not be written:\n%1\n\nThe change was not saved.");
        break;
    }
    return text.arg(QDir::toNativeSeparators(m_store.path()));
}
