#include "SwaySession.h"

#include "TestFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <pwd.h>
#include <unistd.h>

using namespace std::chrono_literals;

SwaySession::SwaySession(QSize output)
    : m_user(RunAs::unprivileged())
{
    const QString runtime = m_folder.filePath(u"runtime"_qs);
    QDir().mkpath(runtime);
    writeFile(m_folder.filePath(u"config"_qs),
              u"xwayland force\noutput HEADLESS-1 resolution %1x%2\ndefault_border none\n"_qs
                  .arg(output.width())
                  .arg(output.height())
                  .toUtf8());
    for (const QString& path : {m_folder.path(), runtime})
        m_user.own(path);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment headless = environment();
    headless.insert(u"WLR_BACKENDS"_qs, u"headless"_qs);
    headless.insert(u"WLR_LIBINPUT_NO_DEVICES"_qs, u"1"_qs);
    headless.insert(u"WLR_RENDERER"_qs, u"pixman"_qs);
    headless.remove(u"WAYLAND_DISPLAY"_qs);
    m_sway.setProcessEnvironment(headless);
    m_sway.setStandardOutputFile(m_folder.filePath(u"sway.log"_qs));
    m_sway.setStandardErrorFile(m_folder.filePath(u"sway.log"_qs));
    m_user.apply(m_sway);
    m_sway.start(u"sway"_qs, {u"-c"_qs, m_folder.filePath(u"config"_qs)});
    if (!m_sway.waitForStarted(5000)) {
        m_problem =
            u"sway did not start (apt install sway xwayland grim): "_qs + m_sway.errorString();
        return;
    }
    // sway tells its clients XWayland's display; ask it to tell us too.
    const QString displayFile = runtime + u"/display"_qs;
    if (XServer::waitFor(
            [&] {
                return m_sway.state() == QProcess::Running &&
                       QFile::exists(runtime + u"/sway.sock"_qs) &&
                       QFile::exists(runtime + u"/wayland-1"_qs);
            },
            10s))
        message({u"exec"_qs, u"printenv DISPLAY > "_qs + displayFile});
    const auto told = [&] {
        QFile file(displayFile);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed())
                                              : QString();
    };
    XServer::waitFor([&] { return !told().isEmpty(); }, 5s);
    const QString display = told();
    if (display.isEmpty()) {
        m_problem = u"sway did not start: "_qs +
                    QString::fromLocal8Bit(fileBytes(m_folder.filePath(u"sway.log"_qs)));
        return;
    }
    // XWayland lets in only the user who runs it; the test looks at its windows too.
    m_xDisplay = display;
    if (m_user.isOther() &&
        !run(u"xhost"_qs,
             {u"+si:localuser:"_qs + QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name)},
             nullptr, true)) {
        m_problem = u"xhost failed (apt install x11-xserver-utils)"_qs;
        m_xDisplay.clear();
    }
}

SwaySession::~SwaySession()
{
    m_sway.terminate();
    if (!m_sway.waitForFinished(5000))
        m_sway.kill();
}

QProcessEnvironment SwaySession::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString runtime = m_folder.filePath(u"runtime"_qs);
    environment.insert(u"XDG_RUNTIME_DIR"_qs, runtime);
    environment.insert(u"WAYLAND_DISPLAY"_qs, u"wayland-1"_qs);
    environment.insert(u"SWAYSOCK"_qs, runtime + u"/sway.sock"_qs);
    environment.insert(u"HOME"_qs, m_folder.path());
    if (!m_xDisplay.isEmpty())
        environment.insert(u"DISPLAY"_qs, m_xDisplay);
    return environment;
}

bool SwaySession::run(const QString& program, const QStringList& arguments, QByteArray* output,
                      bool asUser) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    if (asUser)
        m_user.apply(process);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    if (output)
        *output = ok ? process.readAllStandardOutput() : QByteArray();
    return ok;
}

QByteArray SwaySession::message(const QStringList& arguments) const
{
    QByteArray output;
    run(u"swaymsg"_qs, arguments, &output, /*asUser=*/true);
    return output;
}

QString SwaySession::focusedWindow() const
{
    const std::function<QString(const QJsonObject&)> find = [&](const QJsonObject& node) {
        QString name =
            node.value(u"focused"_qs).toBool() ? node.value(u"name"_qs).toString() : QString();
        for (const QJsonValue child : node.value(u"nodes"_qs).toArray())
            name += find(child.toObject());
        return name;
    };
    return find(QJsonDocument::fromJson(message({u"-t"_qs, u"get_tree"_qs})).object());
}

QImage SwaySession::grab(const QRect& rect) const
{
    QByteArray ppm;
    run(u"grim"_qs,
        {u"-t"_qs, u"ppm"_qs, u"-g"_qs,
         u"%1,%2 %3x%4"_qs.arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()),
         u"-"_qs},
        &ppm);
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}
