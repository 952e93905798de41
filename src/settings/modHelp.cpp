#include "modHelp.h"

#include "platform/UserManual.h"
#include "platform/WebLinks.h"
#include "platform/WebOpener.h"

namespace modHelp {

void OpenOnlineHelp(WebOpener& web, const QString& programFolder)
{
    // The manual that came with the program works without a network and always matches
    // the version at hand; the web page is for a copy without it.
    const QString manual = UserManual::find(programFolder);
    web.open(manual.isEmpty() ? WebLinks::onlineHelp() : QUrl::fromLocalFile(manual));
}

void OpenHomePage(WebOpener& web)
{
    web.open(WebLinks::homePage());
}

void OpenDonatePage(WebOpener& web)
{
    web.open(WebLinks::donatePage());
}

void OpenDownloadPage(WebOpener& web)
{
    web.open(WebLinks::downloadPage());
}

void OpenCoBrandPage(WebOpener& web)
{
    web.open(WebLinks::coBrandPage());
}

void OpenFullBrandPage(WebOpener& web)
{
    web.open(WebLinks::fullBrandPage());
}

} // namespace modHelp
