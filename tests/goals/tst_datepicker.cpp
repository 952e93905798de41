#include "goals/DatePicker.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

namespace {

QComboBox* box(DatePicker& picker, const char* name)
{
    return picker.findChild<QComboBox*>(QLatin1String(name));
}

// A pick as the user makes it: the list has the focus and an arrow key moves its choice.
void pickNext(QComboBox* list)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
}

} // namespace

class tst_DatePicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsAtToday_data();
    void startsAtToday();
    void pickedMonthPullsTheDayBack_data();
    void pickedMonthPullsTheDayBack();
    void dayThatTheMonthHasNeedsNoCorrection();
    void valueShowsExactlyTheDateGiven_data();
    void valueShowsExactlyTheDateGiven();
    void datesOutsideItsYearsAreRefused_data();
    void datesOutsideItsYearsAreRefused();
    void listsDoNotFollowTheSystemLanguage();
    void enabledGreysAllThreeLists();
    void keepsItsOwnSize();
};

void tst_DatePicker::startsAtToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("today") << QDate(2026, 3, 3) << QDate(2026, 3, 3);
    QTest::newRow("leap day") << QDate(2008, 2, 29) << QDate(2008, 2, 29);
    QTest::newRow("before its years") << QDate(1970, 6, 15) << QDate(1980, 6, 15);
    QTest::newRow("leap day after its years") << QDate(2104, 2, 29) << QDate(2099, 2, 28);
}

void tst_DatePicker::startsAtToday()
{
    QFETCH(QDate, today);
    DatePicker picker(today);
    QTEST(picker.Value(), "shown");
    QCOMPARE(box(picker, "cboDate")->count(), 31);
    QCOMPARE(box(picker, "cboYear")->count(), 120);
    QCOMPARE(box(picker, "cboYear")->itemText(119), u"2099"_qs);
}

void tst_DatePicker::pickedMonthPullsTheDayBack_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("picked");
    QTest::newRow("February 2007") << QDate(2007, 1, 31) << QDate(2007, 2, 28);
    QTest::newRow("February 2008") << QDate(2008, 1, 31) << QDate(2008, 2, 29);
    QTest::newRow("February 2000") << QDate(2000, 1, 30) << QDate(2000, 2, 29);
    QTest::newRow("April") << QDate(2026, 3, 31) << QDate(2026, 4, 30);
    QTest::newRow("November") << QDate(2026, 10, 31) << QDate(2026, 11, 30);
}

void tst_DatePicker::pickedMonthPullsTheDayBack()
{
    QFETCH(QDate, shown);
    DatePicker picker(QDate(2026, 3, 3));
    QVERIFY(picker.setValue(shown));
    picker.show();
    QSignalSpy changed(&picker, &DatePicker::DateChanged);
    // Each announcement comes once the date is whole again.
    QList<QDate> announced;
    connect(&picker, &DatePicker::DateChanged, this, [&] { announced << picker.Value(); });

    pickNext(box(picker, "cboMonth"));
    QTEST(picker.Value(), "picked");
    // Once for the correction of the day, once for the pick of the month.
    QCOMPARE(changed.count(), 2);
    QFETCH(QDate, picked);
    QCOMPARE(announced, (QList<QDate>{picked, picked}));
}

void tst_DatePicker::dayThatTheMonthHasNeedsNoCorrection()
{
    DatePicker picker(QDate(2026, 5, 30));
    picker.show();
    QSignalSpy changed(&picker, &DatePicker::DateChanged);
    pickNext(box(picker, "cboDate"));
    QCOMPARE(picker.Value(), QDate(2026, 5, 31));
    QCOMPARE(changed.count(), 1);
}

void tst_DatePicker::valueShowsExactlyTheDateGiven_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("value");
    QTest::addColumn<int>("announcements");
    QTest::newRow("31 January over February") << QDate(2007, 2, 28) << QDate(2007, 1, 31) << 3;
    QTest::newRow("leap day over 2007") << QDate(2007, 2, 28) << QDate(2008, 2, 29) << 3;
    // The year comes first: 29 February 2008 to 2007 pulls the day back on the way.
    QTest::newRow("2007 over a leap day") << QDate(2008, 2, 29) << QDate(2007, 3, 31) << 4;
    QTest::newRow("last day it offers") << QDate(2026, 3, 3) << QDate(2099, 6, 15) << 3;
    QTest::newRow("first day it offers") << QDate(2026, 3, 3) << QDate(1980, 1, 1) << 3;
    QTest::newRow("the same date") << QDate(2026, 3, 3) << QDate(2026, 3, 3) << 3;
}

void tst_DatePicker::valueShowsExactlyTheDateGiven()
{
    QFETCH(QDate, shown);
    QFETCH(QDate, value);
    DatePicker picker(shown);
    QSignalSpy changed(&picker, &DatePicker::DateChanged);
    // A time of day is no part of the value.
    QVERIFY(picker.setValue(QDateTime(value, QTime(23, 59)).date()));
    QCOMPARE(picker.Value(), value);
    QTEST(int(changed.count()), "announcements");
}

void tst_DatePicker::datesOutsideItsYearsAreRefused_data()
{
    QTest::addColumn<QDate>("value");
    QTest::newRow("1979") << QDate(1979, 12, 31);
    QTest::newRow("2100") << QDate(2100, 1, 1);
    QTest::newRow("no date") << QDate();
}

void tst_DatePicker::datesOutsideItsYearsAreRefused()
{
    QFETCH(QDate, value);
    DatePicker picker(QDate(2026, 3, 31));
    QSignalSpy changed(&picker, &DatePicker::DateChanged);
    QVERIFY(!picker.setValue(value));
    QCOMPARE(picker.Value(), QDate(2026, 3, 31));
    QCOMPARE(changed.count(), 0);
}

void tst_DatePicker::listsDoNotFollowTheSystemLanguage()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DatePicker picker(QDate(2026, 3, 3));
    QLocale::setDefault(before);
    QComboBox* months = box(picker, "cboMonth");
    QCOMPARE(months->count(), 12);
    QCOMPARE(months->itemText(0), u"January"_qs);
    QCOMPARE(months->itemText(11), u"December"_qs);
    QCOMPARE(box(picker, "cboYear")->currentText(), u"2026"_qs);
    QVERIFY(picker.setValue(QDate(2026, 12, 1)));
    QCOMPARE(picker.Value(), QDate(2026, 12, 1));
}

void tst_DatePicker::enabledGreysAllThreeLists()
{
    DatePicker picker(QDate(2026, 3, 3));
    const QList<QComboBox*> lists = picker.findChildren<QComboBox*>();
    QCOMPARE(lists.size(), 3);
    QVERIFY(picker.isEnabled());
    picker.setEnabled(false);
    QVERIFY(!picker.isEnabled());
    for (QComboBox* list : lists)
        QVERIFY(!list->isEnabled());
    picker.setEnabled(true);
    QVERIFY(picker.isEnabled());
    for (QComboBox* list : lists)
        QVERIFY(list->isEnabled());
}

void tst_DatePicker::keepsItsOwnSize()
{
    DatePicker picker(QDate(2026, 9, 30)); // the longest month name
    const QSize size = picker.size();
    QVERIFY(size.width() >= 213 && size.height() >= 27);
    picker.resize(600, 200);
    QCOMPARE(picker.size(), size);
    // A larger font makes room for itself.
    QFont large = picker.font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    picker.setFont(large);
    QVERIFY(picker.width() > size.width());
    picker.show();
    for (QComboBox* list : picker.findChildren<QComboBox*>()) {
        QVERIFY2(list->width() >= list->sizeHint().expandedTo(list->minimumSizeHint()).width(),
                 qPrintable(list->objectName()));
        QVERIFY(picker.rect().contains(list->geometry()));
    }
}

QTEST_MAIN(tst_DatePicker)
#include "tst_datepicker.moc"
