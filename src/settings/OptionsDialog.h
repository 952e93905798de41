// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Options.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QTimeEdit;
class QTreeWidget;

// The "Options" dialog: the choices beyond the display settings, and how many messages
// were shown. It edits a copy of the options; options() gives them back after OK.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    struct Counts {
        QString file; // empty: all message files together
        qint64 today = 0;
        qint64 lastSevenDays = 0;
        qint64 all = 0;
    };

    // screens: the names of the screens there are now, the primary one first.
    OptionsDialog(const Options& options, const QList<QString>& screens,
                  const QList<Counts>& statistics, QWidget* parent = nullptr);

    Options options() const;

private:
    void fillScreens(const QString& choice, const QList<QString>& screens);
    void fillStatistics(const QList<Counts>& statistics);

    Options m_options;
    QCheckBox* chkAlwaysShowIcon;
    QCheckBox* chkSkipFullScreen;
    QComboBox* cboScreens;
    QCheckBox* chkActiveHours;
    QTimeEdit* txtActiveFrom;
    QTimeEdit* txtActiveTo;
    std::array<QCheckBox*, 7> chkDays{};
    QTreeWidget* lvwStatistics;
};
