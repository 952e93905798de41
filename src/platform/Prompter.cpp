// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompter.h"

#include "platform/ApplicationTitle.h"
#include "platform/LineBreaks.h"

#include <QMessageBox>

namespace {

const char* const dismissedProperty = "zorvanDismissed";

} // namespace

Prompter::Answer Prompter::ask(QWidget* parent, const Message& message)
{
    QMessageBox box(parent);
    box.setWindowTitle(message.title.isEmpty() ? applicationTitle() : message.title);
    // Texts may break lines with a lone carriage return; a message box wants a line feed.
    box.setText(LineBreaks::toLineFeeds(message.text));
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    m_open << &box;
    const int pressed = box.exec();
    m_open.removeAll(&box);
    if (box.property(dismissedProperty).toBool())
        return Answer::Dismissed;
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void Prompter::dismissOpen()
{
    for (const QPointer<QMessageBox>& box : std::as_const(m_open)) {
        if (!box)
            continue;
        box->setProperty(dismissedProperty, true);
        box->reject();
    }
}
