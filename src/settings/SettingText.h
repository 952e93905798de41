// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The text forms of stored settings. Reading is forgiving, as a store edited by hand or
// written by an older version may hold anything; writing always uses one form.
class SettingText {
public:
    // "True"/"False" in any letter case, or a number (0 is false, any other true).
    static std::optional<bool> toBool(const QString& text);
    // A whole number in [min, max]. A decimal is rounded to the nearest whole number,
    // halves to even.
    static std::optional<qint64> toInteger(const QString& text, qint64 min, qint64 max);
    // A decimal number in the user's number format (or the C format).
    static std::optional<double> toNumber(const QString& text);

    static QString fromBool(bool value);
    // The shortest form, without trailing zeros, in the user's number format.
    static QString fromNumber(double value);
};
