// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// Which screens the messages go on, as the options keep the choice: "Primary" (also
// an empty or unknown text), "Every", "Pointer" (the screen with the mouse pointer), or
// "Screen:" and the name of one screen.
class ScreenChoice {
public:
    struct Screen {
        QString name;
        QRect geometry;
    };

    static QString primary() { return QStringLiteral("Primary"); }
    static QString every() { return QStringLiteral("Every"); }
    static QString pointer() { return QStringLiteral("Pointer"); }
    static QString named(const QString& screenName) { return u"Screen:"_qs + screenName; }
    // The screen a choice names; empty for the other choices.
    static QString screenName(const QString& choice);

    // The screens a message goes on now. screens holds those there are, the primary one
    // first. A named screen that is not there, or a pointer on no screen, falls back to
    // the primary screen; "Every" gives each place once (mirrored screens show one
    // window). Empty only when there is no screen at all.
    static QList<QRect> pick(const QString& choice, const QList<Screen>& screens, QPoint pointerAt);
};
