#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "library/ProgramsPage.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

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

} // namespace

class tst_ProgramsPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestServices>(); }
    void cleanup();

    void listingWithoutAnIndexWritesNothing();
    void listingRewritesTheIndex();
    void missingMessageFolderKeepsTheIndex();
    void savesGoToTheFileShown();

    void createMakesACheckedSelectedEmptyFile();
    void createWithATakenNameLosesNothing_data();
    void createWithATakenNameLosesNothing();
    void createWithPastedNamesStaysInTheFolder_data();
    void createWithPastedNamesStaysInTheFolder();
    void nameBoxTakesOnlyLettersDigitsAndSpaces_data();
    void nameBoxTakesOnlyLettersDigitsAndSpaces();

    void addEditAndDeleteMessages();
    void checkMarksAreWrittenAtOnce();
    void deletingAFileRelistsTheRest();
    void messagesReadBackWhole();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<ProgramsPage> m_page;

    void put(const QString& file, const QByteArray& bytes) const
    {
        writeFile(m_test->path(u"plugins/"_qs + file), bytes);
    }
    QByteArray bytes(const QString& file) const
    {
        return fileBytes(m_test->path(u"plugins/"_qs + file));
    }
    QString index() const { return m_test->path(u"FileNames.txt"_qs); }
    void load();
    // Three files, the middle one unchecked.
    void sample() const;

    QTreeWidget* files() const { return child<QTreeWidget>(m_page.get(), "lvwDisplayFiles"); }
    QTreeWidget* messages() const { return child<QTreeWidget>(m_page.get(), "lvwDisplay"); }
    QLineEdit* nameBox() const { return child<QLineEdit>(m_page.get(), "txtNewFileName"); }
    QLineEdit* editBox() const { return child<QLineEdit>(m_page.get(), "txtEditText"); }
    void click(const char* button) const
    {
        QTest::mouseClick(child<QPushButton>(m_page.get(), button), Qt::LeftButton);
    }
};

void tst_ProgramsPage::cleanup()
{
    m_page.reset();
    m_test.reset();
}

void tst_ProgramsPage::load()
{
    m_page = std::make_unique<ProgramsPage>(m_test->dataFolder(), m_test->prompter);
    m_page->resize(560, 420);
    m_page->show();
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    m_page->ListMessageFiles();
}

void tst_ProgramsPage::sample() const
{
    put(u"Calm.txt"_qs, "\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n");
    put(u"Health.txt"_qs, "\"I am strong\",#TRUE#\r\n");
    put(u"Work.txt"_qs, "\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n");
    writeFile(index(), "\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n");
}

void tst_ProgramsPage::listingWithoutAnIndexWritesNothing()
{
    put(u"Work.txt"_qs, "\"I finish\",#TRUE#\r\n");
    put(u"Calm.txt"_qs, "\"I am calm\",#TRUE#\r\n");
    load();
    QCOMPARE(shown(files()), (QStringList{u"[ ] Calm"_qs, u"[ ] Work"_qs}));
    QVERIFY(!QFile::exists(index()));
    // The selected file shows its messages, so that nothing added to it replaces them.
    QCOMPARE(shown(messages()), QStringList{u"[x] I am calm"_qs});
    editBox()->setText(u"I rest"_qs);
    click("cmdAddNew");
    QCOMPARE(bytes(u"Calm.txt"_qs), QByteArray("\"I am calm\",#TRUE#\r\n\"I rest\",#TRUE#\r\n"));
    QVERIFY(!QFile::exists(index()));

    // The first check mark the user sets writes the index.
    clickCheckBox(files(), 1);
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
}

void tst_ProgramsPage::listingRewritesTheIndex()
{
    sample();
    put(u"New.txt"_qs, "");
    // Only "*.txt" files count; "c.TXT" is not the file "c.txt" its name would lead to.
    for (const char* other : {"c.TXT", "notes.md", ".hidden.txt", "x.txt.bak"})
        put(QLatin1String(other), "");
    QVERIFY(QDir().mkpath(m_test->path(u"plugins/folder.txt"_qs)));
    writeFile(index(), "\"calm\",#TRUE#\r\n"      // another letter case
                       "\"Gone\",#TRUE#\r\n"      // deleted from the folder
                       "\"Work\",#FALSE#\r\n"     //
                       "\"Work\",#TRUE#\r\n"      // named twice: the later wins
                       "\"Health\",#FALSE#\r\n"); // "New" came in from outside
    load();
    QCOMPARE(shown(files()),
             (QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[ ] New"_qs, u"[x] Work"_qs}));
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"
                                            "\"New\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
    QCOMPARE(selectedText(files()), u"Calm"_qs);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[ ] I breathe"_qs}));
    QCOMPARE(selectedText(messages()), u"I am calm"_qs);
    QCOMPARE(editBox()->text(), u"I am calm"_qs);
}

void tst_ProgramsPage::missingMessageFolderKeepsTheIndex()
{
    writeFile(index(), "\"Calm\",#TRUE#\r\n");
    QVERIFY(QDir(m_test->path(u"plugins"_qs)).removeRecursively());
    load();
    QCOMPARE(files()->topLevelItemCount(), 0);

    // Commands go on without a word; nothing is made outside the data folder.
    nameBox()->setText(u"Calm"_qs);
    click("cmdCreateFile");
    editBox()->setText(u"I am calm"_qs);
    click("cmdAddNew");
    click("cmdDeleteFile");
    QVERIFY(m_test->prompter.asked.isEmpty());
    QCOMPARE(QDir(m_test->dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"FileNames.txt"_qs});
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#TRUE#\r\n"));
}

void tst_ProgramsPage::savesGoToTheFileShown()
{
    sample();
    load();
    clickRow(files(), 2);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I finish"_qs, u"[x] I focus"_qs}));

    // The arrow keys move the selection without a click: the messages follow it, and what
    // is added goes into the file now shown.
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Up);
    QCOMPARE(selectedText(files()), u"Health"_qs);
    QCOMPARE(shown(messages()), QStringList{u"[x] I am strong"_qs});
    editBox()->setText(u"I sleep well"_qs);
    click("cmdAddNew");
    QCOMPARE(bytes(u"Health.txt"_qs),
             QByteArray("\"I am strong\",#TRUE#\r\n\"I sleep well\",#TRUE#\r\n"));
    QCOMPARE(bytes(u"Work.txt"_qs), QByteArray("\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));

    // A click on the file already selected reads it again.
    put(u"Health.txt"_qs, "\"changed outside\",#TRUE#\r\n");
    clickRow(files(), 1);
    QCOMPARE(shown(messages()), QStringList{u"[x] changed outside"_qs});

    // A file that vanished leaves the list as it was: a change goes to the file the list
    // holds, never into the vanished one.
    clickRow(files(), 0);
    QVERIFY(QFile::remove(m_test->path(u"plugins/Health.txt"_qs)));
    clickRow(files(), 1);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[ ] I breathe"_qs}));
    editBox()->setText(u"I rest"_qs);
    click("cmdAddNew");
    QCOMPARE(bytes(u"Health.txt"_qs), QByteArray("<missing>"));
    QCOMPARE(bytes(u"Calm.txt"_qs),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n\"I rest\",#TRUE#\r\n"));
}

void tst_ProgramsPage::createMakesACheckedSelectedEmptyFile()
{
    sample();
    load();
    editBox()->setText(u"left over"_qs);
    nameBox()->setFocus();
    QTest::keyClicks(nameBox(), u"  My Goals 2 "_qs);
    click("cmdCreateFile");

    QCOMPARE(shown(files()).last(), u"[x] My Goals 2"_qs);
    QCOMPARE(selectedText(files()), u"My Goals 2"_qs);
    QCOMPARE(bytes(u"My Goals 2.txt"_qs), QByteArray());
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"
                                            "\"Work\",#TRUE#\r\n\"My Goals 2\",#TRUE#\r\n"));
    QCOMPARE(messages()->topLevelItemCount(), 0);
    QVERIFY(nameBox()->text().isEmpty());
    QVERIFY(editBox()->text().isEmpty());

    // The new file takes what is added.
    editBox()->setText(u"I can"_qs);
    click("cmdAddNew");
    QCOMPARE(bytes(u"My Goals 2.txt"_qs), QByteArray("\"I can\",#TRUE#\r\n"));

    // A name of spaces only does nothing.
    QTest::keyClicks(nameBox(), u"   "_qs);
    click("cmdCreateFile");
    QCOMPARE(files()->topLevelItemCount(), 4);
}

void tst_ProgramsPage::createWithATakenNameLosesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("indexAfter");
    const QByteArray before = "\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n";

    QTest::newRow("listed") << u"health"_qs << u"Health"_qs
                            << QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[x] Work"_qs}
                            << before;
    // A file put into the folder after the listing keeps its name and its messages.
    QTest::newRow("not listed yet")
        << u"FRESH"_qs << u"Fresh"_qs
        << QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[x] Work"_qs, u"[x] Fresh"_qs}
        << before + "\"Fresh\",#TRUE#\r\n";
}

void tst_ProgramsPage::createWithATakenNameLosesNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    sample();
    load();
    const QByteArray messagesBefore = "\"kept\",#TRUE#\r\n\"also kept\",#FALSE#\r\n";
    put(selected + u".txt"_qs, messagesBefore);

    nameBox()->setText(typed);
    click("cmdCreateFile");
    QTEST(shown(files()), "entries");
    QCOMPARE(selectedText(files()), selected);
    QCOMPARE(shown(messages()), (QStringList{u"[x] kept"_qs, u"[ ] also kept"_qs}));
    QCOMPARE(bytes(selected + u".txt"_qs), messagesBefore);
    QTEST(fileBytes(index()), "indexAfter");
}

void tst_ProgramsPage::createWithPastedNamesStaysInTheFolder_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("entry"); // empty: nothing is made
    QTest::newRow("parent folders") << u"../../outside"_qs << u"outside"_qs;
    QTest::newRow("absolute path") << u"/tmp/elsewhere"_qs << u"tmpelsewhere"_qs;
    QTest::newRow("separators and wildcards") << u"a/b\\c:d*e?f\"g<h>i|j"_qs << u"abcdefghij"_qs;
    QTest::newRow("control characters") << u"\tline\r\none\x7f\u0085"_qs << u"lineone"_qs;
    QTest::newRow("hidden file") << u". .hidden"_qs << u"hidden"_qs;
    QTest::newRow("trailing dots") << u"name. . ."_qs << u"name"_qs;
    QTest::newRow("dots only") << u".."_qs << QString();
    QTest::newRow("separators only") << u"/\\/"_qs << QString();
    // Names Windows keeps for devices are never made, here or there.
    QTest::newRow("device") << u"CON"_qs << u"CON_"_qs;
    QTest::newRow("device with extension") << u"NUL.backup"_qs << u"NUL_.backup"_qs;
    QTest::newRow("port") << u"COM1"_qs << u"COM1_"_qs;
    QTest::newRow("no port") << u"COM10"_qs << u"COM10"_qs;
    QTest::newRow("device inside a word") << u"Console"_qs << u"Console"_qs;
    QTest::newRow("other scripts") << u"Café ✓ 我"_qs << u"Café ✓ 我"_qs;
    // Cut to 150 bytes, never in half a character.
    QTest::newRow("long") << QString(300, u'a') << QString(150, u'a');
    QTest::newRow("long, three bytes each") << QString(100, u'我') << QString(50, u'我');
    QTest::newRow("long, four bytes each") << u"😀"_qs.repeated(40) << u"😀"_qs.repeated(37);
    QTest::newRow("cut before a space") << QString(149, u'a') + u" b"_qs << QString(149, u'a');
}

void tst_ProgramsPage::createWithPastedNamesStaysInTheFolder()
{
    QFETCH(QString, pasted);
    QFETCH(QString, entry);
    load();
    // Pasted through the edit menu, which the key filter does not see.
    QApplication::clipboard()->setText(pasted);
    nameBox()->paste();
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
    QTest::addColumn<QString>("after"); // empty: refused with a message
    QTest::newRow("letter") << int(Qt::Key_Q) << 0 << u"q"_qs << u"abq"_qs;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << u"\b"_qs << u"a"_qs;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << QString() << u"ab"_qs;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << u"\r"_qs << QString();
    QTest::newRow("dot") << int(Qt::Key_Period) << 0 << u"."_qs << QString();
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << u"v"_qs << QString();
}

void tst_ProgramsPage::nameBoxTakesOnlyLettersDigitsAndSpaces()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, after);
    load();
    QApplication::clipboard()->setText(u"pasted"_qs);
    nameBox()->setText(u"ab"_qs);
    nameBox()->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(nameBox(), &press);

    QCOMPARE(nameBox()->text(), after.isEmpty() ? u"ab"_qs : after);
    QCOMPARE(m_test->prompter.asked.size(), after.isEmpty() ? 1 : 0);
    if (after.isEmpty()) {
        QCOMPARE(m_test->prompter.asked.first().text, u"Please Enter Only Characters"_qs);
        QCOMPARE(m_test->prompter.asked.first().buttons, Prompter::Buttons::Ok);
        QVERIFY(nameBox()->hasFocus());
    }
}

void tst_ProgramsPage::addEditAndDeleteMessages()
{
    sample();
    load();
    clickRow(files(), 2); // Work: "I finish", "I focus"
    auto* addNew = child<QPushButton>(m_page.get(), "cmdAddNew");
    auto* edit = child<QPushButton>(m_page.get(), "cmdUpdate");

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
    QCOMPARE(bytes(u"Work.txt"_qs),
             QByteArray("\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));

    // Edit replaces the selected message's text and keeps its check mark.
    clickCheckBox(messages(), 0);
    clickRow(messages(), 0);
    QCOMPARE(editBox()->text(), u"I finish"_qs);
    editBox()->setText(u"I finish what I start"_qs);
    click("cmdUpdate");
    QCOMPARE(bytes(u"Work.txt"_qs), QByteArray("\"I finish what I start\",#FALSE#\r\n"
                                               "\"I focus\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));

    // Delete removes the selected message at once and leaves none selected: Edit and a
    // second Delete then change nothing.
    clickRow(messages(), 1);
    click("cmdDeleteText");
    const QByteArray after = "\"I finish what I start\",#FALSE#\r\n\"I focus\",#TRUE#\r\n";
    QCOMPARE(bytes(u"Work.txt"_qs), after);
    QVERIFY(messages()->selectedItems().isEmpty());
    editBox()->setText(u"kept in the box"_qs);
    click("cmdUpdate");
    QCOMPARE(editBox()->text(), u"kept in the box"_qs);
    click("cmdDeleteText");
    QCOMPARE(bytes(u"Work.txt"_qs), after);

    // The last one leaves an empty file.
    for (int left = 2; left > 0; --left) {
        clickRow(messages(), 0);
        click("cmdDeleteText");
    }
    QCOMPARE(bytes(u"Work.txt"_qs), QByteArray());
    QCOMPARE(bytes(u"Calm.txt"_qs),
             QByteArray("\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n"));
}

void tst_ProgramsPage::checkMarksAreWrittenAtOnce()
{
    sample();
    load();
    clickCheckBox(messages(), 0);
    QCOMPARE(bytes(u"Calm.txt"_qs),
             QByteArray("\"I am calm\",#FALSE#\r\n\"I breathe\",#FALSE#\r\n"));
    messages()->setFocus();
    messages()->setCurrentItem(messages()->topLevelItem(1));
    QTest::keyClick(messages(), Qt::Key_Space);
    QCOMPARE(bytes(u"Calm.txt"_qs),
             QByteArray("\"I am calm\",#FALSE#\r\n\"I breathe\",#TRUE#\r\n"));

    clickCheckBox(files(), 1);
    clickCheckBox(files(), 0);
    QCOMPARE(fileBytes(index()),
             QByteArray("\"Calm\",#FALSE#\r\n\"Health\",#TRUE#\r\n\"Work\",#TRUE#\r\n"));
    // Checking a file writes only the index.
    QCOMPARE(bytes(u"Health.txt"_qs), QByteArray("\"I am strong\",#TRUE#\r\n"));
}

void tst_ProgramsPage::deletingAFileRelistsTheRest()
{
    sample();
    load();
    clickRow(files(), 1);
    click("cmdDeleteFile");
    QVERIFY(!QFile::exists(m_test->path(u"plugins/Health.txt"_qs)));
    QCOMPARE(shown(files()), (QStringList{u"[x] Calm"_qs, u"[x] Work"_qs}));
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Work\",#TRUE#\r\n"));
    QCOMPARE(selectedText(files()), u"Calm"_qs);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I am calm"_qs, u"[ ] I breathe"_qs}));

    // With no file selected nothing is deleted.
    files()->clearSelection();
    click("cmdDeleteFile");
    QCOMPARE(QDir(m_test->path(u"plugins"_qs)).entryList(QDir::Files),
             (QStringList{u"Calm.txt"_qs, u"Work.txt"_qs}));

    // Deleting the last file leaves empty lists and an empty index.
    click("cmdDeleteFile");
    click("cmdDeleteFile");
    QCOMPARE(files()->topLevelItemCount(), 0);
    QCOMPARE(messages()->topLevelItemCount(), 0);
    QCOMPARE(fileBytes(index()), QByteArray());
}

void tst_ProgramsPage::messagesReadBackWhole()
{
    // Typed one to a line in an old Windows editor, with a stray quote; then UTF-8 with a
    // byte-order mark.
    const QByteArray dropped = "Gr\xFC\xDF"
                               "e an alle\r\n\r\n  \r\nI breathe \"deeply\"\n\"stray\r\nlast";
    put(u"Dropped.txt"_qs, dropped);
    put(u"Marked.txt"_qs, "\xEF\xBB\xBF\"Ja \xE2\x9C\x93\",#TRUE#\r\n");
    load();
    const QStringList read = {u"[x] Grüße an alle"_qs, u"[x] I breathe \"deeply\""_qs,
                              u"[x] \"stray"_qs, u"[x] last"_qs};
    QCOMPARE(shown(messages()), read);
    QCOMPARE(bytes(u"Dropped.txt"_qs), dropped);

    // The first change rewrites the file in the record form, in UTF-8. A paste may bring
    // line breaks into the one-line box; a message stays one line.
    for (const QString& typed : {u"He said \"yes\", twice"_qs, u"one\r\ntwo\nthree ✓"_qs}) {
        editBox()->setText(typed);
        click("cmdAddNew");
    }
    QCOMPARE(bytes(u"Dropped.txt"_qs), QByteArray("\"Gr\xC3\xBC\xC3\x9F"
                                                  "e an alle\",#TRUE#\r\n"
                                                  "\"I breathe \"deeply\"\",#TRUE#\r\n"
                                                  "\"\"stray\",#TRUE#\r\n\"last\",#TRUE#\r\n"
                                                  "\"He said \"yes\", twice\",#TRUE#\r\n"
                                                  "\"one two three \xE2\x9C\x93\",#TRUE#\r\n"));
    clickRow(files(), 1);
    QCOMPARE(shown(messages()), QStringList{u"[x] Ja ✓"_qs});
    clickRow(files(), 0);
    const QStringList added = {u"[x] He said \"yes\", twice"_qs, u"[x] one two three ✓"_qs};
    QCOMPARE(shown(messages()), read + added);
}

QTEST_MAIN(tst_ProgramsPage)
#include "tst_programspage.moc"
