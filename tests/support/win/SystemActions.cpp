// SPDX-License-Identifier: GPL-3.0-or-later
#include "../SystemActions.h"

#include <QAbstractEventDispatcher>
#include <qt_windows.h>
#include <sddl.h>

namespace SystemActions {

const char* const noEndBetweenSteps =
    "Windows ends the session by a message, which comes only while events are awaited";
const char* const noFifos = "Windows file systems hold no named pipes";
const char* const noDisplayToLose = "a Windows program always has its desktop";
const char* const noNamesOfEveryKind = "Windows file names hold no quotes or line breaks, and "
                                       "letter case does not tell two apart";

QString awkwardFileName()
{
    return QStringLiteral("Two, #TRUE# lines");
}

void requestEnd()
{
    MSG message{.message = WM_ENDSESSION, .wParam = TRUE};
    qintptr result = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent("windows_generic_MSG", &message,
                                                            &result);
}

bool makeFifo(const QString&)
{
    return false;
}

std::shared_ptr<void> holdAsAnotherUser(const QString& name, const char** whyNot)
{
    // The mutex of the session under that name, which this user may not open.
    *whyNot = nullptr;
    PSECURITY_DESCRIPTOR noAccess = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:", SDDL_REVISION_1, &noAccess,
                                                              nullptr))
        return nullptr;
    SECURITY_ATTRIBUTES attributes{sizeof attributes, noAccess, FALSE};
    HANDLE mutex =
        CreateMutexW(&attributes, FALSE, (QStringLiteral("Local\\") + name).toStdWString().c_str());
    LocalFree(noAccess);
    if (!mutex)
        return nullptr;
    return std::shared_ptr<void>(mutex, CloseHandle);
}

} // namespace SystemActions
