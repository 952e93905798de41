// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

FileDrop::FileDrop(QWidget* target, QString suffix)
    : QObject(target)
    , m_suffix(std::move(suffix))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QStringList FileDrop::filesIn(const QMimeData* data, const QString& suffix)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() ||
            QFileInfo(url.toLocalFile()).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = filesIn(drop->mimeData(), m_suffix);
    drop->setAccepted(!paths.isEmpty());
    if (!paths.isEmpty()) {
        drop->acceptProposedAction();
        if (type == QEvent::Drop)
            Q_EMIT dropped(paths);
    }
    return true;
}
