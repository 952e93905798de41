// SPDX-License-Identifier: GPL-3.0-or-later
#include "modHelp.h"

#include "platform/Prompter.h"
#include "platform/UserManual.h"
#include "platform/WebLinks.h"
#include "platform/WebOpener.h"

#include <QCoreApplication>
#include <QDir>

namespace modHelp {

void OpenOnlineHelp(WebOpener& web, Prompter& prompter, const QString& programFolder,
                    QWidget* parent)
{
    // The manual that came with the program works without a network and always matches
    // the version at hand; the web page is for a copy without it.
    const QString manual = UserManual::find(programFolder);
    if (web.open(manual.isEmpty() ? WebLinks::onlineHelp() : QUrl::fromLocalFile(manual)))
        return;
    const QString text =
        manual.isEmpty()
            ? QCoreApplication::translate("modHelp",
                                          "No program to open the help with was found. The "
                                          "help is on the web at\n%1")
                  .arg(WebLinks::onlineHelp().toString())
            : QCoreApplication::translate("modHelp",
                                          "No program to open the help with was found. The "
                                          "user manual is the file\n%1\nOpen it in a web "
                                          "browser.")
                  .arg(QDir::toNativeSeparators(manual));
    prompter.ask(parent, {.text = text});
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
