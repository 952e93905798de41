// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckListView.h"

#include <QHeaderView>

CheckListView::CheckListView(const QString& title, CheckList::Rows rows,
                             std::function<std::optional<int>()> chosenRow, QWidget* parent)
    : QTreeView(parent)
    , m_rows(new CheckList(title, std::move(rows), this))
    , m_chosenRow(std::move(chosenRow))
{
    setModel(m_rows);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    // A press on a check box toggles the mark only: the view passes it to its delegate
    // and emits no pressed().
    connect(this, &QTreeView::pressed, this,
            [this](const QModelIndex& index) { Q_EMIT chosen(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_chosenRow())
                    Q_EMIT chosen(current.row());
            });
}

void CheckListView::showRows()
{
    m_rows->reset();
    const std::optional<int> row = m_chosenRow();
    const QModelIndex index = row ? m_rows->index(*row) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        scrollTo(index);
}
