// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsPage.h"

#include "platform/WebLinks.h"
#include "settings/FontDialog.h"
#include "widgets/LinkLabel.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SettingsPage::SettingsPage(SystemDialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , fraMsgFreq(named<QGroupBox>(QStringLiteral("fraMsgFreq"), tr("Message Frequency")))
    , cboDispInterval(named<QComboBox>(QStringLiteral("cboDispInterval")))
    , cboDispDuration(named<QComboBox>(QStringLiteral("cboDispDuration")))
    , fraMsgDisplay(named<QGroupBox>(QStringLiteral("fraMsgDisplay"), tr("Message Display Order")))
    , optMessage{named<QRadioButton>(QStringLiteral("optMessage(0)"), tr("Random")),
                 named<QRadioButton>(QStringLiteral("optMessage(1)"), tr("As Written"))}
    , fraMsgLocation(named<QGroupBox>(QStringLiteral("fraMsgLocation"), tr("Message Location")))
    , optLocation{named<QRadioButton>(QStringLiteral("optLocation(0)"),
                                      tr("Randomly on the Screen")),
                  named<QRadioButton>(QStringLiteral("optLocation(1)"), tr("Centre of the Screen"))}
    , cmdFont(named<QPushButton>(QStringLiteral("cmdFont"), tr("Font")))
    , fraSystemTray(
          named<QGroupBox>(QStringLiteral("fraSystemTray"), tr("Run on Windows Start-Up")))
    , optRun(named<QRadioButton>(QStringLiteral("optRun"), tr("Run at start-up")))
    , optDontRun(named<QRadioButton>(QStringLiteral("optDontRun"), tr("Don't run at start-up")))
    , chkSysTray(named<QCheckBox>(QStringLiteral("chkSysTray"), tr("Start at system tray")))
    , cmdStart(
          named<QPushButton>(QStringLiteral("cmdStart"), tr("Start Showing Subliminal Messages")))
    , cmdOptions(named<QPushButton>(QStringLiteral("cmdOptions"), tr("O&ptions…")))
    , Label19(named<LinkLabel>(QStringLiteral("Label19"),
                               tr("Visit %1 now for news and more tools for a positive mind.")
                                   .arg(WebLinks::homePageShown())))
{
    auto* frequencyText = new QLabel(tr("Below you can set the interval between each message and "
                                        "duration for which each message is displayed."));
    frequencyText->setWordWrap(true);
    auto* frequency = new QGridLayout(fraMsgFreq);
    frequency->addWidget(frequencyText, 0, 0, 1, 4);
    frequency->addWidget(new QLabel(tr("Display every")), 1, 0);
    frequency->addWidget(cboDispInterval, 1, 1);
    frequency->addWidget(new QLabel(tr("Sec")), 1, 2);
    frequency->addWidget(new QLabel(tr("Display for")), 2, 0);
    frequency->addWidget(cboDispDuration, 2, 1);
    frequency->addWidget(new QLabel(tr("MilliSec")), 2, 2);
    frequency->setColumnStretch(3, 1);

    auto* order = new QVBoxLayout(fraMsgDisplay);
    order->addWidget(optMessage[1]);
    order->addWidget(optMessage[0]);
    order->addStretch();
    optMessage[0]->setChecked(true);

    auto* location = new QVBoxLayout(fraMsgLocation);
    location->addWidget(optLocation[1]);
    location->addWidget(optLocation[0]);
    location->addWidget(cmdFont, 0, Qt::AlignLeft);
    optLocation[0]->setChecked(true);

    auto* trayText = new QLabel(
        tr("This is a very important setting. Remember that if you want to get the most benefit "
           "from this program then you must have it running at all times.") +
        QLatin1Char('\n') +
        tr("It is also important that you keep your goals in mind, hence starting in system tray "
           "will be a deterrent to those goals."));
    trayText->setWordWrap(true);
    auto* tray = new QGridLayout(fraSystemTray);
    tray->addWidget(optRun, 0, 0);
    tray->addWidget(optDontRun, 1, 0);
    tray->addWidget(chkSysTray, 2, 0);
    tray->addWidget(trayText, 0, 1, 3, 1);
    tray->setColumnStretch(1, 1);
    optDontRun->setChecked(true);
    chkSysTray->setEnabled(false);

    auto* middle = new QHBoxLayout;
    middle->addWidget(fraMsgDisplay);
    middle->addWidget(fraMsgLocation);

    auto* foot = new QHBoxLayout;
    foot->addWidget(Label19, 1);
    // The choices beyond these, in a dialog of their own.
    cmdOptions->setToolTip(
        tr("The notification icon, do not disturb, screens, active hours and the "
           "statistics of the messages shown."));
    foot->addWidget(cmdOptions);
    foot->addWidget(cmdStart);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraMsgFreq);
    layout->addLayout(middle);
    layout->addWidget(fraSystemTray);
    layout->addStretch();
    layout->addLayout(foot);

    connect(cmdFont, &QPushButton::clicked, this, &SettingsPage::cmdFont_Click);
    connect(cmdStart, &QPushButton::clicked, this, &SettingsPage::startClicked);
    connect(cmdOptions, &QPushButton::clicked, this, &SettingsPage::optionsClicked);
    connect(Label19, &LinkLabel::clicked, this, &SettingsPage::homePageClicked);
}

void SettingsPage::fillDisplayLists()
{
    const auto fill = [](QComboBox* list, const QList<int>& choices, int position) {
        list->clear();
        for (const int choice : choices)
            list->addItem(QString::number(choice));
        list->setCurrentIndex(position);
    };
    const DisplaySettings defaults;
    fill(cboDispInterval, intervalChoices(), defaults.intervalPosition);
    fill(cboDispDuration, durationChoices(), defaults.durationPosition);
}

void SettingsPage::collect(DisplaySettings& settings) const
{
    settings.intervalPosition = cboDispInterval->currentIndex();
    settings.durationPosition = cboDispDuration->currentIndex();
    settings.messageOrder = optMessage[0]->isChecked() ? 0 : 1;
    settings.location = optLocation[0]->isChecked() ? 0 : 1;
    settings.fontColor = m_fontColor;
    settings.font = m_font;
    settings.runAtSysTray = chkSysTray->isChecked();
}

void SettingsPage::apply(const DisplaySettings& settings)
{
    const auto selectPosition = [](QComboBox* list, int position) {
        if (position >= -1 && position < list->count())
            list->setCurrentIndex(position);
    };
    selectPosition(cboDispInterval, settings.intervalPosition);
    selectPosition(cboDispDuration, settings.durationPosition);
    if (settings.messageOrder == 0 || settings.messageOrder == 1)
        optMessage[size_t(settings.messageOrder)]->setChecked(true);
    if (settings.location == 0 || settings.location == 1)
        optLocation[size_t(settings.location)]->setChecked(true);
    m_fontColor = settings.fontColor;
    m_font = settings.font;
}

int SettingsPage::intervalMilliseconds() const
{
    return ::intervalMilliseconds(cboDispInterval->currentIndex());
}

int SettingsPage::durationMilliseconds() const
{
    return ::durationMilliseconds(cboDispDuration->currentIndex());
}

bool SettingsPage::randomOrder() const
{
    return optMessage[0]->isChecked();
}

bool SettingsPage::randomLocation() const
{
    return optLocation[0]->isChecked();
}

QFont SettingsPage::displayFont() const
{
    return m_font.toFont();
}

QColor SettingsPage::displayColor() const
{
    return colorFromValue(m_fontColor);
}

void SettingsPage::cmdFont_Click()
{
    FontDialog dialog(m_font, m_fontColor, m_dialogs, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_font = dialog.chosenFont();
    m_fontColor = dialog.chosenColor();
}
