// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/GoalEditor.h"

#include <QWidget>
#include <array>
#include <optional>

class CheckListView;
class DatePicker;
class LinkLabel;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShortcut;
class QStackedLayout;
struct Services;

// The "My Personal Goals" page: the goal list with its current and achieved views, the
// goal editor, and the read-out of how far along the goal should be by today. It shows
// what its GoalEditor holds and hands it every click and every change of the editor's
// boxes; every change of the goals is written to goals.txt at once.
class GoalsPage : public QWidget {
    Q_OBJECT

public:
    explicit GoalsPage(const Services& services, QWidget* parent = nullptr);

    void LoadGoalsAtStartup()
    {
        m_editor.LoadGoalsAtStartup();
        showAll();
    }

    void cmdNewGoal_Click();
    void cmdSaveGoals_Click() { showAll(m_editor.cmdSaveGoals_Click()); }
    void cmdDeleteGoals_Click() { showAll(m_editor.cmdDeleteGoals_Click()); }
    void cmdMarkAchived_Click() { showAll(m_editor.cmdMarkAchived_Click()); }
    void ListView1_ItemClick(int row);
    void optGoals_Click(int index)
    {
        m_editor.optGoals_Click(index);
        showAll();
    }
    void mydtpStartingDate_DateChanged();
    void mydtpEndingDate_DateChanged();

Q_SIGNALS:
    void homePageClicked();

private:
    QWidget* buildGoalColumn();
    QWidget* buildEditorColumn();
    QWidget* buildTimerColumn();
    // Shows the editor's list, the goal it holds and its read-out; then what the user is
    // to be told, if anything. A save refused leaves everything as the user left it: only
    // what differs from the editor is shown again.
    void showAll(const std::optional<QString>& told = std::nullopt);
    void showEditor();
    void showReadOut();

    Prompter& m_prompter;
    GoalEditor m_editor;
    QStackedLayout* m_viewToggle = nullptr;
    QShortcut* m_cancelNewGoal;

    // Made by the build functions.
    QLabel* lblInfo = nullptr;
    QPushButton* cmdNewGoal = nullptr;
    CheckListView* ListView1 = nullptr;
    QPushButton* cmdDeleteGoals = nullptr;
    std::array<QPushButton*, 2> optGoals = {};
    QPushButton* cmdMarkAchived = nullptr;
    QLineEdit* txtGoalName = nullptr;
    QPlainTextEdit* txtGoalDesc = nullptr;
    DatePicker* mydtpStartingDate = nullptr;
    DatePicker* mydtpEndingDate = nullptr;
    QLabel* lblKeptDates = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* lblDayCount = nullptr;
    QLabel* lblDaysRemaining = nullptr;
    QComboBox* Combo3 = nullptr;
    QPushButton* cmdSaveGoals = nullptr;
    LinkLabel* Label17 = nullptr;
};
