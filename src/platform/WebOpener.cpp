#include "WebOpener.h"

#include <QDesktopServices>

void WebOpener::open(const QUrl& address)
{
    QDesktopServices::openUrl(address);
}
