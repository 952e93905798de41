// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QAbstractButton;
class QAbstractItemView;
class QWidget;

// The named control; a missing one is reported, so that the crash that follows is explained.
template <typename T = QWidget> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no child named %s", name);
    return found;
}

// A click on the button's own mark: the middle of a stretched option button is empty space.
void clickOption(QAbstractButton* button);
// What the window system sends when the user clicks the window's close box.
void pressCloseBox(QWidget* window);
// The named controls of a page that are cut off: smaller than they need (a wrapping text
// lower than its lines), or reaching out of the page. The parts of a list are unnamed or named by
// Qt, and not looked at.
QStringList cutOff(QWidget* page);
// A click in the middle of a row of a list, and one on the row's check box.
void clickRow(QAbstractItemView* list, int row);
void clickCheckBox(QAbstractItemView* list, int row);
