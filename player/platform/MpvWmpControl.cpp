#include "platform/MpvWmpControl.h"

#include "platform/MpvProperties.h"

#include <QMetaObject>

#include <cmath>

namespace kestova {

namespace {

// Values of the change argument of CurrentPlaylistChange.
constexpr int kPlaylistCleared = 1;
constexpr int kPlaylistAppended = 6;

} // namespace

QString wmpPositionText(double seconds)
{
    const qint64 total = seconds > 0 ? qint64(std::floor(seconds)) : 0;
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (total >= 3600)
        return two(total / 3600) + QLatin1Char(':') + two(total / 60 % 60) + QLatin1Char(':')
               + two(total % 60);
    return two(total / 60) + QLatin1Char(':') + two(total % 60);
}

MpvWmpControl::MpvWmpControl(MpvEngineConfig config, QObject *parent)
    : WmpControl(parent), m_playback(std::move(config))
{
    // Remembered until the engine starts, so construction stays cheap.
    m_playback.engine().setProperty(mpvname::Volume, double(m_volume));
    connect(&m_playback, &MpvPlayback::activityChanged, this, &MpvWmpControl::onActivityChanged);
    connect(&m_playback, &MpvPlayback::failed, this, &MpvWmpControl::onFailed);
    connect(&m_playback, &MpvPlayback::mediaStarted, this, [this] { emit MediaChange(nullptr); });
    connect(&m_playback, &MpvPlayback::mediaLoaded, this, &MpvWmpControl::NewStream);
    connect(&m_playback, &MpvPlayback::mediaEnded, this, [this] { setState(WmpControl::MediaEnded); });
    connect(&m_playback, &MpvPlayback::queueEnded, this, [this] { setState(WmpControl::Stopped); });
}

MpvWmpControl::~MpvWmpControl() = default;

template<typename F> void MpvWmpControl::post(F &&raise)
{
    QMetaObject::invokeMethod(this, std::forward<F>(raise), Qt::QueuedConnection);
}

void MpvWmpControl::setBaseDirectory(const QString &directory)
{
    m_playback.policy().setBaseDirectory(directory);
}

void MpvWmpControl::setURL(const QString &url)
{
    m_url = url;
    m_playlist = QStringList{url};
    m_error = 0;
    if (url.trimmed().isEmpty()) {
        m_playback.stop();
        return;
    }
    m_playback.open(url);
}

void MpvWmpControl::close()
{
    m_playback.stop();
    m_url.clear();
    m_playlist.clear();
    setState(WmpControl::Undefined);
}

void MpvWmpControl::play()
{
    if (m_playback.activity() != MpvPlayback::Activity::Idle) {
        m_playback.setPaused(false);
        return;
    }
    // After a stop or the end of the list, the list plays again from its
    // start; a cleared list still has the source written to URL.
    const QStringList items = m_playlist.isEmpty() ? QStringList{m_url} : m_playlist;
    if (items.first().trimmed().isEmpty())
        return;
    m_error = 0;
    m_playback.open(items.first());
    for (qsizetype i = 1; i < items.size(); ++i)
        m_playback.append(items.at(i));
}

void MpvWmpControl::stop()
{
    m_playback.stop();
}

void MpvWmpControl::pause()
{
    m_playback.setPaused(true);
}

double MpvWmpControl::currentPosition() const
{
    return m_playback.position();
}

void MpvWmpControl::setCurrentPosition(double seconds)
{
    m_playback.seek(seconds);
}

QString MpvWmpControl::currentPositionString() const
{
    switch (m_playback.activity()) {
    case MpvPlayback::Activity::Idle:
    case MpvPlayback::Activity::Contacting:
        return {};
    default:
        return wmpPositionText(m_playback.position());
    }
}

void MpvWmpControl::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 100);
    m_playback.engine().setProperty(mpvname::Volume, double(m_volume));
}

void MpvWmpControl::setMute(bool mute)
{
    m_mute = mute;
    m_playback.engine().setProperty(mpvname::Mute, mute);
}

double MpvWmpControl::duration() const
{
    return m_playback.length();
}

void MpvWmpControl::setBufferingTime(int milliseconds)
{
    // How much the cache refills before playing on after running dry; the
    // start is not held back, so live channels show their first frame early.
    m_playback.engine().setProperty(mpvname::CachePauseWait,
                                    std::max(0, milliseconds) / 1000.0);
}

int MpvWmpControl::bufferingProgress() const
{
    return m_playback.bufferingPercent();
}

int MpvWmpControl::bitRate() const
{
    return m_playback.bitRate();
}

QString MpvWmpControl::mediaCollectionAdd(const QString &url)
{
    post([this] { emit MediaCollectionChange(); });
    return url;
}

void MpvWmpControl::playlistClear()
{
    m_playlist.clear();
    m_playback.clearQueue(); // the current entry plays on
    post([this] { emit CurrentPlaylistChange(kPlaylistCleared); });
}

void MpvWmpControl::playlistAppendItem(const QString &media)
{
    m_playlist.append(media);
    if (m_playback.activity() != MpvPlayback::Activity::Idle)
        m_playback.append(media);
    post([this] { emit CurrentPlaylistChange(kPlaylistAppended); });
}

QString MpvWmpControl::playlistItemInfo(int index, const QString &attribute) const
{
    if (index < 0 || index >= m_playlist.size())
        return {};
    if (attribute.compare(QLatin1String("title"), Qt::CaseInsensitive) == 0)
        return mediaTitle(m_playlist.at(index));
    if (attribute.compare(QLatin1String("sourceURL"), Qt::CaseInsensitive) == 0)
        return m_playlist.at(index);
    return {};
}

void MpvWmpControl::setFullScreen(bool fullScreen)
{
    if (fullScreen)
        m_video.enterFullScreen();
    else
        m_video.leaveFullScreen();
}

void MpvWmpControl::setStretchToFit(bool stretch)
{
    m_stretch = stretch;
    m_playback.engine().setProperty(mpvname::KeepAspect, !stretch);
}

QWidget *MpvWmpControl::videoWidget()
{
    return m_video.widget();
}

void MpvWmpControl::onActivityChanged(MpvPlayback::Activity previous,
                                      MpvPlayback::Activity current)
{
    using A = MpvPlayback::Activity;
    switch (current) {
    case A::Idle:
        // A clip that ended keeps saying so until the next one starts.
        if (m_state != WmpControl::MediaEnded)
            setState(WmpControl::Stopped);
        break;
    case A::Contacting:
        setState(WmpControl::Transitioning);
        break;
    case A::Buffering:
        setState(WmpControl::BufferingState);
        break;
    case A::Playing:
        setState(WmpControl::Playing);
        break;
    case A::Paused:
        setState(WmpControl::Paused);
        break;
    }
    // The playback reports changes only, so previous and current differ.
    if (current == A::Buffering)
        post([this] { emit Buffering(true); });
    else if (previous == A::Buffering)
        post([this] { emit Buffering(false); });
}

void MpvWmpControl::onFailed(const FailureClass &failure)
{
    m_error = failure.code;
    post([this] {
        emit Error();
        emit MediaError(nullptr);
    });
}

void MpvWmpControl::setState(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    post([this] { emit StatusChange(); });
}

} // namespace kestova

// The interface is a header of its own; its meta-object is compiled here.
#include "moc_WmpControl.cpp"
