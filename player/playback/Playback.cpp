#include "playback/Playback.h"

namespace kestova {

Playback::Playback(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
                   MessagePresenter &messages, StatisticsRequest &statistics,
                   const LocaleRule &localeRule, PlaybackTimers windowTimers, QObject *parent)
    : QObject(parent)
    , m_ownTimer1(windowTimers.Timer1 ? nullptr : std::make_unique<QTimer>())
    , m_ownTimer5(windowTimers.Timer5 ? nullptr : std::make_unique<QTimer>())
    , m_events(tvPlayer, tvPlayer2, view, m_state, messages, localeRule,
               windowTimers.Timer1 ? *windowTimers.Timer1 : *m_ownTimer1,
               windowTimers.Timer5 ? *windowTimers.Timer5 : *m_ownTimer5)
    , m_switcher(tvPlayer, tvPlayer2, view, m_state, m_events.Timer1(), statistics, localeRule)
{
    if (m_ownTimer5)
        m_ownTimer5->start();
}

} // namespace kestova
