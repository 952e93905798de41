// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt program that flashes a window as the display does: every 2 s a frameless
// window that stays on top is shown, and hidden again after the duration given in ms. The
// baseline that the display's time on screen is set beside. Built with the same compiler,
// flags and Qt as the program. Like the program's, its window passes the window manager
// by on X11, so that both are measured on the same road to the screen.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int duration = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;
    QLabel window(QStringLiteral("I am calm and strong"));
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                          Qt::X11BypassWindowManagerHint);
    window.setWindowTitle(QStringLiteral("Bare Qt Flash"));
    QTimer interval, shown;
    for (QTimer* timer : {&interval, &shown}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    QObject::connect(&interval, &QTimer::timeout, [&] {
        window.show();
        shown.start(duration);
    });
    QObject::connect(&shown, &QTimer::timeout, [&] {
        window.hide();
        interval.start(2000);
    });
    interval.start(2000);
    return application.exec();
}
