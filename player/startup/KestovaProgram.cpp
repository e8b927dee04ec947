#include "startup/KestovaProgram.h"

#include "mainwindow/TVscreen.h"
#include "playback/TVscreenPlayback.h"
#include "platform/MpvRealControl.h"
#include "platform/MpvWmpControl.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "startup/GB2BIG5.h"

namespace kestova {

KestovaProgram::KestovaProgram(const QString &programDirectory)
    : m_settings(std::make_unique<QtSettingsStore>())
    , m_tvPlayer(std::make_unique<MpvWmpControl>())
    , m_tvPlayer2(std::make_unique<MpvRealControl>())
{
    // Channel lists may name clips relative to the program directory.
    m_tvPlayer->setBaseDirectory(programDirectory);
    m_tvPlayer2->setBaseDirectory(programDirectory);
    m_startForm = std::make_unique<StartForm>(*this, *m_settings, *m_tvPlayer, *m_tvPlayer2,
                                              programDirectory);
}

KestovaProgram::~KestovaProgram() = default;

void KestovaProgram::start()
{
    m_startForm->load();
    m_startForm->show();
}

TVscreen &KestovaProgram::loadMainWindow()
{
    if (m_window)
        return *m_window;
    m_window = std::make_unique<TVscreen>(*m_settings, *m_tvPlayer, *m_tvPlayer2);
    m_window->registerWindowToUnload(m_startForm.get());
    m_window->load();
    m_playback = new TVscreenPlayback(*m_window, LocaleRule{SystemLocale, [](const QString &text) { return GbToBig5(text); }});
    return *m_window;
}

void KestovaProgram::showMainWindow()
{
    m_playback->setSiteAddress(m_startForm->SiteAddress);
    m_window->show();
    m_window->activateWindow();
    m_window->raise();
}

} // namespace kestova
