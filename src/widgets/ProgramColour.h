// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QGroupBox;
class QWidget;

// The program's own colour: the main window around the pages, and the texts of the
// "Programs" page.
inline QColor programColour()
{
    return QColor(128, 64, 64);
}

// Gives the widget's palette the colour in that role.
void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// A frame's caption bold and in the program's colour over contents of regular weight: the
// weight alone is set, so that the rest of the font still comes from the window.
void setBoldCaption(QGroupBox* frame);
