// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program that puts a window on the screen: the baseline that the
// program's start-up time and idle memory are set beside. Built with the same compiler,
// flags and Qt as the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt Widgets"));
    window.resize(640, 480);
    window.show();
    return application.exec();
}
