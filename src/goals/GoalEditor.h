// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/GoalStore.h"

#include <QCoreApplication>
#include <QDate>
#include <optional>

class Clock;

// The "My Personal Goals" page without its widgets: the goals of the view shown, one row
// each, with their check marks; the highlighted row, whose goal the editor holds; the goal
// being edited; whether it is a new one; and the read-out. Every handler of the page acts
// here, on the goals and on goals.txt; the page shows the result and passes on what the
// user does, in rows counted from 0.
class GoalEditor {
    Q_DECLARE_TR_FUNCTIONS(GoalEditor)

public:
    enum class View { None, Current, Achieved };
    // A new goal is entered while the list is out of use; leaving the mode (a save, a
    // refill of the list, a row chosen, cancelNewGoal()) puts it back in use.
    enum class Mode { Browsing, NewGoal };

    // The goal being edited, as the editor's boxes hold it. The description's line breaks
    // are those of the goal file.
    struct Draft {
        QString name;
        QString description;
        QDate start;
        QDate end;
        int percent = 0;
    };
    struct ReadOut {
        QString dayCount;
        QString daysRemaining;
        QString info; // the progress sentence
    };

    GoalEditor(const QString& goalFile, const Clock& clock);

    // Run once at start-up: loads the goals and lists the current ones. Without a goal
    // file nothing is listed and no view is chosen.
    void LoadGoalsAtStartup();
    // Lists the achieved goals or the current ones, and holds the first in the editor.
    void DisplayGoals(bool achieved);
    void optGoals_Click(int index);
    void cmdNewGoal_Click();
    void ListView1_ItemClick(int row);
    // Leaves new-goal mode without a save: the editor holds the highlighted goal again.
    void cancelNewGoal();
    // Each returns what the user is to be told, if anything.
    std::optional<QString> cmdSaveGoals_Click();
    std::optional<QString> cmdDeleteGoals_Click();
    std::optional<QString> cmdMarkAchived_Click();
    void ClearGoalEditor();
    // Appends the goal in the editor as a new one.
    void AddGoalFromEditor();
    void ShowGoalProgress();

    // What the user changes in the editor and the list. A text shown in part, as it is too
    // long to be shown whole, stays as stored: its box cannot be edited.
    void setName(const QString& name);
    void setDescription(const QString& description);
    void setStartingDate(QDate date);
    void setEndingDate(QDate date);
    void setPercent(int percent);
    void setChecked(int row, bool checked);

    const Goals& goals() const { return m_store.goals(); }
    int rowCount() const { return int(m_rows.size()); }
    const GoalRecord& goalAt(int row) const { return goals()[m_rows[row].goal]; }
    bool isChecked(int row) const { return m_rows[row].checked; }
    std::optional<int> highlightedRow() const { return m_highlighted; }
    View view() const { return m_view; }
    Mode mode() const { return m_mode; }
    const Draft& draft() const { return m_draft; }
    const ReadOut& readOut() const { return m_readOut; }
    bool nameShownInPart() const { return m_nameInPart; }
    bool descriptionShownInPart() const { return m_descriptionInPart; }
    // Whether the name, the description and the percentage can be used.
    bool isInUse() const { return m_inUse; }
    bool canSave() const { return m_mode == Mode::NewGoal || !m_rows.isEmpty(); }
    // Says which of the goal's dates are kept as stored, as no picker can show them; empty
    // when both are shown.
    QString keptDates() const;

private:
    struct Row {
        int goal;
        bool checked = false;
    };
    void showDayCount();
    // The name and the description are emptied, and can be edited.
    void clearTexts();
    // The view toggle in its current-goal state, the current goals listed.
    void selectCurrentView();
    std::optional<QString> notSaved() const;

    GoalStore m_store;
    const Clock& m_clock;
    View m_view = View::None;
    Mode m_mode = Mode::Browsing;
    QList<Row> m_rows;
    std::optional<int> m_highlighted;
    Draft m_draft;
    bool m_nameInPart = false;
    bool m_descriptionInPart = false;
    bool m_inUse = false;
    ReadOut m_readOut;
};
