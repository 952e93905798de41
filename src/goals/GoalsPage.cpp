#include "GoalsPage.h"

#include "goals/DatePicker.h"
#include "goals/GoalProgress.h"
#include "library/ShownText.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "platform/WebLinks.h"
#include "widgets/LinkLabel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

namespace {

// A row's key ("12_") is kept in this role of its one visible column; its sub-item
// ("12") is the text of the hidden second column.
constexpr int keyRole = Qt::UserRole;
constexpr int subItemColumn = 1;

// The designed widths of the page's three columns: 2745, 3195 and 2085 twips.
constexpr int goalColumnWidth = 183;
constexpr int editorColumnWidth = 213;
constexpr int timerColumnWidth = 139;
constexpr int goalListHeight = 125;
constexpr int descriptionHeight = 93;

template <typename T, typename... Args> T* named(const QString& name, Args&&... args)
{
    auto* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

QLabel* figureLabel(const QString& name)
{
    auto* label = named<QLabel>(name);
    QFont figures = label->font();
    figures.setPointSizeF(20.25);
    label->setFont(figures);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* captionLabel(const QString& name, const QString& text)
{
    auto* label = named<QLabel>(name, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void makeBold(QLabel* label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

// The description box holds its lines apart with its own separators; the goal file
// keeps the program's line ends.
QString lineBreaksForFile(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case u'\n':
        case 0xfdd0: // the beginning and the end of a frame
        case 0xfdd1:
            out += QStringLiteral("\r\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString lineBreaksForEditor(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

GoalsPage::GoalsPage(const Services& services, QWidget* parent)
    : QWidget(parent)
    , m_prompter(*services.prompter)
    , m_clock(*services.clock)
    , m_store(GoalStore::pathIn(services.dataFolder))
    , Label5(named<QLabel>(
          QStringLiteral("Label5"),
          tr("It is important to set goals and targets to be able to see and measure your "
             "achievements. This seemingly small task will yield tremendous results, when taken "
             "seriously. Setting goals will help you keep a clear, focussed and dedicated mindset "
             "towards fulfilling your aims in life.")))
    , lblInfo(named<QLabel>(QStringLiteral("lblInfo")))
    , cmdNewGoal(named<QPushButton>(QStringLiteral("cmdNewGoal"), tr("Set New Goals")))
    , ListView1(named<QTreeWidget>(QStringLiteral("ListView1")))
    , cmdDeleteGoals(
          named<QPushButton>(QStringLiteral("cmdDeleteGoals"), tr("Delete Selected Goals")))
    , optGoals{named<QPushButton>(QStringLiteral("optGoals(0)"), tr("View Current Goals")),
               named<QPushButton>(QStringLiteral("optGoals(1)"), tr("View Achieved Goals"))}
    , cmdMarkAchived(named<QPushButton>(QStringLiteral("cmdMarkAchived"),
                                        tr("Mark Selected Goals As Achieved")))
    , Label15(named<QLabel>(QStringLiteral("Label15"), tr("Name Of Goal")))
    , txtGoalName(named<QLineEdit>(QStringLiteral("txtGoalName")))
    , Label16(named<QLabel>(QStringLiteral("Label16"), tr("Description Of Goal")))
    , txtGoalDesc(named<QPlainTextEdit>(QStringLiteral("txtGoalDesc")))
    , Label2(named<QLabel>(QStringLiteral("Label2"), tr("Goal Starting Date:")))
    , mydtpStartingDate(named<DatePicker>(QStringLiteral("mydtpStartingDate"), m_clock.today()))
    , Label3(named<QLabel>(QStringLiteral("Label3"), tr("Goal Ending Date:")))
    , mydtpEndingDate(named<DatePicker>(QStringLiteral("mydtpEndingDate"), m_clock.today()))
    , lblKeptDates(named<QLabel>(QStringLiteral("lblKeptDates")))
    , Frame1(named<QGroupBox>(QStringLiteral("Frame1"), tr("Goal Timer")))
    , Label1(captionLabel(QStringLiteral("Label1"), tr("Total Day(s) To Achieve Goal")))
    , lblDayCount(figureLabel(QStringLiteral("lblDayCount")))
    , Label4(captionLabel(QStringLiteral("Label4"), tr("Day(s) Remaining To Achieve Goal")))
    , lblDaysRemaining(figureLabel(QStringLiteral("lblDaysRemaining")))
    , Label13(captionLabel(QStringLiteral("Label13"), tr("Select  Achieved Percentage Of Goal")))
    , Combo3(named<QComboBox>(QStringLiteral("Combo3")))
    , cmdSaveGoals(named<QPushButton>(QStringLiteral("cmdSaveGoals"), tr("Save Goal")))
    , Label17(named<LinkLabel>(QStringLiteral("Label17"),
                               tr("Visit %1 now for news and more tools for a positive mind.")
                                   .arg(WebLinks::homePageShown())))
{
    Label5->setWordWrap(true);
    makeBold(Label5);
    makeBold(lblInfo);
    lblInfo->setTextFormat(Qt::PlainText);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(5);
    columns->addWidget(buildGoalColumn(), 1);
    columns->addWidget(buildEditorColumn(), 1);
    columns->addWidget(buildTimerColumn());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Label5);
    layout->addWidget(lblInfo);
    layout->addLayout(columns, 1);
    layout->addWidget(Label17);

    enableEditor(false);
    cmdSaveGoals->setEnabled(false);

    connect(cmdNewGoal, &QPushButton::clicked, this, &GoalsPage::cmdNewGoal_Click);
    connect(cmdSaveGoals, &QPushButton::clicked, this, &GoalsPage::cmdSaveGoals_Click);
    connect(cmdDeleteGoals, &QPushButton::clicked, this, &GoalsPage::cmdDeleteGoals_Click);
    connect(cmdMarkAchived, &QPushButton::clicked, this, &GoalsPage::cmdMarkAchived_Click);
    connect(optGoals[0], &QPushButton::clicked, this, [this] { optGoals_Click(0); });
    connect(optGoals[1], &QPushButton::clicked, this, [this] { optGoals_Click(1); });
    // A row picked with the mouse or the keyboard shows its goal.
    connect(ListView1, &QTreeWidget::itemClicked, this, &GoalsPage::ListView1_ItemClick);
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current)
            ListView1_ItemClick(current);
    });
    connect(mydtpStartingDate, &DatePicker::DateChanged, this,
            &GoalsPage::mydtpStartingDate_DateChanged);
    connect(mydtpEndingDate, &DatePicker::DateChanged, this,
            &GoalsPage::mydtpEndingDate_DateChanged);
    connect(Label17, &LinkLabel::clicked, this, &GoalsPage::homePageClicked);
}

QWidget* GoalsPage::buildGoalColumn()
{
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({tr("Goals"), QString()});
    ListView1->setColumnHidden(subItemColumn, true);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->header()->setSectionsMovable(false);
    // The list and the description box take the room the columns leave them, at least
    // their designed size; their own preferred size would stretch the window.
    ListView1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ListView1->setMinimumSize(goalColumnWidth, goalListHeight);

    // The two view options lie on top of each other; the one in front offers the view
    // that is not shown. Neither is chosen until goals are listed.
    auto* toggle = new QWidget;
    m_viewToggle = new QStackedLayout(toggle);
    auto* views = new QButtonGroup(this);
    for (QPushButton* option : optGoals) {
        option->setCheckable(true);
        views->addButton(option);
        m_viewToggle->addWidget(option);
    }
    m_viewToggle->setCurrentWidget(optGoals[0]);

    auto* column = new QWidget;
    column->setMinimumWidth(goalColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(cmdNewGoal);
    layout->addWidget(ListView1, 1);
    layout->addWidget(cmdDeleteGoals);
    layout->addWidget(toggle);
    layout->addWidget(cmdMarkAchived);
    return column;
}

QWidget* GoalsPage::buildEditorColumn()
{
    // A name read from the file is never cut short by the box.
    txtGoalName->setMaxLength(std::numeric_limits<int>::max());
    txtGoalDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtGoalDesc->setTabChangesFocus(true);
    txtGoalDesc->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    txtGoalDesc->setMinimumSize(editorColumnWidth, descriptionHeight);

    auto* column = new QWidget;
    column->setMinimumWidth(editorColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(Label15);
    layout->addWidget(txtGoalName);
    layout->addSpacing(2);
    layout->addWidget(Label16);
    layout->addWidget(txtGoalDesc, 1);
    layout->addSpacing(2);
    layout->addWidget(Label2);
    layout->addWidget(mydtpStartingDate);
    layout->addWidget(Label3);
    layout->addWidget(mydtpEndingDate);
    layout->addWidget(lblKeptDates);
    lblKeptDates->setWordWrap(true);
    lblKeptDates->setTextFormat(Qt::PlainText);
    lblKeptDates->hide();
    return column;
}

QWidget* GoalsPage::buildTimerColumn()
{
    for (int percent = 0; percent <= 100; ++percent)
        Combo3->addItem(QString::number(percent));

    auto* timer = new QVBoxLayout(Frame1);
    timer->setContentsMargins(4, 4, 4, 4);
    timer->setSpacing(1);
    timer->addWidget(Label1);
    timer->addWidget(lblDayCount);
    timer->addWidget(Label4);
    timer->addWidget(lblDaysRemaining);
    timer->addWidget(Label13);
    timer->addWidget(Combo3);
    timer->addStretch();

    auto* column = new QWidget;
    column->setFixedWidth(qMax(timerColumnWidth, cmdSaveGoals->sizeHint().width()));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(Frame1, 1);
    layout->addWidget(cmdSaveGoals);
    return column;
}

void GoalsPage::LoadGoalsAtStartup()
{
    // Without a goal file nothing is listed and no view is chosen; none is created.
    if (!m_store.fileFound())
        return;
    m_store.LoadGoals();
    selectView(0);
    if (ListView1->topLevelItemCount() > 1) {
        selectFirstRow();
        ListView1_ItemClick(rowAt(0));
    }
}

void GoalsPage::DisplayGoals(bool AchivedGoals)
{
    ListView1->clear();
    m_shownGoal.reset();
    forgetKept();
    ListView1->setAlternatingRowColors(!AchivedGoals);

    const Goals& goals = m_store.goals();
    QList<QTreeWidgetItem*> rows;
    for (qsizetype i = 0; i < goals.size(); ++i) {
        if (goals[i].Achieved != AchivedGoals)
            continue;
        auto* row = new QTreeWidgetItem({ShownText::of(goals[i].GoalName), QString::number(i)});
        row->setData(0, keyRole, QString::number(i) + QLatin1Char('_'));
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
        rows << row;
    }
    ListView1->addTopLevelItems(rows);

    cmdSaveGoals->setEnabled(!rows.isEmpty());
    // The goal shown in the editor is the selected one, so that "Save Goal" updates it.
    if (!rows.isEmpty()) {
        selectFirstRow();
        ListView1_ItemClick(rows.first());
    }
    ShowGoalProgress();
}

void GoalsPage::optGoals_Click(int Index)
{
    m_viewToggle->setCurrentWidget(optGoals[size_t(1 - Index)]);
    txtGoalDesc->clear();
    txtGoalName->clear();
    DisplayGoals(Index == 1);
}

void GoalsPage::selectView(int index)
{
    if (optGoals[size_t(index)]->isChecked())
        return;
    optGoals[size_t(index)]->setChecked(true);
    optGoals_Click(index);
}

void GoalsPage::selectFirstRow()
{
    if (QTreeWidgetItem* first = rowAt(0)) {
        const QSignalBlocker quiet(ListView1);
        ListView1->setCurrentItem(first);
    }
}

QTreeWidgetItem* GoalsPage::rowAt(int position) const
{
    return ListView1->topLevelItem(position);
}

void GoalsPage::cmdNewGoal_Click()
{
    // The list is out of use while a new goal is being entered: that is the new-goal mode.
    ListView1->setEnabled(false);
    ClearGoalEditor();
    const QDate today = m_clock.today();
    mydtpStartingDate->setValue(today);
    mydtpEndingDate->setValue(today.addDays(7));
    showDayCount();
    cmdSaveGoals->setEnabled(true);
    enableEditor(true);
    txtGoalName->setFocus();
}

void GoalsPage::cmdSaveGoals_Click()
{
    if (GoalProgress::dayCount(startingDate(), endingDate()) <= 0) {
        m_prompter.ask(this, {.text = tr("Starting date can't be same or later than ending date."),
                              .icon = Prompter::Icon::Critical});
        return;
    }
    if (txtGoalName->text().isEmpty()) {
        m_prompter.ask(this,
                       {.text = tr("Goal name can't be blank."), .icon = Prompter::Icon::Critical});
        return;
    }

    Goals& goals = m_store.goals();
    const Goals before = goals;
    if (!ListView1->isEnabledTo(this)) {
        AddGoalFromEditor();
    } else if (m_shownGoal && *m_shownGoal < goals.size()) {
        GoalRecord& goal = goals[*m_shownGoal];
        goal.GoalName = m_kept.name.value_or(txtGoalName->text());
        goal.StartingDate = startingDate();
        goal.EndingDate = endingDate();
        goal.GoalDesc = m_kept.description.value_or(editorDescription());
        goal.AchievedPercent = qint16(Combo3->currentIndex());
    }
    if (!m_store.SaveGoals() && GoalStore::HasGoals(goals)) {
        // What was typed stays on screen, and in the editor's mode, to be saved again.
        goals = before;
        tellNotSaved();
        return;
    }
    m_store.LoadGoals();
    DisplayGoals(false);
    selectView(0);
    if (ListView1->topLevelItemCount() > 0)
        selectFirstRow();
    ListView1->setEnabled(true);
}

void GoalsPage::AddGoalFromEditor()
{
    m_store.goals() << GoalRecord{.GoalName = txtGoalName->text(),
                                  .StartingDate = startingDate(),
                                  .EndingDate = endingDate(),
                                  .GoalDesc = editorDescription(),
                                  .Achieved = false,
                                  .AchievedPercent = 0};
}

void GoalsPage::cmdDeleteGoals_Click()
{
    QList<int> checked;
    bool anyChecked = false;
    for (int position = 0; position < ListView1->topLevelItemCount(); ++position) {
        const QTreeWidgetItem* row = rowAt(position);
        if (row->checkState(0) != Qt::Checked)
            continue;
        anyChecked = true;
        if (const auto index = indexFromSubItem(row))
            checked << *index;
    }
    if (anyChecked) {
        if (!m_store.SaveGoalsExcept(checked))
            tellNotSaved();
        ClearGoalEditor();
    }
    m_store.LoadGoals();
    DisplayGoals(false);
    selectView(0);
    if (ListView1->topLevelItemCount() == 0) {
        enableEditor(false);
        ClearGoalEditor();
    }
}

void GoalsPage::cmdMarkAchived_Click()
{
    Goals& goals = m_store.goals();
    for (int position = 0; position < ListView1->topLevelItemCount(); ++position) {
        const QTreeWidgetItem* row = rowAt(position);
        if (row->checkState(0) != Qt::Checked)
            continue;
        if (const auto index = indexFromKey(row))
            goals[*index].Achieved = true;
    }
    if (!m_store.SaveGoals() && GoalStore::HasGoals(goals))
        tellNotSaved();
    // What is listed is what the file holds, also when it could not be written.
    m_store.LoadGoals();
    DisplayGoals(false);
    selectView(0);
}

void GoalsPage::ListView1_ItemClick(QTreeWidgetItem* Item)
{
    const auto index = Item ? indexFromKey(Item) : std::nullopt;
    if (!index)
        return;
    const GoalRecord& goal = m_store.goals()[*index];
    m_kept = {};
    // A text too long to be laid out at once is shown in part, and cannot be edited.
    const bool longName = ShownText::isCut(goal.GoalName);
    txtGoalName->setText(ShownText::of(goal.GoalName));
    txtGoalName->setReadOnly(longName);
    if (longName)
        m_kept.name = goal.GoalName;
    const bool longDescription = ShownText::isCut(goal.GoalDesc);
    txtGoalDesc->setPlainText(lineBreaksForEditor(ShownText::of(goal.GoalDesc)));
    txtGoalDesc->setReadOnly(longDescription);
    if (longDescription)
        m_kept.description = goal.GoalDesc;
    // A date the pickers cannot show (before 1980, after 2099) leaves them as they were,
    // and is kept as stored.
    if (!mydtpStartingDate->setValue(goal.StartingDate))
        m_kept.start = goal.StartingDate;
    if (!mydtpEndingDate->setValue(goal.EndingDate))
        m_kept.end = goal.EndingDate;
    showKeptDates();
    Combo3->setCurrentIndex(goal.AchievedPercent);
    m_shownGoal = *index;
    showDayCount();
    ShowGoalProgress();
    enableEditor(true);
}

void GoalsPage::mydtpStartingDate_DateChanged()
{
    m_kept.start.reset();
    showKeptDates();
    showDayCount();
}

void GoalsPage::mydtpEndingDate_DateChanged()
{
    m_kept.end.reset();
    showKeptDates();
    showDayCount();
}

QDate GoalsPage::startingDate() const
{
    return m_kept.start.value_or(mydtpStartingDate->Value());
}

QDate GoalsPage::endingDate() const
{
    return m_kept.end.value_or(mydtpEndingDate->Value());
}

void GoalsPage::showKeptDates()
{
    const QLocale locale;
    const auto date = [&locale](QDate date) { return locale.toString(date, u"d MMMM yyyy"_qs); };
    QString text;
    if (m_kept.start && m_kept.end)
        text = tr("Dates kept as stored: %1 to %2").arg(date(*m_kept.start), date(*m_kept.end));
    else if (m_kept.start)
        text = tr("Starting date kept as stored: %1").arg(date(*m_kept.start));
    else if (m_kept.end)
        text = tr("Ending date kept as stored: %1").arg(date(*m_kept.end));
    lblKeptDates->setText(text);
    lblKeptDates->setToolTip(tr("The date lists offer the years %1 to %2. A stored date outside "
                                "them stays as it is until you pick another.")
                                 .arg(DatePicker::firstYear)
                                 .arg(DatePicker::lastYear));
    lblKeptDates->setVisible(!text.isEmpty());
}

void GoalsPage::tellNotSaved()
{
    const QString path = QDir::toNativeSeparators(m_store.path());
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
    m_prompter.ask(this, {.text = text.arg(path), .icon = Prompter::Icon::Critical});
}

void GoalsPage::showDayCount()
{
    lblDayCount->setText(QString::number(GoalProgress::dayCount(startingDate(), endingDate())));
}

void GoalsPage::forgetKept()
{
    m_kept = {};
    showKeptDates();
    txtGoalName->setReadOnly(false);
    txtGoalDesc->setReadOnly(false);
}

void GoalsPage::ClearGoalEditor()
{
    forgetKept();
    txtGoalName->clear();
    txtGoalDesc->clear();
    lblDayCount->clear();
    lblDaysRemaining->clear();
    lblInfo->clear();
    Combo3->setCurrentIndex(0);
    m_shownGoal.reset();
}

void GoalsPage::ShowGoalProgress()
{
    lblInfo->clear();
    lblDaysRemaining->clear();
    const GoalProgress::Texts texts = GoalProgress::progress(
        startingDate(), endingDate(), m_clock.today(), Combo3->currentIndex(),
        Combo3->isEnabledTo(this), QLocale().decimalPoint());
    lblDaysRemaining->setText(texts.daysRemaining);
    lblInfo->setText(texts.info);
}

void GoalsPage::enableEditor(bool enabled)
{
    txtGoalName->setEnabled(enabled);
    txtGoalDesc->setEnabled(enabled);
    Combo3->setEnabled(enabled);
}

std::optional<int> GoalsPage::indexFromKey(const QTreeWidgetItem* row) const
{
    return usableIndex(row->data(0, keyRole).toString().remove(QLatin1Char('_')));
}

std::optional<int> GoalsPage::indexFromSubItem(const QTreeWidgetItem* row) const
{
    return usableIndex(row->text(subItemColumn));
}

std::optional<int> GoalsPage::usableIndex(const QString& text) const
{
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (!isNumber || index < 0 || index >= m_store.goals().size())
        return std::nullopt;
    return index;
}

QString GoalsPage::editorDescription() const
{
    return lineBreaksForFile(txtGoalDesc->document()->toRawText());
}
