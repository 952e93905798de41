// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;

// Files dropped on a widget: a drag of local files that all have the given suffix is
// taken; a drag that holds anything else is refused as a whole.
class FileDrop : public QObject {
    Q_OBJECT

public:
    FileDrop(QWidget* target, QString suffix);

    // The files of the data, when each has the suffix (in any letter case); else none.
    static QStringList filesIn(const QMimeData* data, const QString& suffix);

Q_SIGNALS:
    void dropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_suffix;
};
