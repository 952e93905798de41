#include "TestServices.h"
#include "display/FlashPlanner.h"

#include <QTest>

class tst_FlashPlanner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void asWrittenRunsThroughThePoolAndWraps();
    void randomRoundsHalvesToEven_data();
    void randomRoundsHalvesToEven();
    void randomEndsComeHalfAsOften();
    void placement();
};

void tst_FlashPlanner::asWrittenRunsThroughThePoolAndWraps()
{
    ScriptedRandom random;
    qint32 index = 0;
    QList<qsizetype> shown;
    for (int i = 0; i < 7; ++i)
        shown << *FlashPlanner::nextIndex(3, false, index, random);
    QCOMPARE(shown, (QList<qsizetype>{0, 1, 2, 0, 1, 2, 0}));
    QCOMPARE(index, 1);
    QCOMPARE(random.drawn(), 0); // no draw in written order

    // A pool that became shorter starts again at its first message.
    for (const qint32 outside : {5, -4}) {
        index = outside;
        QCOMPARE(FlashPlanner::nextIndex(3, false, index, random), std::optional<qsizetype>(0));
        QCOMPARE(index, 1);
    }
    QVERIFY(!FlashPlanner::nextIndex(0, false, index, random));
}

void tst_FlashPlanner::randomRoundsHalvesToEven_data()
{
    QTest::addColumn<int>("poolSize");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("index");
    QTest::newRow("two, half") << 2 << 0.5f << 0;
    QTest::newRow("two, above half") << 2 << 0.5000001f << 1;
    QTest::newRow("five, 2.5 to even") << 5 << 0.625f << 2;
    QTest::newRow("five, top") << 5 << 0.9999999f << 4;
}

void tst_FlashPlanner::randomRoundsHalvesToEven()
{
    QFETCH(int, poolSize);
    QFETCH(float, r);
    QFETCH(int, index);
    ScriptedRandom random;
    random.push({r});
    qint32 written = 7;
    QCOMPARE(FlashPlanner::nextIndex(poolSize, true, written, random),
             std::optional<qsizetype>(index));
    QCOMPARE(written, 7); // the written-order position is neither read nor changed
}

void tst_FlashPlanner::randomEndsComeHalfAsOften()
{
    RandomSource random;
    QList<int> counts(5, 0);
    qint32 unused = 0;
    const int draws = 400000;
    for (int i = 0; i < draws; ++i)
        ++counts[*FlashPlanner::nextIndex(5, true, unused, random)];
    // Positions 0 and 4 each take an eighth, 1 to 3 a quarter.
    const int share[5] = {8, 4, 4, 4, 8};
    for (int position = 0; position < 5; ++position)
        QVERIFY(qAbs(counts[position] - draws / share[position]) < draws / 100);
}

void tst_FlashPlanner::placement()
{
    // The primary screen lies right of another one and lower.
    const QRect screen(1920, 100, 1280, 800);
    ScriptedRandom random;
    // Centred: the room left on each side, rounded down; no draw.
    QCOMPARE(FlashPlanner::place(QSize(200, 30), screen, false, random), QPoint(2460, 485));
    QCOMPARE(FlashPlanner::place(QSize(201, 31), screen, false, random), QPoint(2459, 484));
    QCOMPARE(random.drawn(), 0);

    // At random: top is drawn first, then left.
    random.push({0.5f, 0.25f});
    QCOMPARE(FlashPlanner::place(QSize(280, 40), screen, true, random), QPoint(2170, 480));
    // The highest draws still leave a text that fits wholly on the screen.
    random.push({0.9999999f, 0.9999999f});
    const QPoint corner = FlashPlanner::place(QSize(900, 40), screen, true, random);
    QVERIFY(screen.contains(QRect(corner, QSize(900, 40))));
}

QTEST_GUILESS_MAIN(tst_FlashPlanner)
#include "tst_flashplanner.moc"
