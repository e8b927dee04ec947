#pragma once

#include "platform/LocaleRule.h"
#include "platform/MessageBoxPresenter.h"
#include "playback/Playback.h"
#include "playback/TVscreenPlaybackView.h"

#include <QObject>

#include <memory>

namespace kestova {

class StatisticsRequest;
class TVscreen;

// Playback wired to a real main window: the view over its controls, the
// message box over it, the window's Timer1 and Timer5, and its channel,
// sub-channel, play and stop clicks. Lives as a child of the window.
class TVscreenPlayback : public QObject
{
    Q_OBJECT
public:
    // statistics: the sender of the hits; nullptr makes one over HTTP.
    TVscreenPlayback(TVscreen &window, const LocaleRule &localeRule,
                     StatisticsRequest *statistics = nullptr);
    ~TVscreenPlayback() override;

    // The maker's site from the channel list (StartForm's SiteAddress).
    void setSiteAddress(const QString &siteAddress);

private:
    std::unique_ptr<StatisticsRequest> m_ownStatistics;
    TVscreenPlaybackView m_view;
    MessageBoxPresenter m_messages;
    std::unique_ptr<Playback> m_playback;
};

} // namespace kestova
