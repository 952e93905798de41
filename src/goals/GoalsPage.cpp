// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoalsPage.h"

#include "goals/DatePicker.h"
#include "library/ShownText.h"
#include "platform/DataFolder.h"
#include "platform/LineBreaks.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "platform/WebLinks.h"
#include "widgets/CheckListView.h"
#include "widgets/LinkLabel.h"
#include "widgets/Named.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <limits>

namespace {

// The designed widths of the page's three columns: 2745, 3195 and 2085 twips.
constexpr int goalColumnWidth = 183;
constexpr int editorColumnWidth = 213;
constexpr int timerColumnWidth = 139;

// A label with its text's size (0: the page's), bold or not, and alignment.
QLabel* label(const char* name, const QString& text, qreal pointSize = 0, bool bold = false,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = named<QLabel>(QLatin1String(name), text);
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

constexpr Qt::Alignment captionAlignment = Qt::AlignHCenter | Qt::AlignTop;

// A column of widgets without margins; a widget with a stretch of its own gets the room
// left, at least its designed size, as its own preferred size would stretch the window.
QWidget* column(int width, int spacing, std::initializer_list<std::pair<QWidget*, int>> widgets)
{
    auto* holder = new QWidget;
    holder->setMinimumWidth(width);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (const auto& [widget, stretch] : widgets) {
        if (stretch > 0)
            widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        layout->addWidget(widget, stretch);
    }
    return holder;
}

} // namespace

GoalsPage::GoalsPage(const Services& services, QWidget* parent)
    : QWidget(parent)
    , m_prompter(*services.prompter)
    , m_editor(DataFolder::goalFile(services.dataFolder), *services.clock)
    , m_cancelNewGoal(new QShortcut(QKeySequence(Qt::Key_Escape), this))
{
    lblInfo = label("lblInfo", {}, 0, true);
    Label17 = named<LinkLabel>(QStringLiteral("Label17"),
                               tr("Visit %1 now for news and more tools for a positive mind.")
                                   .arg(WebLinks::homePageShown()));
    auto* columns = new QHBoxLayout;
    columns->setSpacing(5);
    columns->addWidget(buildGoalColumn(), 1);
    columns->addWidget(buildEditorColumn(), 1);
    columns->addWidget(buildTimerColumn());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(label(
        "Label5",
        tr("It is important to set goals and targets to be able to see and measure your "
           "achievements. This seemingly small task will yield tremendous results, when taken "
           "seriously. Setting goals will help you keep a clear, focussed and dedicated mindset "
           "towards fulfilling your aims in life."),
        0, true));
    layout->addWidget(lblInfo);
    layout->addLayout(columns, 1);
    layout->addWidget(Label17);
    showAll();

    m_cancelNewGoal->setContext(Qt::WidgetWithChildrenShortcut);
    // Escape while a new goal is entered gives it up, and shows the goal highlighted.
    connect(m_cancelNewGoal, &QShortcut::activated, this, [this] {
        m_editor.cancelNewGoal();
        showAll();
    });
    connect(cmdNewGoal, &QPushButton::clicked, this, &GoalsPage::cmdNewGoal_Click);
    connect(cmdSaveGoals, &QPushButton::clicked, this, &GoalsPage::cmdSaveGoals_Click);
    connect(cmdDeleteGoals, &QPushButton::clicked, this, &GoalsPage::cmdDeleteGoals_Click);
    connect(cmdMarkAchived, &QPushButton::clicked, this, &GoalsPage::cmdMarkAchived_Click);
    connect(optGoals[0], &QPushButton::clicked, this, [this] { optGoals_Click(0); });
    connect(optGoals[1], &QPushButton::clicked, this, [this] { optGoals_Click(1); });
    connect(ListView1, &CheckListView::chosen, this, &GoalsPage::ListView1_ItemClick);
    connect(txtGoalName, &QLineEdit::textEdited, this,
            [this](const QString& name) { m_editor.setName(name); });
    connect(txtGoalDesc, &QPlainTextEdit::textChanged, this, [this] {
        m_editor.setDescription(LineBreaks::toCrLf(txtGoalDesc->document()->toRawText()));
    });
    connect(Combo3, &QComboBox::currentIndexChanged, this,
            [this](int percent) { m_editor.setPercent(percent); });
    connect(mydtpStartingDate, &DatePicker::DateChanged, this,
            &GoalsPage::mydtpStartingDate_DateChanged);
    connect(mydtpEndingDate, &DatePicker::DateChanged, this,
            &GoalsPage::mydtpEndingDate_DateChanged);
    connect(Label17, &LinkLabel::clicked, this, &GoalsPage::homePageClicked);
}

QWidget* GoalsPage::buildGoalColumn()
{
    ListView1 = named<CheckListView>(
        QStringLiteral("ListView1"), tr("Goals"),
        CheckList::Rows{
            .count = [this] { return m_editor.rowCount(); },
            .text = [this](int row) { return ShownText::of(m_editor.goalAt(row).GoalName); },
            .checked = [this](int row) { return m_editor.isChecked(row); },
            .check = [this](int row, bool checked) { m_editor.setChecked(row, checked); }},
        [this] { return m_editor.highlightedRow(); });
    ListView1->setMinimumHeight(125);
    // The two view options lie on top of each other; the one in front offers the view
    // that is not shown. Neither is chosen until goals are listed.
    optGoals = {named<QPushButton>(QStringLiteral("optGoals(0)"), tr("View Current Goals")),
                named<QPushButton>(QStringLiteral("optGoals(1)"), tr("View Achieved Goals"))};
    auto* toggle = new QWidget;
    m_viewToggle = new QStackedLayout(toggle);
    auto* views = new QButtonGroup(this);
    for (QPushButton* option : optGoals) {
        option->setCheckable(true);
        views->addButton(option);
        m_viewToggle->addWidget(option);
    }
    cmdNewGoal = named<QPushButton>(QStringLiteral("cmdNewGoal"), tr("Set New Goals"));
    cmdDeleteGoals =
        named<QPushButton>(QStringLiteral("cmdDeleteGoals"), tr("Delete Selected Goals"));
    cmdMarkAchived =
        named<QPushButton>(QStringLiteral("cmdMarkAchived"), tr("Mark Selected Goals As Achieved"));
    return column(
        goalColumnWidth, 3,
        {{cmdNewGoal, 0}, {ListView1, 1}, {cmdDeleteGoals, 0}, {toggle, 0}, {cmdMarkAchived, 0}});
}

QWidget* GoalsPage::buildEditorColumn()
{
    txtGoalName = named<QLineEdit>(QStringLiteral("txtGoalName"));
    // A name read from the file is never cut short by the box.
    txtGoalName->setMaxLength(std::numeric_limits<int>::max());
    txtGoalDesc = named<QPlainTextEdit>(QStringLiteral("txtGoalDesc"));
    txtGoalDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtGoalDesc->setTabChangesFocus(true);
    txtGoalDesc->setMinimumHeight(93);
    mydtpStartingDate =
        named<DatePicker>(QStringLiteral("mydtpStartingDate"), m_editor.draft().start);
    mydtpEndingDate = named<DatePicker>(QStringLiteral("mydtpEndingDate"), m_editor.draft().end);
    lblKeptDates = label("lblKeptDates", {});
    lblKeptDates->setToolTip(tr("The date lists offer the years %1 to %2. A stored date outside "
                                "them stays as it is until you pick another.")
                                 .arg(DatePicker::firstYear)
                                 .arg(DatePicker::lastYear));
    return column(editorColumnWidth, 1,
                  {{label("Label15", tr("Name Of Goal")), 0},
                   {txtGoalName, 0},
                   {label("Label16", tr("Description Of Goal")), 0},
                   {txtGoalDesc, 1},
                   {label("Label2", tr("Goal Starting Date:")), 0},
                   {mydtpStartingDate, 0},
                   {label("Label3", tr("Goal Ending Date:")), 0},
                   {mydtpEndingDate, 0},
                   {lblKeptDates, 0}});
}

QWidget* GoalsPage::buildTimerColumn()
{
    Frame1 = named<QGroupBox>(QStringLiteral("Frame1"), tr("Goal Timer"));
    lblDayCount = label("lblDayCount", {}, 20.25, false, Qt::AlignCenter);
    lblDaysRemaining = label("lblDaysRemaining", {}, 20.25, false, Qt::AlignCenter);
    Combo3 = named<QComboBox>(QStringLiteral("Combo3"));
    for (int percent = 0; percent <= 100; ++percent)
        Combo3->addItem(QString::number(percent));
    auto* timer = new QVBoxLayout(Frame1);
    timer->setContentsMargins(4, 4, 4, 4);
    timer->setSpacing(1);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             label("Label1", tr("Total Day(s) To Achieve Goal"), 0, false, captionAlignment),
             lblDayCount,
             label("Label4", tr("Day(s) Remaining To Achieve Goal"), 0, false, captionAlignment),
             lblDaysRemaining,
             label("Label13", tr("Select  Achieved Percentage Of Goal"), 0, false,
                   captionAlignment),
             Combo3})
        timer->addWidget(widget);
    timer->addStretch();
    cmdSaveGoals = named<QPushButton>(QStringLiteral("cmdSaveGoals"), tr("Save Goal"));
    QWidget* holder = column(timerColumnWidth, 3, {{Frame1, 0}, {cmdSaveGoals, 0}});
    holder->setFixedWidth(qMax(timerColumnWidth, cmdSaveGoals->sizeHint().width()));
    return holder;
}

void GoalsPage::cmdNewGoal_Click()
{
    m_editor.cmdNewGoal_Click();
    showAll();
    txtGoalName->setFocus();
}

void GoalsPage::ListView1_ItemClick(int row)
{
    m_editor.ListView1_ItemClick(row);
    showEditor();
}

void GoalsPage::mydtpStartingDate_DateChanged()
{
    m_editor.setStartingDate(mydtpStartingDate->Value());
    showReadOut();
}

void GoalsPage::mydtpEndingDate_DateChanged()
{
    m_editor.setEndingDate(mydtpEndingDate->Value());
    showReadOut();
}

void GoalsPage::showAll(const std::optional<QString>& told)
{
    using View = GoalEditor::View;
    ListView1->showRows();
    ListView1->setAlternatingRowColors(m_editor.view() == View::Current);
    const bool browsing = m_editor.mode() == GoalEditor::Mode::Browsing;
    ListView1->setEnabled(browsing);
    m_cancelNewGoal->setEnabled(!browsing);
    if (m_editor.view() != View::None) {
        const size_t shown = m_editor.view() == View::Achieved ? 1 : 0;
        optGoals[shown]->setChecked(true);
        m_viewToggle->setCurrentWidget(optGoals[1 - shown]);
    }
    showEditor();
    if (told)
        m_prompter.ask(this, {.text = *told, .icon = Prompter::Icon::Critical});
}

void GoalsPage::showEditor()
{
    const GoalEditor::Draft& draft = m_editor.draft();
    // Only what differs is shown again: the cursor stays where it is, and a date picker
    // announces only a date that changed.
    if (const QString name = ShownText::of(draft.name); txtGoalName->text() != name)
        txtGoalName->setText(name);
    txtGoalName->setReadOnly(m_editor.nameShownInPart());
    const QString description = LineBreaks::toLineFeeds(ShownText::of(draft.description));
    if (txtGoalDesc->toPlainText() != description)
        txtGoalDesc->setPlainText(description);
    txtGoalDesc->setReadOnly(m_editor.descriptionShownInPart());
    // A date the pickers cannot show (before 1980, after 2099) leaves them as they are.
    for (auto [picker, date] :
         {std::pair(mydtpStartingDate, draft.start), std::pair(mydtpEndingDate, draft.end)}) {
        if (picker->Value() != date)
            picker->setValue(date);
    }
    Combo3->setCurrentIndex(draft.percent);
    for (QWidget* box : std::initializer_list<QWidget*>{txtGoalName, txtGoalDesc, Combo3})
        box->setEnabled(m_editor.isInUse());
    cmdSaveGoals->setEnabled(m_editor.canSave());
    showReadOut();
}

void GoalsPage::showReadOut()
{
    const GoalEditor::ReadOut& readOut = m_editor.readOut();
    lblDayCount->setText(readOut.dayCount);
    lblDaysRemaining->setText(readOut.daysRemaining);
    lblInfo->setText(readOut.info);
    lblKeptDates->setText(m_editor.keptDates());
    lblKeptDates->setVisible(!lblKeptDates->text().isEmpty());
}
