// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

// What the tests do through the system, which each system does its own way (one file per
// system, chosen by CMake). Where a system has no such thing, the reason to skip says why.
namespace SystemActions {

// The system's request to end the program, as the end of the session sends it: SIGTERM on
// Linux; on Windows WM_ENDSESSION, handed to the event filters as the window procedure
// does, which reaches the program only while it waits for events.
void requestEnd();
// Why a request cannot come while the program runs a step without waiting for events, or
// nullptr.
extern const char* const noEndBetweenSteps;

// Makes a named pipe (a FIFO) at the path; noFifos says why where there are none.
bool makeFifo(const QString& path);
extern const char* const noFifos;

// A name given outside the program that tries the index's quoting: with a line break where
// file names may hold one, else with a comma and a check mark.
QString awkwardFileName();
// Why names with quotes or line breaks, or two names that differ in letter case only,
// cannot be given to files, or nullptr.
extern const char* const noNamesOfEveryKind;

// A program started without any display; noDisplayToLose says why where that cannot be.
extern const char* const noDisplayToLose;

// Takes the single-copy name as a program of another user would, for as long as the result
// lives. Nothing when it could not: whyNot then holds the reason to skip, or nullptr when
// it should have worked.
std::shared_ptr<void> holdAsAnotherUser(const QString& name, const char** whyNot);

} // namespace SystemActions
