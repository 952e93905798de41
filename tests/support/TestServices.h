// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/SettingsArea.h"
#include "platform/StartupEntry.h"
#include "platform/SystemDialogs.h"
#include "platform/WebOpener.h"

#include <QDateTime>
#include <QList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>

// A clock that says what the test tells it.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 3, 3), QTime(9, 30)))
        : m_now(std::move(now))
    {}
    QDateTime now() const override { return m_now; }
    void setNow(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};

// Draws the values the test lined up, in order; 0 when they run out.
class ScriptedRandom : public RandomSource {
public:
    float next() override;
    void push(std::initializer_list<float> values) { m_values.insert(m_values.end(), values); }
    int drawn() const { return m_drawn; }

private:
    std::deque<float> m_values;
    int m_drawn = 0;
};

// Records the addresses it was asked to open; with cannotOpen, as a system without a
// browser, opens none.
class RecordingWebOpener : public WebOpener {
public:
    bool open(const QUrl& address) override
    {
        opened << address;
        return !cannotOpen;
    }
    QList<QUrl> opened;
    bool cannotOpen = false;
};

// Answers message boxes with the answers the test lined up and records every message.
// A message with no answer lined up is answered No (or OK). whileOpen, when set, runs
// once while the next box is open; a box taken away then answers Dismissed.
class ScriptedPrompter : public Prompter {
public:
    Answer ask(QWidget* parent, const Message& message) override;
    void dismissOpen() override { m_dismissed = m_open; }
    void answer(Answer next) { m_answers.push_back(next); }

    QList<Message> asked;
    std::function<void()> whileOpen;

private:
    std::deque<Answer> m_answers;
    bool m_open = false;
    bool m_dismissed = false;
};

// Answers file and colour dialogs with what the test lined up, and records the file names
// and colours they offered; with nothing lined up, as the user who cancels.
class ScriptedDialogs : public SystemDialogs {
public:
    QString openFile(QWidget*, const QString&, const QString&) override { return next(); }
    QString saveFile(QWidget*, const QString&, const QString& suggested, const QString&) override
    {
        offered << suggested;
        return next();
    }
    std::optional<QColor> color(QWidget*, const QColor& initial) override
    {
        offered << initial.name();
        return std::exchange(nextColor, std::nullopt);
    }
    QString next() { return paths.isEmpty() ? QString() : paths.takeFirst(); }
    QStringList paths;
    std::optional<QColor> nextColor;
    QStringList offered;
};

// Everything the program needs, in a temporary folder that goes when the test ends.
// XDG_CONFIG_HOME points into that folder too, and is never put back, so the entry that
// starts the program with the session is never the user's own.
class TestServices {
public:
    TestServices();

    Services services();
    // A fresh view of the settings file, as the next start of the program would see it.
    std::unique_ptr<SettingsArea> reopenSettings() const;
    QString settingsFile() const { return m_root.path() + u"/settings.ini"_qs; }
    QString dataFolder() const { return m_dataFolder; }
    QString path(const QString& relative) const { return m_dataFolder + u'/' + relative; }
    // Where the program's entry for the session start is on Linux.
    QString startupEntryFile() const
    {
        return m_root.path() + u"/config/autostart/ZorvanTest.desktop"_qs;
    }
    // The command that entry starts (the Exec line on Linux, the Run value on Windows);
    // nothing when there is no entry.
    std::optional<QString> startupCommand() const;
    // While the result lives, the entry cannot be written: its folder is read-only on
    // Linux, the Run key on Windows. Nothing where that does not bind.
    std::shared_ptr<void> lockStartupEntry() const;

    FixedClock clock;
    ScriptedRandom random;
    RecordingWebOpener web;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsArea> settings;
    std::unique_ptr<StartupEntry> startup = StartupEntry::forUser();
    TerminationWatcher* termination = nullptr;
    QStringList arguments;

private:
    QTemporaryDir m_root;
    QString m_dataFolder;
};
