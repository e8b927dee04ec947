#pragma once

#include "playback/ChannelSwitcher.h"
#include "platform/LocaleRule.h"
#include "playback/PlaybackState.h"
#include "playback/PlayerEvents.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace kestova {

class MessagePresenter;
class PlaybackView;
class RealControl;
class StatisticsRequest;
class WmpControl;

// The main window's timers that playback drives. Missing ones are made and
// owned by Playback (Timer5 then runs from the start, as designed).
struct PlaybackTimers
{
    QTimer *Timer1 = nullptr;
    QTimer *Timer5 = nullptr;
};

// Playback of the main window in one piece: the state both halves share,
// the player events with their timers, and channel switching.
class Playback : public QObject
{
    Q_OBJECT
public:
    Playback(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
             MessagePresenter &messages, StatisticsRequest &statistics, const LocaleRule &localeRule,
             PlaybackTimers windowTimers = {}, QObject *parent = nullptr);

    PlaybackState &state() { return m_state; }
    PlayerEvents &events() { return m_events; }
    ChannelSwitcher &switcher() { return m_switcher; }

private:
    std::unique_ptr<QTimer> m_ownTimer1, m_ownTimer5;
    PlaybackState m_state;
    PlayerEvents m_events;
    ChannelSwitcher m_switcher;
};

} // namespace kestova
