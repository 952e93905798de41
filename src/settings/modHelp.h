#pragma once

#include <QString>

class WebOpener;

// The program's web pages, each opened in the default browser.
namespace modHelp {

// Opens the manual installed with the program in programFolder, or the online help page
// when there is none.
void OpenOnlineHelp(WebOpener& web, const QString& programFolder);
void OpenHomePage(WebOpener& web);
void OpenDonatePage(WebOpener& web);
void OpenDownloadPage(WebOpener& web);
void OpenCoBrandPage(WebOpener& web);
void OpenFullBrandPage(WebOpener& web);

} // namespace modHelp
