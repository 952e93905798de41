// SPDX-License-Identifier: GPL-3.0-or-later
#include "../FullScreen.h"

// The shell's notification state came with Windows Vista.
#if !defined(_WIN32_WINNT) || _WIN32_WINNT < 0x0600
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

// The shell's own answer to whether a notification may appear now: not while a program
// runs full screen, a Direct3D game has the screen, or presentation settings are on.
bool FullScreen::isActive()
{
    QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
    if (FAILED(SHQueryUserNotificationState(&state)))
        return false;
    return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN ||
           state == QUNS_PRESENTATION_MODE;
}
