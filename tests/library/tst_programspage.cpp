#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "library/ProgramsPage.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
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

    void createMakesAFileOrSelectsTheOneNamed();

    void addEditAndDeleteMessagesAndFiles();
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

    // The first check mark the user sets writes the index, and only the index.
    clickCheckBox(files(), 1);
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
}

void tst_ProgramsPage::listingRewritesTheIndex()
{
    sample();
    put(u"New.txt"_qs, "");
    put(u"notes.md"_qs, "");
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
}

void tst_ProgramsPage::missingMessageFolderKeepsTheIndex()
{
    const QByteArray checked = "\"Calm\",#TRUE#\r\n";
    writeFile(index(), checked);
    QVERIFY(QDir(m_test->path(u"plugins"_qs)).removeRecursively());
    load();
    QCOMPARE(files()->topLevelItemCount(), 0);
    QCOMPARE(fileBytes(index()), checked);
    // Commands go on without a word, make nothing and keep the user's check marks.
    nameBox()->setText(u"Work"_qs);
    click("cmdCreateFile");
    QVERIFY(m_test->prompter.asked.isEmpty());
    QVERIFY(!QFile::exists(m_test->path(u"plugins"_qs)));
    QCOMPARE(fileBytes(index()), checked);
}

void tst_ProgramsPage::createMakesAFileOrSelectsTheOneNamed()
{
    sample();
    load();
    nameBox()->setFocus();
    QTest::keyClicks(nameBox(), u"  My Goals 2 "_qs);
    click("cmdCreateFile");

    QCOMPARE(selectedText(files()), u"My Goals 2"_qs);
    QCOMPARE(bytes(u"My Goals 2.txt"_qs), QByteArray());
    const QByteArray indexed = "\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"
                               "\"Work\",#TRUE#\r\n\"My Goals 2\",#TRUE#\r\n";
    QCOMPARE(fileBytes(index()), indexed);
    QVERIFY(nameBox()->text().isEmpty());

    // The new file takes what is added.
    editBox()->setText(u"I can"_qs);
    click("cmdAddNew");
    QCOMPARE(bytes(u"My Goals 2.txt"_qs), QByteArray("\"I can\",#TRUE#\r\n"));

    // A name of spaces only does nothing. A pasted name, which the key filter does not
    // see, is made safe first.
    QTest::keyClicks(nameBox(), u"   "_qs);
    click("cmdCreateFile");
    QApplication::clipboard()->setText(u"../../outside"_qs);
    nameBox()->paste();
    click("cmdCreateFile");
    QCOMPARE(selectedText(files()), u"outside"_qs);
    QCOMPARE(bytes(u"outside.txt"_qs), QByteArray());

    // A name taken, in any letter case, selects that file and keeps its messages.
    nameBox()->setText(u"health"_qs);
    click("cmdCreateFile");
    QCOMPARE(selectedText(files()), u"Health"_qs);
    QCOMPARE(shown(messages()), QStringList{u"[x] I am strong"_qs});
    QCOMPARE(bytes(u"Health.txt"_qs), QByteArray("\"I am strong\",#TRUE#\r\n"));
    QCOMPARE(fileBytes(index()), indexed + "\"outside\",#TRUE#\r\n");

    // Keys other than letters, digits and spaces, Enter too, are refused with a word.
    nameBox()->setText(u"ab"_qs);
    QTest::keyClick(nameBox(), Qt::Key_Return);
    QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nameBox()->text(), u"ab"_qs);
    QCOMPARE(m_test->prompter.asked.size(), 2);
    QVERIFY(nameBox()->hasFocus());
}

void tst_ProgramsPage::addEditAndDeleteMessagesAndFiles()
{
    sample();
    load();
    // The arrow keys move the selection without a click: the messages follow it, and what
    // is added goes into the file now shown.
    clickRow(files(), 1);
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Down);
    QCOMPARE(shown(messages()), (QStringList{u"[x] I finish"_qs, u"[x] I focus"_qs}));
    auto* addNew = child<QPushButton>(m_page.get(), "cmdAddNew");
    auto* edit = child<QPushButton>(m_page.get(), "cmdUpdate");

    // The buttons follow the edit box. Add New appends checked, even a text already in
    // the list, and empties the box.
    editBox()->clear();
    QVERIFY(!addNew->isEnabled() && !edit->isEnabled());
    editBox()->setFocus();
    QTest::keyClicks(editBox(), u"I focus"_qs);
    click("cmdAddNew");
    QVERIFY(editBox()->text().isEmpty());
    QCOMPARE(bytes(u"Work.txt"_qs),
             QByteArray("\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));
    QCOMPARE(bytes(u"Health.txt"_qs), QByteArray("\"I am strong\",#TRUE#\r\n"));

    // A check mark is written at once; Edit replaces the selected message's text and
    // keeps its check mark.
    clickCheckBox(messages(), 0);
    QCOMPARE(bytes(u"Work.txt"_qs), QByteArray("\"I finish\",#FALSE#\r\n"
                                               "\"I focus\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"));
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
    editBox()->setText(u"kept in the box"_qs);
    click("cmdUpdate");
    QCOMPARE(editBox()->text(), u"kept in the box"_qs);
    click("cmdDeleteText");
    QCOMPARE(bytes(u"Work.txt"_qs), after);

    // Deleting a file relists the rest; deleting the last leaves an empty index.
    click("cmdDeleteFile");
    QCOMPARE(bytes(u"Work.txt"_qs), QByteArray("<missing>"));
    QCOMPARE(shown(files()), (QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs}));
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"));
    click("cmdDeleteFile");
    click("cmdDeleteFile");
    QCOMPARE(files()->topLevelItemCount(), 0);
    QCOMPARE(messages()->topLevelItemCount(), 0);
    QCOMPARE(fileBytes(index()), QByteArray());
}

void tst_ProgramsPage::messagesReadBackWhole()
{
    // Typed one to a line in an old Windows editor, with a stray quote.
    const QByteArray dropped = "Gr\xFC\xDF"
                               "e an alle\r\n\r\n  \r\nI breathe \"deeply\"\n\"stray\r\nlast";
    put(u"Dropped.txt"_qs, dropped);
    load();
    const QStringList read = {u"[x] Grüße an alle"_qs, u"[x] I breathe \"deeply\""_qs,
                              u"[x] \"stray"_qs, u"[x] last"_qs};
    QCOMPARE(shown(messages()), read);
    QCOMPARE(bytes(u"Dropped.txt"_qs), dropped);

    // The first change rewrites the file in the record form (in UTF-8 on Linux; Windows
    // marks it, as the check mark has no place in its code page). A paste may bring line
    // breaks into the one-line box; a message stays one line.
    for (const QString& typed : {u"He said \"yes\", twice"_qs, u"one\r\ntwo\nthree ✓"_qs}) {
        editBox()->setText(typed);
        click("cmdAddNew");
    }
    QCOMPARE(bytes(u"Dropped.txt"_qs), TextFile::encode(u"\"Grüße an alle\",#TRUE#\r\n"
                                                        "\"I breathe \"deeply\"\",#TRUE#\r\n"
                                                        "\"\"stray\",#TRUE#\r\n\"last\",#TRUE#\r\n"
                                                        "\"He said \"yes\", twice\",#TRUE#\r\n"
                                                        "\"one two three ✓\",#TRUE#\r\n"_qs));
}

QTEST_MAIN(tst_ProgramsPage)
#include "tst_programspage.moc"
