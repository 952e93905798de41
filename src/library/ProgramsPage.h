#pragma once

#include "library/MessageFileEditor.h"

#include <QWidget>

class CheckListView;
class LinkLabel;
class Prompter;
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
    ProgramsPage(const QString& dataFolder, Prompter& prompter, QWidget* parent = nullptr);

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

    // Shows the editor's file list, its messages and the edit box afresh.
    void showFiles();
    void showMessages();
    void showEditBox();

    MessageFileEditor m_editor;
    Prompter& m_prompter;

    LinkLabel* Label18;
    QGroupBox* Frame2;
    QLineEdit* txtNewFileName;
    QPushButton* cmdCreateFile;
    QPushButton* cmdDeleteFile;
    CheckListView* lvwDisplayFiles;
    QGroupBox* Frame3;
    QLabel* lblShownFile;
    QLineEdit* txtEditText;
    QPushButton* cmdUpdate;
    QPushButton* cmdAddNew;
    QPushButton* cmdDeleteText;
    CheckListView* lvwDisplay;
};
