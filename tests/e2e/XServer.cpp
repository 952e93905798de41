#include "XServer.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

long firstLong(const QByteArray& data, long otherwise)
{
    return data.size() >= qsizetype(sizeof(long)) ? *reinterpret_cast<const long*>(data.data())
                                                  : otherwise;
}

} // namespace

XServer::XServer(QSize screen)
{
    // -displayfd 1: Xvfb picks a free display and writes its number and a new line to us.
    m_xvfb.start(u"Xvfb"_qs, {u"-displayfd"_qs, u"1"_qs, u"-screen"_qs, u"0"_qs,
                              u"%1x%2x24"_qs.arg(screen.width()).arg(screen.height()),
                              u"-nolisten"_qs, u"tcp"_qs, u"-noreset"_qs});
    QByteArray number;
    while (!number.contains('\n') && m_xvfb.waitForReadyRead(10000))
        number += m_xvfb.readAllStandardOutput();
    if (!number.contains('\n')) {
        m_problem = u"Xvfb did not start (apt install xvfb): "_qs + m_xvfb.errorString() + u' ' +
                    QString::fromLocal8Bit(m_xvfb.readAllStandardError());
        return;
    }
    m_name = u':' + QString::fromLatin1(number.trimmed());
    m_display = XOpenDisplay(m_name.toLocal8Bit().constData());
    if (!m_display)
        m_problem = u"cannot open display "_qs + m_name;
}

XServer::XServer(const QString& displayName)
    : m_name(displayName)
{
    m_display = XOpenDisplay(m_name.toLocal8Bit().constData());
    if (!m_display)
        m_problem = u"cannot open display "_qs + m_name;
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
    m_xvfb.terminate();
    m_xvfb.waitForFinished(3000);
}

QByteArray XServer::property(unsigned long window, const char* name, unsigned long type,
                             long length) const
{
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QByteArray bytes;
    if (XGetWindowProperty(m_display, window, XInternAtom(m_display, name, False), 0, length, False,
                           type, &actual, &format, &count, &after, &data) == Success &&
        data) {
        // Xlib hands 32-bit items over as longs.
        const int itemSize = format == 32 ? int(sizeof(long)) : format / 8;
        bytes = QByteArray(reinterpret_cast<const char*>(data), qsizetype(count) * itemSize);
        XFree(data);
    }
    return bytes;
}

QList<XWindow> XServer::windows() const
{
    QList<XWindow> found;
    // Windows come and go while the tree is walked; a vanished one is no error.
    const auto previousHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window root = DefaultRootWindow(m_display);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    const std::function<void(Window)> collect = [&](Window parent) {
        Window ignored = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_display, parent, &ignored, &ignored, &children, &count))
            return;
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(m_display, children[i], &attributes))
                continue;
            int x = 0, y = 0;
            XTranslateCoordinates(m_display, children[i], root, 0, 0, &x, &y, &ignored);
            found << XWindow{
                .id = children[i],
                .name = QString::fromUtf8(property(children[i], "_NET_WM_NAME", utf8, 1024)),
                .geometry = QRect(x, y, attributes.width, attributes.height),
                .viewable = attributes.map_state == IsViewable,
                .overrideRedirect = attributes.override_redirect != 0,
                .topLevel = parent == root,
                .pid = firstLong(property(children[i], "_NET_WM_PID", AnyPropertyType), 0)};
            collect(children[i]);
        }
        if (children)
            XFree(children);
    };
    XSync(m_display, False);
    collect(root);
    XSync(m_display, False);
    XSetErrorHandler(previousHandler);
    return found;
}

QList<XWindow> XServer::windowsOf(qint64 pid) const
{
    QList<XWindow> owned = windows();
    owned.removeIf([pid](const XWindow& window) { return window.pid != pid; });
    return owned;
}

qsizetype XServer::mainWindowsShown() const
{
    const QList<XWindow> all = windows();
    return std::count_if(all.begin(), all.end(), [](const XWindow& window) {
        return window.viewable && window.name == ProgramUnderTest::mainWindowCaption();
    });
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

QProcessEnvironment XServer::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_qs, m_name);
    return environment;
}

bool XServer::startClient(const QString& program, const QStringList& arguments)
{
    auto* client = new QProcess;
    client->setProcessEnvironment(clientEnvironment());
    client->setStandardOutputFile(QProcess::nullDevice());
    client->start(program, arguments);
    m_clients << client;
    return client->waitForStarted(5000);
}

void XServer::stopClient(const QString& program)
{
    m_clients.removeIf([&](QProcess* client) {
        if (client->program() != program)
            return false;
        client->terminate();
        client->waitForFinished(3000);
        delete client;
        return true;
    });
}

bool XServer::selectionOwned(const QByteArray& prefix) const
{
    const QByteArray selection = prefix + QByteArray::number(DefaultScreen(m_display));
    return XGetSelectionOwner(m_display, XInternAtom(m_display, selection.constData(), False)) !=
           None;
}

bool XServer::hasNotificationArea() const
{
    return selectionOwned("_NET_SYSTEM_TRAY_S");
}

bool XServer::hasCompositingManager() const
{
    return selectionOwned("_NET_WM_CM_S");
}

bool XServer::hasWindowManager() const
{
    // Set on the root window once a window manager manages the screen.
    return !property(DefaultRootWindow(m_display), "_NET_SUPPORTING_WM_CHECK", AnyPropertyType)
                .isEmpty();
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
    return int(firstLong(property(window, "WM_STATE", AnyPropertyType), -1));
}

bool XServer::click(QPoint at, int button, int count) const
{
    QProcess xdotool;
    xdotool.setProcessEnvironment(clientEnvironment());
    // No --sync: it waits for ever when the pointer is there already; the server takes
    // the fake events in order all the same.
    xdotool.start(u"xdotool"_qs, {u"mousemove"_qs, QString::number(at.x()), QString::number(at.y()),
                                  u"click"_qs, u"--repeat"_qs, QString::number(count),
                                  u"--delay"_qs, u"80"_qs, QString::number(button)});
    return xdotool.waitForFinished(5000) && xdotool.exitStatus() == QProcess::NormalExit &&
           xdotool.exitCode() == 0;
}

QImage XServer::grab(const QRect& rect) const
{
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), rect.x(), rect.y(),
                              unsigned(rect.width()), unsigned(rect.height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    // 24-bit colour in 32-bit pixels, as Qt's RGB32.
    const QImage copy = QImage(reinterpret_cast<const uchar*>(image->data), rect.width(),
                               rect.height(), image->bytes_per_line, QImage::Format_RGB32)
                            .copy();
    XDestroyImage(image);
    return copy;
}

RunAs RunAs::unprivileged()
{
    if (::getuid() != 0)
        return {::getuid(), ::getgid()};
    const passwd* nobody = ::getpwnam("nobody");
    return nobody ? RunAs{nobody->pw_uid, nobody->pw_gid} : RunAs{};
}

void RunAs::own(const QString& path) const
{
    if (::chown(QFile::encodeName(path).constData(), uid, gid) != 0)
        qWarning("cannot give %s to user %u: %s", qPrintable(path), uid, std::strerror(errno));
}

void RunAs::apply(QProcess& process) const
{
    if (!isOther())
        return;
    process.setChildProcessModifier([user = *this] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0)
            ::_exit(126);
    });
}

ProgramUnderTest::ProgramUnderTest(const XServer& server, RunAs user)
    : m_server(server)
    , m_user(user)
{
    for (const char* folder : {"home", "config", "share", "runtime", "data"})
        QDir(m_root.path()).mkpath(QLatin1String(folder));
    QFile::setPermissions(m_root.filePath(u"runtime"_qs),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

ProgramUnderTest::~ProgramUnderTest()
{
    for (QProcess* copy : m_copies) {
        copy->kill();
        copy->waitForFinished(3000);
        delete copy;
    }
}

QProcessEnvironment ProgramUnderTest::environment() const
{
    QProcessEnvironment environment = m_server.clientEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
    environment.remove(u"WAYLAND_DISPLAY"_qs);
    // The program's notification icon is to go where the test can see it, not to a
    // session bus outside the test.
    environment.remove(u"DBUS_SESSION_BUS_ADDRESS"_qs);
    environment.insert(u"HOME"_qs, m_root.filePath(u"home"_qs));
    environment.insert(u"XDG_CONFIG_HOME"_qs, m_root.filePath(u"config"_qs));
    environment.insert(u"XDG_DATA_HOME"_qs, m_root.filePath(u"share"_qs));
    environment.insert(u"XDG_RUNTIME_DIR"_qs, m_root.filePath(u"runtime"_qs));
    return environment;
}

QProcess* ProgramUnderTest::start(const QStringList& arguments)
{
    QString executable = QStringLiteral(ZORVAN_EXECUTABLE);
    if (m_user.isOther()) {
        // The other user may not reach the build tree: a copy of the program in its own
        // folder, and everything there its own.
        const QString copy = m_root.filePath(QFileInfo(executable).fileName());
        QFile::copy(executable, copy);
        executable = copy;
        QDirIterator entries(m_root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        m_user.own(m_root.path());
        while (entries.hasNext())
            m_user.own(entries.next());
    }
    auto* copy = new QProcess;
    copy->setProcessEnvironment(environment());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_user.apply(*copy);
    copy->start(executable, QStringList{u"--data-dir"_qs, dataFolder()} + arguments);
    copy->waitForStarted(5000);
    m_copies << copy;
    return copy;
}

QString ProgramUnderTest::settingsFile() const
{
    return m_root.filePath(u"config/ZorvanFreeSubliminalMessageSoftware/"
                           "ZorvanFreeSubliminalMessageSoftware.ini"_qs);
}

QString ProgramUnderTest::dataFolder() const
{
    return m_root.filePath(u"data"_qs);
}

std::optional<QString> ProgramUnderTest::setting(const QString& key) const
{
    const QVariant value =
        QSettings(settingsFile(), QSettings::IniFormat).value(u"Settings/"_qs + key);
    return value.isValid() ? std::optional(value.toString()) : std::nullopt;
}

void ProgramUnderTest::storeSetting(const QString& key, const QString& text)
{
    QSettings(settingsFile(), QSettings::IniFormat).setValue(u"Settings/"_qs + key, text);
}

QStringList ProgramUnderTest::unsavedSettings() const
{
    QStringList keys = {u"AutoDisplay"_qs,   u"DispInterval"_qs,   u"DispDuration"_qs,
                        u"RandomMessage"_qs, u"RandomLocation"_qs, u"FontColor"_qs,
                        u"FontName"_qs,      u"FontBold"_qs,       u"FontItalic"_qs,
                        u"FontSize"_qs,      u"Strikethrough"_qs,  u"Underline"_qs,
                        u"RunAtSysTray"_qs};
    keys.removeIf([this](const QString& key) { return setting(key).has_value(); });
    return keys;
}

QString ProgramUnderTest::startupEntryFile() const
{
    return m_root.filePath(u"config/autostart/ZorvanFreeSubliminalMessageSoftware.desktop"_qs);
}
