#include "settings/TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTest>

class tst_TrayIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void iconStandsInForTheWindow_data();
    void iconStandsInForTheWindow();
};

void tst_TrayIcon::initTestCase()
{
    QPixmap image(16, 16);
    image.fill(Qt::darkRed);
    QApplication::setWindowIcon(QIcon(image));
}

void tst_TrayIcon::iconStandsInForTheWindow_data()
{
    QTest::addColumn<bool>("notificationArea");
    QTest::newRow("notification area") << true;
    QTest::newRow("no notification area") << false;
}

void tst_TrayIcon::iconStandsInForTheWindow()
{
    QFETCH(bool, notificationArea);
    QWidget window;
    QMenu menu;
    menu.setDefaultAction(menu.addAction(u"Show"_qs));
    menu.addAction(u"Exit"_qs);
    TrayIcon tray(window, menu, [&] { return notificationArea; });
    auto* icon = tray.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    window.show();
    QVERIFY(!icon->isVisible());

    tray.AddTrayIcon();
    QVERIFY(icon->isVisible());
    QVERIFY(tray.isAdded());
    QCOMPARE(icon->toolTip(), u"Recent"_qs);
    QCOMPARE(icon->icon().cacheKey(), window.windowIcon().cacheKey());
    QCOMPARE(icon->contextMenu(), &menu);
    // Hidden only where the icon can bring it back; else on the taskbar.
    QVERIFY(window.isMinimized());
    QCOMPARE(window.isVisible(), !notificationArea);

    // A single click, and the click that opens the menu, leave everything as it is.
    for (const auto reason :
         {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick}) {
        Q_EMIT icon->activated(reason);
        QVERIFY(window.isMinimized());
        QCOMPARE(window.isVisible(), !notificationArea);
        QVERIFY(icon->isVisible());
    }

    Q_EMIT icon->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QVERIFY(!icon->isVisible());
    QVERIFY(!tray.isAdded());

    // Again from a window that was never shown, as at a start with the session.
    QWidget unshown;
    TrayIcon unshownTray(unshown, menu, [&] { return notificationArea; });
    unshownTray.AddTrayIcon();
    QVERIFY(unshown.isMinimized());
    QCOMPARE(unshown.isVisible(), !notificationArea);
    unshownTray.mnuPop_Click();
    QVERIFY(unshown.isVisible());
    QVERIFY(!unshown.isMinimized());
    QVERIFY(!unshownTray.isAdded());
}

QTEST_MAIN(tst_TrayIcon)
#include "tst_trayicon.moc"
