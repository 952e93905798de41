#pragma once

#include "goals/GoalStore.h"

#include <QWidget>
#include <array>
#include <optional>

class Clock;
class DatePicker;
class LinkLabel;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;
class QTreeWidget;
class QTreeWidgetItem;
struct Services;

// The "My Personal Goals" page: the goal list with its current and achieved views, the
// goal editor, and the read-out of how far along the shown goal should be by today.
// Every change is written to goals.txt at once.
class GoalsPage : public QWidget {
    Q_OBJECT

public:
    explicit GoalsPage(const Services& services, QWidget* parent = nullptr);

    // Run once at start-up: loads the goals and lists the current ones. Without a goal
    // file the page stays empty and no view is chosen.
    void LoadGoalsAtStartup();
    // Lists the achieved goals (true) or the current ones (false) and shows the first
    // one in the editor.
    void DisplayGoals(bool AchivedGoals);

    void cmdNewGoal_Click();
    void cmdSaveGoals_Click();
    void cmdDeleteGoals_Click();
    void cmdMarkAchived_Click();
    void ListView1_ItemClick(QTreeWidgetItem* Item);
    void optGoals_Click(int Index);
    void mydtpStartingDate_DateChanged();
    void mydtpEndingDate_DateChanged();

    void ClearGoalEditor();
    void AddGoalFromEditor();
    void ShowGoalProgress();

Q_SIGNALS:
    void homePageClicked();

private:
    QWidget* buildGoalColumn();
    QWidget* buildEditorColumn();
    QWidget* buildTimerColumn();
    void showDayCount();
    void enableEditor(bool enabled);
    // The goal's dates: as stored where the pickers cannot show them, else as picked.
    QDate startingDate() const;
    QDate endingDate() const;
    void showKeptDates();
    // The editor shows nothing in part any more.
    void forgetKept();
    // Why the last change could not be written, in a message box.
    void tellNotSaved();
    // Picks the view option without a click when it is not picked yet, as a click would.
    void selectView(int index);
    void selectFirstRow();
    QTreeWidgetItem* rowAt(int position) const;
    // The goal index a row carries in its key ("12_") or in its sub-item ("12").
    std::optional<int> indexFromKey(const QTreeWidgetItem* row) const;
    std::optional<int> indexFromSubItem(const QTreeWidgetItem* row) const;
    std::optional<int> usableIndex(const QString& text) const;
    QString editorDescription() const;

    Prompter& m_prompter;
    const Clock& m_clock;
    GoalStore m_store;
    // The goal the editor shows, which "Save Goal" updates; none while it shows no goal.
    std::optional<int> m_shownGoal;
    // What the editor shows of that goal only in part, each kept as stored until the user
    // picks another: a date the pickers do not offer, a text too long to be shown whole
    // (its box then cannot be edited).
    struct Kept {
        std::optional<QDate> start;
        std::optional<QDate> end;
        std::optional<QString> name;
        std::optional<QString> description;
    };
    Kept m_kept;

    QLabel* Label5;
    QLabel* lblInfo;
    QPushButton* cmdNewGoal;
    QTreeWidget* ListView1;
    QPushButton* cmdDeleteGoals;
    std::array<QPushButton*, 2> optGoals;
    QStackedLayout* m_viewToggle = nullptr;
    QPushButton* cmdMarkAchived;
    QLabel* Label15;
    QLineEdit* txtGoalName;
    QLabel* Label16;
    QPlainTextEdit* txtGoalDesc;
    QLabel* Label2;
    DatePicker* mydtpStartingDate;
    QLabel* Label3;
    DatePicker* mydtpEndingDate;
    QLabel* lblKeptDates;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* lblDayCount;
    QLabel* Label4;
    QLabel* lblDaysRemaining;
    QLabel* Label13;
    QComboBox* Combo3;
    QPushButton* cmdSaveGoals;
    LinkLabel* Label17;
};
