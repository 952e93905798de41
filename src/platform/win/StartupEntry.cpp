// SPDX-License-Identifier: GPL-3.0-or-later
#include "../StartupEntry.h"

#include <QDir>
#include <string>
#include <windows.h>

namespace {

const wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

QString describe(LSTATUS code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const QString text =
        length > 0 ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    LocalFree(buffer);
    return text;
}

// The folder and the name are joined as they are, so a program at the root of a drive
// gets a doubled backslash, which Windows reads all the same. The path is always quoted:
// unquoted, "C:\Program Files\..." would first try to start "C:\Program".
std::wstring commandLine(const QString& name, const QString& folder)
{
    const QString path =
        QDir::toNativeSeparators(folder) + QLatin1Char('\\') + name + QStringLiteral(".exe");
    return (QLatin1Char('"') + path + QStringLiteral("\" /STARTUP")).toStdWString();
}

class RunKeyEntry final : public StartupEntry {
public:
    std::optional<Failure> set(const QString& name, const QString& folder, bool enable) override
    {
        const std::wstring valueName = name.toStdWString();
        HKEY key = nullptr;
        if (!enable) {
            // Removing is silent, also where the key cannot be opened.
            if (RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
                RegDeleteValueW(key, valueName.c_str());
                RegCloseKey(key);
            }
            return std::nullopt;
        }

        LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, runKey, 0, nullptr, 0, KEY_WRITE,
                                         nullptr, &key, nullptr);
        if (status != ERROR_SUCCESS)
            return Failure{
                .step = Failure::Step::Opening, .code = status, .description = describe(status)};
        const std::wstring data = commandLine(name, folder);
        // The terminating NUL is part of the data.
        status = RegSetValueExW(key, valueName.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.c_str()),
                                DWORD((data.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        if (status != ERROR_SUCCESS)
            return Failure{
                .step = Failure::Step::Setting, .code = status, .description = describe(status)};
        return std::nullopt;
    }

    bool isPresent(const QString& name) const override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        const bool found = RegQueryValueExW(key, name.toStdWString().c_str(), nullptr, nullptr,
                                            nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }
};

} // namespace

std::unique_ptr<StartupEntry> StartupEntry::forUser()
{
    return std::make_unique<RunKeyEntry>();
}
