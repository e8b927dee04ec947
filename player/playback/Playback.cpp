#include "playback/Playback.h"

namespace kestova {

Playback::Playback(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
                   MessagePresenter &messages, StatisticsRequest &statistics,
                   const LocaleRule &localeRule, QObject *parent)
    : QObject(parent)
    , m_events(tvPlayer, tvPlayer2, view, m_state, messages, localeRule)
    , m_switcher(tvPlayer, tvPlayer2, view, m_state, m_events.Timer1(), statistics, localeRule)
{
}

} // namespace kestova
