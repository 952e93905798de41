// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingText.h"

#include <QLocale>
#include <cmath>

std::optional<bool> SettingText::toBool(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = toNumber(trimmed))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<qint64> SettingText::toInteger(const QString& text, qint64 min, qint64 max)
{
    const auto number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding: halves to even
    if (rounded < double(min) || rounded > double(max))
        return std::nullopt;
    return qint64(rounded);
}

std::optional<double> SettingText::toNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString SettingText::fromBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString SettingText::fromNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}
