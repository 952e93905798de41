#include "modUtlts.h"

#include "app/SingleInstance.h"

#include <QPointer>
#include <QWidget>

namespace modUtlts {

void ActivatePrevInstance(SingleInstance& instance)
{
    instance.askFirstCopyToActivate();
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
