// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenChoice.h"

QString ScreenChoice::screenName(const QString& choice)
{
    const QString prefix = named(QString());
    return choice.startsWith(prefix) ? choice.sliced(prefix.size()) : QString();
}

QList<QRect> ScreenChoice::pick(const QString& choice, const QList<Screen>& screens,
                                QPoint pointerAt)
{
    if (screens.isEmpty())
        return {};
    if (choice == every()) {
        QList<QRect> places;
        for (const Screen& screen : screens) {
            if (!places.contains(screen.geometry))
                places << screen.geometry;
        }
        return places;
    }
    const QString name = screenName(choice);
    for (const Screen& screen : screens) {
        if ((choice == pointer() && screen.geometry.contains(pointerAt)) ||
            (!name.isEmpty() && screen.name == name))
            return {screen.geometry};
    }
    return {screens.first().geometry};
}
