// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>

// Every reading of the date or time goes through a Clock, so tests can move days
// without waiting for them.
class Clock {
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }
};
