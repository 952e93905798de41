// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/MessageFileEditor.h"

#include <QWidget>

class CheckListView;
class LinkLabel;
class Prompter;
class QAction;
class SystemDialogs;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Programs" page: the message files with their check marks on the left, the messages
// of the selected file with theirs on the right. It shows what its MessageFileEditor holds
// and hands it every click; every change is written at once.
class ProgramsPage : public QWidget {
    Q_OBJECT

public:
    ProgramsPage(const QString& dataFolder, Prompter& prompter, SystemDialogs& dialogs,
                 QWidget* parent = nullptr);

    // Lists the message files and shows the messages of the first.
    void ListMessageFiles();

Q_SIGNALS:
    void homePageClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lvwDisplayFiles_Click(int row);
    void lvwDisplay_ItemClick(int row);
    void txtEditText_Change();
    void cmdCreateFile_Click();
    void cmdDeleteFile_Click();
    void cmdAddNew_Click();
    void cmdUpdate_Click();
    void cmdDeleteText_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    // Takes in the lists, one new message file each, and says what could not be.
    void importLists(const QStringList& paths);

    // Shows the editor's file list, its messages and the edit box afresh.
    void showFiles();
    void showMessages();
    void showEditBox();

    MessageFileEditor m_editor;
    Prompter& m_prompter;
    SystemDialogs& m_dialogs;

    LinkLabel* Label18;
    QGroupBox* Frame2;
    QLineEdit* txtNewFileName;
    QPushButton* cmdCreateFile;
    QPushButton* cmdDeleteFile;
    CheckListView* lvwDisplayFiles;
    QPushButton* cmdImport;
    QPushButton* cmdExport;
    QAction* mnuImport;
    QAction* mnuExport;
    QGroupBox* Frame3;
    QLabel* lblShownFile;
    QLineEdit* txtEditText;
    QPushButton* cmdUpdate;
    QPushButton* cmdAddNew;
    QPushButton* cmdDeleteText;
    CheckListView* lvwDisplay;
};
