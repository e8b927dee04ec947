#pragma once

#include "startup/StartForm.h"

#include <QString>

#include <memory>

namespace kestova {

class MpvRealControl;
class MpvWmpControl;
class QtSettingsStore;
class TVscreenPlayback;

// The running program: the settings, the two player components, the splash
// and, once the splash's timer has fired, the main window with playback wired
// to it. The members are released in the reverse order of their creation, so
// the main window goes before the players it shows.
class KestovaProgram final : public StartupHost
{
public:
    explicit KestovaProgram(const QString &programDirectory);
    ~KestovaProgram() override;

    KestovaProgram(const KestovaProgram &) = delete;
    KestovaProgram &operator=(const KestovaProgram &) = delete;

    // Loads and shows the splash; half a second later it runs the start-up
    // sequence.
    void start();

    TVscreen &loadMainWindow() override;
    void showMainWindow() override;

private:
    std::unique_ptr<QtSettingsStore> m_settings;
    std::unique_ptr<MpvWmpControl> m_tvPlayer;
    std::unique_ptr<MpvRealControl> m_tvPlayer2;
    std::unique_ptr<StartForm> m_startForm;
    std::unique_ptr<TVscreen> m_window;
    TVscreenPlayback *m_playback = nullptr; // a child of m_window
};

} // namespace kestova
