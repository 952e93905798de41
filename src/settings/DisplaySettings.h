#pragma once

#include <QColor>
#include <QFont>
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
    static DisplayFont fromFont(const QFont& font);

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
