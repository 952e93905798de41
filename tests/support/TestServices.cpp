#include "TestServices.h"

#include <QDir>
#include <QFile>
#include <utility>

float ScriptedRandom::next()
{
    ++m_drawn;
    if (m_values.empty())
        return 0.0f;
    const float value = m_values.front();
    m_values.pop_front();
    return value;
}

Prompter::Answer ScriptedPrompter::ask(QWidget*, const Message& message)
{
    asked << message;
    if (const auto action = std::exchange(whileOpen, {})) {
        m_open = true;
        action();
        m_open = false;
        if (std::exchange(m_dismissed, false))
            return Answer::Dismissed;
    }
    if (m_answers.empty())
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    const Answer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

TestServices::TestServices()
    : m_dataFolder(m_root.path() + u"/data"_qs)
{
    QDir().mkpath(m_dataFolder + u"/plugins"_qs);
    settings = SettingsArea::inFile(settingsFile());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.path() + u"/config"_qs));
}

Services TestServices::services()
{
    return Services{.settings = settings.get(),
                    .prompter = &prompter,
                    .clock = &clock,
                    .random = &random,
                    .web = &web,
                    .startup = startup.get(),
                    .termination = termination,
                    .dataFolder = m_dataFolder,
                    .applicationName = u"ZorvanTest"_qs,
                    .programFolder = m_root.path(),
                    .arguments = arguments};
}

std::unique_ptr<SettingsArea> TestServices::reopenSettings() const
{
    settings->sync();
    return SettingsArea::inFile(settingsFile());
}
