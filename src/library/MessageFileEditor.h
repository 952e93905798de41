// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/MessageLibrary.h"

#include <QCoreApplication>
#include <optional>

// The "Programs" page without its widgets: the message files with their check marks and
// the one selected, the file whose messages are shown with those messages, theirs and the
// one selected, and the text of the edit box. Every handler of the page acts here and
// writes what it changed at once; the page shows the result and passes on what the user
// does, in rows counted from 0.
class MessageFileEditor {
    Q_DECLARE_TR_FUNCTIONS(MessageFileEditor)

public:
    explicit MessageFileEditor(const QString& dataFolder);

    // Lists the message files of the folder with the check marks of the index, rewrites
    // the index from that list, and shows the messages of the first file.
    void ListMessageFiles();
    // Writes the messages shown into the file they were read from.
    void SaveMessageFile();

    // The user chose a file, or clicked the one chosen: its messages are read again.
    void lvwDisplayFiles_Click(int row);
    void lvwDisplayFiles_ItemCheck(int row, bool checked);
    void lvwDisplay_ItemClick(int row);
    void lvwDisplay_ItemCheck(int row, bool checked);
    // The edit box shows text now.
    void txtEditText_Change(const QString& text);
    // Whether the character may be typed into the name of a new file.
    static bool txtNewFileName_KeyPress(char16_t code);
    // Makes the file the typed name names, or selects the one listed under it. False when
    // the name gives no file name: the name box keeps it then.
    bool cmdCreateFile_Click(const QString& typed);
    void cmdDeleteFile_Click();
    void cmdAddNew_Click();
    void cmdUpdate_Click();
    void cmdDeleteText_Click();
    // Takes a plain list of messages in as a new message file, named after it, every
    // message checked, the file checked and shown. Empty when done, else why not.
    QString importList(const QString& path);
    // Writes the messages shown into a plain list. Empty when done, else why not.
    QString exportList(const QString& path) const;
    // The name the list of the messages shown is offered under.
    QString exportName() const { return m_shownFile.value_or(QString()) + QStringLiteral(".txt"); }

    const QList<MessageRecord>& files() const { return m_files; }
    std::optional<int> selectedFile() const { return m_selectedFile; }
    const QList<MessageRecord>& messages() const { return m_messages; }
    std::optional<int> selectedMessage() const { return m_selectedMessage; }
    // The text the edit box holds: a message clicked, whole, or what was typed since.
    const QString& editText() const { return m_editText; }
    // Messages can be changed while the messages of a file are shown.
    bool showsMessages() const { return m_shownFile.has_value(); }
    // The line over the messages: whose they are, or why none are shown.
    QString shownFileCaption() const;

private:
    // Reads the selected file and shows its messages, or none when it cannot be read.
    void load();
    void show(const QString& name, const QList<MessageRecord>& messages);
    void showNone(const QString& unreadable = QString());
    // The index is rewritten only from a list of the message folder: one from a folder
    // that could not be listed would lose every check mark.
    void writeIndex();
    std::optional<int> findFile(const QString& name) const;
    bool isRow(int row, qsizetype count) const { return row >= 0 && row < count; }

    MessageLibrary m_library;
    QList<MessageRecord> m_files;
    bool m_folderListed = false;
    std::optional<int> m_selectedFile;
    // The file the messages were read from: saves go there and nowhere else, whatever
    // the file list selects.
    std::optional<QString> m_shownFile;
    QString m_unreadableFile;
    QList<MessageRecord> m_messages;
    std::optional<int> m_selectedMessage;
    QString m_editText;
};
