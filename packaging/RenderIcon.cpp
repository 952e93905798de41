// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's scalable icon as square PNG files for the icon theme:
//   RenderIcon <picture.svg> <output folder> <icon name> <size>...
// writes <output folder>/<size>x<size>/<icon name>.png for every size. Used while
// building, so that the bitmaps always match the picture they come from.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fputs("usage: RenderIcon <picture.svg> <output folder> <icon name> <size>...\n",
                   stderr);
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "RenderIcon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool isNumber = false;
        const int size = QByteArray(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "RenderIcon: %s is not a size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter);
        painter.end();

        const QString sizeFolder = folder + QStringLiteral("/%1x%1").arg(size);
        const QString file = sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(sizeFolder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "RenderIcon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
