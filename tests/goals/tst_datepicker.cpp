// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestWidgets.h"
#include "goals/DatePicker.h"

#include <QComboBox>
#include <QLocale>
#include <QTest>

class tst_DatePicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsOnlyRealDates_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<bool>("byKey"); // an arrow key in the month list, else setValue
        QTest::addColumn<QDate>("value");
        QTest::addColumn<int>("announcements"); // 0: refused, the shown date stays

        // A pick that pulls the day back to the month's last: the correction, then the pick.
        QTest::newRow("pick February 2007")
            << QDate(2007, 1, 31) << true << QDate(2007, 2, 28) << 2;
        QTest::newRow("pick February 2008")
            << QDate(2008, 1, 31) << true << QDate(2008, 2, 29) << 2;
        for (const int month : {4, 6, 9, 11}) // every month of 30 days
            QTest::addRow("pick %d", month)
                << QDate(2026, month - 1, 31) << true << QDate(2026, month, 30) << 2;
        // setValue picks the year, the month and the day in turn.
        QTest::newRow("31 January over February")
            << QDate(2007, 2, 28) << false << QDate(2007, 1, 31) << 3;
        QTest::newRow("leap day over 2007")
            << QDate(2007, 2, 28) << false << QDate(2008, 2, 29) << 3;
        QTest::newRow("2007 over a leap day")
            << QDate(2008, 2, 29) << false << QDate(2007, 3, 31) << 4;
        QTest::newRow("1979") << QDate(2026, 3, 31) << false << QDate(1979, 12, 31) << 0;
        QTest::newRow("2100") << QDate(2026, 3, 31) << false << QDate(2100, 1, 1) << 0;
    }

    void showsOnlyRealDates()
    {
        QFETCH(QDate, shown);
        QFETCH(bool, byKey);
        QFETCH(QDate, value);
        QFETCH(int, announcements);
        DatePicker picker(shown);
        picker.show();
        QList<QDate> announced;
        connect(&picker, &DatePicker::DateChanged, this, [&] { announced << picker.Value(); });
        if (byKey) {
            auto* month = child<QComboBox>(&picker, "cboMonth");
            month->setFocus();
            QTest::keyClick(month, Qt::Key_Down);
        } else {
            QCOMPARE(picker.setValue(value), announcements > 0);
        }
        QCOMPARE(picker.Value(), announcements > 0 ? value : shown);
        QCOMPARE(announced.size(), announcements);
        // Each announcement comes once the date is whole again.
        QVERIFY(!announced.contains(QDate()));
    }

    void monthsFollowNoLanguage()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        DatePicker picker(QDate(2026, 9, 30)); // the longest month name
        QLocale::setDefault(before);
        QCOMPARE(child<QComboBox>(&picker, "cboMonth")->currentText(), u"September"_qs);
    }
};

QTEST_MAIN(tst_DatePicker)
#include "tst_datepicker.moc"
