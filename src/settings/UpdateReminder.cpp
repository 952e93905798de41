// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateReminder.h"

#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/SettingsArea.h"
#include "settings/modHelp.h"

#include <QCoreApplication>
#include <QDateTime>

const char* const UpdateReminder::key = "UpdateReminder";

UpdateReminder::UpdateReminder(SettingsArea& settings, const Clock& clock, Prompter& prompter,
                               WebOpener& web)
    : m_settings(settings)
    , m_clock(clock)
    , m_prompter(prompter)
    , m_web(web)
{}

void UpdateReminder::CheckUpdateReminder()
{
    const QString storedKey = QLatin1String(key);
    const QString stored = m_settings.value(storedKey).value_or(QString());
    const QDateTime now = m_clock.now();
    const auto remember = [&] {
        m_settings.setValue(storedKey, now.toString(Qt::ISODate));
        m_settings.sync();
    };

    if (stored.isEmpty()) {
        remember();
        return;
    }
    const QDateTime last = QDateTime::fromString(stored, Qt::ISODate);
    if (!last.isValid())
        return; // not a date we wrote: leave it alone and never ask
    const qint64 days = now.date().daysTo(last.date());
    if (days >= -14 && days <= 14)
        return;

    const auto answer =
        m_prompter.ask(nullptr, {.text = QCoreApplication::translate(
                                     "UpdateReminder", "There maybe an update to this software "
                                                       "available\rDo you want to check for an "
                                                       "update?"),
                                 .buttons = Prompter::Buttons::YesNo,
                                 .icon = Prompter::Icon::Information});
    if (answer == Prompter::Answer::Dismissed)
        return; // the program is ending: the question stands for the next start
    remember();
    if (answer == Prompter::Answer::Yes)
        modHelp::OpenDownloadPage(m_web);
}
