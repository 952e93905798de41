// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckList.h"

CheckList::CheckList(QString title, Rows rows, QObject* parent)
    : QAbstractListModel(parent)
    , m_title(std::move(title))
    , m_rows(std::move(rows))
{}

void CheckList::reset()
{
    beginResetModel();
    endResetModel();
}

int CheckList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

QVariant CheckList::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.text(index.row());
    if (role == Qt::CheckStateRole)
        return m_rows.checked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool CheckList::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    m_rows.check(index.row(), Qt::CheckState(value.toInt()) == Qt::Checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CheckList::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

QVariant CheckList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_title;
    return {};
}
