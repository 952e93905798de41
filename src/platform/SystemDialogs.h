// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// The system's dialogs that choose a file or a colour. Every one the program opens goes
// through here, so tests can answer them. (This header needs Qt Gui, which every user of
// these dialogs links.)
class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;

    // The file chosen to read; empty when the user cancelled. filter: "Text (*.txt)" and
    // the like, separated by ";;".
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter);
    // The file chosen to write, the user having agreed to replace one that is there;
    // empty when cancelled. The dialog offers the suggested file name.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter);
    // The colour chosen; nothing when cancelled.
    virtual std::optional<QColor> color(QWidget* parent, const QColor& initial);

private:
    // The next dialog opens where the last one was left.
    QString m_folder;
};
