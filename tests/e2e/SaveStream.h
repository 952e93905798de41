#pragma once

#include "goals/GoalRecord.h"
#include "library/MessageRecords.h"
#include "settings/DisplaySettings.h"

#include <QList>
#include <QString>

// The data files the save-stream driver rewrites over and over, and what each holds after
// its n-th save. Every version differs from the one before it and from the defaults in
// every field, so that a file cut short or mixed from two versions shows.
namespace SaveStream {

enum class File { Messages, Index, Goals, Settings };
inline constexpr File files[] = {File::Messages, File::Index, File::Goals, File::Settings};

QString name(File file);
// Where the file lives, for a data folder and settings file.
QString path(File file, const QString& dataFolder, const QString& settingsFile);

QList<MessageRecord> messages(int version);
QList<MessageRecord> index(int version);
Goals goals(int version);
DisplaySettings settings(int version);

// Writes the version through the program's own code, as the program saves that file.
bool save(File file, int version, const QString& dataFolder, const QString& settingsFile);
// Whether the file holds exactly that version.
bool holds(File file, int version, const QString& dataFolder, const QString& settingsFile);

} // namespace SaveStream
