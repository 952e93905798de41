// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

// Every message box of the program goes through a Prompter, so tests can answer them.
class Prompter {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Critical };
    // Dismissed: the box was taken away unanswered, as the program is ending.
    enum class Answer { Ok, Yes, No, Dismissed };

    struct Message {
        QString text;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString title; // empty: the program's title
    };

    virtual ~Prompter() = default;

    // Shows the message modally and returns the button pressed. With Yes and No, Yes is
    // the default button.
    virtual Answer ask(QWidget* parent, const Message& message);
    // Takes away the boxes that are open, unanswered: their ask() returns Dismissed.
    virtual void dismissOpen();

private:
    QList<QPointer<QMessageBox>> m_open;
};
