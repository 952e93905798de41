#include "ProgramsPage.h"

#include "library/ShownText.h"
#include "platform/Prompter.h"
#include "platform/WebLinks.h"
#include "widgets/LinkLabel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename T, typename... Args> T* named(const QString& name, Args&&... args)
{
    auto* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

const QColor pageTextColor(128, 64, 64);

// A list view in report style: one column under a header, a check box on every entry.
QTreeWidget* checkList(const QString& name, const QString& column)
{
    auto* list = named<QTreeWidget>(name);
    list->setColumnCount(1);
    list->setHeaderLabels({column});
    list->header()->setSectionsClickable(false);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    // The frames share the page's width; the lists take what the frames give them.
    list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    list->setMinimumSize(120, 120);
    return list;
}

// An entry's text whole; what the list shows of it may be cut short.
constexpr int wholeTextRole = Qt::UserRole;

QString textOf(const QTreeWidgetItem* item)
{
    return item->data(0, wholeTextRole).toString();
}

void setText(QTreeWidgetItem* item, const QString& text)
{
    item->setText(0, ShownText::of(text));
    item->setData(0, wholeTextRole, text);
}

QTreeWidgetItem* checkItem(const QString& text, bool checked)
{
    auto* item = new QTreeWidgetItem;
    setText(item, text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QList<MessageRecord> entriesOf(const QTreeWidget* list)
{
    QList<MessageRecord> entries;
    const int count = list->topLevelItemCount();
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        entries << MessageRecord{textOf(item), item->checkState(0) == Qt::Checked};
    }
    return entries;
}

// A message is one line of its file: line breaks that came in with a paste become spaces.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void setTextColor(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, pageTextColor);
    widget->setPalette(palette);
}

// Bold captions over regular contents: the weight alone is set, so that the rest of the
// font still comes from the window.
void setBoldCaption(QGroupBox* frame)
{
    QFont bold;
    bold.setBold(true);
    frame->setFont(bold);
    QFont regular;
    regular.setBold(false);
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(regular);
    setTextColor(frame, {QPalette::WindowText});
}

} // namespace

ProgramsPage::ProgramsPage(const QString& dataFolder, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , m_library(dataFolder)
    , m_prompter(prompter)
    , Label18(named<LinkLabel>(QStringLiteral("Label18"),
                               tr("Visit %1 now for news and more tools for a positive mind.")
                                   .arg(WebLinks::homePageShown())))
    , Frame2(named<QGroupBox>(QStringLiteral("Frame2"), tr("Programs")))
    , txtNewFileName(named<QLineEdit>(QStringLiteral("txtNewFileName")))
    , cmdCreateFile(named<QPushButton>(QStringLiteral("cmdCreateFile"), tr("&Create")))
    , cmdDeleteFile(named<QPushButton>(QStringLiteral("cmdDeleteFile"), tr("&Delete")))
    , lvwDisplayFiles(checkList(QStringLiteral("lvwDisplayFiles"), tr("Files")))
    , Frame3(named<QGroupBox>(QStringLiteral("Frame3"), tr("Messages")))
    , lblShownFile(named<QLabel>(QStringLiteral("lblShownFile")))
    , txtEditText(named<QLineEdit>(QStringLiteral("txtEditText")))
    , cmdUpdate(named<QPushButton>(QStringLiteral("cmdUpdate"), tr("E&dit")))
    , cmdAddNew(named<QPushButton>(QStringLiteral("cmdAddNew"), tr("&Add New")))
    , cmdDeleteText(named<QPushButton>(QStringLiteral("cmdDeleteText"), tr("D&elete")))
    , lvwDisplay(checkList(QStringLiteral("lvwDisplay"), tr("Text")))
{
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(cmdCreateFile);
    fileButtons->addStretch();
    fileButtons->addWidget(cmdDeleteFile);
    auto* files = new QVBoxLayout(Frame2);
    files->addWidget(txtNewFileName);
    files->addLayout(fileButtons);
    files->addWidget(lvwDisplayFiles, 1);

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
    setTextColor(txtNewFileName, {QPalette::Text});
    setTextColor(txtEditText, {QPalette::Text});
    setTextColor(lvwDisplay, {QPalette::Text});

    enableMessageCommands();
    txtNewFileName->installEventFilter(this);
    lvwDisplayFiles->viewport()->installEventFilter(this);

    connect(Label18, &LinkLabel::clicked, this, &ProgramsPage::homePageClicked);
    connect(cmdCreateFile, &QPushButton::clicked, this, &ProgramsPage::cmdCreateFile_Click);
    connect(cmdDeleteFile, &QPushButton::clicked, this, &ProgramsPage::cmdDeleteFile_Click);
    connect(cmdAddNew, &QPushButton::clicked, this, &ProgramsPage::cmdAddNew_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &ProgramsPage::cmdUpdate_Click);
    connect(cmdDeleteText, &QPushButton::clicked, this, &ProgramsPage::cmdDeleteText_Click);
    connect(txtEditText, &QLineEdit::textChanged, this, &ProgramsPage::txtEditText_Change);

    // The message list follows the file list however its selection moves, by mouse or
    // by keyboard; a click on the file already selected loads it again.
    connect(lvwDisplayFiles, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_filling)
            return;
        lvwDisplayFiles_Click();
        m_loadedOnPress = true;
    });
    connect(lvwDisplayFiles, &QTreeWidget::itemClicked, this, [this] {
        if (!m_loadedOnPress)
            lvwDisplayFiles_Click();
        m_loadedOnPress = false;
    });
    connect(lvwDisplayFiles, &QTreeWidget::itemChanged, this, [this] {
        if (!m_filling)
            lvwDisplayFiles_ItemCheck();
    });

    connect(lvwDisplay, &QTreeWidget::itemClicked, this, &ProgramsPage::lvwDisplay_ItemClick);
    connect(lvwDisplay, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!m_filling && current)
            lvwDisplay_ItemClick(current);
    });
    connect(lvwDisplay, &QTreeWidget::itemChanged, this, [this] {
        if (!m_filling)
            lvwDisplay_ItemCheck();
    });
}

void ProgramsPage::ListMessageFiles()
{
    const std::optional<QStringList> names = m_library.messageFiles();
    m_folderListed = names.has_value();
    std::optional<QList<MessageRecord>> index;
    if (m_library.hasIndex())
        index = m_library.readIndex();
    const QList<MessageRecord> entries = MessageLibrary::restoreChecks(
        names.value_or(QStringList()), index.value_or(QList<MessageRecord>()));
    {
        const QScopedValueRollback filling(m_filling, true);
        lvwDisplayFiles->clear();
        QList<QTreeWidgetItem*> items;
        items.reserve(entries.size());
        for (const MessageRecord& entry : entries)
            items << checkItem(entry.text, entry.checked);
        lvwDisplayFiles->addTopLevelItems(items);
        if (!items.isEmpty())
            selectFile(items.first());
    }
    // The index drops the files that are gone and takes in those that came; it is only
    // rewritten from a listing it was read into.
    if (index)
        lvwDisplayFiles_ItemCheck();
    // Shown also when there is no index yet: a message added to an empty-looking list
    // would otherwise replace every message of the selected file.
    lvwDisplayFiles_Click();
}

void ProgramsPage::SaveMessageFile()
{
    if (!m_shownFile)
        return;
    m_library.writeMessageFile(*m_shownFile, entriesOf(lvwDisplay));
}

void ProgramsPage::lvwDisplayFiles_Click()
{
    const QTreeWidgetItem* entry = selectedFile();
    if (!entry)
        return;
    // A file that vanished, cannot be read or is too big shows no messages, so that none
    // meant for it is written into another.
    const QString name = textOf(entry);
    if (const auto messages = m_library.readMessageFile(name))
        showMessages(name, *messages);
    else
        emptyMessageList(name);
}

void ProgramsPage::showMessages(const QString& name, const QList<MessageRecord>& messages)
{
    const QScopedValueRollback filling(m_filling, true);
    lvwDisplay->clear();
    m_shownFile = name;
    lblShownFile->setText(tr("Messages of \"%1\"").arg(name));
    enableMessageCommands();
    if (messages.isEmpty())
        return;
    QList<QTreeWidgetItem*> items;
    items.reserve(messages.size());
    for (const MessageRecord& message : messages)
        items << checkItem(message.text, message.checked);
    lvwDisplay->addTopLevelItems(items);
    txtEditText->clear();
    lvwDisplay->setCurrentItem(items.first());
    lvwDisplay_ItemClick(items.first());
}

void ProgramsPage::emptyMessageList(const QString& unreadableFile)
{
    const QScopedValueRollback filling(m_filling, true);
    lvwDisplay->clear();
    m_shownFile.reset();
    lblShownFile->setText(
        unreadableFile.isEmpty()
            ? QString()
            : tr("\"%1\" could not be read, so its messages cannot be shown or changed.")
                  .arg(unreadableFile));
    enableMessageCommands();
}

void ProgramsPage::enableMessageCommands()
{
    const bool shown = m_shownFile.has_value();
    const bool hasText = !txtEditText->text().isEmpty();
    txtEditText->setEnabled(shown);
    cmdAddNew->setEnabled(shown && hasText);
    cmdUpdate->setEnabled(shown && hasText);
    cmdDeleteText->setEnabled(shown);
}

QString ProgramsPage::editBoxText() const
{
    return m_editBoxHolds ? m_editBoxHolds->whole : oneLine(txtEditText->text());
}

void ProgramsPage::lvwDisplayFiles_ItemCheck()
{
    if (m_folderListed)
        m_library.writeIndex(entriesOf(lvwDisplayFiles));
}

void ProgramsPage::lvwDisplay_ItemClick(QTreeWidgetItem* item)
{
    const QString message = textOf(item);
    const QString shown = ShownText::of(message);
    m_editBoxHolds.reset();
    txtEditText->setText(shown);
    if (ShownText::isCut(message))
        m_editBoxHolds = ShownInPart{shown, message};
}

void ProgramsPage::lvwDisplay_ItemCheck()
{
    SaveMessageFile();
}

void ProgramsPage::txtEditText_Change()
{
    if (m_editBoxHolds && txtEditText->text() != m_editBoxHolds->shown)
        m_editBoxHolds.reset();
    enableMessageCommands();
}

bool ProgramsPage::txtNewFileName_KeyPress(const QKeyEvent& key)
{
    // Tab moves on and types nothing.
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
        return true;
    char16_t code = 0;
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z) {
        code = char16_t(key.key() - Qt::Key_A + 1); // the control character it types
    } else {
        const QString text = key.text();
        if (text.isEmpty())
            return true; // a key that types nothing: arrows, Home, a modifier alone
        if (text.size() != 1)
            return false;
        code = text[0].unicode();
    }
    return (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z') ||
           (code >= u'a' && code <= u'z') || code == u' ' || code == 8 || code == 127;
}

void ProgramsPage::cmdCreateFile_Click()
{
    if (txtNewFileName->text().isEmpty())
        return;
    const QString name = MessageLibrary::safeName(txtNewFileName->text());
    if (name.isEmpty())
        return;

    // A name already listed selects its entry; a file that came into the folder since the
    // listing keeps its name and its messages. Only a file that is not there is made.
    QTreeWidgetItem* entry = findFile(name);
    const bool listed = entry != nullptr;
    const QString fileName =
        listed ? textOf(entry) : m_library.findMessageFile(name).value_or(name);
    if (!m_library.hasMessageFile(fileName))
        m_library.createMessageFile(fileName);
    {
        const QScopedValueRollback filling(m_filling, true);
        if (!listed) {
            entry = checkItem(fileName, true);
            lvwDisplayFiles->addTopLevelItem(entry);
        }
        selectFile(entry);
    }
    lvwDisplayFiles->scrollToItem(entry);
    if (!listed)
        lvwDisplayFiles_ItemCheck();
    txtNewFileName->clear();
    txtEditText->clear();

    if (const auto messages = m_library.readMessageFile(fileName))
        showMessages(fileName, *messages);
    else if (!m_library.hasMessageFile(fileName))
        showMessages(fileName, {}); // nothing on disk to lose; saves will try to make it
    else
        emptyMessageList(fileName);
}

void ProgramsPage::cmdDeleteFile_Click()
{
    if (QTreeWidgetItem* entry = selectedFile()) {
        m_library.deleteMessageFile(textOf(entry));
        const QScopedValueRollback filling(m_filling, true);
        delete entry;
    }
    emptyMessageList();
    ListMessageFiles();
    txtEditText->clear();
}

void ProgramsPage::cmdAddNew_Click()
{
    QTreeWidgetItem* message = checkItem(editBoxText(), true);
    {
        const QScopedValueRollback filling(m_filling, true);
        lvwDisplay->addTopLevelItem(message);
    }
    lvwDisplay->scrollToItem(message);
    txtEditText->clear();
    SaveMessageFile();
}

void ProgramsPage::cmdUpdate_Click()
{
    QTreeWidgetItem* message = selectedMessage();
    if (!message)
        return;
    {
        const QScopedValueRollback filling(m_filling, true);
        setText(message, editBoxText());
    }
    txtEditText->clear();
    SaveMessageFile();
}

void ProgramsPage::cmdDeleteText_Click()
{
    QTreeWidgetItem* message = selectedMessage();
    if (!message)
        return;
    {
        // No message is selected afterwards, so a second press deletes nothing more.
        const QScopedValueRollback filling(m_filling, true);
        delete message;
        lvwDisplay->clearSelection();
        lvwDisplay->setCurrentItem(nullptr);
    }
    txtEditText->clear();
    SaveMessageFile();
}

QTreeWidgetItem* ProgramsPage::selectedFile() const
{
    return lvwDisplayFiles->selectedItems().value(0);
}

QTreeWidgetItem* ProgramsPage::selectedMessage() const
{
    return lvwDisplay->selectedItems().value(0);
}

QTreeWidgetItem* ProgramsPage::findFile(const QString& name) const
{
    QTreeWidgetItem* ignoringCase = nullptr;
    for (int i = 0; i < lvwDisplayFiles->topLevelItemCount(); ++i) {
        QTreeWidgetItem* entry = lvwDisplayFiles->topLevelItem(i);
        if (textOf(entry) == name)
            return entry;
        if (!ignoringCase && textOf(entry).compare(name, Qt::CaseInsensitive) == 0)
            ignoringCase = entry;
    }
    return ignoringCase;
}

void ProgramsPage::selectFile(QTreeWidgetItem* entry)
{
    lvwDisplayFiles->setCurrentItem(entry);
    entry->setSelected(true);
}

bool ProgramsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtNewFileName && event->type() == QEvent::KeyPress &&
        !txtNewFileName_KeyPress(*static_cast<QKeyEvent*>(event))) {
        m_prompter.ask(this, {.text = tr("Please Enter Only Characters")});
        txtNewFileName->setFocus();
        return true;
    }
    if (watched == lvwDisplayFiles->viewport() && event->type() == QEvent::MouseButtonPress)
        m_loadedOnPress = false;
    return QWidget::eventFilter(watched, event);
}
