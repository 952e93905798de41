// SPDX-License-Identifier: GPL-3.0-or-later
#include "modUtlts.h"

#include <QPointer>
#include <QWidget>

namespace modUtlts {

SingleInstance::Handover ActivatePrevInstance(SingleInstance& instance,
                                              const std::function<bool()>& giveUp)
{
    return instance.askFirstCopyToActivate(giveUp);
}

void UnloadAllForms(QWidget* mainWindow)
{
    // Closing one window may delete others, so hold them by guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : mainWindow->findChildren<QWidget*>()) {
        if (window->isWindow())
            windows << window;
    }
    windows << mainWindow;
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
}

} // namespace modUtlts
