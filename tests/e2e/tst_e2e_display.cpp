#include "FlashObserver.h"
#include "XServer.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <X11/Xlib.h>
#include <algorithm>

using namespace std::chrono_literals;

namespace {

const QString flashCaption = QStringLiteral("Zorvan Subliminal Message Software v1.45");

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

// The real program flashing messages on an X server of the test's own, watched from
// outside.
class tst_E2eDisplay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void resumedDisplayFlashesAtTheCentreWithoutTakingFocus();

private:
    std::unique_ptr<XServer> m_server;
};

void tst_E2eDisplay::initTestCase()
{
    m_server = std::make_unique<XServer>(QSize(1280, 800));
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->problem()));
}

void tst_E2eDisplay::resumedDisplayFlashesAtTheCentreWithoutTakingFocus()
{
    ProgramUnderTest program(*m_server);
    QDir(program.dataFolder()).mkpath(u"plugins"_qs);
    QFile messages(program.dataFolder() + u"/plugins/Calm.txt"_qs);
    QVERIFY(messages.open(QIODevice::WriteOnly));
    messages.write("\"I am calm\",#TRUE#\r\n\"I am strong\",#TRUE#\r\n");
    messages.close();
    QFile index(program.dataFolder() + u"/FileNames.txt"_qs);
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("\"Calm\",#TRUE#\r\n");
    index.close();
    // The display was running at the last exit: interval "2", duration "200", centred.
    program.storeSetting(u"AutoDisplay"_qs, u"True"_qs);
    program.storeSetting(u"DispInterval"_qs, u"0"_qs);
    program.storeSetting(u"DispDuration"_qs, u"7"_qs);
    program.storeSetting(u"RandomLocation"_qs, u"1"_qs);
    program.storeSetting(u"FontSize"_qs, u"24"_qs);

    FlashObserver observer(m_server->displayName());
    QVERIFY(observer.isWatching());
    const double started = FlashObserver::now();
    program.start();
    QVERIFY(XServer::waitFor(
        [&] {
            return !m_server->viewableWindowsNamed(ProgramUnderTest::mainWindowCaption()).isEmpty();
        },
        10s));

    // The user works in another window, which has the keyboard.
    Display* display = m_server->display();
    const Window work =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 300, 200, 0, 0, 0xFFFFFF);
    XMapWindow(display, work);
    XSync(display, False);
    QVERIFY(XServer::waitFor(
        [&] {
            XSetInputFocus(display, work, RevertToParent, CurrentTime);
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(display, &focus, &revert);
            return focus == work;
        },
        2s));

    bool focusKept = true;
    QVERIFY(XServer::waitFor(
        [&] {
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(display, &focus, &revert);
            focusKept = focusKept && focus == work;
            return observer.flashesNamed(flashCaption).size() >= 3;
        },
        15s));
    QVERIFY(focusKept);

    const QList<FlashObserver::Flash> flashes = observer.flashesNamed(flashCaption);
    // The first message comes one interval after the start, not at once.
    QVERIFY(flashes.first().mappedAt - started > 1900);
    QList<double> shown, gaps;
    for (qsizetype i = 0; i < flashes.size(); ++i) {
        const FlashObserver::Flash& flash = flashes[i];
        QVERIFY(flash.overrideRedirect);
        QVERIFY2(qAbs(flash.geometry.center().x() - 640) <= 1 &&
                     qAbs(flash.geometry.center().y() - 400) <= 1,
                 qPrintable(QStringLiteral("flash at %1,%2 %3x%4")
                                .arg(flash.geometry.x())
                                .arg(flash.geometry.y())
                                .arg(flash.geometry.width())
                                .arg(flash.geometry.height())));
        shown << flash.shownMs();
        if (i > 0)
            gaps << flash.mappedAt - flashes[i - 1].unmappedAt;
    }
    qInfo("shown %.1f ms, gap %.1f ms (medians)", median(shown), median(gaps));
    // Loose bounds: a busy test machine delays timers. The figures the program reaches
    // on a quiet one are measured separately and reported in the README.
    QVERIFY2(median(shown) >= 199 && median(shown) < 250,
             qPrintable(QString::number(median(shown))));
    QVERIFY2(median(gaps) >= 1999 && median(gaps) < 2100,
             qPrintable(QString::number(median(gaps))));
    XDestroyWindow(display, work);
}

QTEST_GUILESS_MAIN(tst_E2eDisplay)
#include "tst_e2e_display.moc"
