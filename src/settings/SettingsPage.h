// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/DisplaySettings.h"

#include <QWidget>
#include <array>

class LinkLabel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SystemDialogs;

// The "Settings" page: how often, how long, in which order, where and in which font and
// colour the messages are shown; whether the program starts with the session; and the
// start/stop button.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SettingsPage(SystemDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the interval and duration lists and selects "5" seconds and "60"
    // milliseconds, which hold while the store offers nothing usable.
    void fillDisplayLists();

    // Copies into the settings what the page holds (everything but autoDisplay).
    void collect(DisplaySettings& settings) const;
    // Shows the settings. A list position outside its list, or an option index other
    // than 0 and 1, leaves that control as it is; position -1 clears the list's selection.
    void apply(const DisplaySettings& settings);

    // What the display reads for each message; the interval at each start.
    int intervalMilliseconds() const;
    int durationMilliseconds() const;
    bool randomOrder() const;
    bool randomLocation() const;
    QFont displayFont() const;
    QColor displayColor() const;

    QPushButton* startButton() const { return cmdStart; }
    QPushButton* optionsButton() const { return cmdOptions; }

    // The start-with-the-session group.
    QRadioButton* runButton() const { return optRun; }
    QRadioButton* dontRunButton() const { return optDontRun; }
    QCheckBox* sysTrayCheckBox() const { return chkSysTray; }

Q_SIGNALS:
    void startClicked();
    void homePageClicked();
    void optionsClicked();

private:
    void cmdFont_Click();

    SystemDialogs& m_dialogs;
    QGroupBox* fraMsgFreq;
    QComboBox* cboDispInterval;
    QComboBox* cboDispDuration;
    QGroupBox* fraMsgDisplay;
    std::array<QRadioButton*, 2> optMessage;
    QGroupBox* fraMsgLocation;
    std::array<QRadioButton*, 2> optLocation;
    QPushButton* cmdFont;
    QGroupBox* fraSystemTray;
    QRadioButton* optRun;
    QRadioButton* optDontRun;
    QCheckBox* chkSysTray;
    QPushButton* cmdStart;
    QPushButton* cmdOptions;
    LinkLabel* Label19;

    // The display font and colour live here between a load and a save. Until the first
    // load the display font is the main window's own.
    DisplayFont m_font{.name = QStringLiteral("Verdana"), .size = 8.25};
    qint32 m_fontColor = 0;
};
