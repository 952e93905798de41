// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatePicker.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>

namespace {

// The control's designed size and its lists' widths: 3195 by 400 twips, and 645, 1305 and
// 1095 twips, at 15 twips to the pixel.
constexpr QSize designedSize(213, 27);
constexpr int dayWidth = 43;
constexpr int monthWidth = 87;
constexpr int yearWidth = 73;

QComboBox* pickOnlyList(const QString& name)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(false);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

DatePicker::DatePicker(QDate today, QWidget* parent)
    : QWidget(parent)
    , cboDate(pickOnlyList(QStringLiteral("cboDate")))
    , cboMonth(pickOnlyList(QStringLiteral("cboMonth")))
    , cboYear(pickOnlyList(QStringLiteral("cboYear")))
{
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    cboMonth->addItems({tr("January"), tr("February"), tr("March"), tr("April"), tr("May"),
                        tr("June"), tr("July"), tr("August"), tr("September"), tr("October"),
                        tr("November"), tr("December")});
    for (int year = firstYear; year <= lastYear; ++year)
        cboYear->addItem(QString::number(year));

    if (!today.isValid())
        today = QDate(firstYear, 1, 1);
    cboDate->setCurrentIndex(today.day() - 1);
    cboMonth->setCurrentIndex(today.month() - 1);
    cboYear->setCurrentIndex(qBound(firstYear, today.year(), lastYear) - firstYear);
    // Only a today moved into another year can need it (29 February).
    CheckDayOfMonth();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    layout->addWidget(cboDate);
    layout->addWidget(cboMonth);
    layout->addWidget(cboYear);
    layout->addStretch();
    fixSize();

    // activated() is the user's pick: a click on an item, a key or the wheel.
    for (QComboBox* box : {cboDate, cboMonth, cboYear})
        connect(box, &QComboBox::activated, this, &DatePicker::boxPicked);
}

void DatePicker::fixSize()
{
    // Whatever room the host offers, the control keeps its own size: the designed one,
    // or more when the font needs it.
    const auto fit = [](QComboBox* box, int designedWidth) {
        box->setFixedWidth(
            qMax(designedWidth, box->sizeHint().expandedTo(box->minimumSizeHint()).width()));
    };
    fit(cboDate, dayWidth);
    fit(cboMonth, monthWidth);
    fit(cboYear, yearWidth);
    layout()->invalidate();
    setFixedSize(designedSize.expandedTo(layout()->minimumSize()));
}

void DatePicker::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fixSize();
}

QDate DatePicker::Value() const
{
    return QDate(firstYear + cboYear->currentIndex(), cboMonth->currentIndex() + 1,
                 cboDate->currentIndex() + 1);
}

bool DatePicker::setValue(QDate date)
{
    if (!DateRange::contains(date))
        return false;
    pick(cboYear, date.year() - firstYear);
    pick(cboMonth, date.month() - 1);
    pick(cboDate, date.day() - 1);
    return true;
}

void DatePicker::pick(QComboBox* box, int position)
{
    box->setCurrentIndex(position);
    boxPicked();
}

void DatePicker::boxPicked()
{
    CheckDayOfMonth();
    Q_EMIT DateChanged();
}

void DatePicker::CheckDayOfMonth()
{
    if (cboYear->currentIndex() < 0 || cboMonth->currentIndex() < 0 || cboDate->currentIndex() < 0)
        return;
    const int lastDay =
        QDate(firstYear + cboYear->currentIndex(), cboMonth->currentIndex() + 1, 1).daysInMonth();
    // The correction is a pick of its own: it is checked and announced before the pick
    // that caused it.
    if (cboDate->currentIndex() + 1 > lastDay)
        pick(cboDate, lastDay - 1);
}
