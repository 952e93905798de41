// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemActions.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "library/MessageLibrary.h"
#include "library/MessagePool.h"

#include <QFile>
#include <QTest>

class tst_MessageLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestServices>();
        m_library = std::make_unique<MessageLibrary>(m_test->dataFolder());
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
        put(u"plugins/First.txt"_qs, "\"one\",#TRUE#\r\n\"off\",#FALSE#\r\n\"\",#TRUE#\r\n"
                                     "\"He said \"yes\", twice\",#TRUE#\r\n");
        put(u"plugins/Second.txt"_qs, "\"two\",#TRUE#\r\n\"two\",#TRUE#\r\n");
        put(u"plugins/Unchecked.txt"_qs, "\"never\",#TRUE#\r\n");
        put(u"plugins/Empty.txt"_qs, "");
        const QByteArray awkward = SystemActions::awkwardFileName().toUtf8(); // named outside
        put(u"plugins/"_qs + QString::fromUtf8(awkward) + u".txt"_qs, "\"three\",#TRUE#\r\n");
        put(u"FileNames.txt"_qs,
            "\"Second\",#TRUE#\r\n\"Missing\",#TRUE#\r\n\"Unchecked\",#FALSE#\r\n"
            "\"\",#TRUE#\r\n\"Empty\",#TRUE#\r\n\"First\",#TRUE#\r\n"
            "\"" +
                awkward + "\",#TRUE#\r\n");
        QCOMPARE(pool(), (QStringList{u"two"_qs, u"two"_qs, u"one"_qs, u"He said \"yes\", twice"_qs,
                                      u"three"_qs}));

        // At every load the pool is rebuilt: messages unchecked or deleted since go, and of a
        // file named twice the later entry counts.
        put(u"plugins/Second.txt"_qs, "\"two\",#FALSE#\r\n\"three\",#TRUE#\r\n");
        put(u"FileNames.txt"_qs, "\"Second\",#FALSE#\r\n\"Second\",#TRUE#\r\n");
        QCOMPARE(pool(), QStringList{u"three"_qs});

        // An empty index gives an empty pool; none leaves it alone.
        put(u"FileNames.txt"_qs, "");
        QCOMPARE(pool(), QStringList());
        QVERIFY(QFile::remove(m_test->path(u"FileNames.txt"_qs)));
        QCOMPARE(pool(), (QStringList{u"<no index>"_qs, u"left from before"_qs}));
    }

    void poolSkipsWhatItCannotOrMustNotRead()
    {
        put(u"outside.txt"_qs, "\"from outside\",#TRUE#\r\n");
        put(u"goals.txt"_qs, "\"a goal\",#2026-01-01#,#2026-02-01#,\"\",#FALSE#,0\r\n");
        put(u"plugins/Calm.txt"_qs, "\"a\",#TRUE#\r\n");
        // Something far larger than any message file (sparse: it costs no disk).
        put(u"plugins/Huge.txt"_qs, "\"huge\",#TRUE#\r\n");
        QVERIFY(QFile::resize(m_test->path(u"plugins/Huge.txt"_qs), 65 << 20));
        put(u"FileNames.txt"_qs, "\"../outside\",#TRUE#\r\n\"../goals\",#TRUE#\r\n\"" +
                                     m_test->path(u"outside"_qs).toUtf8() +
                                     "\",#TRUE#\r\n\"Calm\",#TRUE#\r\n\"Huge\",#TRUE#\r\n");
        QCOMPARE(pool(), QStringList{u"a"_qs});
    }

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<MessageLibrary> m_library;

    void put(const QString& relative, const QByteArray& bytes) const
    {
        writeFile(m_test->path(relative), bytes);
    }

    QStringList pool() const
    {
        MessagePool pool;
        pool.append(u"left from before"_qs);
        // A rebuilt pool holds nothing from before; one without an index is left as it was.
        const bool loaded = m_library->LoadMessagePool(pool);
        return (loaded ? QStringList() : QStringList{u"<no index>"_qs}) + pool.messages();
    }
};

QTEST_GUILESS_MAIN(tst_MessageLibrary)
#include "tst_messagelibrary.moc"
