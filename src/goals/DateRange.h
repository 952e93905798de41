// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

// The dates a goal's dates are picked from: 1 January 1980 to 31 December 2099.
namespace DateRange {

inline constexpr int firstYear = 1980;
inline constexpr int lastYear = 2099;

inline bool contains(QDate date)
{
    return date.isValid() && date.year() >= firstYear && date.year() <= lastYear;
}

} // namespace DateRange
