// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>

// The messages the display draws from, in the order they are shown when not at random:
// each checked file of the index in turn, and its checked messages in file order.
class MessagePool {
public:
    qsizetype count() const { return m_messages.size(); }
    bool isEmpty() const { return m_messages.isEmpty(); }
    // 0 <= i < count().
    const QString& at(qsizetype i) const { return m_messages.at(i); }
    const QStringList& messages() const { return m_messages; }

    // The name of the message file the message at i came from; empty when none was given.
    QString sourceOf(qsizetype i) const
    {
        const auto after = std::upper_bound(
            m_sources.cbegin(), m_sources.cend(), i,
            [](qsizetype position, const auto& source) { return position < source.first; });
        return after == m_sources.cbegin() ? QString() : std::prev(after)->second;
    }

    void clear()
    {
        m_messages.clear();
        m_sources.clear();
    }
    void append(const QString& message, const QString& source = QString())
    {
        // One entry for each run of messages from one file, not one for each message.
        if (m_sources.isEmpty() || m_sources.last().second != source)
            m_sources.append({m_messages.size(), source});
        m_messages.append(message);
    }

private:
    QStringList m_messages;
    QList<std::pair<qsizetype, QString>> m_sources; // first position, file name
};
