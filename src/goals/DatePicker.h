// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/DateRange.h"

#include <QDate>
#include <QWidget>

class QComboBox;

// Three pick-only lists side by side, for the day, the month (by name) and the year,
// that together always show a real date from 1 January 1980 to 31 December 2099. The
// lists do not follow the system's date order or language.
//
// Enabled is the widget's own enabled state: disabling the picker greys all three lists.
class DatePicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int firstYear = DateRange::firstYear;
    static constexpr int lastYear = DateRange::lastYear;

    // Starts at today's date (moved into the years the picker offers when it lies outside).
    explicit DatePicker(QDate today, QWidget* parent = nullptr);

    // The date the lists show.
    QDate Value() const;
    // Selects the year, the month and the day in that order, each as a pick of the user's
    // would (so DateChanged follows each). A date the lists cannot show is refused: false,
    // and the shown date stays as it was.
    bool setValue(QDate date);

    // Pulls a day the selected month does not have back to the month's last day.
    void CheckDayOfMonth();

Q_SIGNALS:
    // After every pick in one of the lists and every selection made by setValue, once the
    // day has been checked. A pick that needs a day correction raises it twice: first for
    // the correction, then for the pick.
    void DateChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fixSize();
    // What a pick in any of the three lists does.
    void boxPicked();
    void pick(QComboBox* box, int position);

    QComboBox* cboDate;
    QComboBox* cboMonth;
    QComboBox* cboYear;
};
