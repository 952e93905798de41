// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramColour.h"

#include <QGroupBox>

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setBoldCaption(QGroupBox* frame)
{
    QFont bold;
    bold.setBold(true);
    frame->setFont(bold);
    QFont regular;
    regular.setBold(false);
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(regular);
    setPaletteColour(frame, QPalette::WindowText, programColour());
}
