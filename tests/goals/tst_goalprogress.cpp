// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/GoalProgress.h"

#include <QTest>

class tst_GoalProgress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readOut()
    {
        // Days remaining, then the sentence, 1 to 8 March at "20" (tst_goaleditor reads the
        // worked example, 3 and 11 March, off the editor).
        const auto readOut = [](QDate start, QDate end, QDate today, int percent = 20) {
            const GoalProgress::Texts texts =
                GoalProgress::progress(start, end, today, percent, true, u"."_qs);
            return QStringList{texts.daysRemaining, texts.info};
        };
        const auto sentence = [](const QString& expected, int actual) {
            return u"You should have achieved "_qs + expected +
                   u"%. You have actually achieved "_qs + QString::number(actual) + u"%"_qs;
        };
        const QDate first(2008, 3, 1);
        const QDate eighth(2008, 3, 8);
        QCOMPARE(readOut(first, eighth, first, 0), (QStringList{u"7"_qs, sentence(u"0"_qs, 0)}));
        QCOMPARE(readOut(first, eighth, eighth, 100),
                 (QStringList{u"0"_qs, sentence(u"100"_qs, 100)}));
        QCOMPARE(
            readOut(first, eighth, QDate(2008, 2, 29)),
            (QStringList{QString(), u"Your goal starting date has been set for the future"_qs}));
        // No days to share out: nothing to say.
        QCOMPARE(readOut(first, first, first), (QStringList{QString(), QString()}));
        // Beyond what 16 bits hold: the figures are still right.
        QCOMPARE(readOut(QDate(1980, 1, 1), QDate(2099, 12, 31), QDate(2026, 3, 3), 40),
                 (QStringList{u"26966"_qs, sentence(u"38.47"_qs, 40)}));
    }

    void expectedFigure_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<float>("rounded");
        QTest::addColumn<QString>("shown");

        QTest::newRow("one place") << 8 << 1 << 12.5f << u"12.5"_qs;
        // Halves go away from zero, also where the single holds a hair less than the half.
        QTest::newRow("exact half") << 800 << 1 << 0.13f << u"0.13"_qs;
        QTest::newRow("half held low") << 8000 << 14 << 0.18f << u"0.18"_qs;
        QTest::newRow("past ten million") << 1 << 200000 << 20000000.0f << u"20000000"_qs;
    }

    void expectedFigure()
    {
        QFETCH(int, total);
        QFETCH(int, elapsed);
        const float rounded = GoalProgress::expectedPercent(total, elapsed);
        QTEST(rounded, "rounded");
        QTEST(GoalProgress::formatPercent(rounded, u"."_qs), "shown");
    }
};

QTEST_GUILESS_MAIN(tst_GoalProgress)
#include "tst_goalprogress.moc"
