// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

// The display font as the settings keep it.
struct DisplayFont {
    QString name = QStringLiteral("Verdana");
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;

    QFont toFont() const;

    bool operator==(const DisplayFont&) const = default;
};

// Every value the settings store keeps, as the program holds it between a load and a
// save. Positions and option indexes are those of the settings page's controls.
struct DisplaySettings {
    bool autoDisplay = false;
    int intervalPosition = 1; // cboDispInterval, 0-based; -1 means no selection
    int durationPosition = 2; // cboDispDuration, 0-based; -1 means no selection
    int messageOrder = 0;     // index of the selected optMessage: 0 "Random", 1 "As Written"
    int location = 0;         // index of the selected optLocation: 0 at random, 1 centred
    qint32 fontColor = 0;     // 0x00BBGGRR
    DisplayFont font;
    bool runAtSysTray = false;

    bool operator==(const DisplaySettings&) const = default;
};

// Colours are kept as 0x00BBGGRR, the layout older installations stored.
QColor colorFromValue(qint32 value);
qint32 valueFromColor(const QColor& color);

// The sizes the display font accepts, in points; anything else keeps the previous size.
inline constexpr double minimumFontSize = 1;
inline constexpr double maximumFontSize = 400;

// The choices of the interval list, in seconds (2, then 5 to 120 in steps of 5), and of the
// duration list, in milliseconds, in list order.
QList<int> intervalChoices();
QList<int> durationChoices();
// The interval and the display time a position of the lists stands for. A list whose
// selection was cleared (-1) stands for its default choice ("5" seconds, "60" milliseconds),
// as a time of 0 would mean that no message ever appears, or that one never vanishes.
int intervalMilliseconds(int position);
int durationMilliseconds(int position);
