// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/CheckList.h"

#include <QTreeView>
#include <functional>
#include <optional>

// A list in report style, one column under a header and a check box on every row, that
// shows the rows someone else keeps (see CheckList). A row is chosen by a press on it (not
// on its check box), also the row chosen already, or by the keyboard; the row the keeper
// has chosen itself, shown by showRows(), is no new choice.
class CheckListView : public QTreeView {
    Q_OBJECT

public:
    // chosenRow: the row the keeper holds as chosen, if any.
    CheckListView(const QString& title, CheckList::Rows rows,
                  std::function<std::optional<int>()> chosenRow, QWidget* parent = nullptr);

    // Shows every row afresh, with the keeper's chosen row current and in view.
    void showRows();

Q_SIGNALS:
    void chosen(int row);

private:
    CheckList* m_rows;
    std::function<std::optional<int>()> m_chosenRow;
};
