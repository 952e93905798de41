#include "XServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>

namespace {

QString windowName(Display* display, Window window)
{
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        name = QString::fromUtf8(reinterpret_cast<char*>(data), int(count));
        XFree(data);
    }
    if (name.isEmpty()) {
        char* plain = nullptr;
        if (XFetchName(display, window, &plain) && plain) {
            name = QString::fromLocal8Bit(plain);
            XFree(plain);
        }
    }
    return name;
}

qint64 windowPid(Display* display, Window window)
{
    const Atom netPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    qint64 pid = 0;
    if (XGetWindowProperty(display, window, netPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        if (count == 1 && format == 32)
            pid = qint64(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

std::optional<XWindow> describe(Display* display, Window window, bool topLevel)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return std::nullopt;
    int x = attributes.x, y = attributes.y;
    Window ignored = 0;
    if (!topLevel)
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &ignored);
    return XWindow{.id = window,
                   .name = windowName(display, window),
                   .geometry = QRect(x, y, attributes.width, attributes.height),
                   .viewable = attributes.map_state == IsViewable,
                   .overrideRedirect = attributes.override_redirect != 0,
                   .topLevel = topLevel,
                   .pid = windowPid(display, window)};
}

void collectWindows(Display* display, Window parent, bool topLevel, QList<XWindow>& windows)
{
    Window root = 0, ignored = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &ignored, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        if (const auto window = describe(display, children[i], topLevel))
            windows << *window;
        collectWindows(display, children[i], false, windows);
    }
    if (children)
        XFree(children);
}

} // namespace

XServer::XServer(QSize screen)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_problem = QStringLiteral("Xvfb is not installed (apt install xvfb)");
        return;
    }
    // -displayfd 1: Xvfb picks a free display and writes its number to our pipe.
    m_xvfb.start(xvfb,
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"),
                  QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                  QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    QByteArray number;
    QElapsedTimer timer;
    timer.start();
    while (!number.contains('\n') && timer.elapsed() < 10000 &&
           m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.waitForReadyRead(100);
        number += m_xvfb.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        m_problem = QStringLiteral("Xvfb did not start: ") +
                    QString::fromLocal8Bit(m_xvfb.readAllStandardError());
        return;
    }
    m_name = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    m_display = XOpenDisplay(m_name.toLocal8Bit().constData());
    if (!m_display)
        m_problem = QStringLiteral("cannot open display ") + m_name;
}

XServer::~XServer()
{
    for (QProcess* client : m_clients) {
        client->terminate();
        if (!client->waitForFinished(3000))
            client->kill();
        delete client;
    }
    if (m_display)
        XCloseDisplay(m_display);
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(3000);
    }
}

QList<XWindow> XServer::topLevelWindows() const
{
    QList<XWindow> windows;
    if (!m_display)
        return windows;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XSync(m_display, False);
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return windows;
    for (unsigned int i = 0; i < count; ++i) {
        if (const auto window = describe(m_display, children[i], true))
            windows << *window;
    }
    if (children)
        XFree(children);
    return windows;
}

QList<XWindow> XServer::windowsOf(qint64 pid) const
{
    QList<XWindow> all;
    if (!m_display)
        return all;
    // Windows come and go while the tree is walked; a vanished one is no error.
    const auto previousHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XSync(m_display, False);
    collectWindows(m_display, DefaultRootWindow(m_display), true, all);
    XSync(m_display, False);
    XSetErrorHandler(previousHandler);
    QList<XWindow> owned;
    for (const XWindow& window : all) {
        if (window.pid == pid)
            owned << window;
    }
    return owned;
}

bool XServer::startClient(const QString& program, const QStringList& arguments)
{
    auto* client = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_name);
    client->setProcessEnvironment(environment);
    client->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    client->setStandardOutputFile(QProcess::nullDevice());
    client->start(program, arguments);
    m_clients << client;
    return client->waitForStarted(5000);
}

bool XServer::hasNotificationArea() const
{
    if (!m_display)
        return false;
    const QByteArray selection =
        "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(m_display));
    return XGetSelectionOwner(m_display, XInternAtom(m_display, selection.constData(), False)) !=
           None;
}

bool XServer::hasWindowManager() const
{
    if (!m_display)
        return false;
    // A window manager that follows the desktop conventions names its check window on
    // the root window once it manages the screen.
    const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found =
        XGetWindowProperty(m_display, DefaultRootWindow(m_display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &data) == Success &&
        data && count == 1;
    if (data)
        XFree(data);
    return found;
}

void XServer::pressCloseBox(unsigned long window) const
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

int XServer::windowManagerState(unsigned long window) const
{
    const Atom wmState = XInternAtom(m_display, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int state = -1;
    if (XGetWindowProperty(m_display, window, wmState, 0, 2, False, wmState, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        if (count >= 1 && format == 32)
            state = int(*reinterpret_cast<long*>(data));
        XFree(data);
    }
    return state;
}

bool XServer::click(QPoint at, int button, int count) const
{
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_name);
    xdotool.setProcessEnvironment(environment);
    xdotool.start(QStringLiteral("xdotool"),
                  // No --sync: it waits for ever when the pointer is there already; the
                  // server takes the fake events in order all the same.
                  {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                   QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                   QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)});
    return xdotool.waitForFinished(5000) && xdotool.exitStatus() == QProcess::NormalExit &&
           xdotool.exitCode() == 0;
}

QList<XWindow> XServer::viewableWindowsNamed(const QString& name) const
{
    QList<XWindow> named;
    for (const XWindow& window : topLevelWindows()) {
        if (window.viewable && window.name == name)
            named << window;
    }
    return named;
}

bool XServer::waitFor(const std::function<bool()>& check, std::chrono::milliseconds timeout)
{
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > timeout.count())
            return false;
        QTest::qWait(10); // lets QProcess notice copies that ended
    }
    return true;
}

ProgramUnderTest::ProgramUnderTest(const XServer& server)
    : m_server(server)
{
    for (const char* folder : {"home", "config", "share", "runtime", "data"})
        QDir(m_root.path()).mkpath(QLatin1String(folder));
    QFile::setPermissions(m_root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

ProgramUnderTest::~ProgramUnderTest()
{
    for (QProcess* copy : m_copies) {
        if (copy->state() != QProcess::NotRunning) {
            copy->kill();
            copy->waitForFinished(3000);
        }
        delete copy;
    }
}

QProcessEnvironment ProgramUnderTest::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_server.displayName());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // The program's notification icon is to go where the test can see it, not to a
    // session bus outside the test.
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.insert(QStringLiteral("HOME"), m_root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_root.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_root.filePath(QStringLiteral("share")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       m_root.filePath(QStringLiteral("runtime")));
    return environment;
}

QProcess* ProgramUnderTest::start(const QStringList& arguments)
{
    auto* copy = new QProcess;
    copy->setProcessEnvironment(environment());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(QStringLiteral(ZORVAN_EXECUTABLE),
                QStringList{QStringLiteral("--data-dir"), dataFolder()} + arguments);
    copy->waitForStarted(5000);
    m_copies << copy;
    return copy;
}

QString ProgramUnderTest::settingsFile() const
{
    const QString name = QStringLiteral("ZorvanFreeSubliminalMessageSoftware");
    return m_root.filePath(QStringLiteral("config/") + name + QLatin1Char('/') + name +
                           QStringLiteral(".ini"));
}

QString ProgramUnderTest::dataFolder() const
{
    return m_root.filePath(QStringLiteral("data"));
}

std::optional<QString> ProgramUnderTest::setting(const QString& key) const
{
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    const QVariant value = settings.value(QStringLiteral("Settings/") + key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void ProgramUnderTest::storeSetting(const QString& key, const QString& text)
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Settings/") + key, text);
}

QString ProgramUnderTest::startupEntryFile() const
{
    return m_root.filePath(
        QStringLiteral("config/autostart/ZorvanFreeSubliminalMessageSoftware.desktop"));
}

QString ProgramUnderTest::mainWindowCaption()
{
    return QStringLiteral("Zorvan Subliminal Message Software v1.50");
}
