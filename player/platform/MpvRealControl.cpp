#include "platform/MpvRealControl.h"

#include "platform/MpvProperties.h"

#include <QMetaObject>

#include <cmath>

namespace kestova {

namespace {

constexpr int kSeverityError = 3;
constexpr int kBufferingStartUp = 0;
constexpr int kBufferingCongestion = 2;

int toMilliseconds(double seconds)
{
    return int(std::clamp(std::llround(seconds * 1000.0), 0LL, qint64(INT32_MAX)));
}

} // namespace

MpvRealControl::MpvRealControl(MpvEngineConfig config, QObject *parent)
    : RealControl(parent), m_playback(std::move(config))
{
    m_playback.engine().setProperty(mpvname::Volume, double(m_volume));
    connect(&m_playback, &MpvPlayback::activityChanged, this,
            &MpvRealControl::onActivityChanged);
    connect(&m_playback, &MpvPlayback::bufferingProgress, this,
            &MpvRealControl::onBufferingProgress);
    connect(&m_playback, &MpvPlayback::failed, this, &MpvRealControl::onFailed);
    connect(&m_playback, &MpvPlayback::mediaStarted, this, [this] { m_hasPlayed = false; });
    connect(&m_playback, &MpvPlayback::mediaEnded, this, [this] {
        const QString source = m_source;
        post([this, source] { emit OnClipClosed(0, 0, source); });
    });
    connect(&m_playback, &MpvPlayback::queueEnded, this, [this] {
        const QString source = m_source;
        post([this, source] { emit OnPresentationClosed(0, 0, source); });
    });
}

MpvRealControl::~MpvRealControl() = default;

template<typename F> void MpvRealControl::post(F &&raise)
{
    QMetaObject::invokeMethod(this, std::forward<F>(raise), Qt::QueuedConnection);
}

void MpvRealControl::setBaseDirectory(const QString &directory)
{
    m_playback.policy().setBaseDirectory(directory);
}

void MpvRealControl::SetSource(const QString &url)
{
    m_source = url;
    if (url.trimmed().isEmpty()) {
        m_playback.stop();
        return;
    }
    m_playback.open(url);
}

void MpvRealControl::DoStop()
{
    m_playback.stop();
}

void MpvRealControl::DoPlay()
{
    if (m_playback.activity() != MpvPlayback::Activity::Idle)
        m_playback.setPaused(false);
    else if (!m_source.trimmed().isEmpty())
        m_playback.open(m_source);
}

void MpvRealControl::DoPause()
{
    m_playback.setPaused(true);
}

void MpvRealControl::SetStartupOption(int, bool)
{
    // The options tune the original component's own start; this player has
    // nothing they would change.
}

void MpvRealControl::SetVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 100);
    m_playback.engine().setProperty(mpvname::Volume, double(m_volume));
}

void MpvRealControl::SetMute(bool mute)
{
    m_mute = mute;
    m_playback.engine().setProperty(mpvname::Mute, mute);
}

int MpvRealControl::GetBandwidthCurrent() const
{
    return m_playback.bitRate();
}

int MpvRealControl::GetPosition() const
{
    return toMilliseconds(m_playback.position());
}

int MpvRealControl::GetLength() const
{
    return toMilliseconds(m_playback.length());
}

void MpvRealControl::SetPosition(int milliseconds)
{
    m_playback.seek(milliseconds / 1000.0);
}

void MpvRealControl::SetFullScreen()
{
    m_video.enterFullScreen();
}

void MpvRealControl::SetActivated(bool)
{
    // Activation gives this player nothing to do: it keeps no focus state.
}

QWidget *MpvRealControl::videoWidget()
{
    return m_video.widget();
}

void MpvRealControl::onActivityChanged(MpvPlayback::Activity, MpvPlayback::Activity current)
{
    using A = MpvPlayback::Activity;
    int state = Stopped;
    switch (current) {
    case A::Idle: state = Stopped; break;
    case A::Contacting: state = Contacting; break;
    case A::Buffering: state = Buffering; break;
    case A::Playing: state = Playing; m_hasPlayed = true; break;
    case A::Paused: state = Paused; break;
    }
    if (state == m_state)
        return;
    const int previous = std::exchange(m_state, state);
    post([this, previous, state] { emit OnPlayStateChange(previous, state); });
}

void MpvRealControl::onBufferingProgress(int percent)
{
    const int flags = m_hasPlayed ? kBufferingCongestion : kBufferingStartUp;
    post([this, flags, percent] { emit OnBuffering(flags, percent); });
}

void MpvRealControl::onFailed(const FailureClass &failure)
{
    const QString source = m_source;
    post([this, failure, source] {
        emit OnErrorMessage(kSeverityError, failure.code, 0, failure.description, QString(),
                            source);
    });
}

} // namespace kestova

// The interface is a header of its own; its meta-object is compiled here.
#include "moc_RealControl.cpp"
