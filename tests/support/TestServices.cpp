// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestServices.h"

#include "RestrictedPath.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <sddl.h>
#endif

float ScriptedRandom::next()
{
    ++m_drawn;
    if (m_values.empty())
        return 0.0f;
    const float value = m_values.front();
    m_values.pop_front();
    return value;
}

Prompter::Answer ScriptedPrompter::ask(QWidget*, const Message& message)
{
    asked << message;
    if (const auto action = std::exchange(whileOpen, {})) {
        m_open = true;
        action();
        m_open = false;
        if (std::exchange(m_dismissed, false))
            return Answer::Dismissed;
    }
    if (m_answers.empty())
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    const Answer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

TestServices::TestServices()
    : m_dataFolder(m_root.path() + u"/data"_qs)
{
    QDir().mkpath(m_dataFolder + u"/plugins"_qs);
    settings = SettingsArea::inFile(settingsFile());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.path() + u"/config"_qs));
    // Where the entry is not in that folder (the registry on Windows), none is left over
    // from a test before.
    startup->set(u"ZorvanTest"_qs, m_root.path(), false);
}

Services TestServices::services()
{
    return Services{.settings = settings.get(),
                    .prompter = &prompter,
                    .clock = &clock,
                    .random = &random,
                    .web = &web,
                    .startup = startup.get(),
                    .dialogs = &dialogs,
                    .termination = termination,
                    .dataFolder = m_dataFolder,
                    .applicationName = u"ZorvanTest"_qs,
                    .programFolder = m_root.path(),
                    .arguments = arguments};
}

std::unique_ptr<SettingsArea> TestServices::reopenSettings() const
{
    settings->sync();
    return SettingsArea::inFile(settingsFile());
}

#ifdef Q_OS_WIN
namespace {
const wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
} // namespace
#endif

std::optional<QString> TestServices::startupCommand() const
{
#ifdef Q_OS_WIN
    wchar_t command[2048];
    DWORD size = sizeof command;
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, L"ZorvanTest", RRF_RT_REG_SZ, nullptr, command,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(command);
#else
    if (!QFile::exists(startupEntryFile()))
        return std::nullopt;
    static const QRegularExpression exec(u"\nExec=([^\n]*)"_qs);
    return exec.match(QFile::decodeName(fileBytes(startupEntryFile()))).captured(1);
#endif
}

std::shared_ptr<void> TestServices::lockStartupEntry() const
{
#ifdef Q_OS_WIN
    // The key's own access list, given back as the handle is closed.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, READ_CONTROL | WRITE_DAC, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    QByteArray saved(qsizetype(size), '\0');
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    const bool locked =
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data(), &size) == ERROR_SUCCESS &&
        ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;KR;;;WD)", SDDL_REVISION_1,
                                                             &readOnly, nullptr) &&
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
    LocalFree(readOnly);
    if (!locked) {
        RegCloseKey(key);
        return nullptr;
    }
    return std::shared_ptr<void>(key, [saved](void* handle) mutable {
        RegSetKeySecurity(HKEY(handle), DACL_SECURITY_INFORMATION, saved.data());
        RegCloseKey(HKEY(handle));
    });
#else
    auto folder = std::make_shared<RestrictedPath>(QFileInfo(startupEntryFile()).path(),
                                                   RestrictedPath::readOnlyFolder);
    return folder->holds() ? folder : nullptr;
#endif
}
