#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "TimeLimits.h"
#include "library/ProgramsPage.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTreeWidget>
#include <fcntl.h>
#include <unistd.h>

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
    void unlistedMessageFolderKeepsTheIndex_data();
    void unlistedMessageFolderKeepsTheIndex();
    void checkMarksStayWithTheirFilesAtEveryStart();

    void createMakesAFileOrSelectsTheOneNamed();

    void addEditAndDeleteMessagesAndFiles();
    void onlyTheShownFileTakesMessages();
    void messagesReadBackWhole();
    void longMessagesAnswerAtOnce();

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
    QString shownFile() const { return child<QLabel>(m_page.get(), "lblShownFile")->text(); }
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
    // Saved in UTF-16 by an editor.
    writeFile(index(),
              "\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE)
                               .encode(u"\"calm\",#TRUE#\r\n"  // another letter case
                                       u"\"Gone\",#TRUE#\r\n"  // deleted from the folder
                                       u"\"Work\",#FALSE#\r\n" //
                                       u"\"Work\",#TRUE#\r\n"  // named twice: the later wins
                                       u"\"Health\",#FALSE#\r\n"_qs)); // "New" came in
    load();
    QCOMPARE(shown(files()),
             (QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[ ] New"_qs, u"[x] Work"_qs}));
    QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"
                                            "\"New\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
}

void tst_ProgramsPage::unlistedMessageFolderKeepsTheIndex_data()
{
    QTest::addColumn<bool>("missing"); // else there but not readable
    QTest::newRow("missing") << true;
    QTest::newRow("not readable") << false;
}

void tst_ProgramsPage::unlistedMessageFolderKeepsTheIndex()
{
    QFETCH(bool, missing);
    const QByteArray checked = "\"Calm\",#TRUE#\r\n";
    writeFile(index(), checked);
    put(u"Calm.txt"_qs, "\"I am calm\",#TRUE#\r\n");
    const QString folder = m_test->path(u"plugins"_qs);
    std::optional<RestrictedPath> guard;
    if (missing)
        QVERIFY(QDir(folder).removeRecursively());
    else if (!guard.emplace(folder, QFile::ExeOwner).holds())
        QSKIP("permission bits do not bind here");
    load();
    QCOMPARE(files()->topLevelItemCount(), 0);
    QCOMPARE(fileBytes(index()), checked);
    // Commands go on without a word, make nothing and keep the user's check marks.
    nameBox()->setText(u"Work"_qs);
    click("cmdCreateFile");
    QVERIFY(m_test->prompter.asked.isEmpty());
    QCOMPARE(QFile::exists(folder), !missing);
    QCOMPARE(fileBytes(index()), checked);
}

void tst_ProgramsPage::checkMarksStayWithTheirFilesAtEveryStart()
{
    // Names made outside the program: quotes, a record's ending, line breaks, names that
    // differ in letter case only; and one copied from an older system, in its code page,
    // named so in an index of that code page.
    QList<MessageRecord> checks;
    for (const QString& name : {u"a\""_qs, u"\"b"_qs, u"x\",#TRUE#"_qs, u"c\rd"_qs, u"r\r\ns\n"_qs,
                                u"Calm"_qs, u"calm"_qs}) {
        put(name + u".txt"_qs, {});
        checks << MessageRecord{name, name != u"calm"_qs};
    }
    const QByteArray older = QFile::encodeName(m_test->path(u"plugins/"_qs)) + "F\xFCr mich.txt";
    QVERIFY(::close(::open(older.constData(), O_WRONLY | O_CREAT, 0600)) == 0);
    writeFile(index(), MessageRecords::format(checks).toUtf8() + "\"F\xFCr mich\",#TRUE#\r\n");
    for (int start = 0; start < 3; ++start) {
        load();
        QCOMPARE(shown(files()), (QStringList{u"[x] \"b"_qs, u"[x] a\""_qs, u"[x] c\rd"_qs,
                                              u"[x] Calm"_qs, u"[ ] calm"_qs, u"[x] Für mich"_qs,
                                              u"[x] r\r\ns\n"_qs, u"[x] x\",#TRUE#"_qs}));
    }
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

void tst_ProgramsPage::onlyTheShownFileTakesMessages()
{
    sample();
    put(u"Huge.txt"_qs, "\"huge\",#TRUE#\r\n");
    QVERIFY(QFile::resize(m_test->path(u"plugins/Huge.txt"_qs), 65 << 20)); // sparse
    load();
    RestrictedPath guard(m_test->path(u"plugins/Health.txt"_qs), QFile::WriteOwner);
    if (!guard.holds())
        QSKIP("permission bits do not bind here");
    QVERIFY(QFile::remove(m_test->path(u"plugins/Work.txt"_qs))); // after the start
    const QByteArray calm = bytes(u"Calm.txt"_qs);

    // A file that cannot be read, is too big or is gone shows no messages and takes none.
    for (const int row : {1, 2, 3}) {
        clickRow(files(), row);
        QCOMPARE(messages()->topLevelItemCount(), 0);
        QVERIFY2(shownFile().contains(files()->topLevelItem(row)->text(0)),
                 qPrintable(shownFile()));
        QVERIFY(!editBox()->isEnabled());
        QVERIFY(!child<QPushButton>(m_page.get(), "cmdDeleteText")->isEnabled());
    }
    QCOMPARE(bytes(u"Calm.txt"_qs), calm);

    // The file whose messages are shown is named, and takes what is added.
    clickRow(files(), 0);
    QCOMPARE(shownFile(), u"Messages of \"Calm\""_qs);
    editBox()->setText(u"meant for Calm"_qs);
    click("cmdAddNew");
    QCOMPARE(bytes(u"Calm.txt"_qs), calm + "\"meant for Calm\",#TRUE#\r\n");
}

void tst_ProgramsPage::messagesReadBackWhole()
{
    // UTF-8 with one line from an old Windows editor, typed one to a line, with stray
    // quotes, and records not quite in the written form.
    const QByteArray dropped =
        "Gr\xFC\xDF"
        "e an alle\r\nCaf\xC3\xA9\r\n\r\n  \r\nI breathe \"deeply\"\n\"stray\r\n"
        "\"I am calm\" ,#TRUE#\r\n\"na\xC3\xAFve\",#false#  \r\nlast";
    put(u"Dropped.txt"_qs, dropped);
    load();
    QCOMPARE(
        shown(messages()),
        (QStringList{u"[x] Grüße an alle"_qs, u"[x] Café"_qs, u"[x] I breathe \"deeply\""_qs,
                     u"[x] \"stray"_qs, u"[x] I am calm"_qs, u"[ ] naïve"_qs, u"[x] last"_qs}));
    QCOMPARE(bytes(u"Dropped.txt"_qs), dropped);

    // The first change rewrites the file in the record form (in UTF-8 on Linux; Windows
    // marks it, as the check mark has no place in its code page). A paste may bring line
    // breaks into the one-line box; a message stays one line.
    for (const QString& typed : {u"He said \"yes\", twice"_qs, u"one\r\ntwo\nthree ✓"_qs}) {
        editBox()->setText(typed);
        click("cmdAddNew");
    }
    QCOMPARE(bytes(u"Dropped.txt"_qs),
             TextFile::encode(u"\"Grüße an alle\",#TRUE#\r\n\"Café\",#TRUE#\r\n"
                              "\"I breathe \"\"deeply\"\"\",#TRUE#\r\n\"\"\"stray\",#TRUE#\r\n"
                              "\"I am calm\",#TRUE#\r\n\"naïve\",#FALSE#\r\n\"last\",#TRUE#\r\n"
                              "\"He said \"\"yes\"\", twice\",#TRUE#\r\n"
                              "\"one two three ✓\",#TRUE#\r\n"_qs));
}

void tst_ProgramsPage::longMessagesAnswerAtOnce()
{
    const QByteArray calm = "\"" + QByteArray("I am calm ").repeated(1000000) + "\",#TRUE#\r\n";
    put(u"Calm.txt"_qs, calm + "\"short\",#TRUE#\r\n");
    QElapsedTimer timer;
    timer.start();
    load();
    m_page->grab(); // laid out and painted
    QVERIFY2(timer.elapsed() < 1000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
    for (const int row : {1, 0}) {
        timer.restart();
        clickRow(messages(), row);
        m_page->grab();
        QVERIFY2(timer.elapsed() < 250 * TimeLimits::scale,
                 qPrintable(QString::number(timer.elapsed())));
    }
    // Shown in part, kept whole: Edit with the box as it is, and a check mark, write
    // every character back.
    click("cmdUpdate");
    QCOMPARE(bytes(u"Calm.txt"_qs), calm + "\"short\",#TRUE#\r\n");
    clickCheckBox(messages(), 0);
    QCOMPARE(bytes(u"Calm.txt"_qs),
             QByteArray(calm).replace("#TRUE#", "#FALSE#") + "\"short\",#TRUE#\r\n");
}

QTEST_MAIN(tst_ProgramsPage)
#include "tst_programspage.moc"
