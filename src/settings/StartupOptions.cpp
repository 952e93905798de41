// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupOptions.h"

#include "platform/Prompter.h"
#include "platform/SettingsArea.h"
#include "platform/StartupEntry.h"
#include "settings/SettingsPage.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QRadioButton>

StartupOptions::StartupOptions(SettingsPage& page, const Services& services, QObject* parent)
    : QObject(parent)
    , m_page(page)
    , m_services(services)
{
    // The handlers run on every change of the controls, by the user or by the program.
    connect(page.runButton(), &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optRun_Click();
    });
    connect(page.dontRunButton(), &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optDontRun_Click();
    });
    connect(page.sysTrayCheckBox(), &QCheckBox::toggled, this, &StartupOptions::chkSysTray_Click);
}

void StartupOptions::showStoredChoice()
{
    if (!IsStartupEntryPresent()) {
        m_page.dontRunButton()->setChecked(true);
        return;
    }
    if (m_page.runButton()->isChecked())
        optRun_Click();
    else
        m_page.runButton()->setChecked(true);
    m_page.sysTrayCheckBox()->setChecked(SettingsStore::loadRunAtSysTray(*m_services.settings));
}

void StartupOptions::optRun_Click()
{
    if (!SetStartupEntry(true) && !IsStartupEntryPresent()) {
        // Nothing will start the program with the session, and the page says so.
        m_page.dontRunButton()->setChecked(true);
        return;
    }
    m_page.sysTrayCheckBox()->setEnabled(true);
}

void StartupOptions::optDontRun_Click()
{
    SetStartupEntry(false);
    QCheckBox* sysTray = m_page.sysTrayCheckBox();
    sysTray->setEnabled(false);
    sysTray->setChecked(false);
}

void StartupOptions::chkSysTray_Click()
{
    SettingsStore::saveRunAtSysTray(*m_services.settings, m_page.sysTrayCheckBox()->isChecked());
}

bool StartupOptions::SetStartupEntry(bool enable)
{
    const auto failure =
        m_services.startup->set(m_services.applicationName, m_services.programFolder, enable);
    if (!failure)
        return true;
    const QString text = failure->step == StartupEntry::Failure::Step::Opening
                             ? tr("Error %1 opening key\n%2")
                             : tr("Error %1 setting key\n%2");
    m_services.prompter->ask(
        m_page.window(), {.text = text.arg(QString::number(failure->code), failure->description)});
    return false;
}

bool StartupOptions::IsStartupEntryPresent() const
{
    return m_services.startup->isPresent(m_services.applicationName);
}
