#include "playback/TVscreenPlayback.h"

#include "mainwindow/TVscreen.h"
#include "platform/StatisticsRequest.h"

namespace kestova {

TVscreenPlayback::TVscreenPlayback(TVscreen &window, const LocaleRule &localeRule,
                                   StatisticsRequest *statistics)
    : QObject(&window)
    , m_ownStatistics(statistics ? nullptr : std::make_unique<HttpStatisticsRequest>())
    , m_view(window)
    , m_messages(&window)
{
    m_playback = std::make_unique<Playback>(window.TVPlayer(), window.TVPlayer2(), m_view, m_messages,
                                            statistics ? *statistics : *m_ownStatistics, localeRule,
                                            PlaybackTimers{window.Timer1(), window.Timer5()});
    ChannelSwitcher &switcher = m_playback->switcher();
    connect(&window, &TVscreen::channelClicked, this, [&switcher](int k) { switcher.startChannel(k); });
    connect(&window, &TVscreen::subchannelClicked, this, [&switcher](int i) { switcher.switchSubchannel(i); });
    connect(&window, &TVscreen::playClicked, this, [&switcher] { switcher.play(); });
    connect(&window, &TVscreen::stopClicked, this, [&switcher] { switcher.stop(); });
}

TVscreenPlayback::~TVscreenPlayback() = default;

void TVscreenPlayback::setSiteAddress(const QString &siteAddress)
{
    m_playback->switcher().setSiteAddress(siteAddress);
}

} // namespace kestova
