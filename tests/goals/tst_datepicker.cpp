#include "TestWidgets.h"
#include "goals/DatePicker.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

class tst_DatePicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pickPullsTheDayBackToTheMonthsLast_data();
    void pickPullsTheDayBackToTheMonthsLast();
    void valueShowsExactlyTheDateGiven_data();
    void valueShowsExactlyTheDateGiven();
    void listsFollowNeitherLanguageNorFontSize();
};

void tst_DatePicker::pickPullsTheDayBackToTheMonthsLast_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<int>("announcements");
    // A correction is a pick of its own: two announcements.
    QTest::newRow("February 2007") << QDate(2007, 1, 31) << "cboMonth" << QDate(2007, 2, 28) << 2;
    QTest::newRow("February 2008") << QDate(2008, 1, 31) << "cboMonth" << QDate(2008, 2, 29) << 2;
    QTest::newRow("April") << QDate(2026, 3, 31) << "cboMonth" << QDate(2026, 4, 30) << 2;
}

void tst_DatePicker::pickPullsTheDayBackToTheMonthsLast()
{
    QFETCH(QDate, shown);
    QFETCH(QString, list);
    QFETCH(QDate, picked);
    QFETCH(int, announcements);
    DatePicker picker(shown);
    picker.show();
    // Each announcement comes once the date is whole again.
    QList<QDate> announced;
    connect(&picker, &DatePicker::DateChanged, this, [&] { announced << picker.Value(); });

    // A pick as the user makes it: an arrow key moves the list's choice.
    auto* box = child<QComboBox>(&picker, qPrintable(list));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(picker.Value(), picked);
    QCOMPARE(announced, QList<QDate>(announcements, picked));
}

void tst_DatePicker::valueShowsExactlyTheDateGiven_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("value");
    QTest::addColumn<int>("announcements"); // 0: refused, the shown date stays
    QTest::newRow("31 January over February") << QDate(2007, 2, 28) << QDate(2007, 1, 31) << 3;
    QTest::newRow("leap day over 2007") << QDate(2007, 2, 28) << QDate(2008, 2, 29) << 3;
    // The year comes first: 2007 pulls 29 February back on the way.
    QTest::newRow("2007 over a leap day") << QDate(2008, 2, 29) << QDate(2007, 3, 31) << 4;
    QTest::newRow("1979") << QDate(2026, 3, 31) << QDate(1979, 12, 31) << 0;
    QTest::newRow("2100") << QDate(2026, 3, 31) << QDate(2100, 1, 1) << 0;
}

void tst_DatePicker::valueShowsExactlyTheDateGiven()
{
    QFETCH(QDate, shown);
    QFETCH(QDate, value);
    QFETCH(int, announcements);
    DatePicker picker(shown);
    QSignalSpy changed(&picker, &DatePicker::DateChanged);
    QCOMPARE(picker.setValue(value), announcements > 0);
    QCOMPARE(picker.Value(), announcements > 0 ? value : shown);
    QCOMPARE(changed.count(), announcements);
}

void tst_DatePicker::listsFollowNeitherLanguageNorFontSize()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DatePicker picker(QDate(2026, 9, 30)); // the longest month name
    QLocale::setDefault(before);
    QCOMPARE(child<QComboBox>(&picker, "cboMonth")->currentText(), u"September"_qs);

    // Disabled, it greys all three lists.
    for (const bool enabled : {false, true}) {
        picker.setEnabled(enabled);
        for (QComboBox* list : picker.findChildren<QComboBox*>())
            QCOMPARE(list->isEnabled(), enabled);
    }

    // It keeps its size.
    const QSize size = picker.size();
    picker.resize(600, 200);
    QCOMPARE(picker.size(), size);
}

QTEST_MAIN(tst_DatePicker)
#include "tst_datepicker.moc"
