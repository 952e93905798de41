// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageFileEditor.h"

#include "library/PlainTextList.h"
#include "library/ShownText.h"
#include "platform/LineBreaks.h"

#include <QDir>
#include <QFileInfo>

MessageFileEditor::MessageFileEditor(const QString& dataFolder)
    : m_library(dataFolder)
{}

void MessageFileEditor::ListMessageFiles()
{
    const std::optional<QStringList> names = m_library.messageFiles();
    m_folderListed = names.has_value();
    std::optional<QList<MessageRecord>> index;
    if (m_library.hasIndex())
        index = m_library.readIndex();
    m_files = MessageLibrary::restoreChecks(names.value_or(QStringList()),
                                            index.value_or(QList<MessageRecord>()));
    m_selectedFile = m_files.isEmpty() ? std::nullopt : std::optional<int>(0);
    // The index drops the files that are gone and takes in those that came; it is only
    // rewritten from a listing it was read into.
    if (index)
        writeIndex();
    // Shown also when there is no index yet: a message added to an empty-looking list
    // would otherwise replace every message of the selected file.
    load();
}

void MessageFileEditor::SaveMessageFile()
{
    if (m_shownFile)
        m_library.writeMessageFile(*m_shownFile, m_messages);
}

void MessageFileEditor::lvwDisplayFiles_Click(int row)
{
    if (!isRow(row, m_files.size()))
        return;
    m_selectedFile = row;
    load();
}

void MessageFileEditor::lvwDisplayFiles_ItemCheck(int row, bool checked)
{
    if (!isRow(row, m_files.size()) || m_files[row].checked == checked)
        return;
    m_files[row].checked = checked;
    writeIndex();
}

void MessageFileEditor::lvwDisplay_ItemClick(int row)
{
    if (!isRow(row, m_messages.size()))
        return;
    m_selectedMessage = row;
    m_editText = m_messages[row].text;
}

void MessageFileEditor::lvwDisplay_ItemCheck(int row, bool checked)
{
    if (!isRow(row, m_messages.size()) || m_messages[row].checked == checked)
        return;
    m_messages[row].checked = checked;
    SaveMessageFile();
}

void MessageFileEditor::txtEditText_Change(const QString& text)
{
    // A message too long to be shown whole is held whole while the box shows its part.
    if (text != ShownText::of(m_editText))
        m_editText = text;
}

bool MessageFileEditor::txtNewFileName_KeyPress(char16_t code)
{
    return (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z') ||
           (code >= u'a' && code <= u'z') || code == u' ' || code == 8 || code == 127;
}

bool MessageFileEditor::cmdCreateFile_Click(const QString& typed)
{
    const QString name = MessageLibrary::safeName(typed);
    if (name.isEmpty())
        return false;
    // A name already listed selects its entry; a file that came into the folder since the
    // listing keeps its name and its messages. Only a file that is not there is made.
    std::optional<int> row = findFile(name);
    const QString fileName =
        row ? m_files[*row].text : m_library.findMessageFile(name).value_or(name);
    if (!m_library.hasMessageFile(fileName))
        m_library.createMessageFile(fileName);
    if (!row) {
        m_files << MessageRecord{fileName, true};
        row = int(m_files.size() - 1);
        writeIndex();
    }
    m_selectedFile = row;
    m_editText.clear();
    if (const auto messages = m_library.readMessageFile(fileName))
        show(fileName, *messages);
    else if (!m_library.hasMessageFile(fileName))
        show(fileName, {}); // nothing on disk to lose; saves will try to make it
    else
        showNone(fileName);
    return true;
}

void MessageFileEditor::cmdDeleteFile_Click()
{
    if (m_selectedFile) {
        m_library.deleteMessageFile(m_files[*m_selectedFile].text);
        m_files.removeAt(*m_selectedFile);
    }
    showNone();
    ListMessageFiles();
    m_editText.clear();
}

void MessageFileEditor::cmdAddNew_Click()
{
    if (!m_shownFile || m_editText.isEmpty())
        return;
    // A message is one line of its file: line breaks that came in with a paste become
    // spaces.
    m_messages << MessageRecord{LineBreaks::toSpaces(m_editText), true};
    m_editText.clear();
    SaveMessageFile();
}

void MessageFileEditor::cmdUpdate_Click()
{
    if (!m_selectedMessage)
        return;
    m_messages[*m_selectedMessage].text = LineBreaks::toSpaces(m_editText);
    m_editText.clear();
    SaveMessageFile();
}

void MessageFileEditor::cmdDeleteText_Click()
{
    if (!m_selectedMessage)
        return;
    // No message is selected afterwards, so a second press deletes nothing more.
    m_messages.removeAt(*m_selectedMessage);
    m_selectedMessage.reset();
    m_editText.clear();
    SaveMessageFile();
}

QString MessageFileEditor::importList(const QString& path)
{
    auto read = PlainTextList::read(path);
    if (const auto* problem = std::get_if<QString>(&read))
        return *problem;
    const auto& messages = std::get<QList<MessageRecord>>(read);
    const auto name = m_library.addMessageFile(QFileInfo(path).completeBaseName(), messages);
    if (!name) {
        return tr("No message file could be made in %1.")
            .arg(QDir::toNativeSeparators(m_library.messageFolder()));
    }
    // A file listed still, though gone from the disk, takes the messages in its row.
    std::optional<int> row = findFile(*name);
    if (!row || m_files[*row].text != *name) {
        m_files << MessageRecord{*name, true};
        row = int(m_files.size() - 1);
    }
    m_files[*row].checked = true;
    m_selectedFile = row;
    writeIndex();
    m_editText.clear();
    show(*name, messages);
    return {};
}

QString MessageFileEditor::exportList(const QString& path) const
{
    if (!m_shownFile)
        return {};
    return PlainTextList::write(path, m_messages);
}

QString MessageFileEditor::shownFileCaption() const
{
    if (m_shownFile)
        return tr("Messages of \"%1\"").arg(*m_shownFile);
    if (!m_unreadableFile.isEmpty())
        return tr("\"%1\" could not be read, so its messages cannot be shown or changed.")
            .arg(m_unreadableFile);
    return {};
}

void MessageFileEditor::load()
{
    if (!m_selectedFile)
        return;
    // A file that vanished, cannot be read or is too big shows no messages, so that none
    // meant for it is written into another.
    const QString name = m_files[*m_selectedFile].text;
    if (const auto messages = m_library.readMessageFile(name))
        show(name, *messages);
    else
        showNone(name);
}

void MessageFileEditor::show(const QString& name, const QList<MessageRecord>& messages)
{
    m_shownFile = name;
    m_unreadableFile.clear();
    m_messages = messages;
    m_selectedMessage.reset();
    // An empty file leaves the edit box as it is; else it shows the first message.
    lvwDisplay_ItemClick(0);
}

void MessageFileEditor::showNone(const QString& unreadable)
{
    m_shownFile.reset();
    m_unreadableFile = unreadable;
    m_messages.clear();
    m_selectedMessage.reset();
}

void MessageFileEditor::writeIndex()
{
    if (m_folderListed)
        m_library.writeIndex(m_files);
}

std::optional<int> MessageFileEditor::findFile(const QString& name) const
{
    std::optional<int> ignoringCase;
    for (int row = 0; row < m_files.size(); ++row) {
        if (m_files[row].text == name)
            return row;
        if (!ignoringCase && m_files[row].text.compare(name, Qt::CaseInsensitive) == 0)
            ignoringCase = row;
    }
    return ignoringCase;
}
