#include "modHelp.h"

#include "platform/WebLinks.h"
#include "platform/WebOpener.h"

namespace modHelp {

void OpenOnlineHelp(WebOpener& web)
{
    web.open(WebLinks::onlineHelp());
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
