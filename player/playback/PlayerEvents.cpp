#include "playback/PlayerEvents.h"

#include "platform/MessagePresenter.h"
#include "playback/PlaybackView.h"
#include "playback/StatusTexts.h"
#include "platform/RealControl.h"
#include "platform/WmpControl.h"

namespace kestova {

PlayerEvents::PlayerEvents(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
                           PlaybackState &state, MessagePresenter &messages, LocaleRule localeRule,
                           QTimer &timer1, QTimer &timer5, QObject *parent)
    : QObject(parent)
    , m_tvPlayer(tvPlayer)
    , m_tvPlayer2(tvPlayer2)
    , m_view(view)
    , m_state(state)
    , m_messages(messages)
    , m_rule(std::move(localeRule))
    , m_timer1(timer1)
    , m_timer5(timer5)
{
    m_timer1.setInterval(500);
    m_timer1.setSingleShot(false);
    m_timer5.setInterval(1000);
    m_timer5.setSingleShot(false);
    connect(&m_timer1, &QTimer::timeout, this, &PlayerEvents::onTimer1);
    connect(&m_timer5, &QTimer::timeout, this, &PlayerEvents::onTimer5);

    connect(&tvPlayer, &WmpControl::Buffering, this, &PlayerEvents::onWmpBuffering);
    connect(&tvPlayer, &WmpControl::Error, this, &PlayerEvents::onWmpError);
    // Events that only let pending messages through.
    const auto pump = [this] { m_view.processPendingEvents(); };
    connect(&tvPlayer, &WmpControl::StatusChange, this, pump);
    connect(&tvPlayer, &WmpControl::NewStream, this, pump);
    connect(&tvPlayer, &WmpControl::MediaCollectionChange, this, pump);
    connect(&tvPlayer, &WmpControl::PlayerReconnect, this, pump);
    connect(&tvPlayer, &WmpControl::Disconnect, this, pump);
    connect(&tvPlayer, &WmpControl::MarkerHit, this, pump);
    connect(&tvPlayer, &WmpControl::CurrentPlaylistChange, this, pump);
    connect(&tvPlayer, &WmpControl::MediaChange, this, pump);
    connect(&tvPlayer, &WmpControl::MediaError, this, pump);
    connect(&tvPlayer, &WmpControl::PlaylistChange, this, pump);

    connect(&tvPlayer2, &RealControl::OnErrorMessage, this, &PlayerEvents::onRealErrorMessage);
    connect(&tvPlayer2, &RealControl::OnClipClosed, this, &PlayerEvents::onRealPresentationEnd);
    connect(&tvPlayer2, &RealControl::OnPresentationClosed, this, &PlayerEvents::onRealPresentationEnd);
    connect(&tvPlayer2, &RealControl::OnBuffering, this,
            [this](int, int percentage) { onRealBuffering(percentage); });
    connect(&tvPlayer2, &RealControl::OnPlayStateChange, this, &PlayerEvents::onRealPlayStateChange);
}

void PlayerEvents::setInfo(const std::optional<QString> &text)
{
    if (text)
        m_view.setInfoText(*text);
}

bool PlayerEvents::reportLocalFileError()
{
    if (m_state.OpenMode != QLatin1String("local"))
        return false;
    setInfo(status::localFileErrorStatus(m_rule));
    m_state.OpenMode.clear();
    return true;
}

void PlayerEvents::onWmpBuffering(bool)
{
    m_timer1.start();
}

void PlayerEvents::onWmpError()
{
    if (reportLocalFileError())
        return;
    m_view.setInfoText(status::wmpErrorStatus(m_state.CurrentChannelName, m_tvPlayer.errorCode(), m_rule));
}

void PlayerEvents::onRealErrorMessage()
{
    if (reportLocalFileError())
        return;
    setInfo(status::realErrorStatus(m_state.CurrentChannelName, m_rule));
}

void PlayerEvents::onRealPresentationEnd()
{
    // The box is modal: shown right here it would run a nested event loop
    // inside the player's own event delivery. Each event gets its own box,
    // the second after the first is closed.
    m_pendingMessages.enqueue(status::thanksMessage(m_rule));
    if (m_pendingMessages.size() == 1 && !m_showingMessage)
        QMetaObject::invokeMethod(this, &PlayerEvents::showPendingMessages, Qt::QueuedConnection);
}

void PlayerEvents::showPendingMessages()
{
    if (m_showingMessage)
        return;
    m_showingMessage = true;
    while (!m_pendingMessages.isEmpty())
        m_messages.showMessage(m_pendingMessages.dequeue());
    m_showingMessage = false;
}

void PlayerEvents::onRealBuffering(int percentage)
{
    setInfo(status::rateBufferingStatus(m_tvPlayer2.GetBandwidthCurrent(), percentage, m_rule));
}

void PlayerEvents::onRealPlayStateChange()
{
    // The state is asked afresh for each test: the first text may let the
    // player move on before the second test.
    if (m_tvPlayer2.GetPlayState() == RealControl::Contacting)
        setInfo(status::connectingStatus(m_state.CurrentChannelName, m_rule));
    if (m_tvPlayer2.GetPlayState() == RealControl::Playing) {
        if (!m_state.KeepCover)
            m_view.setMaskit2Visible(false);
        setInfo(status::rateStatus(m_tvPlayer2.GetBandwidthCurrent(), m_rule));
    }
}

void PlayerEvents::onTimer1()
{
    if (m_view.isRealPlayerVisible()) {
        m_view.processPendingEvents();
        return;
    }
    const int progress = m_tvPlayer.bufferingProgress();
    if (progress < 100) {
        setInfo(status::rateBufferingStatus(m_tvPlayer.bitRate(), progress, m_rule));
    } else {
        setInfo(status::rateStatus(m_tvPlayer.bitRate(), m_rule));
        m_timer1.stop();
    }
    m_view.processPendingEvents();
}

void PlayerEvents::onTimer5()
{
    if (m_tvPlayer.playState() == WmpControl::Playing) {
        const QString position = m_tvPlayer.currentPositionString();
        if (!position.trimmed().isEmpty())
            m_view.setPlayTimeText(position);
        if (m_state.OnDemand && !m_view.isSeekDragging()) {
            if (const auto x = status::wmpProgressWidth(m_view.picture1Width(), m_tvPlayer.currentPosition(),
                                                        m_tvPlayer.duration())) {
                m_view.clearProgress();
                m_view.drawProgress(*x);
            }
        }
    }
    if (m_tvPlayer2.GetPlayState() == RealControl::Playing) {
        const qint64 position = m_tvPlayer2.GetPosition();
        if (const auto clock = status::realClockText(position))
            m_view.setPlayTimeText(*clock);
        if (const auto x = status::realProgressWidth(position, m_tvPlayer2.GetLength(), m_view.picture3Width())) {
            m_view.clearProgress();
            m_view.drawProgress(*x);
        }
    }
    m_view.processPendingEvents();
}

} // namespace kestova
