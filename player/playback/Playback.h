#pragma once

#include "playback/ChannelSwitcher.h"
#include "playback/LocaleRule.h"
#include "playback/PlaybackState.h"
#include "playback/PlayerEvents.h"

#include <QObject>

namespace kestova {

class MessagePresenter;
class PlaybackView;
class RealControl;
class StatisticsRequest;
class WmpControl;

// Playback of the main window in one piece: the state both halves share,
// the player events with their timers, and channel switching.
class Playback : public QObject
{
    Q_OBJECT
public:
    Playback(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
             MessagePresenter &messages, StatisticsRequest &statistics, const LocaleRule &localeRule,
             QObject *parent = nullptr);

    PlaybackState &state() { return m_state; }
    PlayerEvents &events() { return m_events; }
    ChannelSwitcher &switcher() { return m_switcher; }

private:
    PlaybackState m_state;
    PlayerEvents m_events;
    ChannelSwitcher m_switcher;
};

} // namespace kestova
