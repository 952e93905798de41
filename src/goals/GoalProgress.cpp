// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoalProgress.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

float GoalProgress::expectedPercent(qint64 totalDays, qint64 elapsedDays)
{
    const float expected = float((100.0 / double(totalDays)) * double(elapsedDays));
    if (!std::isfinite(expected))
        return expected;

    // Rounded as its decimal digits read: a single carries seven significant ones, so
    // 0.175 (held as 0.17499999...) rounds up to 0.18 as a person working it out would.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.6e", double(expected));
    // d.dddddde±x: seven digits m and an exponent e, the value being m * 10^(e - 6).
    const bool negative = digits[0] == '-';
    const char* mantissa = digits + (negative ? 1 : 0);
    long long m = mantissa[0] - '0';
    for (int i = 2; i <= 7; ++i)
        m = m * 10 + (mantissa[i] - '0');
    const int exponent = std::atoi(mantissa + 9);

    // Hundredths: m * 10^(e - 4).
    double hundredths = 0;
    if (exponent >= 4) {
        hundredths = double(m) * std::pow(10.0, exponent - 4);
    } else if (4 - exponent <= 8) {
        long long divisor = 1;
        for (int i = 0; i < 4 - exponent; ++i)
            divisor *= 10;
        long long whole = m / divisor;
        if (2 * (m % divisor) >= divisor) // half or more: away from zero
            ++whole;
        hundredths = double(whole);
    } // else below a thousandth of a hundredth: 0
    const float rounded = float(hundredths / 100.0);
    return negative ? -rounded : rounded;
}

QString GoalProgress::formatPercent(float percent, const QString& decimalSeparator)
{
    // Seven significant digits cover every whole figure below ten million; beyond, the
    // whole figure rather than an exponent.
    QString text = std::fabs(percent) < 1e7f ? QString::number(double(percent), 'g', 7)
                                             : QString::number(double(percent), 'f', 0);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

GoalProgress::Texts GoalProgress::progress(QDate start, QDate end, QDate today, int achievedPercent,
                                           bool showDaysRemaining, const QString& decimalSeparator)
{
    Texts texts;
    const qint64 total = dayCount(start, end);
    const qint64 elapsed = dayCount(start, today);
    if (elapsed < 0) {
        texts.info = tr("Your goal starting date has been set for the future");
        return texts;
    }
    if (total <= 0)
        return texts;
    if (showDaysRemaining)
        texts.daysRemaining = QString::number(dayCount(today, end));
    const QString expected = formatPercent(expectedPercent(total, elapsed), decimalSeparator);
    texts.info = tr("You should have achieved %1%. You have actually achieved %2%")
                     .arg(expected, QString::number(achievedPercent));
    return texts;
}
