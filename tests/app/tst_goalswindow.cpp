#include "TestServices.h"
#include "app/frmAll.h"
#include "platform/WebLinks.h"
#include "widgets/LinkLabel.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

// The goals page inside the main window: loaded at start-up, linked, and fitting.
class tst_GoalsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void goalsAreListedAtStartUp();
    void goalsPageFitsTheWindow();
};

void tst_GoalsWindow::goalsAreListedAtStartUp()
{
    TestServices test;
    test.clock.setToday(QDate(2026, 3, 3));
    const QByteArray goals = "\"Run\",#2026-03-01#,#2026-03-08#,\"\",#FALSE#,20\r\n"
                             "\"Swim\",#2026-03-01#,#2026-03-08#,\"\",#FALSE#,0\r\n";
    QFile file(test.path(u"goals.txt"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(goals);
    file.close();

    frmAll window(test.services(), nullptr);
    QVERIFY(window.Form_Load());
    auto* tabs = window.findChild<QTabWidget*>(u"UserControl1"_qs);
    QCOMPARE(tabs->currentIndex(), 0);
    auto* list = tabs->widget(0)->findChild<QTreeWidget*>(u"ListView1"_qs);
    QVERIFY(list);
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(window.findChild<QLineEdit*>(u"txtGoalName"_qs)->text(), u"Run"_qs);

    auto* link = window.findChild<LinkLabel*>(u"Label17"_qs);
    QVERIFY(link->text().contains(WebLinks::homePageShown()));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(test.web.opened, QList<QUrl>{WebLinks::homePage()});

    window.mnuExit_Click();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), goals);
}

void tst_GoalsWindow::goalsPageFitsTheWindow()
{
    TestServices test;
    frmAll window(test.services(), nullptr);
    QVERIFY(window.Form_Load());
    QVERIFY(window.centralWidget()->width() >= 558);
    QVERIFY(window.centralWidget()->height() >= 467);
    QWidget* page = window.findChild<QTabWidget*>(u"UserControl1"_qs)->widget(0);
    for (QWidget* control : page->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(page) || control->objectName().isEmpty())
            continue;
        QVERIFY2(control->size().expandedTo(control->minimumSizeHint()) == control->size(),
                 qPrintable(control->objectName()));
        QVERIFY2(page->rect().contains(QRect(control->mapTo(page, QPoint()), control->size())),
                 qPrintable(control->objectName()));
    }
}

QTEST_MAIN(tst_GoalsWindow)
#include "tst_goalswindow.moc"
