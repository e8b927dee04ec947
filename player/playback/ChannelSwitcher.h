#pragma once

#include "platform/LocaleRule.h"
#include "playback/PlaybackState.h"

#include <QString>
#include <QStringList>

class QTimer;

namespace kestova {

class PlaybackView;
class RealControl;
class StatisticsRequest;
class WmpControl;

// Starts channels in the right player, fills the sub-channel buttons,
// switches between a channel's sources, and carries out play and stop.
// Every start resets both players first; ResetPlayers is also what the
// open-media dialog calls before it starts a source of its own.
class ChannelSwitcher
{
public:
    // Number of sub-channel buttons on the window.
    static constexpr int SubchannelCount = 16;

    // rateTimer is Timer1 of the player events: every start switches it off.
    ChannelSwitcher(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
                    PlaybackState &state, QTimer &rateTimer, StatisticsRequest &statistics,
                    LocaleRule localeRule);

    // The maker's site from the channel list; empty means no statistics hits.
    void setSiteAddress(const QString &siteAddress) { m_siteAddress = siteAddress; }

    // Returns both players to their idle state with the "m" player in use.
    // False when a click handled while it let messages through started
    // something else in the meantime: the caller then leaves the players to
    // that later start.
    bool ResetPlayers();
    // Click of channel button k (1..1000), flags from ChannelFlags(k).
    void startChannel(int k);
    // Click of sub-channel button i (0..15).
    void switchSubchannel(int i);
    // Clicks of the play and stop images.
    void play();
    void stop();

    // A channel button's sources: the tag split at every "@@" (an empty tag
    // gives one empty source).
    static QStringList splitSources(const QString &tag);

private:
    void fillSubchannels(const QStringList &sources, const QString &mediaLetter);

    WmpControl &m_tvPlayer;
    RealControl &m_tvPlayer2;
    PlaybackView &m_view;
    PlaybackState &m_state;
    QTimer &m_rateTimer;
    StatisticsRequest &m_statistics;
    LocaleRule m_rule;
    QString m_siteAddress;
    quint64 m_resetCount = 0; // tells a start that another reset ran inside its own
};

} // namespace kestova
