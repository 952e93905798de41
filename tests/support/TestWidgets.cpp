// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestWidgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

void clickOption(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void pressCloseBox(QWidget* window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(window, &event);
}

QStringList cutOff(QWidget* page)
{
    QStringList names;
    for (QWidget* control : page->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!control->isVisibleTo(page) || name.isEmpty() || name.startsWith(u"qt_"_qs))
            continue;
        // A text that wraps needs the height for its width.
        const int height =
            control->hasHeightForWidth() ? control->heightForWidth(control->width()) : 0;
        if (control->size() != control->size().expandedTo(control->minimumSizeHint()) ||
            control->height() < height ||
            !page->rect().contains(QRect(control->mapTo(page, QPoint()), control->size())))
            names << name;
    }
    return names;
}

void clickRow(QAbstractItemView* list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void clickCheckBox(QAbstractItemView* list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    const int box = list->style()->pixelMetric(QStyle::PM_IndicatorWidth) / 2 + 3;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + box, rect.center().y()));
}
