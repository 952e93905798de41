// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestServices.h"
#include "display/FlashPlanner.h"
#include "display/FlashWindow.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

const QRect screen(0, 0, 1280, 800);

QFont messageFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(20);
    font.setBold(true);
    return font;
}

} // namespace

// The choice of the next message and of its place, and the window that shows it
// (tst_flashgate drives the scheduler between them).
class tst_Display : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nextMessageInEitherOrder()
    {
        ScriptedRandom random;
        qint32 index = 0;
        QList<qsizetype> shown;
        for (int i = 0; i < 7; ++i)
            shown << *FlashPlanner::nextIndex(3, false, index, random);
        QCOMPARE(shown, (QList<qsizetype>{0, 1, 2, 0, 1, 2, 0}));
        QCOMPARE(random.drawn(), 0); // no draw in written order

        // A pool that became shorter starts again at its first message.
        for (const qint32 outside : {5, -4}) {
            index = outside;
            QCOMPARE(FlashPlanner::nextIndex(3, false, index, random), std::optional<qsizetype>(0));
            QCOMPARE(index, 1);
        }
        QVERIFY(!FlashPlanner::nextIndex(0, false, index, random));

        // At random: the draw times the highest index, rounded with halves to even; the
        // written-order position is neither read nor changed.
        for (const auto& [poolSize, r, expected] :
             {std::tuple{2, 0.5f, 0}, {2, 0.5000001f, 1}, {5, 0.625f, 2}, {5, 0.9999999f, 4}}) {
            random.push({r});
            QCOMPARE(FlashPlanner::nextIndex(poolSize, true, index, random),
                     std::optional<qsizetype>(expected));
        }
        QCOMPARE(index, 1);
    }

    void randomEndsComeHalfAsOften()
    {
        RandomSource random;
        QList<int> counts(5, 0);
        qint32 unused = 0;
        const int draws = 400000;
        for (int i = 0; i < draws; ++i)
            ++counts[*FlashPlanner::nextIndex(5, true, unused, random)];
        // Positions 0 and 4 each take an eighth, 1 to 3 a quarter.
        const int share[5] = {8, 4, 4, 4, 8};
        for (int position = 0; position < 5; ++position)
            QVERIFY(qAbs(counts[position] - draws / share[position]) < draws / 100);
    }

    void placement()
    {
        // The primary screen lies right of another one and lower.
        const QRect screen(1920, 100, 1280, 800);
        ScriptedRandom random;
        // Centred: the room left on each side, rounded down; no draw.
        QCOMPARE(FlashPlanner::place(QSize(200, 30), screen, false, random), QPoint(2460, 485));
        QCOMPARE(FlashPlanner::place(QSize(201, 31), screen, false, random), QPoint(2459, 484));
        QCOMPARE(random.drawn(), 0);

        // At random: top is drawn first, then left (tst_flashgate puts the highest draws in
        // the far corner of a screen).
        random.push({0.5f, 0.25f});
        QCOMPARE(FlashPlanner::place(QSize(280, 40), screen, true, random), QPoint(2170, 480));
    }

    void showsOnlyTheLettersInAnyColour_data()
    {
        QTest::addColumn<FlashWindow::Kind>("kind");
        QTest::addColumn<QColor>("color");
        for (const auto kind : {FlashWindow::Kind::Shaped, FlashWindow::Kind::Translucent}) {
            const char* name = kind == FlashWindow::Kind::Shaped ? "shaped" : "translucent";
            QTest::addRow("%s, dark red", name) << kind << QColor(Qt::darkRed);
            QTest::addRow("%s, white", name) << kind << QColor(Qt::white);
        }
    }

    void showsOnlyTheLettersInAnyColour()
    {
        QFETCH(FlashWindow::Kind, kind);
        QFETCH(QColor, color);

        // Either kind of window exists before the first message is prepared.
        FlashWindow::Kind asked = kind;
        FlashWindow flash([&] { return asked; });
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([](const QWidget* window) { return window->internalWinId() == 0; });
        QCOMPARE(windows.size(), 2);

        const QString text = QStringLiteral("I am calm");
        QVERIFY(flash.prepare(text, messageFont(), color, QPoint(100, 200), screen));
        QWidget* window = flash.window();
        QCOMPARE(window->geometry(),
                 QRect(QPoint(100, 200), FlashWindow::textSize(text, messageFont())));

        // Only the letters are part of the window, in the text colour: the shape holds the
        // pixels that are drawn, and a translucent window is clear everywhere else.
        const QImage pixels = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRegion shape = window->mask();
        int letters = 0, holes = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                const QRgb pixel = pixels.pixel(x, y);
                const bool translucent = kind == FlashWindow::Kind::Translucent;
                const bool drawn = translucent ? qAlpha(pixel) > 0 : shape.contains(QPoint(x, y));
                if (!translucent && drawn)
                    QCOMPARE(QColor(pixel), color); // no half-covered pixels in a shape
                letters += qAlpha(pixel) == 255 && QColor(pixel) == color && drawn;
                holes += !drawn;
            }
        }
        QVERIFY(letters > 50);
        QVERIFY(holes > letters); // the background between and around the letters shows

        // The kind is asked for at every message: a compositor that started or stopped while
        // a message was up takes that message down before the next one goes up.
        flash.showFor(1000);
        asked = kind == FlashWindow::Kind::Shaped ? FlashWindow::Kind::Translucent
                                                  : FlashWindow::Kind::Shaped;
        // A message far wider than an X11 window can be is cut at the screen, quickly.
        const QString wide = QString(20000, QLatin1Char('W'));
        QElapsedTimer timer;
        timer.start();
        const QSize size = FlashWindow::textSize(wide, messageFont());
        QVERIFY(flash.prepare(wide, messageFont(), color,
                              QPoint((screen.width() - size.width()) / 2, 300), screen));
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!window->isVisible());
        QVERIFY(flash.window() != window);
        QCOMPARE(flash.window()->geometry(), QRect(0, 300, screen.width(), size.height()));
    }
};

QTEST_MAIN(tst_Display)
#include "tst_display.moc"
