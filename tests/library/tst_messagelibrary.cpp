#include "TestServices.h"
#include "library/MessageLibrary.h"
#include "library/MessagePool.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

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

QStringList pooled(const MessagePool& pool)
{
    return pool.messages();
}

} // namespace

class tst_MessageLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void namesThatLeadOutsideTheFolder_data();
    void namesThatLeadOutsideTheFolder();
    void typedNamesBecomeSafeFileNames_data();
    void typedNamesBecomeSafeFileNames();
    void whateverIsPastedCreatesAFileInTheFolder();
    void createNeverEmptiesAnExistingFile();

    void listsTheMessageFilesOnly();

    void poolTakesCheckedMessagesOfCheckedFilesInIndexOrder();
    void poolIsRebuiltAtEveryLoad();
    void poolWithoutIndexIsLeftAlone();
    void poolSkipsWhatItCannotOrMustNotRead();

    void readsFilesOthersWrote();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<MessageLibrary> m_library;

    QString plugin(const QString& name) const { return m_test->path(u"plugins/"_qs + name); }
};

void tst_MessageLibrary::init()
{
    m_test = std::make_unique<TestServices>();
    m_library = std::make_unique<MessageLibrary>(m_test->dataFolder());
}

void tst_MessageLibrary::namesThatLeadOutsideTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("staysInFolder");
    QTest::newRow("plain") << u"Calm"_qs << true;
    QTest::newRow("spaces and accents") << u"Mes affirmations à moi"_qs << true;
    QTest::newRow("dots only") << u".."_qs << true; // "...txt", still in the folder
    QTest::newRow("parent") << u"../goals"_qs << false;
    QTest::newRow("absolute") << u"/etc/passwd"_qs << false;
    QTest::newRow("sub-folder") << u"a/b"_qs << false;
    QTest::newRow("nul") << QString(u"a\0b"_qs) << false;
}

void tst_MessageLibrary::namesThatLeadOutsideTheFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, staysInFolder);
    QCOMPARE(MessageLibrary::staysInFolder(name), staysInFolder);
    const auto path = m_library->messageFilePath(name);
    QCOMPARE(path.has_value(), staysInFolder);
    if (path)
        QCOMPARE(*path, m_test->dataFolder() + u"/plugins/"_qs + name + u".txt"_qs);
}

void tst_MessageLibrary::typedNamesBecomeSafeFileNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("surrounding spaces") << u"  My Goals  "_qs << u"My Goals"_qs;
    QTest::newRow("only spaces") << u"    "_qs << QString();
    QTest::newRow("parent folders") << u"../../etc/passwd"_qs << u"etcpasswd"_qs;
    QTest::newRow("separators and wildcards") << u"a/b\\c:d*e?f\"g<h>i|j"_qs << u"abcdefghij"_qs;
    QTest::newRow("control characters") << u"\tline\r\none\x7f\u0085"_qs << u"lineone"_qs;
    QTest::newRow("hidden file") << u". .hidden"_qs << u"hidden"_qs;
    QTest::newRow("trailing dots") << u"name. . ."_qs << u"name"_qs;
    QTest::newRow("only dots") << u"..."_qs << QString();
    QTest::newRow("device") << u"con"_qs << u"con_"_qs;
    QTest::newRow("device with extension") << u"NUL.backup"_qs << u"NUL_.backup"_qs;
    QTest::newRow("port") << u"COM1"_qs << u"COM1_"_qs;
    QTest::newRow("no port") << u"COM10"_qs << u"COM10"_qs;
    QTest::newRow("device inside a word") << u"Console"_qs << u"Console"_qs;
    QTest::newRow("other scripts") << u"Café ✓ 我"_qs << u"Café ✓ 我"_qs;
    QTest::newRow("long") << QString(300, u'a') << QString(150, u'a');
    QTest::newRow("long, three bytes each") << QString(100, u'我') << QString(50, u'我');
    // Never half a character: 37 whole four-byte characters fit in 150 bytes.
    QTest::newRow("long, four bytes each") << u"😀"_qs.repeated(40) << u"😀"_qs.repeated(37);
    QTest::newRow("cut before a space") << QString(149, u'a') + u" b"_qs << QString(149, u'a');
}

void tst_MessageLibrary::typedNamesBecomeSafeFileNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QCOMPARE(MessageLibrary::safeName(typed), name);
}

void tst_MessageLibrary::whateverIsPastedCreatesAFileInTheFolder()
{
    static const QString nasty = QStringLiteral("/\\.:*?<>|\" \t\r\n\x01"
                                                "ab.é我😀");
    QRandomGenerator random(7);
    int created = 0;
    for (int round = 0; round < 500; ++round) {
        QString typed;
        const int length = random.bounded(1, 20);
        for (int i = 0; i < length; ++i)
            typed += nasty[random.bounded(int(nasty.size()))];
        const QString name = MessageLibrary::safeName(typed);
        if (name.isEmpty() || m_library->hasMessageFile(name))
            continue;
        QVERIFY2(m_library->createMessageFile(name), qPrintable(typed));
        QVERIFY2(m_library->listMessageFiles().contains(name), qPrintable(typed));
        ++created;
    }
    QVERIFY(created > 100);
    // Nothing landed anywhere but in the message folder.
    QCOMPARE(QDir(m_test->dataFolder())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"plugins"_qs});
    QCOMPARE(QDir(m_test->path(u"plugins"_qs)).entryList(QDir::Dirs | QDir::NoDotAndDotDot), {});
}

void tst_MessageLibrary::createNeverEmptiesAnExistingFile()
{
    put(plugin(u"Calm.txt"_qs), "\"I am calm\",#TRUE#\r\n");
    QVERIFY(!m_library->createMessageFile(u"Calm"_qs));
    QCOMPARE(contents(plugin(u"Calm.txt"_qs)), QByteArray("\"I am calm\",#TRUE#\r\n"));
    QVERIFY(m_library->createMessageFile(u"New"_qs));
    QCOMPARE(contents(plugin(u"New.txt"_qs)), QByteArray());
    QCOMPARE(m_library->findMessageFile(u"calm"_qs), std::optional(u"Calm"_qs));
    QCOMPARE(m_library->findMessageFile(u"Calmer"_qs), std::nullopt);
}

void tst_MessageLibrary::listsTheMessageFilesOnly()
{
    for (const char* name : {"b.txt", "A.txt", "c.TXT", "notes.md", ".hidden.txt", "x.txt.bak"})
        put(plugin(QLatin1String(name)), "");
    QVERIFY(QDir().mkpath(plugin(u"folder.txt"_qs)));
    put(m_test->path(u"outside.txt"_qs), "");
    // "c.TXT" is not the file "c.txt" that its name would lead to.
    QCOMPARE(m_library->listMessageFiles(), (QStringList{u"A"_qs, u"b"_qs}));

    TestServices missing;
    QDir(missing.path(u"plugins"_qs)).removeRecursively();
    QCOMPARE(MessageLibrary(missing.dataFolder()).listMessageFiles(), QStringList());
}

void tst_MessageLibrary::poolTakesCheckedMessagesOfCheckedFilesInIndexOrder()
{
    put(plugin(u"First.txt"_qs), "\"one\",#TRUE#\r\n\"off\",#FALSE#\r\n\"\",#TRUE#\r\n\"He said "
                                 "\"yes\", twice\",#TRUE#\r\n");
    put(plugin(u"Second.txt"_qs), "\"two\",#TRUE#\r\n\"two\",#TRUE#\r\n");
    put(plugin(u"Unchecked.txt"_qs), "\"never\",#TRUE#\r\n");
    put(plugin(u"Empty.txt"_qs), "");
    put(m_test->path(u"FileNames.txt"_qs), "\"Second\",#TRUE#\r\n"
                                           "\"Missing\",#TRUE#\r\n"
                                           "\"Unchecked\",#FALSE#\r\n"
                                           "\"\",#TRUE#\r\n"
                                           "\"Empty\",#TRUE#\r\n"
                                           "\"First\",#TRUE#\r\n");
    MessagePool pool;
    QVERIFY(m_library->LoadMessagePool(pool));
    QCOMPARE(pooled(pool),
             (QStringList{u"two"_qs, u"two"_qs, u"one"_qs, u"He said \"yes\", twice"_qs}));
    QCOMPARE(pool.count(), 4);
    QCOMPARE(pool.at(2), u"one"_qs);

    // An index that checks no file, or is empty, gives an empty pool and still true.
    put(m_test->path(u"FileNames.txt"_qs), "\"First\",#FALSE#\r\n");
    QVERIFY(m_library->LoadMessagePool(pool));
    QVERIFY(pool.isEmpty());
    put(m_test->path(u"FileNames.txt"_qs), "");
    QVERIFY(m_library->LoadMessagePool(pool));
    QVERIFY(pool.isEmpty());
}

void tst_MessageLibrary::poolIsRebuiltAtEveryLoad()
{
    put(plugin(u"Calm.txt"_qs), "\"a\",#TRUE#\r\n\"b\",#TRUE#\r\n");
    put(m_test->path(u"FileNames.txt"_qs), "\"Calm\",#TRUE#\r\n");
    MessagePool pool;
    QVERIFY(m_library->LoadMessagePool(pool));
    QVERIFY(m_library->LoadMessagePool(pool));
    QCOMPARE(pooled(pool), (QStringList{u"a"_qs, u"b"_qs})); // the same, not twice

    // A message unchecked or deleted since the last start no longer shows.
    put(plugin(u"Calm.txt"_qs), "\"a\",#FALSE#\r\n\"c\",#TRUE#\r\n");
    QVERIFY(m_library->LoadMessagePool(pool));
    QCOMPARE(pooled(pool), QStringList{u"c"_qs});

    // An index that names a file several times takes it once, checked as its last record.
    put(m_test->path(u"FileNames.txt"_qs),
        "\"Calm\",#TRUE#\r\n\"Calm\",#TRUE#\r\n\"Calm\",#FALSE#\r\n");
    QVERIFY(m_library->LoadMessagePool(pool));
    QVERIFY(pool.isEmpty());
    put(m_test->path(u"FileNames.txt"_qs),
        "\"Calm\",#TRUE#\r\n\"Calm\",#FALSE#\r\n\"Calm\",#TRUE#\r\n");
    QVERIFY(m_library->LoadMessagePool(pool));
    QCOMPARE(pooled(pool), QStringList{u"c"_qs});
}

void tst_MessageLibrary::poolWithoutIndexIsLeftAlone()
{
    put(plugin(u"Calm.txt"_qs), "\"a\",#TRUE#\r\n");
    put(m_test->path(u"FileNames.txt"_qs), "\"Calm\",#TRUE#\r\n");
    MessagePool pool;
    QVERIFY(m_library->LoadMessagePool(pool));
    QVERIFY(QFile::remove(m_test->path(u"FileNames.txt"_qs)));
    QVERIFY(!m_library->LoadMessagePool(pool));
    QCOMPARE(pooled(pool), QStringList{u"a"_qs});
}

void tst_MessageLibrary::poolSkipsWhatItCannotOrMustNotRead()
{
    put(m_test->path(u"outside.txt"_qs), "\"from outside\",#TRUE#\r\n");
    put(m_test->path(u"goals.txt"_qs), "\"a goal\",#2026-01-01#,#2026-02-01#,\"\",#FALSE#,0\r\n");
    put(plugin(u"Calm.txt"_qs), "\"a\",#TRUE#\r\n");
    // A file far too big to be a message file is left unread (and untouched).
    QFile huge(plugin(u"Huge.txt"_qs));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write("\"big\",#TRUE#\r\n");
    QVERIFY(huge.resize(65 * 1024 * 1024));
    huge.close();
    put(m_test->path(u"FileNames.txt"_qs), "\"../outside\",#TRUE#\r\n"
                                           "\"../goals\",#TRUE#\r\n"
                                           "\"" +
                                               m_test->path(u"outside"_qs).toUtf8() +
                                               "\",#TRUE#\r\n"
                                               "\"Huge\",#TRUE#\r\n"
                                               "\"Calm\",#TRUE#\r\n");
    MessagePool pool;
    QVERIFY(m_library->LoadMessagePool(pool));
    QCOMPARE(pooled(pool), QStringList{u"a"_qs});
    QVERIFY(!m_library->readMessageFile(u"Huge"_qs));
    QCOMPARE(QFileInfo(plugin(u"Huge.txt"_qs)).size(), 65 * 1024 * 1024);
}

void tst_MessageLibrary::readsFilesOthersWrote()
{
    // Typed one to a line in an old Windows editor; then with a byte-order mark.
    put(plugin(u"Old.txt"_qs), "Gr\xFC\xDF"
                               "e an alle\r\n\r\n\"\x93quoted\x94\",#FALSE#\r\nlast");
    put(plugin(u"Marked.txt"_qs), "\xEF\xBB\xBF\"Ja \xE2\x9C\x93\",#TRUE#\r\n");
    const QList<MessageRecord> old = {
        {u"Grüße an alle"_qs, true}, {u"\u201Cquoted\u201D"_qs, false}, {u"last"_qs, true}};
    QCOMPARE(m_library->readMessageFile(u"Old"_qs), std::optional(old));
    QCOMPARE(m_library->readMessageFile(u"Marked"_qs),
             std::optional(QList<MessageRecord>{{u"Ja ✓"_qs, true}}));

    // Written back, they are in the record form, in UTF-8 without a mark.
    QVERIFY(m_library->writeMessageFile(u"Old"_qs, old));
    QCOMPARE(contents(plugin(u"Old.txt"_qs)), QByteArray("\"Gr\xC3\xBC\xC3\x9F"
                                                         "e an alle\",#TRUE#\r\n"
                                                         "\"\xE2\x80\x9Cquoted\xE2\x80\x9D\","
                                                         "#FALSE#\r\n\"last\",#TRUE#\r\n"));
}

QTEST_GUILESS_MAIN(tst_MessageLibrary)
#include "tst_messagelibrary.moc"
