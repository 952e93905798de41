// SPDX-License-Identifier: GPL-3.0-or-later
#include "XServer.h"

#include "TestFiles.h"

#include <QDir>
#include <QSettings>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <functional>
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

XServer::XServer(QSize screen, bool wayland)
{
    if (wayland) {
        startSway(screen);
    } else {
        // -displayfd 1: Xvfb picks a free display and writes its number and a new line to us.
        m_server.start(u"Xvfb"_qs, {u"-displayfd"_qs, u"1"_qs, u"-screen"_qs, u"0"_qs,
                                    u"%1x%2x24"_qs.arg(screen.width()).arg(screen.height()),
                                    u"-nolisten"_qs, u"tcp"_qs, u"-noreset"_qs});
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        if (number.contains('\n'))
            m_name = u':' + QString::fromLatin1(number.trimmed());
        else
            m_problem = u"Xvfb did not start (apt install xvfb): "_qs + m_server.errorString() +
                        u' ' + QString::fromLocal8Bit(m_server.readAllStandardError());
    }
    if (m_name.isEmpty())
        return;
    m_display = XOpenDisplay(m_name.toLocal8Bit().constData());
    if (!m_display)
        m_problem = u"cannot open display "_qs + m_name;
}

void XServer::startSway(QSize screen)
{
    // XWayland lets in only the user who runs it: once it is up, sway lets the test's user
    // in and tells the test XWayland's display.
    const QString folder = m_sway.emplace().path(), runtime = folder + u"/runtime"_qs;
    const QString displayFile = runtime + u"/display"_qs;
    QDir().mkpath(runtime);
    writeFile(folder + u"/config"_qs,
              u"xwayland force\noutput HEADLESS-1 resolution %1x%2\ndefault_border none\n"
              "exec xhost +si:localuser:%3 && printenv DISPLAY > %4.new && mv %4.new %4\n"_qs
                  .arg(screen.width())
                  .arg(screen.height())
                  .arg(QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name), displayFile)
                  .toUtf8());
    // sway refuses to run as root: run by root, it runs as "nobody", in a folder of its own.
    if (const passwd* nobody = ::getuid() == 0 ? ::getpwnam("nobody") : nullptr) {
        for (const QString& path : {folder, runtime})
            QVERIFY(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) ==
                    0);
        m_server.setChildProcessModifier([uid = nobody->pw_uid, gid = nobody->pw_gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(126);
        });
    }
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment headless = clientEnvironment();
    headless.insert(u"WLR_BACKENDS"_qs, u"headless"_qs);
    headless.insert(u"WLR_LIBINPUT_NO_DEVICES"_qs, u"1"_qs);
    headless.insert(u"WLR_RENDERER"_qs, u"pixman"_qs);
    headless.remove(u"WAYLAND_DISPLAY"_qs);
    m_server.setProcessEnvironment(headless);
    m_server.setStandardOutputFile(folder + u"/sway.log"_qs);
    m_server.setStandardErrorFile(folder + u"/sway.log"_qs);
    m_server.start(u"sway"_qs, {u"-c"_qs, folder + u"/config"_qs});
    if (QTest::qWaitFor([&] { return QFile::exists(displayFile); }, 15000))
        m_name = QString::fromLatin1(fileBytes(displayFile).trimmed());
    else
        m_problem = u"sway did not start (apt install sway xwayland grim x11-xserver-utils): "_qs +
                    QString::fromLocal8Bit(fileBytes(folder + u"/sway.log"_qs));
}

XServer::~XServer()
{
    stopClient();
    if (m_display)
        XCloseDisplay(m_display);
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
}

QProcessEnvironment XServer::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!m_name.isEmpty())
        environment.insert(u"DISPLAY"_qs, m_name);
    if (m_sway) {
        const QString runtime = m_sway->filePath(u"runtime"_qs);
        environment.insert(u"XDG_RUNTIME_DIR"_qs, runtime);
        environment.insert(u"WAYLAND_DISPLAY"_qs, u"wayland-1"_qs);
        environment.insert(u"SWAYSOCK"_qs, runtime + u"/sway.sock"_qs);
        environment.insert(u"HOME"_qs, m_sway->path());
    }
    return environment;
}

bool XServer::run(const QString& program, const QStringList& arguments, QByteArray* output) const
{
    QProcess process;
    process.setProcessEnvironment(clientEnvironment());
    process.start(program, arguments);
    const bool ok = process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    if (output)
        *output = ok ? process.readAllStandardOutput() : QByteArray();
    return ok;
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

QList<XWindow> XServer::windows(qint64 pid) const
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
            const long owner = firstLong(property(children[i], "_NET_WM_PID", AnyPropertyType), 0);
            if (pid == 0 || owner == pid)
                found << XWindow{
                    .id = children[i],
                    .name = QString::fromUtf8(property(children[i], "_NET_WM_NAME", utf8, 1024)),
                    .geometry = QRect(x, y, attributes.width, attributes.height),
                    .viewable = attributes.map_state == IsViewable,
                    .overrideRedirect = attributes.override_redirect != 0,
                    .topLevel = parent == root};
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

qsizetype XServer::mainWindowsShown() const
{
    const QList<XWindow> all = windows();
    return std::count_if(all.begin(), all.end(), [](const XWindow& window) {
        return window.viewable && window.name == applicationCaption();
    });
}

std::optional<XWindow> XServer::window(const QProcess* copy, const QString& name) const
{
    for (const XWindow& window : windows(copy->processId())) {
        if (window.name == name)
            return window;
    }
    return std::nullopt;
}

bool XServer::shown(const QProcess* copy, const QString& name) const
{
    return window(copy, name).value_or(XWindow{}).viewable;
}

QList<XWindow> XServer::icons(const QProcess* copy) const
{
    QList<XWindow> found = windows(copy->processId());
    found.removeIf([](const XWindow& window) {
        return !window.viewable || window.topLevel || window.name == applicationCaption();
    });
    return found;
}

QRect XServer::popUpMenu(const QProcess* copy) const
{
    for (const XWindow& window : windows(copy->processId())) {
        if (window.viewable && window.topLevel && window.overrideRedirect)
            return window.geometry;
    }
    return {};
}

unsigned long XServer::showFullScreen(const char* name, QSize size, unsigned long colour) const
{
    const Window window =
        XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, unsigned(size.width()),
                            unsigned(size.height()), 0, 0, colour);
    XStoreName(m_display, window, name);
    const Atom fullScreen = XInternAtom(m_display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(m_display, window, XInternAtom(m_display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&fullScreen), 1);
    XMapWindow(m_display, window);
    XSync(m_display, False);
    return window;
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
        if (!program.isEmpty() && client->program() != program)
            return false;
        client->terminate();
        if (!client->waitForFinished(3000))
            client->kill();
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

int XServer::windowManagerState(const QProcess* copy) const
{
    const auto main = window(copy);
    return main ? int(firstLong(property(main->id, "WM_STATE", AnyPropertyType), -1)) : -1;
}

bool XServer::click(QPoint at, int button, int count) const
{
    // No --sync: it waits for ever when the pointer is there already; the server takes
    // the fake events in order all the same.
    return run(u"xdotool"_qs, {u"mousemove"_qs, QString::number(at.x()), QString::number(at.y()),
                               u"click"_qs, u"--repeat"_qs, QString::number(count), u"--delay"_qs,
                               u"80"_qs, QString::number(button)});
}

QImage XServer::grab(const QRect& rect) const
{
    if (isWayland()) {
        QByteArray ppm;
        run(u"grim"_qs,
            {u"-t"_qs, u"ppm"_qs, u"-g"_qs,
             u"%1,%2 %3x%4"_qs.arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()),
             u"-"_qs},
            &ppm);
        return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
    }
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

ProgramUnderTest::ProgramUnderTest(const XServer& server)
    : m_server(server)
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
    if (!locale.isEmpty()) {
        for (const QString& name : {u"LANGUAGE"_qs, u"LC_ALL"_qs, u"LC_MESSAGES"_qs})
            environment.remove(name);
        environment.insert(u"LANG"_qs, locale);
    }
    return environment;
}

QProcess* ProgramUnderTest::start(const QStringList& arguments, const QString& executable)
{
    auto* copy = new QProcess;
    copy->setProcessEnvironment(environment());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(executable, arguments + QStringList{u"--data-dir"_qs, dataFolder()});
    copy->waitForStarted(5000);
    m_copies << copy;
    return copy;
}

QString ProgramUnderTest::settingsFile() const
{
    return m_root.filePath(u"config/ZorvanFreeSubliminalMessageSoftware/"
                           "ZorvanFreeSubliminalMessageSoftware.ini"_qs);
}

QString ProgramUnderTest::startupEntryFile() const
{
    return m_root.filePath(u"config/autostart/ZorvanFreeSubliminalMessageSoftware.desktop"_qs);
}

bool ProgramUnderTest::saved() const
{
    return QSettings(settingsFile(), QSettings::IniFormat).contains(u"Settings/FontBold"_qs);
}

void ProgramUnderTest::storeSettings(const QByteArray& lines) const
{
    writeFile(settingsFile(), "[Settings]\n" + lines);
}
