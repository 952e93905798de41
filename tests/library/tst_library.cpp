// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestrictedPath.h"
#include "SystemActions.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "TimeLimits.h"
#include "goals/GoalRecords.h"
#include "library/MessageLibrary.h"
#include "library/MessagePool.h"
#include "library/ProgramsPage.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>
#include <QTreeView>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Entries as the user sees them: "[x] text" or "[ ] text".
QStringList shown(const QList<MessageRecord>& entries)
{
    QStringList texts;
    for (const MessageRecord& entry : entries)
        texts << (entry.checked ? u"[x] "_qs : u"[ ] "_qs) + entry.text;
    return texts;
}

} // namespace

// The message files: their records read and written, the pool of messages taken from them,
// and the "Programs" page's stories told to its editor, then a few through the real page.
class tst_Library : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestServices>();
        m_editor = std::make_unique<MessageFileEditor>(m_test->dataFolder());
    }

    void cleanup()
    {
        m_page.reset();
        m_editor.reset();
        m_test.reset();
    }

    void listingRestoresTheChecksAndRewritesTheIndex()
    {
        // Without an index nothing is checked or written; the first file's messages are shown,
        // so that one added to it does not replace them. A file is rewritten, in the record
        // form, only when it changes.
        put(u"Work.txt"_qs, "\"I finish\",#TRUE#\r\n");
        put(u"Calm.txt"_qs, "I am calm\n");
        m_editor->ListMessageFiles();
        QCOMPARE(shown(m_editor->files()), (QStringList{u"[ ] Calm"_qs, u"[ ] Work"_qs}));
        QCOMPARE(bytes(u"Calm.txt"_qs), QByteArray("I am calm\n"));
        m_editor->txtEditText_Change(u"I rest"_qs);
        m_editor->cmdAddNew_Click();
        QCOMPARE(bytes(u"Calm.txt"_qs),
                 QByteArray("\"I am calm\",#TRUE#\r\n\"I rest\",#TRUE#\r\n"));
        QVERIFY(!QFile::exists(index()));
        // The first check mark the user sets writes the index, and only the index.
        m_editor->lvwDisplayFiles_ItemCheck(1, true);
        QCOMPARE(fileBytes(index()), QByteArray("\"Calm\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));

        // An index saved in UTF-16 by an editor: a name in another letter case, one gone from
        // the folder, one named twice (the later wins); files that came in are added.
        put(u"Health.txt"_qs, "");
        put(u"notes.md"_qs, "");
        writeFile(index(), "\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE)
                                            .encode(u"\"calm\",#TRUE#\r\n\"Gone\",#TRUE#\r\n"
                                                    u"\"Work\",#FALSE#\r\n\"Work\",#TRUE#\r\n"_qs));
        m_editor->ListMessageFiles();
        QCOMPARE(shown(m_editor->files()),
                 (QStringList{u"[x] Calm"_qs, u"[ ] Health"_qs, u"[x] Work"_qs}));
        QCOMPARE(fileBytes(index()),
                 QByteArray("\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));

        // A file that cannot be read shows no messages, and takes none.
        {
            RestrictedPath guard(m_test->path(u"plugins/Health.txt"_qs), QFile::WriteOwner);
            if (!guard.holds())
                QSKIP("permission bits do not bind here");
            m_editor->lvwDisplayFiles_Click(1);
            m_editor->txtEditText_Change(u"meant elsewhere"_qs);
            m_editor->cmdAddNew_Click();
            QVERIFY(!m_editor->showsMessages());
        }
        QCOMPARE(bytes(u"Health.txt"_qs), QByteArray());
    }

    void checkMarksStayWithTheirFilesAtEveryStart()
    {
        // Names made outside the program: quotes, a record's ending, line breaks, names that
        // differ in letter case only; and one copied from an older system, in its code page,
        // named so in an index of that code page.
        if (SystemActions::noNamesOfEveryKind)
            QSKIP(SystemActions::noNamesOfEveryKind);
        QList<MessageRecord> checks;
        for (const QString& name : {u"a\""_qs, u"\"b"_qs, u"x\",#TRUE#"_qs, u"c\rd"_qs,
                                    u"r\r\ns\n"_qs, u"Calm"_qs, u"calm"_qs}) {
            put(name + u".txt"_qs, {});
            checks << MessageRecord{name, name != u"calm"_qs};
        }
        const QByteArray older =
            QFile::encodeName(m_test->path(u"plugins/"_qs)) + "F\xFCr mich.txt";
        QVERIFY(::close(::open(older.constData(), O_WRONLY | O_CREAT, 0600)) == 0);
        writeFile(index(), MessageRecords::format(checks).toUtf8() + "\"F\xFCr mich\",#TRUE#\r\n");
        for (int start = 0; start < 3; ++start) {
            MessageFileEditor editor(m_test->dataFolder());
            editor.ListMessageFiles();
            QCOMPARE(shown(editor.files()),
                     (QStringList{u"[x] \"b"_qs, u"[x] a\""_qs, u"[x] c\rd"_qs, u"[x] Calm"_qs,
                                  u"[ ] calm"_qs, u"[x] Für mich"_qs, u"[x] r\r\ns\n"_qs,
                                  u"[x] x\",#TRUE#"_qs}));
        }
    }

    void unlistedMessageFolderKeepsTheIndex_data()
    {
        QTest::addColumn<bool>("missing"); // else there but not readable
        QTest::newRow("missing") << true;
        QTest::newRow("not readable") << false;
    }

    void unlistedMessageFolderKeepsTheIndex()
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
        m_editor->ListMessageFiles();
        QVERIFY(m_editor->files().isEmpty());
        // Commands go on without a word, make nothing and keep the user's check marks.
        m_editor->cmdCreateFile_Click(u"Work"_qs);
        QCOMPARE(QFile::exists(folder), !missing);
        QCOMPARE(fileBytes(index()), checked);
    }

    void stories_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("changed"); // "File.txt=content"; "File.txt": gone
        QTest::addColumn<QString>("state");       // above the messages: the messages | edit box

        const QString work = u"Messages of \"Work\": "_qs;
        // Add New appends checked, even a message listed already; a paste may bring line
        // breaks into the one-line box, but a message stays one line.
        QTest::newRow("add")
            << u"file 2; type I focus; add; type one\r\ntwo\nthree; add"_qs
            << QStringList{u"Work.txt=\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n"
                           u"\"I focus\",#TRUE#\r\n\"one two three\",#TRUE#\r\n"_qs}
            << work + u"[x] I finish,[x] I focus,[x] I focus,[x] one two three | "_qs;
        // A check mark is written at once; Edit keeps it.
        QTest::newRow("ticks and edit")
            << u"file 2; tick 0; tickfile 1; message 0; type I finish what I start; edit"_qs
            << QStringList{u"Work.txt=\"I finish what I start\",#FALSE#\r\n\"I focus\",#TRUE#\r\n"_qs,
                           u"FileNames.txt=\"Calm\",#TRUE#\r\n\"Health\",#TRUE#\r\n\"Work\",#TRUE#\r\n"_qs}
            << work + u"[ ] I finish what I start,[x] I focus | "_qs;
        // Delete leaves no message selected: Edit and Delete then change nothing.
        QTest::newRow("delete") << u"file 2; message 0; delete; delete; type kept; edit; delete"_qs
                                << QStringList{u"Work.txt=\"I focus\",#TRUE#\r\n"_qs}
                                << work + u"[x] I focus | kept"_qs;
        QTest::newRow("delete file")
            << u"file 2; drop"_qs
            << QStringList{u"Work.txt"_qs,
                           u"FileNames.txt=\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n"_qs}
            << u"Messages of \"Calm\": [x] I am calm,[ ] I breathe | "_qs;
        QTest::newRow("delete every file")
            << u"drop; drop; drop"_qs
            << QStringList{u"Calm.txt"_qs, u"Health.txt"_qs, u"Work.txt"_qs, u"FileNames.txt="_qs}
            << u":  | "_qs;
        // A new file is made checked and shown, under a name trimmed and made safe; nothing of
        // spaces; a name taken, in any letter case, shows that file.
        QTest::newRow("create")
            << u"create  My Goals 2 ; type I can; add; create   ; create ../../outside; create health"_qs
            << QStringList{u"My Goals 2.txt=\"I can\",#TRUE#\r\n"_qs, u"outside.txt="_qs,
                           u"FileNames.txt=\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#"
                           u"\r\n"
                           u"\"My Goals 2\",#TRUE#\r\n\"outside\",#TRUE#\r\n"_qs}
            << u"Messages of \"Health\": [x] I am strong | I am strong"_qs;
        // A file that vanished shows no messages, and takes none.
        QTest::newRow("file gone")
            << u"remove; file 2; type meant elsewhere; add"_qs << QStringList{u"Work.txt"_qs}
            << u"\"Work\" could not be read, so its messages cannot be shown "
               u"or changed.:  | meant elsewhere"_qs;
    }

    void stories()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, changed);
        sample();
        QMap<QString, QByteArray> expected = disk();
        for (const QString& change : changed) {
            if (change.contains(u'='))
                expected.insert(change.section(u'=', 0, 0), change.section(u'=', 1).toUtf8());
            else
                expected.remove(change);
        }
        MessageFileEditor& editor = *m_editor;
        editor.ListMessageFiles();
        const auto row = [](const QString& text) { return text.toInt(); };
        using Step = std::function<void(const QString&)>;
        const QHash<QString, Step> does = {
            {u"file"_qs, [&](const QString& n) { editor.lvwDisplayFiles_Click(row(n)); }},
            {u"message"_qs, [&](const QString& n) { editor.lvwDisplay_ItemClick(row(n)); }},
            {u"tick"_qs,
             [&](const QString& n) {
                 editor.lvwDisplay_ItemCheck(row(n), !editor.messages()[row(n)].checked);
             }},
            {u"tickfile"_qs,
             [&](const QString& n) {
                 editor.lvwDisplayFiles_ItemCheck(row(n), !editor.files()[row(n)].checked);
             }},
            {u"type"_qs, [&](const QString& text) { editor.txtEditText_Change(text); }},
            {u"add"_qs, [&](const QString&) { editor.cmdAddNew_Click(); }},
            {u"edit"_qs, [&](const QString&) { editor.cmdUpdate_Click(); }},
            {u"delete"_qs, [&](const QString&) { editor.cmdDeleteText_Click(); }},
            {u"create"_qs, [&](const QString& name) { editor.cmdCreateFile_Click(name); }},
            {u"drop"_qs, [&](const QString&) { editor.cmdDeleteFile_Click(); }},
            // Behind the program's back.
            {u"remove"_qs,
             [&](const QString&) { QFile::remove(m_test->path(u"plugins/Work.txt"_qs)); }}};
        for (const QString& step : steps.split(u"; "_qs))
            does.value(step.section(u' ', 0, 0),
                       [&step](const QString&) { QFAIL(qPrintable(step)); })(step.section(u' ', 1));
        QTEST(editor.shownFileCaption() + u": "_qs + shown(editor.messages()).join(u',') +
                  u" | "_qs + editor.editText(),
              "state");
        QCOMPARE(disk(), expected);
    }

    void pageTypesClicksAndTicks()
    {
        sample();
        loadPage();
        auto* nameBox = child<QLineEdit>("txtNewFileName");
        auto* files = child<QTreeView>("lvwDisplayFiles");
        auto* messages = child<QTreeView>("lvwDisplay");
        auto* editBox = child<QLineEdit>("txtEditText");
        // Keys other than letters, digits and spaces, Enter too, are refused with a word.
        nameBox->setFocus();
        QTest::keyClicks(nameBox, u" My Goals 2 "_qs);
        QTest::keyClick(nameBox, Qt::Key_Return);
        QTest::keyClick(nameBox, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_test->prompter.asked.size(), 2);
        QVERIFY(nameBox->hasFocus());
        click("cmdCreateFile");
        QCOMPARE(files->currentIndex().data().toString(), u"My Goals 2"_qs);
        QVERIFY(nameBox->text().isEmpty());

        // The arrow keys move the file shown; Add New and Edit follow the edit box.
        clickRow(files, 0);
        files->setFocus();
        QTest::keyClick(files, Qt::Key_Down);
        QCOMPARE(child<QLabel>("lblShownFile")->text(), u"Messages of \"Health\""_qs);
        editBox->clear();
        QVERIFY(!child("cmdAddNew")->isEnabled() && !child("cmdUpdate")->isEnabled());
        QTest::keyClicks(editBox, u"I rest"_qs);
        QVERIFY(child("cmdAddNew")->isEnabled() && child("cmdUpdate")->isEnabled());
        click("cmdAddNew");

        // A tick writes at once and chooses nothing: the edit box keeps what was typed, the
        // message list its file.
        QTest::keyClicks(editBox, u"typed"_qs);
        clickCheckBox(messages, 0);
        QCOMPARE(bytes(u"Health.txt"_qs),
                 QByteArray("\"I am strong\",#FALSE#\r\n\"I rest\",#TRUE#\r\n"));
        clickCheckBox(files, 0);
        QVERIFY(fileBytes(index()).startsWith("\"Calm\",#FALSE#\r\n"));
        QCOMPARE(editBox->text(), u"typed"_qs);
        QCOMPARE(child<QLabel>("lblShownFile")->text(), u"Messages of \"Health\""_qs);

        // A file gone shows no messages and offers no command on them.
        QVERIFY(QFile::remove(m_test->path(u"plugins/Calm.txt"_qs)));
        clickRow(files, 0);
        QVERIFY(!editBox->isEnabled() && !child("cmdDeleteText")->isEnabled());
        QCOMPARE(messages->model()->rowCount(), 0);
    }

    void pageAnswersAtOnceWithLongMessages()
    {
        const QByteArray calm = "\"" + QByteArray("I am calm ").repeated(1000000) + "\",#TRUE#\r\n";
        put(u"Calm.txt"_qs, calm + "\"short\",#TRUE#\r\n");
        QElapsedTimer timer;
        timer.start();
        loadPage();
        m_page->grab(); // laid out and painted
        QVERIFY2(timer.elapsed() < 1000 * TimeLimits::scale,
                 qPrintable(QString::number(timer.elapsed())));
        auto* messages = child<QTreeView>("lvwDisplay");
        for (const int row : {1, 0}) {
            timer.restart();
            clickRow(messages, row);
            m_page->grab();
            QVERIFY2(timer.elapsed() < 250 * TimeLimits::scale,
                     qPrintable(QString::number(timer.elapsed())));
        }
        // Shown in part, kept whole: Edit with the box as it is, and a check mark, write
        // every character back.
        click("cmdUpdate");
        QCOMPARE(bytes(u"Calm.txt"_qs), calm + "\"short\",#TRUE#\r\n");
        clickCheckBox(messages, 0);
        QCOMPARE(bytes(u"Calm.txt"_qs),
                 QByteArray(calm).replace("#TRUE#", "#FALSE#") + "\"short\",#TRUE#\r\n");
    }

    void pageImportsAndExportsPlainLists_data()
    {
        QTest::addColumn<QString>("list"); // its name; "+" before it: dropped on the file list
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("made");       // the new message file; empty: none, and then
        QTest::addColumn<QByteArray>("written"); // the message's first words, else its bytes

        const QByteArray calm =
            "\"I am calm\",#TRUE#\r\n\"I rest\",#TRUE#\r\n\"Caf\xC3\xA9 cr\xC3\xA8me\",#TRUE#\r\n";
        QTest::newRow("line ends, mark, code page")
            << u"Morning.txt"_qs
            << QByteArray("\xEF\xBB\xBFI am calm\r\n  I rest\n\n\r\nCaf\xE9 cr\xE8me")
            << u"Morning"_qs << calm;
        QTest::newRow("UTF-16, dropped")
            << u"+Morning.TXT"_qs << QByteArray("\xFF\xFEI\0 \0a\0m\0 \0c\0a\0l\0m\0", 20)
            << u"Morning"_qs << QByteArray("\"I am calm\",#TRUE#\r\n");
        QTest::newRow("named as one there") << u"calm.txt"_qs << QByteArray("I rest\n")
                                            << u"calm 2"_qs << QByteArray("\"I rest\",#TRUE#\r\n");
        QTest::newRow("binary") << u"+photo.txt"_qs << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR")
                                << QString() << QByteArray("/photo.txt is not a text file");
        QTest::newRow("empty") << u"Blank.txt"_qs << QByteArray(" \r\n\t\n") << QString()
                               << QByteArray("/Blank.txt holds no messages");
        QTest::newRow("64 MiB") << u"Huge.txt"_qs << QByteArray(64 << 20, 'a') << QString()
                                << QByteArray("/Huge.txt is 64 MiB or bigger");
    }

    void pageImportsAndExportsPlainLists()
    {
        QFETCH(QString, list);
        QFETCH(QByteArray, content);
        QFETCH(QString, made);
        QFETCH(QByteArray, written);
        sample();
        loadPage();
        QMap<QString, QByteArray> before = disk();
        QTemporaryDir outside;
        const QString path = outside.filePath(QString(list).remove(u'+'));
        writeFile(path, content);
        if (list.startsWith(u'+')) {
            QWidget* target = child<QTreeView>("lvwDisplayFiles")->viewport();
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        } else {
            m_test->dialogs.paths << path;
            click("cmdImport");
        }
        // Refused with a word, nothing touched; or a new file, listed checked, and shown.
        QCOMPARE(m_test->prompter.asked.size(), made.isEmpty() ? 1 : 0);
        if (made.isEmpty()) {
            QVERIFY(m_test->prompter.asked[0].text.contains(
                QDir::toNativeSeparators(QString::fromUtf8(written))));
            QCOMPARE(disk(), before);
            return;
        }
        QCOMPARE(bytes(made + u".txt"_qs), TextFile::encode(QString::fromUtf8(written)));
        QMap<QString, QByteArray> after = disk();
        after.remove(made + u".txt"_qs);
        QVERIFY(after.take(u"FileNames.txt"_qs).endsWith('"' + made.toUtf8() + "\",#TRUE#\r\n"));
        before.remove(u"FileNames.txt"_qs);
        QCOMPARE(after, before);
        QCOMPARE(child<QLabel>("lblShownFile")->text().contains(made), true);

        // Exported as plain lines; where nothing can be written, said, and nothing left there.
        m_test->dialogs.paths << outside.filePath(u"out.txt"_qs);
        click("cmdExport");
        QCOMPARE(m_test->dialogs.offered.last(), made + u".txt"_qs);
        QByteArray lines;
        for (const QByteArray& line : written.split('\n').mid(0, written.count('\n')))
            lines += line.sliced(1, line.lastIndexOf('"') - 1) + '\n';
        QCOMPARE(fileBytes(outside.filePath(u"out.txt"_qs)), lines);
        QVERIFY(QDir(outside.path()).mkdir(u"closed"_qs));
        const RestrictedPath closed(outside.filePath(u"closed"_qs), RestrictedPath::readOnlyFolder);
        m_test->dialogs.paths << outside.filePath(u"closed/out.txt"_qs);
        click("cmdExport");
        QVERIFY(!closed.holds() || (m_test->prompter.asked.value(0).text.contains(u"closed"_qs) &&
                                    QDir(outside.filePath(u"closed"_qs)).isEmpty()));
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name"); // empty: nothing to make
        QTest::newRow("separators") << u"a/b\\c:d*e?f\"g<h>i|j"_qs << u"abcdefghij"_qs;
        QTest::newRow("dots only") << u".."_qs << QString();
        QTest::newRow("control characters") << u"\tline\r\none\x7f\u0085"_qs << u"lineone"_qs;
        // Names Windows keeps for devices are never made there; elsewhere they are ordinary.
#ifdef Q_OS_WIN
        QTest::newRow("device") << u"NUL.backup"_qs << u"NUL_.backup"_qs;
#else
        QTest::newRow("device") << u"Con"_qs << u"Con"_qs;
#endif
        // Cut to 150 bytes, never in half a character.
        QTest::newRow("long") << u"😀"_qs.repeated(40) << u"😀"_qs.repeated(37);
    }

    void safeNames()
    {
        QFETCH(QString, typed);
        QTEST(MessageLibrary::safeName(typed), "name");
    }

    void poolTakesCheckedMessagesOfCheckedFilesInIndexOrder()
    {
        put(u"First.txt"_qs, "\"one\",#TRUE#\r\n\"off\",#FALSE#\r\n\"\",#TRUE#\r\n"
                             "\"He said \"yes\", twice\",#TRUE#\r\n");
        put(u"Second.txt"_qs, "\"two\",#TRUE#\r\n\"two\",#TRUE#\r\n");
        put(u"Unchecked.txt"_qs, "\"never\",#TRUE#\r\n");
        put(u"Empty.txt"_qs, "");
        const QByteArray awkward = SystemActions::awkwardFileName().toUtf8(); // named outside
        put(QString::fromUtf8(awkward) + u".txt"_qs, "\"three\",#TRUE#\r\n");
        writeFile(index(), "\"Second\",#TRUE#\r\n\"Missing\",#TRUE#\r\n\"Unchecked\",#FALSE#\r\n"
                           "\"\",#TRUE#\r\n\"Empty\",#TRUE#\r\n\"First\",#TRUE#\r\n"
                           "\"" +
                               awkward + "\",#TRUE#\r\n");
        QCOMPARE(pool(), (QStringList{u"two"_qs, u"two"_qs, u"one"_qs, u"He said \"yes\", twice"_qs,
                                      u"three"_qs}));

        // At every load the pool is rebuilt: messages unchecked or deleted since go, and of a
        // file named twice the later entry counts.
        put(u"Second.txt"_qs, "\"two\",#FALSE#\r\n\"three\",#TRUE#\r\n");
        writeFile(index(), "\"Second\",#FALSE#\r\n\"Second\",#TRUE#\r\n");
        QCOMPARE(pool(), QStringList{u"three"_qs});

        // An empty index gives an empty pool; none leaves it alone.
        writeFile(index(), "");
        QCOMPARE(pool(), QStringList());
        QVERIFY(QFile::remove(index()));
        QCOMPARE(pool(), (QStringList{u"<no index>"_qs, u"left from before"_qs}));
    }

    void poolSkipsWhatItCannotOrMustNotRead()
    {
        writeFile(m_test->path(u"outside.txt"_qs), "\"from outside\",#TRUE#\r\n");
        writeFile(m_test->path(u"goals.txt"_qs),
                  "\"a goal\",#2026-01-01#,#2026-02-01#,\"\",#FALSE#,0\r\n");
        put(u"Calm.txt"_qs, "\"a\",#TRUE#\r\n");
        // Something far larger than any message file (sparse: it costs no disk).
        put(u"Huge.txt"_qs, "\"huge\",#TRUE#\r\n");
        QVERIFY(QFile::resize(m_test->path(u"plugins/Huge.txt"_qs), 65 << 20));
        writeFile(index(), "\"../outside\",#TRUE#\r\n\"../goals\",#TRUE#\r\n\"" +
                               m_test->path(u"outside"_qs).toUtf8() +
                               "\",#TRUE#\r\n\"Calm\",#TRUE#\r\n\"Huge\",#TRUE#\r\n");
        QCOMPARE(pool(), QStringList{u"a"_qs});
    }

    void everyTextReadsBackAsWritten()
    {
        // A quote is written twice; everything else, line breaks too, as it is.
        QCOMPARE(
            MessageRecords::format({{QString(), false}, {u"a, b\r\nc"_qs, true}, {u"\""_qs, true}}),
            u"\"\",#FALSE#\r\n\"a, b\r\nc\",#TRUE#\r\n\"\"\"\",#TRUE#\r\n"_qs);

        // Quotes anywhere, line breaks, whatever looks like the end of a record or a whole
        // record of its own, other scripts (apart at "|"): through the disk and back.
        static const QStringList pieces =
            u"\"|,|#TRUE#|\",#FALSE#|\",#FALSE#,5|\"\"| |\t|ab|é€|我|✓|-1|\r\n|\n|\r|#2026-01-01#|"
            u"\r\n\"Phantom\",#2026-01-01#,#2026-02-01#,\"x\",#TRUE#,99"_qs.split(u'|');
        QRandomGenerator random(20261206);
        const auto text = [&] {
            QString text;
            for (int piece = random.bounded(0, 9); piece > 0; --piece)
                text += pieces[random.bounded(int(pieces.size()))];
            return text;
        };
        const auto throughDisk = [](const QString& text) {
            return TextFile::decode(TextFile::encode(text));
        };
        for (int round = 0; round < 2000; ++round) {
            QList<MessageRecord> messages;
            Goals goals;
            for (int i = random.bounded(1, 5); i > 0; --i) {
                messages << MessageRecord{text(), random.bounded(2) == 1};
                goals << GoalRecord{.GoalName = text(),
                                    .StartingDate = QDate(2026, 1, 1).addDays(random.bounded(900)),
                                    .EndingDate = QDate(2026, 1, 1).addDays(random.bounded(900)),
                                    .GoalDesc = text(),
                                    .Achieved = random.bounded(2) == 1,
                                    .AchievedPercent = qint16(random.bounded(101))};
            }
            const QString writtenMessages = MessageRecords::format(messages);
            QVERIFY2(MessageRecords::parse(throughDisk(writtenMessages)) == messages,
                     qPrintable(writtenMessages));
            const QString writtenGoals = GoalRecords::format(goals);
            const GoalRecords::Content read = GoalRecords::parse(throughDisk(writtenGoals));
            QVERIFY2(read.goals == goals, qPrintable(writtenGoals));
            QCOMPARE(read.kept.join(QString()), QString());
        }
    }

    void readsWhatOlderVersionsWrote_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("read"); // a line that is no record is a message

        QTest::newRow("plain lines") << u"I am calm\r\n  \r\n\r\nI am strong"_qs
                                     << QStringList{u"[x] I am calm"_qs, u"[x] I am strong"_qs};
        QTest::newRow("lone line ends, none at the end")
            << u"\"a\",#TRUE#\n\"b\",#TRUE#\r\"c\",#FALSE#"_qs
            << QStringList{u"[x] a"_qs, u"[x] b"_qs, u"[ ] c"_qs};
        QTest::newRow("not in the exact written form")
            << u"\"I am calm\" ,#TRUE#\r\n\"b\",#true#\r\n \"c\" , #FALSE#  \t\r\n"_qs
            << QStringList{u"[x] I am calm"_qs, u"[x] b"_qs, u"[ ] c"_qs};
        // Older versions left quotes in texts as they were.
        QTest::newRow("quotes left single")
            << u"\"I breathe \"deeply\"\",#TRUE#\r\n\"a\",#TRUE#\",#FALSE#\r\n\"\"b\",#TRUE#\r\n"
               u"\"5'11\"\",#TRUE#\r\n"_qs
            << QStringList{u"[x] I breathe \"deeply\""_qs, u"[ ] a\",#TRUE#"_qs, u"[x] \"b"_qs,
                           u"[x] 5'11\""_qs};
        QTest::newRow("stray quote") << u"\"never closed\r\n\"b\",#TRUE#\r\n"_qs
                                     << QStringList{u"[x] \"never closed"_qs, u"[x] b"_qs};
        QTest::newRow("missing flag")
            << u"\"a\",\r\n\"b\"\r\n"_qs << QStringList{u"[x] \"a\","_qs, u"[x] \"b\""_qs};
        QTest::newRow("nul bytes") << QString(u"\"a\0b\",#TRUE#\r\n\0\r\n"_qs)
                                   << QStringList{QString(u"[x] a\0b"_qs), QString(u"[x] \0"_qs)};
    }

    void readsWhatOlderVersionsWrote()
    {
        QFETCH(QString, content);
        const QList<MessageRecord> messages = MessageRecords::parse(content);
        QTEST(shown(messages), "read");
        // A save writes them in the form of today, which reads back the same.
        QCOMPARE(MessageRecords::parse(MessageRecords::format(messages)), messages);
    }

    void hugeMalformedContentReadsInLinearTime()
    {
        // Lines that each open a text and never close it, where texts may run over lines;
        // and lines whose quotes all pair up, so that a text runs on into the next line:
        // every read fails, and none may search the rest of the file again.
        const QString content = u"\"x\",#2026-01-01#,\"y\r\n"_qs.repeated(100000) +
                                u"\"\"\"a\"\"\r\n"_qs.repeated(100000);
        QElapsedTimer timer;
        timer.start();
        const GoalRecords::Content goals = GoalRecords::parse(content);
        QVERIFY(goals.goals.isEmpty());
        QCOMPARE(goals.kept, QStringList{content});
        QCOMPARE(MessageRecords::parse(content).size(), 200000);
        QVERIFY2(timer.elapsed() < 3000 * TimeLimits::scale,
                 qPrintable(QString::number(timer.elapsed())));
    }

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<MessageFileEditor> m_editor;
    std::unique_ptr<ProgramsPage> m_page;

    void put(const QString& file, const QByteArray& bytes) const
    {
        writeFile(m_test->path(u"plugins/"_qs + file), bytes);
    }

    QByteArray bytes(const QString& file) const
    {
        return fileBytes(m_test->path(u"plugins/"_qs + file));
    }

    QString index() const
    {
        return m_test->path(u"FileNames.txt"_qs);
    }
    QStringList pool() const
    {
        MessagePool pool;
        pool.append(u"left from before"_qs);
        // A rebuilt pool holds nothing from before; one without an index is left as it was.
        const bool loaded = MessageLibrary(m_test->dataFolder()).LoadMessagePool(pool);
        return (loaded ? QStringList() : QStringList{u"<no index>"_qs}) + pool.messages();
    }
    void sample() const
    {
        put(u"Calm.txt"_qs, "\"I am calm\",#TRUE#\r\n\"I breathe\",#FALSE#\r\n");
        put(u"Health.txt"_qs, "\"I am strong\",#TRUE#\r\n");
        put(u"Work.txt"_qs, "\"I finish\",#TRUE#\r\n\"I focus\",#TRUE#\r\n");
        writeFile(index(), "\"Calm\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n");
    }
    // Every data file by name, with its content.
    QMap<QString, QByteArray> disk() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(m_test->path(u"plugins"_qs)).entryList(QDir::Files))
            files.insert(name, bytes(name));
        files.insert(u"FileNames.txt"_qs, fileBytes(index()));
        return files;
    }

    void loadPage()
    {
        m_page =
            std::make_unique<ProgramsPage>(m_test->dataFolder(), m_test->prompter, m_test->dialogs);
        m_page->resize(560, 420);
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        m_page->ListMessageFiles();
    }
    template <typename T = QWidget> T* child(const char* name) const
    {
        return ::child<T>(m_page.get(), name);
    }

    void click(const char* button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
};

QTEST_MAIN(tst_Library)
#include "tst_library.moc"
