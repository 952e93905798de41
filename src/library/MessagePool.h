#pragma once

#include <QString>
#include <QStringList>

// The messages the display draws from, in the order they are shown when not at random:
// each checked file of the index in turn, and its checked messages in file order.
class MessagePool {
public:
    qsizetype count() const { return m_messages.size(); }
    bool isEmpty() const { return m_messages.isEmpty(); }
    // 0 <= i < count().
    const QString& at(qsizetype i) const { return m_messages.at(i); }
    const QStringList& messages() const { return m_messages; }

    void clear() { m_messages.clear(); }
    void append(const QString& message) { m_messages.append(message); }

private:
    QStringList m_messages;
};
