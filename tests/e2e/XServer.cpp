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
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_display, children[i], &attributes))
            continue;
        windows << XWindow{
            .id = children[i],
            .name = windowName(m_display, children[i]),
            .geometry = QRect(attributes.x, attributes.y, attributes.width, attributes.height),
            .viewable = attributes.map_state == IsViewable,
            .overrideRedirect = attributes.override_redirect != 0};
    }
    if (children)
        XFree(children);
    return windows;
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

QString ProgramUnderTest::mainWindowCaption()
{
    return QStringLiteral("Zorvan Subliminal Message Software v1.50");
}
