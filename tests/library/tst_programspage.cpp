#include "TestServices.h"
#include "library/ProgramsPage.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The entries of a list as the user sees them: "[x] text" or "[ ] text".
QStringList shown(const QTreeWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        entries << (item->checkState(0) == Qt::Checked ? u"[x] "_qs : u"[ ] "_qs) + item->text(0);
    }
    return entries;
}

QString selectedText(const QTreeWidget* list)
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

QPoint centreOf(QTreeWidget* list, int row)
{
    return list->visualItemRect(list->topLevelItem(row)).center();
}

// A click on the entry's check box, at the left end of its row.
void clickCheckBox(QTreeWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    const QPoint box(rect.left() + list->style()->pixelMetric(QStyle::PM_IndicatorWidth) / 2 + 3,
                     rect.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box);
}

void clickRow(QTreeWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, row));
}

} // namespace

class tst_ProgramsPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void listingWithoutAnIndexWritesNothing();
    void listingRewritesTheIndex();
    void missingMessageFolderKeepsTheIndex();
    void messageListFollowsTheSelection();
    void vanishedFileLeavesTheListAndItsFileKeepsTheSaves();

    void createMakesACheckedSelectedEmptyFile();
    void createWithATakenNameLosesNothing_data();
    void createWithATakenNameLosesNothing();
    void createWithPastedNamesStaysInTheFolder_data();
    void createWithPastedNamesStaysInTheFolder();
    void nameBoxTakesOnlyLettersDigitsAndSpaces_data();
    void nameBoxTakesOnlyLettersDigitsAndSpaces();

    void addEditAndDeleteMessages();
    void editAndDeleteWithoutASelectionChangeNothing();
    void checkMarksAreWrittenAtOnce();
    void messagesKeepQuotesCommasAndLines();
    void deletingAFileRelistsTheRest();
    void recordsTheProgramDidNotWriteAreRewrittenOnChange();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<ProgramsPage> m_page;

    QString plugin(const QString& name) const { return m_test->path(u"plugins/"_qs + name); }
    QString index() const { return m_test->path(u"FileNames.txt"_qs); }
    ProgramsPage* load();

    template <typename T> T* child(const char* name) const
    {
        auto* found = m_page->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no child named %s", name);
        return found;
    }
    QTreeWidget* files() const { return child<QTreeWidget>("lvwDisplayFiles"); }
    QTreeWidget* messages() const { return child<QTreeWidget>("lvwDisplay"); }
    QLineEdit* nameBox() const { return child<QLineEdit>("txtNewFileName"); }
    QLineEdit* editBox() const { return child<QLineEdit>("txtEditText"); }
    void click(const char* button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void sample();
};

void tst_ProgramsPage::init()
{
    m_test = std::make_unique<TestServices>();
}

void tst_ProgramsPage::cleanup()
{
    m_page.reset();
    m_test.reset();
}

ProgramsPage* tst_ProgramsPage::load()
{
    m_page = std::make_unique<ProgramsPage>(m_test->dataFolder(), m_test->prompter);
    m_page->resize(560, 420);
    m_page->show();
    m_page->activateWindow();
    if (!QTest::qWaitForWindowActive(m_page.get()))
        qWarning("the page did not become active");
    m_page->ListMessageFiles();
    return m_page.get();
}

// Three files, the middle one unchecked.
void tst_ProgramsPage::sample()
{
    put(plugin(u"Calm.txt"_qs), "\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n");
    put(plugin(u"Health.txt"_qs), "\"I am strong\",#TRUE#\r\n");
    put(plugin(u"Work.txt"_qs), "\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n");
    put(index(), "\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n");
}

void tst_ProgramsPage::listingWithoutAnIndexWritesNothing()
{
    put(plugin(u"Work.txt"_qs), "\"I finish\",#TRUE#\r\n");
    put(plugin(u"Calm.txt"_qs), "\"I am calm\",#TRUE#\r\n\"I breathe\",#TRUE#\r\n");
    load();
    QCOMPARE(shown(files()), (QStringList{u"[ ] Calm"_qs, u"[ ] Work"_qs}));
    QVERIFY(!QFile::exists(index()));
    // The selected file shows its messages, so that nothing added to it replaces them.
    QCOMPARE(selectedText(files()), u"Calm"_qs);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[x] I breathe"_qs}));
    editBox()->setText(u"I rest"_qs);
    click("cmdAddNew");
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe\",#TRUE#\r\n\"I rest\",#TRUE#\r\n"));
    QVERIFY(!QFile::exists(index()));

    // The first check mark the user sets writes the index.
    clickCheckBox(files(), 1);
    QCOMPARE(contents(index()), QByteArray("\"Calm\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
}

void tst_ProgramsPage::listingRewritesTheIndex()
{
    sample();
    put(plugin(u"New.txt"_qs), "");
    put(index(), "\"calm\",#TRUE#\r\n"      // another letter case
                 "\"Gone\",#TRUE#\r\n"      // deleted from the folder
                 "\"Work\",#FALSE#\r\n"     //
                 "\"Work\",#TRUE#\r\n"      // named twice: the later wins
                 "\"Health\",#FALSE#\r\n"); // "New" came in from outside
    load();
    QCOMPARE(shown(files()),
             (QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[ ] New"_qs, u"[x] Work"_qs}));
    QCOMPARE(contents(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"
                                           "\"New\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
    QCOMPARE(selectedText(files()), u"Calm"_qs);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[ ] I breathe"_qs}));
    QCOMPARE(selectedText(messages()), u"I am calm"_qs);
    QCOMPARE(editBox()->text(), u"I am calm"_qs);
    QVERIFY(child<QPushButton>("cmdAddNew")->isEnabled());
    QVERIFY(child<QPushButton>("cmdUpdate")->isEnabled());
}

void tst_ProgramsPage::missingMessageFolderKeepsTheIndex()
{
    put(index(), "\"Calm\",#TRUE#\r\n");
    QVERIFY(QDir(m_test->path(u"plugins"_qs)).removeRecursively());
    load();
    QCOMPARE(files()->topLevelItemCount(), 0);
    QCOMPARE(contents(index()), QByteArray("\"Calm\",#TRUE#\r\n"));

    // Commands go on without a word; nothing is made outside the data folder.
    nameBox()->setText(u"Calm"_qs);
    click("cmdCreateFile");
    editBox()->setText(u"I am calm"_qs);
    click("cmdAddNew");
    click("cmdDeleteFile");
    QVERIFY(m_test->prompter.asked.isEmpty());
    QCOMPARE(QDir(m_test->dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"FileNames.txt"_qs});
    QCOMPARE(contents(index()), QByteArray("\"Calm\",#TRUE#\r\n"));
}

void tst_ProgramsPage::messageListFollowsTheSelection()
{
    sample();
    load();
    clickRow(files(), 2);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I finish"_qs, u"[x] I focus"_qs}));
    QCOMPARE(editBox()->text(), u"I finish"_qs);

    // The arrow keys move the selection without a click: the messages follow it, and what
    // is added goes into the file now shown.
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Up);
    QCOMPARE(selectedText(files()), u"Health"_qs);
    QCOMPARE(shown(messages()), QStringList{u"[x] I am strong"_qs});
    editBox()->setText(u"I sleep well"_qs);
    click("cmdAddNew");
    QCOMPARE(contents(plugin(u"Health.txt"_qs)),
             QByteArray("\"I am strong\",#TRUE#\r\n\"I sleep well\",#TRUE#\r\n"));
    QCOMPARE(contents(plugin(u"Work.txt"_qs)),
             QByteArray("\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));

    // A click on the file already selected reads it again.
    put(plugin(u"Health.txt"_qs), "\"changed outside\",#TRUE#\r\n");
    clickRow(files(), 1);
    QCOMPARE(shown(messages()), QStringList{u"[x] changed outside"_qs});
    // So do the arrow keys in the message list.
    put(plugin(u"Calm.txt"_qs), "\"one\",#TRUE#\r\n\"two\",#TRUE#\r\n");
    clickRow(files(), 0);
    messages()->setFocus();
    QTest::keyClick(messages(), Qt::Key_Down);
    QCOMPARE(editBox()->text(), u"two"_qs);
}

void tst_ProgramsPage::vanishedFileLeavesTheListAndItsFileKeepsTheSaves()
{
    sample();
    load();
    QVERIFY(QFile::remove(plugin(u"Health.txt"_qs)));
    clickRow(files(), 1);
    QCOMPARE(selectedText(files()), u"Health"_qs);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[ ] I breathe"_qs}));
    // The list still holds Calm's messages: a change goes to Calm, never into Health.
    editBox()->setText(u"I rest"_qs);
    click("cmdAddNew");
    QVERIFY(!QFile::exists(plugin(u"Health.txt"_qs)));
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n\"I rest\",#TRUE#\r\n"));
}

void tst_ProgramsPage::createMakesACheckedSelectedEmptyFile()
{
    sample();
    load();
    editBox()->setText(u"left over"_qs);
    nameBox()->setFocus();
    QTest::keyClicks(nameBox(), u"  My Goals 2 "_qs);
    QCOMPARE(nameBox()->text(), u"  My Goals 2 "_qs);
    click("cmdCreateFile");

    QCOMPARE(shown(files()).last(), u"[x] My Goals 2"_qs);
    QCOMPARE(selectedText(files()), u"My Goals 2"_qs);
    QCOMPARE(contents(plugin(u"My Goals 2.txt"_qs)), QByteArray());
    QCOMPARE(contents(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"
                                           "\"Work\",#TRUE#\r\n\"My Goals 2\",#TRUE#\r\n"));
    QCOMPARE(messages()->topLevelItemCount(), 0);
    QVERIFY(nameBox()->text().isEmpty());
    QVERIFY(editBox()->text().isEmpty());

    // The new file takes what is added, and nothing else changes.
    editBox()->setText(u"I can"_qs);
    click("cmdAddNew");
    QCOMPARE(contents(plugin(u"My Goals 2.txt"_qs)), QByteArray("\"I can\",#TRUE#\r\n"));
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n"));

    // A name of spaces only does nothing.
    QTest::keyClicks(nameBox(), u"   "_qs);
    click("cmdCreateFile");
    QCOMPARE(files()->topLevelItemCount(), 4);
    QCOMPARE(nameBox()->text(), u"   "_qs);
}

void tst_ProgramsPage::createWithATakenNameLosesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("indexAfter");
    QTest::addColumn<int>("fileCount");
    const QByteArray before = "\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n";

    QTest::newRow("listed") << u"health"_qs << u"Health"_qs
                            << QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[x] Work"_qs}
                            << before << 3;
    // A file put into the folder after the listing keeps its name and its messages.
    QTest::newRow("not listed yet")
        << u"FRESH"_qs << u"Fresh"_qs
        << QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[x] Work"_qs, u"[x] Fresh"_qs}
        << before + "\"Fresh\",#TRUE#\r\n"
        << 4;
}

void tst_ProgramsPage::createWithATakenNameLosesNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, indexAfter);
    QFETCH(int, fileCount);
    sample();
    load();
    const QByteArray messagesBefore = "\"kept\",#TRUE#\r\n\"also kept\",#FALSE#\r\n";
    put(plugin(selected + u".txt"_qs), messagesBefore);

    nameBox()->setText(typed);
    click("cmdCreateFile");
    QCOMPARE(shown(files()), entries);
    QCOMPARE(selectedText(files()), selected);
    QCOMPARE(shown(messages()), (QStringList{u"[x] kept"_qs, u"[ ] also kept"_qs}));
    QCOMPARE(contents(plugin(selected + u".txt"_qs)), messagesBefore);
    QCOMPARE(contents(index()), indexAfter);
    QCOMPARE(QDir(m_test->path(u"plugins"_qs)).entryList(QDir::Files).size(), fileCount);
}

void tst_ProgramsPage::createWithPastedNamesStaysInTheFolder_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("entry");
    QTest::newRow("parent folders") << u"../../outside"_qs << u"outside"_qs;
    QTest::newRow("absolute path") << u"/tmp/elsewhere"_qs << u"tmpelsewhere"_qs;
    QTest::newRow("line break") << u"two\nlines"_qs << u"twolines"_qs;
    QTest::newRow("device name") << u"CON"_qs << u"CON_"_qs;
    QTest::newRow("dots only") << u".."_qs << QString();
    QTest::newRow("separators only") << u"/\\/"_qs << QString();
}

void tst_ProgramsPage::createWithPastedNamesStaysInTheFolder()
{
    QFETCH(QString, pasted);
    QFETCH(QString, entry);
    load();
    // Pasted through the edit menu, which the key filter does not see.
    QApplication::clipboard()->setText(pasted);
    nameBox()->paste();
    QCOMPARE(nameBox()->text(), pasted.contains(u'\n') ? nameBox()->text() : pasted);
    click("cmdCreateFile");

    const QStringList created = QDir(m_test->path(u"plugins"_qs)).entryList(QDir::Files);
    QCOMPARE(created, entry.isEmpty() ? QStringList() : QStringList{entry + u".txt"_qs});
    QCOMPARE(shown(files()), entry.isEmpty() ? QStringList() : QStringList{u"[x] "_qs + entry});
    QCOMPARE(QDir(m_test->dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             entry.isEmpty() ? QStringList{u"plugins"_qs}
                             : (QStringList{u"FileNames.txt"_qs, u"plugins"_qs}));
}

void tst_ProgramsPage::nameBoxTakesOnlyLettersDigitsAndSpaces_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::newRow("letter") << int(Qt::Key_Q) << 0 << u"q"_qs << false;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << u" "_qs << false;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << u"\b"_qs << false;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << QString() << false;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << u"\r"_qs << true;
    QTest::newRow("dot") << int(Qt::Key_Period) << 0 << u"."_qs << true;
    QTest::newRow("accented letter") << int(Qt::Key_Eacute) << 0 << u"é"_qs << true;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << u"v"_qs << true;
}

void tst_ProgramsPage::nameBoxTakesOnlyLettersDigitsAndSpaces()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(bool, refused);
    load();
    QApplication::clipboard()->setText(u"pasted"_qs);
    nameBox()->setText(u"ab"_qs);
    nameBox()->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(nameBox(), &press);

    if (refused) {
        QCOMPARE(nameBox()->text(), u"ab"_qs);
        QCOMPARE(m_test->prompter.asked.size(), 1);
        const Prompter::Message& message = m_test->prompter.asked.first();
        QCOMPARE(message.text, u"Please Enter Only Characters"_qs);
        QCOMPARE(message.buttons, Prompter::Buttons::Ok);
        QCOMPARE(message.icon, Prompter::Icon::None);
        QVERIFY(message.title.isEmpty()); // the program's title
        QVERIFY(nameBox()->hasFocus());
    } else {
        QVERIFY(m_test->prompter.asked.isEmpty());
        if (key == Qt::Key_Backspace)
            QCOMPARE(nameBox()->text(), u"a"_qs);
        else if (!text.isEmpty())
            QCOMPARE(nameBox()->text(), u"ab"_qs + text);
    }
}

void tst_ProgramsPage::addEditAndDeleteMessages()
{
    sample();
    load();
    clickRow(files(), 2); // Work: "I finish", "I focus"
    auto* addNew = child<QPushButton>("cmdAddNew");
    auto* edit = child<QPushButton>("cmdUpdate");

    // The buttons follow the edit box. Add New appends checked, even a text already in
    // the list, and empties the box.
    editBox()->clear();
    QVERIFY(!addNew->isEnabled() && !edit->isEnabled());
    editBox()->setFocus();
    QTest::keyClicks(editBox(), u"I focus"_qs);
    QVERIFY(addNew->isEnabled() && edit->isEnabled());
    click("cmdAddNew");
    QVERIFY(editBox()->text().isEmpty());
    QVERIFY(!addNew->isEnabled() && !edit->isEnabled());
    QCOMPARE(contents(plugin(u"Work.txt"_qs)),
             QByteArray("\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));

    // Edit replaces the selected message's text and keeps its check mark.
    clickCheckBox(messages(), 0);
    clickRow(messages(), 0);
    QCOMPARE(editBox()->text(), u"I finish"_qs);
    editBox()->setText(u"I finish what I start"_qs);
    click("cmdUpdate");
    QVERIFY(editBox()->text().isEmpty());
    QCOMPARE(contents(plugin(u"Work.txt"_qs)),
             QByteArray("\"I finish what I start\",#FALSE#\r\n\"I focus\",#TRUE#\r\n"
                        "\"I focus\",#TRUE#\r\n"));

    // Delete removes the selected message at once; the last one leaves an empty file.
    clickRow(messages(), 1);
    click("cmdDeleteText");
    QVERIFY(editBox()->text().isEmpty());
    QCOMPARE(contents(plugin(u"Work.txt"_qs)),
             QByteArray("\"I finish what I start\",#FALSE#\r\n\"I focus\",#TRUE#\r\n"));
    for (int left = 2; left > 0; --left) {
        clickRow(messages(), 0);
        click("cmdDeleteText");
    }
    QCOMPARE(messages()->topLevelItemCount(), 0);
    QCOMPARE(contents(plugin(u"Work.txt"_qs)), QByteArray());
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n"));
}

void tst_ProgramsPage::editAndDeleteWithoutASelectionChangeNothing()
{
    sample();
    load();
    clickRow(messages(), 1);
    click("cmdDeleteText"); // leaves no message selected
    const QByteArray after = "\"I am calm\",#TRUE#\r\n";
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)), after);
    QVERIFY(messages()->selectedItems().isEmpty());

    editBox()->setText(u"kept in the box"_qs);
    click("cmdUpdate");
    QCOMPARE(editBox()->text(), u"kept in the box"_qs);
    click("cmdDeleteText");
    QCOMPARE(shown(messages()), QStringList{u"[x] I am calm"_qs});
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)), after);
}

void tst_ProgramsPage::checkMarksAreWrittenAtOnce()
{
    sample();
    load();
    clickCheckBox(messages(), 0);
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"I am calm\",#FALSE#\r\n\"I breathe\",#FALSE#\r\n"));
    messages()->setFocus();
    messages()->setCurrentItem(messages()->topLevelItem(1));
    QTest::keyClick(messages(), Qt::Key_Space);
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"I am calm\",#FALSE#\r\n\"I breathe\",#TRUE#\r\n"));

    clickCheckBox(files(), 1);
    clickCheckBox(files(), 0);
    QCOMPARE(contents(index()),
             QByteArray("\"Calm\",#FALSE#\r\n\"Health\",#TRUE#\r\n\"Work\",#TRUE#\r\n"));
    // Checking a file writes only the index.
    QCOMPARE(contents(plugin(u"Health.txt"_qs)), QByteArray("\"I am strong\",#TRUE#\r\n"));
}

void tst_ProgramsPage::messagesKeepQuotesCommasAndLines()
{
    put(plugin(u"Calm.txt"_qs), "");
    load();
    editBox()->setText(u"He said \"yes\", twice"_qs);
    click("cmdAddNew");
    // A paste may bring line breaks into the one-line box; a message stays one line.
    editBox()->setText(u"one\r\ntwo\nthree"_qs);
    click("cmdAddNew");
    editBox()->setText(u"Grüße ✓ 我"_qs);
    click("cmdAddNew");
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)),
             QByteArray("\"He said \"yes\", twice\",#TRUE#\r\n\"one two three\",#TRUE#\r\n"
                        "\"Gr\xC3\xBC\xC3\x9F"
                        "e \xE2\x9C\x93 \xE6\x88\x91\",#TRUE#\r\n"));

    // The next start reads them back whole.
    load();
    QCOMPARE(shown(messages()), (QStringList{u"[x] He said \"yes\", twice"_qs,
                                             u"[x] one two three"_qs, u"[x] Grüße ✓ 我"_qs}));
}

void tst_ProgramsPage::deletingAFileRelistsTheRest()
{
    sample();
    load();
    clickRow(files(), 1);
    click("cmdDeleteFile");
    QVERIFY(!QFile::exists(plugin(u"Health.txt"_qs)));
    QCOMPARE(shown(files()), (QStringList{u"[x] Calm"_qs, u"[x] Work"_qs}));
    QCOMPARE(contents(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Work\",#TRUE#\r\n"));
    QCOMPARE(selectedText(files()), u"Calm"_qs);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[ ] I breathe"_qs}));
    QVERIFY(editBox()->text().isEmpty());

    // With no file selected nothing is deleted; the lists are read again all the same.
    files()->clearSelection();
    click("cmdDeleteFile");
    QCOMPARE(shown(files()), (QStringList{u"[x] Calm"_qs, u"[x] Work"_qs}));
    QCOMPARE(QDir(m_test->path(u"plugins"_qs)).entryList(QDir::Files),
             (QStringList{u"Calm.txt"_qs, u"Work.txt"_qs}));

    // Deleting the last file leaves empty lists and an empty index.
    click("cmdDeleteFile");
    click("cmdDeleteFile");
    QCOMPARE(files()->topLevelItemCount(), 0);
    QCOMPARE(messages()->topLevelItemCount(), 0);
    QCOMPARE(contents(index()), QByteArray());
}

void tst_ProgramsPage::recordsTheProgramDidNotWriteAreRewrittenOnChange()
{
    const QByteArray dropped = "I am calm\r\n\r\n  \r\nI breathe \"deeply\"\n\"stray\r\nlast";
    put(plugin(u"Dropped.txt"_qs), dropped);
    load();
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[x] I breathe \"deeply\""_qs,
                                             u"[x] \"stray"_qs, u"[x] last"_qs}));
    QCOMPARE(contents(plugin(u"Dropped.txt"_qs)), dropped);
    clickCheckBox(messages(), 2);
    QCOMPARE(contents(plugin(u"Dropped.txt"_qs)),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe \"deeply\"\",#TRUE#\r\n"
                        "\"\"stray\",#FALSE#\r\n\"last\",#TRUE#\r\n"));
}

QTEST_MAIN(tst_ProgramsPage)
#include "tst_programspage.moc"
