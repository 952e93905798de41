// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestrictedPath.h"

#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_LINUX
constexpr unsigned int overrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// Reads (SYS_capget) or sets (SYS_capset) the thread's capabilities.
bool capabilities(long call, __user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(call, &header, data) == 0;
}
#endif

bool canUse(const QString& path)
{
    if (!QFileInfo(path).isDir())
        return QFile(path).open(QIODevice::ReadOnly);
    QFile probe(path + u"/.write-probe"_qs);
    return probe.open(QIODevice::WriteOnly | QIODevice::NewOnly) && probe.remove();
}

} // namespace

RestrictedPath::RestrictedPath(const QString& path, QFile::Permissions kept)
    : m_path(path)
{
    QFile::setPermissions(path, kept);
#ifdef Q_OS_LINUX
    __user_cap_data_struct data[2] = {};
    if (::geteuid() == 0 && capabilities(SYS_capget, data)) {
        m_savedEffective[0] = data[0].effective;
        m_savedEffective[1] = data[1].effective;
        data[0].effective &= ~overrides;
        m_capabilitiesLowered = capabilities(SYS_capset, data);
    }
#endif
    m_holds = !canUse(path);
}

RestrictedPath::~RestrictedPath()
{
#ifdef Q_OS_LINUX
    __user_cap_data_struct data[2] = {};
    if (m_capabilitiesLowered && capabilities(SYS_capget, data)) {
        data[0].effective = m_savedEffective[0];
        data[1].effective = m_savedEffective[1];
        capabilities(SYS_capset, data);
    }
#endif
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
