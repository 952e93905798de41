// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramsPage.h"

#include "library/ShownText.h"
#include "platform/Prompter.h"
#include "platform/SystemDialogs.h"
#include "platform/WebLinks.h"
#include "widgets/CheckListView.h"
#include "widgets/FileDrop.h"
#include "widgets/LinkLabel.h"
#include "widgets/Named.h"
#include "widgets/ProgramColour.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The rows of a list of records, each shown in part where it is long.
CheckList::Rows rowsOf(const QList<MessageRecord>& records, std::function<void(int, bool)> check)
{
    return {.count = [&records] { return int(records.size()); },
            .text = [&records](int row) { return ShownText::of(records[row].text); },
            .checked = [&records](int row) { return records[row].checked; },
            .check = std::move(check)};
}

CheckListView* listView(const QString& name, const QString& title, CheckList::Rows rows,
                        std::function<std::optional<int>()> chosen)
{
    auto* view = named<CheckListView>(name, title, std::move(rows), std::move(chosen));
    // The frames share the page's width; the lists take what the frames give them.
    view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    view->setMinimumSize(120, 120);
    return view;
}

// Whether the key types a character a file name may hold; keys that type nothing go
// through, and so does Tab, which moves on.
bool typesNameCharacter(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
        return true;
    char16_t code = 0;
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z) {
        code = char16_t(key.key() - Qt::Key_A + 1); // the control character it types
    } else {
        const QString text = key.text();
        if (text.isEmpty())
            return true; // arrows, Home, a modifier alone
        if (text.size() != 1)
            return false;
        code = text[0].unicode();
    }
    return MessageFileEditor::txtNewFileName_KeyPress(code);
}

} // namespace

ProgramsPage::ProgramsPage(const QString& dataFolder, Prompter& prompter, SystemDialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent)
    , m_editor(dataFolder)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , Label18(named<LinkLabel>(QStringLiteral("Label18"),
                               tr("Visit %1 now for news and more tools for a positive mind.")
                                   .arg(WebLinks::homePageShown())))
    , Frame2(named<QGroupBox>(QStringLiteral("Frame2"), tr("Programs")))
    , txtNewFileName(named<QLineEdit>(QStringLiteral("txtNewFileName")))
    , cmdCreateFile(named<QPushButton>(QStringLiteral("cmdCreateFile"), tr("&Create")))
    , cmdDeleteFile(named<QPushButton>(QStringLiteral("cmdDeleteFile"), tr("&Delete")))
    , lvwDisplayFiles(listView(QStringLiteral("lvwDisplayFiles"), tr("Files"),
                               rowsOf(m_editor.files(),
                                      [this](int row, bool checked) {
                                          m_editor.lvwDisplayFiles_ItemCheck(row, checked);
                                      }),
                               [this] { return m_editor.selectedFile(); }))
    , cmdImport(named<QPushButton>(QStringLiteral("cmdImport"), tr("&Import…")))
    , cmdExport(named<QPushButton>(QStringLiteral("cmdExport"), tr("Ex&port…")))
    , mnuImport(named<QAction>(QStringLiteral("mnuImport"), cmdImport->text(), this))
    , mnuExport(named<QAction>(QStringLiteral("mnuExport"), cmdExport->text(), this))
    , Frame3(named<QGroupBox>(QStringLiteral("Frame3"), tr("Messages")))
    , lblShownFile(named<QLabel>(QStringLiteral("lblShownFile")))
    , txtEditText(named<QLineEdit>(QStringLiteral("txtEditText")))
    , cmdUpdate(named<QPushButton>(QStringLiteral("cmdUpdate"), tr("E&dit")))
    , cmdAddNew(named<QPushButton>(QStringLiteral("cmdAddNew"), tr("&Add New")))
    , cmdDeleteText(named<QPushButton>(QStringLiteral("cmdDeleteText"), tr("D&elete")))
    , lvwDisplay(listView(
          QStringLiteral("lvwDisplay"), tr("Text"),
          rowsOf(m_editor.messages(),
                 [this](int row, bool checked) { m_editor.lvwDisplay_ItemCheck(row, checked); }),
          [this] { return m_editor.selectedMessage(); }))
{
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(cmdCreateFile);
    fileButtons->addStretch();
    fileButtons->addWidget(cmdDeleteFile);
    auto* files = new QVBoxLayout(Frame2);
    files->addWidget(txtNewFileName);
    files->addLayout(fileButtons);
    files->addWidget(lvwDisplayFiles, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(cmdImport);
    listButtons->addStretch();
    listButtons->addWidget(cmdExport);
    files->addLayout(listButtons);
    // Lists come in also from the list's own menu, and dropped on it.
    cmdImport->setToolTip(tr("Makes a new message file of a text file, one message a line."));
    cmdExport->setToolTip(
        tr("Saves the messages of the file shown as a text file, one message a line."));
    lvwDisplayFiles->addActions({mnuImport, mnuExport});
    lvwDisplayFiles->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(new FileDrop(lvwDisplayFiles->viewport(), QStringLiteral("txt")), &FileDrop::dropped,
            this, &ProgramsPage::importLists);

    auto* messageButtons = new QHBoxLayout;
    messageButtons->addWidget(cmdUpdate);
    messageButtons->addStretch();
    messageButtons->addWidget(cmdAddNew);
    messageButtons->addStretch();
    messageButtons->addWidget(cmdDeleteText);
    auto* messages = new QVBoxLayout(Frame3);
    messages->addWidget(txtEditText);
    messages->addLayout(messageButtons);
    messages->addWidget(lblShownFile);
    messages->addWidget(lvwDisplay, 1);
    lblShownFile->setTextFormat(Qt::PlainText);
    lblShownFile->setWordWrap(true);

    // The frames keep the widths of their design, 3705 and 4275 twips.
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame2, 3705);
    frames->addWidget(Frame3, 4275);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label18);
    layout->addLayout(frames, 1);

    setBoldCaption(Frame2);
    setBoldCaption(Frame3);
    for (QWidget* box : std::initializer_list<QWidget*>{txtNewFileName, txtEditText, lvwDisplay})
        setPaletteColour(box, QPalette::Text, programColour());

    showEditBox();
    txtNewFileName->installEventFilter(this);

    connect(Label18, &LinkLabel::clicked, this, &ProgramsPage::homePageClicked);
    connect(cmdCreateFile, &QPushButton::clicked, this, &ProgramsPage::cmdCreateFile_Click);
    connect(cmdDeleteFile, &QPushButton::clicked, this, &ProgramsPage::cmdDeleteFile_Click);
    connect(cmdAddNew, &QPushButton::clicked, this, &ProgramsPage::cmdAddNew_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &ProgramsPage::cmdUpdate_Click);
    connect(cmdDeleteText, &QPushButton::clicked, this, &ProgramsPage::cmdDeleteText_Click);
    connect(cmdImport, &QPushButton::clicked, this, &ProgramsPage::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &ProgramsPage::cmdExport_Click);
    connect(mnuImport, &QAction::triggered, this, &ProgramsPage::cmdImport_Click);
    connect(mnuExport, &QAction::triggered, this, &ProgramsPage::cmdExport_Click);
    connect(txtEditText, &QLineEdit::textChanged, this, &ProgramsPage::txtEditText_Change);
    // Choosing the file chosen reads it again.
    connect(lvwDisplayFiles, &CheckListView::chosen, this, &ProgramsPage::lvwDisplayFiles_Click);
    connect(lvwDisplay, &CheckListView::chosen, this, &ProgramsPage::lvwDisplay_ItemClick);
}

void ProgramsPage::ListMessageFiles()
{
    m_editor.ListMessageFiles();
    showFiles();
    showMessages();
}

void ProgramsPage::lvwDisplayFiles_Click(int row)
{
    m_editor.lvwDisplayFiles_Click(row);
    showMessages();
}

void ProgramsPage::lvwDisplay_ItemClick(int row)
{
    m_editor.lvwDisplay_ItemClick(row);
    showEditBox();
}

void ProgramsPage::txtEditText_Change()
{
    m_editor.txtEditText_Change(txtEditText->text());
    const bool hasText = !m_editor.editText().isEmpty() && m_editor.showsMessages();
    cmdAddNew->setEnabled(hasText);
    cmdUpdate->setEnabled(hasText);
}

void ProgramsPage::cmdCreateFile_Click()
{
    if (!m_editor.cmdCreateFile_Click(txtNewFileName->text()))
        return;
    txtNewFileName->clear();
    showFiles();
    showMessages();
}

void ProgramsPage::cmdDeleteFile_Click()
{
    m_editor.cmdDeleteFile_Click();
    showFiles();
    showMessages();
}

void ProgramsPage::cmdAddNew_Click()
{
    m_editor.cmdAddNew_Click();
    showMessages();
    lvwDisplay->scrollToBottom();
}

void ProgramsPage::cmdUpdate_Click()
{
    m_editor.cmdUpdate_Click();
    showMessages();
}

void ProgramsPage::cmdDeleteText_Click()
{
    m_editor.cmdDeleteText_Click();
    showMessages();
}

void ProgramsPage::cmdImport_Click()
{
    const QString path =
        m_dialogs.openFile(this, tr("Import Messages"), tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        importLists({path});
}

void ProgramsPage::cmdExport_Click()
{
    if (!m_editor.showsMessages())
        return;
    const QString path = m_dialogs.saveFile(this, tr("Export Messages"), m_editor.exportName(),
                                            tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString problem = m_editor.exportList(path);
    if (!problem.isEmpty())
        m_prompter.ask(this, {.text = problem, .icon = Prompter::Icon::Critical});
}

void ProgramsPage::importLists(const QStringList& paths)
{
    QStringList problems;
    for (const QString& path : paths) {
        const QString problem = m_editor.importList(path);
        if (!problem.isEmpty())
            problems << problem;
    }
    showFiles();
    showMessages();
    if (!problems.isEmpty()) {
        m_prompter.ask(this, {.text = problems.join(u'\n'), .icon = Prompter::Icon::Critical});
    }
}

void ProgramsPage::showFiles()
{
    lvwDisplayFiles->showRows();
}

void ProgramsPage::showMessages()
{
    lvwDisplay->showRows();
    lblShownFile->setText(m_editor.shownFileCaption());
    showEditBox();
}

void ProgramsPage::showEditBox()
{
    txtEditText->setText(ShownText::of(m_editor.editText()));
    txtEditText->setEnabled(m_editor.showsMessages());
    cmdDeleteText->setEnabled(m_editor.showsMessages());
    cmdExport->setEnabled(m_editor.showsMessages());
    mnuExport->setEnabled(m_editor.showsMessages());
    txtEditText_Change();
}

bool ProgramsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtNewFileName && event->type() == QEvent::KeyPress &&
        !typesNameCharacter(*static_cast<QKeyEvent*>(event))) {
        m_prompter.ask(this, {.text = tr("Please Enter Only Characters")});
        txtNewFileName->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
