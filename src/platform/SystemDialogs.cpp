// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemDialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString SystemDialogs::openFile(QWidget* parent, const QString& title, const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, title, m_folder.isEmpty() ? QDir::homePath() : m_folder, filter);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).path();
    return path;
}

QString SystemDialogs::saveFile(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter)
{
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const QString path =
        QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggested), filter);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).path();
    return path;
}

std::optional<QColor> SystemDialogs::color(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
