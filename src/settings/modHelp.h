#pragma once

class WebOpener;

// The program's web pages, each opened in the default browser.
namespace modHelp {

void OpenOnlineHelp(WebOpener& web);
void OpenHomePage(WebOpener& web);
void OpenDonatePage(WebOpener& web);
void OpenDownloadPage(WebOpener& web);
void OpenCoBrandPage(WebOpener& web);
void OpenFullBrandPage(WebOpener& web);

} // namespace modHelp
