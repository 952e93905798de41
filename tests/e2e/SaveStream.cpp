#include "SaveStream.h"

#include "goals/GoalRecords.h"
#include "goals/GoalStore.h"
#include "library/MessageLibrary.h"
#include "platform/SettingsArea.h"
#include "platform/TextFile.h"
#include "settings/SettingsStore.h"

#include <QFile>

namespace SaveStream {

namespace {

const QString messageFile = QStringLiteral("Stream");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString name(File file)
{
    switch (file) {
    case File::Messages:
        return QStringLiteral("message file");
    case File::Index:
        return QStringLiteral("index");
    case File::Goals:
        return QStringLiteral("goal file");
    case File::Settings:
        return QStringLiteral("settings");
    }
    return {};
}

QString path(File file, const QString& dataFolder, const QString& settingsFile)
{
    switch (file) {
    case File::Messages:
        return *MessageLibrary(dataFolder).messageFilePath(messageFile);
    case File::Index:
        return MessageLibrary(dataFolder).indexPath();
    case File::Goals:
        return GoalStore::pathIn(dataFolder);
    case File::Settings:
        return settingsFile;
    }
    return {};
}

// Large enough that a save takes a while, so that many kills land in the middle of one.
QList<MessageRecord> messages(int version)
{
    QList<MessageRecord> records;
    const int count = 3000 + version % 7;
    for (int i = 0; i < count; ++i)
        records << MessageRecord{
            QStringLiteral("I grow stronger, message %1 of version %2").arg(i).arg(version),
            (i + version) % 3 != 0};
    return records;
}

QList<MessageRecord> index(int version)
{
    QList<MessageRecord> records{{messageFile, true}};
    for (int i = 0; i < 200 + version % 5; ++i)
        records << MessageRecord{QStringLiteral("Group %1 of %2").arg(i).arg(version), i % 2 == 0};
    return records;
}

Goals goals(int version)
{
    Goals goals;
    for (int i = 0; i < 800 + version % 3; ++i)
        goals << GoalRecord{.GoalName = QStringLiteral("Goal %1 of version %2").arg(i).arg(version),
                            .StartingDate = QDate(2026, 1, 1).addDays(version % 300),
                            .EndingDate = QDate(2027, 1, 1).addDays(i),
                            .GoalDesc = QStringLiteral("First line %1\r\nsecond line").arg(version),
                            .Achieved = (i + version) % 2 == 0,
                            .AchievedPercent = qint16((i + version) % 101)};
    return goals;
}

DisplaySettings settings(int version)
{
    DisplaySettings settings;
    settings.autoDisplay = true;
    settings.intervalPosition = 1000 + version;
    settings.durationPosition = 2000 + version;
    settings.messageOrder = 1;
    settings.location = 1;
    settings.fontColor = 0x10000 + version;
    settings.font = DisplayFont{.name = QStringLiteral("Stream font %1").arg(version),
                                .size = double(11 + version % 300),
                                .bold = true,
                                .italic = true,
                                .strikethrough = true,
                                .underline = true};
    return settings;
}

bool save(File file, int version, const QString& dataFolder, const QString& settingsFile)
{
    switch (file) {
    case File::Messages:
        return MessageLibrary(dataFolder).writeMessageFile(messageFile, messages(version));
    case File::Index:
        return MessageLibrary(dataFolder).writeIndex(index(version));
    case File::Goals: {
        GoalStore store(GoalStore::pathIn(dataFolder));
        store.goals() = goals(version);
        return store.SaveGoals();
    }
    case File::Settings: {
        const auto area = SettingsArea::inFile(settingsFile);
        SettingsStore::save(*area, settings(version));
        return area->sync();
    }
    }
    return false;
}

bool holds(File file, int version, const QString& dataFolder, const QString& settingsFile)
{
    const QString where = path(file, dataFolder, settingsFile);
    switch (file) {
    case File::Messages:
        return fileBytes(where) == TextFile::encode(MessageRecords::format(messages(version)));
    case File::Index:
        return fileBytes(where) == TextFile::encode(MessageRecords::format(index(version)));
    case File::Goals:
        return fileBytes(where) == TextFile::encode(GoalRecords::format(goals(version)));
    case File::Settings: {
        // The settings file is the settings library's to lay out; what counts is that
        // every key reads back as that version wrote it.
        DisplaySettings read;
        SettingsStore::load(*SettingsArea::inFile(where), read);
        return read == settings(version);
    }
    }
    return false;
}

} // namespace SaveStream
