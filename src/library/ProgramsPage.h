#pragma once

#include "library/MessageLibrary.h"

#include <QWidget>
#include <optional>

class LinkLabel;
class Prompter;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The "Programs" page: the message files with their check marks on the left, the messages
// of the selected file with theirs on the right. Every change is written at once.
class ProgramsPage : public QWidget {
    Q_OBJECT

public:
    ProgramsPage(const QString& dataFolder, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the file list from the message folder, restores the check marks from the
    // index, rewrites the index, and shows the messages of the selected (first) file.
    void ListMessageFiles();
    // Writes the message list into the file it shows.
    void SaveMessageFile();

Q_SIGNALS:
    void homePageClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lvwDisplayFiles_Click();
    void lvwDisplayFiles_ItemCheck();
    void lvwDisplay_ItemClick(QTreeWidgetItem* item);
    void lvwDisplay_ItemCheck();
    void txtEditText_Change();
    // Whether the key's character may go into the name box.
    static bool txtNewFileName_KeyPress(const QKeyEvent& key);
    void cmdCreateFile_Click();
    void cmdDeleteFile_Click();
    void cmdAddNew_Click();
    void cmdUpdate_Click();
    void cmdDeleteText_Click();

    QTreeWidgetItem* selectedFile() const;
    QTreeWidgetItem* selectedMessage() const;
    QTreeWidgetItem* findFile(const QString& name) const;
    void selectFile(QTreeWidgetItem* entry);
    // Shows the messages of the named file, which from now on receives every save.
    void showMessages(const QString& name, const QList<MessageRecord>& messages);
    // Shows no messages, and says why when a file could not be read.
    void emptyMessageList(const QString& unreadableFile = QString());
    // Messages can be changed only while a file's messages are shown.
    void enableMessageCommands();
    // The text Add New and Edit take: what the box shows, or the whole message the box
    // shows in part while the user has not changed it.
    QString editBoxText() const;

    MessageLibrary m_library;
    Prompter& m_prompter;
    // The file whose messages the message list holds. Saves go there and nowhere else, so
    // one file's messages never land in another, whatever the file list selects.
    std::optional<QString> m_shownFile;
    // Whether the file list was filled from the message folder. Only then may the index be
    // rewritten from it: an index written from a list of a folder that could not be read
    // would lose every check mark.
    bool m_folderListed = false;
    // A message too long to be shown whole in the edit box: what the box shows of it, and
    // the message itself.
    struct ShownInPart {
        QString shown;
        QString whole;
    };
    std::optional<ShownInPart> m_editBoxHolds;
    // Set while the program itself changes the lists: their signals then are not the
    // user's doing.
    bool m_filling = false;
    // A press in the file list that changed the selection has loaded the file already;
    // the click that ends it need not load it again.
    bool m_loadedOnPress = false;

    LinkLabel* Label18;
    QGroupBox* Frame2;
    QLineEdit* txtNewFileName;
    QPushButton* cmdCreateFile;
    QPushButton* cmdDeleteFile;
    QTreeWidget* lvwDisplayFiles;
    QGroupBox* Frame3;
    QLabel* lblShownFile;
    QLineEdit* txtEditText;
    QPushButton* cmdUpdate;
    QPushButton* cmdAddNew;
    QPushButton* cmdDeleteText;
    QTreeWidget* lvwDisplay;
};
