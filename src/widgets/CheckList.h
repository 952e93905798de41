// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <functional>

// A list of texts with check marks that a view shows and something else keeps: the view
// asks for the rows whenever it needs them, and a check mark the user sets is handed over
// to the keeper, and shown as the keeper then has it. The keeper's own changes reach the
// view through reset().
class CheckList : public QAbstractListModel {
    Q_OBJECT

public:
    struct Rows {
        std::function<int()> count;
        std::function<QString(int)> text;
        std::function<bool(int)> checked;
        std::function<void(int, bool)> check;
    };

    CheckList(QString title, Rows rows, QObject* parent = nullptr);

    // Any row may have changed, and their number too.
    void reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_title;
    Rows m_rows;
};
