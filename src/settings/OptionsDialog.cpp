// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsDialog.h"

#include "settings/ScreenChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename T, typename... Args> T* named(const QString& name, Args&&... args)
{
    auto* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

} // namespace

OptionsDialog::OptionsDialog(const Options& options, const QList<QString>& screens,
                             const QList<Counts>& statistics, QWidget* parent)
    : QDialog(parent)
    , m_options(options)
    , chkAlwaysShowIcon(named<QCheckBox>(QStringLiteral("chkAlwaysShowIcon"),
                                         tr("Always show the notification &icon")))
    , chkSkipFullScreen(named<QCheckBox>(QStringLiteral("chkSkipFullScreen"),
                                         tr("&Don't show messages over full-screen windows")))
    , cboScreens(named<QComboBox>(QStringLiteral("cboScreens")))
    , chkActiveHours(
          named<QCheckBox>(QStringLiteral("chkActiveHours"), tr("Show messages only &between")))
    , txtActiveFrom(named<QTimeEdit>(QStringLiteral("txtActiveFrom")))
    , txtActiveTo(named<QTimeEdit>(QStringLiteral("txtActiveTo")))
    , lvwStatistics(named<QTreeWidget>(QStringLiteral("lvwStatistics")))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    // The look of the page it is opened from: its font and colours.
    if (parent) {
        setFont(parent->font());
        setPalette(parent->palette());
    }

    chkAlwaysShowIcon->setChecked(options.alwaysShowIcon);
    chkAlwaysShowIcon->setToolTip(
        tr("Keep the program's icon in the notification area also while its window is shown, "
           "so that its menu is always at hand."));
    auto* icon = named<QGroupBox>(QStringLiteral("fraIcon"), tr("Notification Icon"));
    (new QVBoxLayout(icon))->addWidget(chkAlwaysShowIcon);

    chkSkipFullScreen->setChecked(options.skipOverFullScreen);
    chkSkipFullScreen->setToolTip(
        tr("While a film, a presentation or a game fills the screen, messages that fall due "
           "are left out."));
    auto* quiet = named<QGroupBox>(QStringLiteral("fraDoNotDisturb"), tr("Do Not Disturb"));
    (new QVBoxLayout(quiet))->addWidget(chkSkipFullScreen);

    fillScreens(options.screens, screens);
    cboScreens->setToolTip(tr("The screen, or screens, on which the messages appear."));
    auto* screensLabel = new QLabel(tr("Sho&w messages on:"));
    screensLabel->setBuddy(cboScreens);
    auto* where = named<QGroupBox>(QStringLiteral("fraScreens"), tr("Screens"));
    auto* whereLayout = new QHBoxLayout(where);
    whereLayout->addWidget(screensLabel);
    whereLayout->addWidget(cboScreens, 1);

    // Active hours: between two times of day, on the chosen days.
    chkActiveHours->setChecked(options.activeHoursOnly);
    chkActiveHours->setToolTip(tr("Show messages only between these times of day and on the "
                                  "days checked below. An end before the start runs past "
                                  "midnight; an end equal to the start is the whole day."));
    for (QTimeEdit* edit : {txtActiveFrom, txtActiveTo})
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
    txtActiveFrom->setTime(options.activeFrom);
    txtActiveTo->setTime(options.activeTo);
    txtActiveFrom->setToolTip(tr("The time of day from which messages are shown."));
    txtActiveTo->setToolTip(tr("The time of day at which messages stop."));
    auto* andLabel = new QLabel(tr("a&nd"));
    andLabel->setBuddy(txtActiveTo);
    const std::array<QString, 7> dayNames = {tr("&Mon"), tr("&Tue"), tr("W&ed"), tr("T&hu"),
                                             tr("&Fri"), tr("&Sat"), tr("S&un")};
    auto* days = new QHBoxLayout;
    for (int day = 0; day < 7; ++day) {
        chkDays[size_t(day)] =
            named<QCheckBox>(QStringLiteral("chkDay(%1)").arg(day + 1), dayNames[size_t(day)]);
        QCheckBox* box = chkDays[size_t(day)];
        box->setChecked(options.activeDays & (1u << day));
        box->setToolTip(
            tr("Show messages on %1.").arg(QLocale().dayName(day + 1, QLocale::LongFormat)));
        days->addWidget(box);
        // One day at least stays chosen: no day at all would never show a message.
        connect(box, &QCheckBox::toggled, this, [this, box](bool checked) {
            if (!checked && std::none_of(chkDays.cbegin(), chkDays.cend(),
                                         [](QCheckBox* b) { return b->isChecked(); }))
                box->setChecked(true);
        });
    }
    days->addStretch();
    auto* hours = named<QGroupBox>(QStringLiteral("fraActiveHours"), tr("Active Hours"));
    auto* hoursLayout = new QGridLayout(hours);
    auto* times = new QHBoxLayout;
    times->addWidget(chkActiveHours);
    times->addWidget(txtActiveFrom);
    times->addWidget(andLabel);
    times->addWidget(txtActiveTo);
    times->addStretch();
    hoursLayout->addLayout(times, 0, 0);
    hoursLayout->addLayout(days, 1, 0);
    const auto enableHours = [this](bool on) {
        txtActiveFrom->setEnabled(on);
        txtActiveTo->setEnabled(on);
        for (QCheckBox* box : chkDays)
            box->setEnabled(on);
    };
    enableHours(options.activeHoursOnly);
    connect(chkActiveHours, &QCheckBox::toggled, this, enableHours);

    fillStatistics(statistics);
    lvwStatistics->setToolTip(tr("How many messages were shown, from each message file and "
                                 "from all together."));
    auto* statisticsLabel = new QLabel(tr("Mess&ages shown:"));
    statisticsLabel->setBuddy(lvwStatistics);
    auto* shown = named<QGroupBox>(QStringLiteral("fraStatistics"), tr("Statistics"));
    auto* shownLayout = new QVBoxLayout(shown);
    shownLayout->addWidget(statisticsLabel);
    shownLayout->addWidget(lvwStatistics);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(quiet);
    layout->addWidget(where);
    layout->addWidget(hours);
    layout->addWidget(shown, 1);
    layout->addWidget(buttons);
}

void OptionsDialog::fillScreens(const QString& choice, const QList<QString>& screens)
{
    cboScreens->addItem(tr("Primary screen"), ScreenChoice::primary());
    cboScreens->addItem(tr("Every screen"), ScreenChoice::every());
    cboScreens->addItem(tr("The screen with the mouse pointer"), ScreenChoice::pointer());
    for (const QString& name : screens)
        cboScreens->addItem(tr("Screen %1").arg(name), ScreenChoice::named(name));
    int chosen = cboScreens->findData(choice);
    const QString missing = ScreenChoice::screenName(choice);
    if (chosen < 0 && !missing.isEmpty()) {
        // Kept while that screen is away; the primary one stands in for it meanwhile.
        cboScreens->addItem(
            tr("Screen %1 (not connected: the primary screen meanwhile)").arg(missing), choice);
        chosen = cboScreens->count() - 1;
    }
    cboScreens->setCurrentIndex(std::max(chosen, 0));
}

void OptionsDialog::fillStatistics(const QList<Counts>& statistics)
{
    lvwStatistics->setHeaderLabels({tr("Message file"), tr("Today"), tr("Last 7 days"), tr("All")});
    lvwStatistics->setRootIsDecorated(false);
    lvwStatistics->setSelectionMode(QAbstractItemView::NoSelection);
    for (const Counts& counts : statistics) {
        auto* row = new QTreeWidgetItem(lvwStatistics);
        row->setText(0, counts.file.isEmpty() ? tr("All message files") : counts.file);
        const QLocale locale;
        row->setText(1, locale.toString(counts.today));
        row->setText(2, locale.toString(counts.lastSevenDays));
        row->setText(3, locale.toString(counts.all));
        for (int column = 1; column < 4; ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (counts.file.isEmpty()) {
            QFont bold = row->font(0);
            bold.setBold(true);
            for (int column = 0; column < 4; ++column)
                row->setFont(column, bold);
        }
    }
    lvwStatistics->header()->setStretchLastSection(false);
    lvwStatistics->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        lvwStatistics->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    lvwStatistics->setMinimumHeight(120);
}

Options OptionsDialog::options() const
{
    Options chosen = m_options;
    chosen.alwaysShowIcon = chkAlwaysShowIcon->isChecked();
    chosen.skipOverFullScreen = chkSkipFullScreen->isChecked();
    chosen.screens = cboScreens->currentData().toString();
    chosen.activeHoursOnly = chkActiveHours->isChecked();
    chosen.activeFrom = txtActiveFrom->time();
    chosen.activeTo = txtActiveTo->time();
    chosen.activeDays = 0;
    for (int day = 0; day < 7; ++day) {
        if (chkDays[size_t(day)]->isChecked())
            chosen.activeDays |= quint8(1u << day);
    }
    return chosen;
}
