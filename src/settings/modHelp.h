// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Prompter;
class QWidget;
class WebOpener;

// The program's web pages, each opened in the default browser.
namespace modHelp {

// Opens the manual installed with the program in programFolder, or the online help page
// when there is none. When nothing can open it, a message box over parent says where the
// manual is, so that the user can open it by hand.
void OpenOnlineHelp(WebOpener& web, Prompter& prompter, const QString& programFolder,
                    QWidget* parent);
void OpenHomePage(WebOpener& web);
void OpenDonatePage(WebOpener& web);
void OpenDownloadPage(WebOpener& web);
void OpenCoBrandPage(WebOpener& web);
void OpenFullBrandPage(WebOpener& web);

} // namespace modHelp
