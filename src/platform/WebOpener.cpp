#include "WebOpener.h"

#include <QDesktopServices>

bool WebOpener::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}
