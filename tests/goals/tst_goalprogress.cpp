#include "goals/GoalProgress.h"

#include <QTest>

namespace {

QString sentence(const QString& expected, int actual)
{
    return u"You should have achieved "_qs + expected + u"%. You have actually achieved "_qs +
           QString::number(actual) + u"%"_qs;
}

} // namespace

class tst_GoalProgress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readOut_data();
    void readOut();
    void expectedFigure_data();
    void expectedFigure();
};

void tst_GoalProgress::readOut_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("boxInUse");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("daysRemaining");
    QTest::addColumn<QString>("info");

    const QDate first(2008, 3, 1);
    const QDate eighth(2008, 3, 8);
    const QString future = u"Your goal starting date has been set for the future"_qs;
    QTest::newRow("third day") << first << eighth << QDate(2008, 3, 3) << 20 << true << u"."_qs
                               << u"5"_qs << sentence(u"28.57"_qs, 20);
    QTest::newRow("three days late") << first << eighth << QDate(2008, 3, 11) << 20 << true
                                     << u"."_qs << u"-3"_qs << sentence(u"142.86"_qs, 20);
    QTest::newRow("starting day") << first << eighth << first << 0 << true << u"."_qs << u"7"_qs
                                  << sentence(u"0"_qs, 0);
    QTest::newRow("ending day") << first << eighth << eighth << 100 << true << u"."_qs << u"0"_qs
                                << sentence(u"100"_qs, 100);
    QTest::newRow("user's separator") << first << eighth << QDate(2008, 3, 3) << 20 << true
                                      << u","_qs << u"5"_qs << sentence(u"28,57"_qs, 20);
    QTest::newRow("box not in use") << first << eighth << QDate(2008, 3, 3) << 20 << false
                                    << u"."_qs << QString() << sentence(u"28.57"_qs, 20);
    QTest::newRow("future start") << first << eighth << QDate(2008, 2, 29) << 20 << true << u"."_qs
                                  << QString() << future;
    QTest::newRow("one-day goal") << first << first << first << 20 << true << u"."_qs << QString()
                                  << QString();
    QTest::newRow("end first") << eighth << first << QDate(2008, 3, 9) << 20 << true << u"."_qs
                               << QString() << QString();
    // Beyond what 16 bits hold: the figures are still right.
    QTest::newRow("the whole picker range")
        << QDate(1980, 1, 1) << QDate(2099, 12, 31) << QDate(2026, 3, 3) << 40 << true << u"."_qs
        << u"26966"_qs << sentence(u"38.47"_qs, 40);
}

void tst_GoalProgress::readOut()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QDate, today);
    QFETCH(int, percent);
    QFETCH(bool, boxInUse);
    QFETCH(QString, separator);
    const GoalProgress::Texts texts =
        GoalProgress::progress(start, end, today, percent, boxInUse, separator);
    QTEST(texts.daysRemaining, "daysRemaining");
    QTEST(texts.info, "info");
}

void tst_GoalProgress::expectedFigure_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<float>("rounded");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a third") << 3 << 1 << 33.33f << u"33.33"_qs;
    QTest::newRow("one place") << 8 << 1 << 12.5f << u"12.5"_qs;
    // Halves go away from zero, also where the single holds a hair less than the half.
    QTest::newRow("exact half") << 800 << 1 << 0.13f << u"0.13"_qs;
    QTest::newRow("half held low") << 8000 << 14 << 0.18f << u"0.18"_qs;
    QTest::newRow("below a hundredth") << 30000 << 1 << 0.0f << u"0"_qs;
    QTest::newRow("whole and large") << 1 << 32767 << 3276700.0f << u"3276700"_qs;
    QTest::newRow("past ten million") << 1 << 200000 << 20000000.0f << u"20000000"_qs;
}

void tst_GoalProgress::expectedFigure()
{
    QFETCH(int, total);
    QFETCH(int, elapsed);
    const float rounded = GoalProgress::expectedPercent(total, elapsed);
    QTEST(rounded, "rounded");
    QTEST(GoalProgress::formatPercent(rounded, u"."_qs), "shown");
}

QTEST_GUILESS_MAIN(tst_GoalProgress)
#include "tst_goalprogress.moc"
