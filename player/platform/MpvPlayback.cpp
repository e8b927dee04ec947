#include "platform/MpvPlayback.h"

#include "platform/MpvProperties.h"
#include "platform/WmpControl.h"


#include <mpv/client.h>

#include <cmath>

namespace kestova {

namespace {

// Log lines kept per source; enough for every line a failure leaves.
constexpr int kMaxLogLines = 200;
// Lines may trail the END_FILE event they explain (an HTTP 500 does).
constexpr int kFailureDelayMs = 150;
// How long a load waits for the video widget's render context before it
// plays without video (a widget that is never shown).
constexpr int kRenderWaitMs = 1000;

// Options for network sources: trust the streams a container declares
// instead of reading seconds of a live stream to describe them.
constexpr char kShortProbe[] = "demuxer-lavf-probe-info=nostreams";

} // namespace

MpvPlayback::MpvPlayback(MpvEngineConfig config, QObject *parent)
    : QObject(parent), m_engine(std::move(config))
{
    m_failureDelay.setSingleShot(true);
    m_failureDelay.setInterval(kFailureDelayMs);
    connect(&m_failureDelay, &QTimer::timeout, this, &MpvPlayback::reportFailure);
    m_renderWait.setSingleShot(true);
    m_renderWait.setInterval(kRenderWaitMs);
    connect(&m_renderWait, &QTimer::timeout, this, [this] { flushDeferredLoads(false); });
    connect(&m_engine, &MpvEngine::renderContextChanged, this,
            &MpvPlayback::onRenderContextChanged);
    connect(&m_engine, &MpvEngine::startFile, this, &MpvPlayback::onStartFile);
    connect(&m_engine, &MpvEngine::fileLoaded, this, &MpvPlayback::onFileLoaded);
    connect(&m_engine, &MpvEngine::playbackRestart, this, &MpvPlayback::onPlaybackRestart);
    connect(&m_engine, &MpvEngine::endFile, this,
            [this](int reason, int error, qint64) { onEndFile(reason, error); });
    connect(&m_engine, &MpvEngine::idle, this, &MpvPlayback::onIdle);
    connect(&m_engine, &MpvEngine::propertyChanged, this, &MpvPlayback::onPropertyChanged);
    connect(&m_engine, &MpvEngine::logMessage, this, &MpvPlayback::onLogMessage);
}

MpvPlayback::~MpvPlayback() = default;

QStringList MpvPlayback::loadArguments(const PendingLoad &load, bool withVideo) const
{
    QStringList args{QString::fromLatin1(mpvname::LoadFile), load.decision.target,
                     QString::fromLatin1(load.mode)};
    // Per-file options share one argument, comma-separated.
    QStringList options;
    if (load.decision.network && m_engine.config().shortNetworkProbe)
        options << QString::fromLatin1(kShortProbe);
    if (!withVideo)
        options << QStringLiteral("vid=no");
    if (!options.isEmpty())
        args << options.join(QLatin1Char(','));
    return args;
}

bool MpvPlayback::open(const QString &source)
{
    cancelFailure();
    m_endedNaturally = false;
    const MediaSourceDecision decision = m_policy.check(source);
    if (!decision.allowed) {
        refuse(decision.reason);
        return false;
    }
    // Writing a source starts playback, also after a pause.
    m_engine.setProperty(mpvname::Pause, false);
    m_paused = false;
    m_deferredLoads.clear();
    if (!load({decision, "replace"})) {
        refuse(QStringLiteral("the player could not take the source"));
        return false;
    }
    ++m_loadsInFlight;
    resetMedium(true);
    updateActivity();
    return true;
}

bool MpvPlayback::append(const QString &source)
{
    const MediaSourceDecision decision = m_policy.check(source);
    if (!decision.allowed)
        return false;
    return load({decision, "append"});
}

bool MpvPlayback::load(PendingLoad load)
{
    if (!m_engine.ensureStarted())
        return false;
    if (m_engine.rendersVideo() && !m_engine.hasRenderContext()) {
        m_deferredLoads.push_back(std::move(load));
        if (!m_renderWait.isActive())
            m_renderWait.start();
        return true;
    }
    return m_engine.command(loadArguments(load)) >= 0;
}

void MpvPlayback::flushDeferredLoads(bool withVideo)
{
    m_renderWait.stop();
    for (const PendingLoad &load : std::exchange(m_deferredLoads, {}))
        m_engine.command(loadArguments(load, withVideo));
}

void MpvPlayback::onRenderContextChanged(bool available)
{
    if (!available)
        return;
    if (!m_deferredLoads.empty())
        flushDeferredLoads(true);
    else
        restoreVideo();
}

void MpvPlayback::restoreVideo()
{
    // The engine drops a file's video when the render context it used goes
    // away (the video widget moved to another window). Whichever comes
    // first, the drop or the new context, the video is selected again once
    // both have happened.
    if (!m_loaded || m_voConfigured || !m_engine.hasRenderContext())
        return;
    const QVariantList tracks = m_engine.property(mpvname::TrackList).toList();
    for (const QVariant &track : tracks) {
        const QVariantMap t = track.toMap();
        if (t.value(QStringLiteral("type")).toString() == QLatin1String("video")
            && !t.value(QStringLiteral("albumart")).toBool()) {
            m_engine.setProperty(mpvname::Vid, false);
            m_engine.setProperty(mpvname::Vid, t.value(QStringLiteral("id")).toLongLong());
            return;
        }
    }
}

void MpvPlayback::clearQueue()
{
    if (m_engine.isStarted())
        m_engine.command({QString::fromLatin1(mpvname::PlaylistClear)});
}

void MpvPlayback::stop()
{
    cancelFailure();
    m_deferredLoads.clear();
    m_renderWait.stop();
    m_endedNaturally = false;
    if (m_engine.isStarted())
        m_engine.command({QString::fromLatin1(mpvname::Stop)});
    m_loadsInFlight = 0;
    resetMedium(false);
    updateActivity();
}

void MpvPlayback::setPaused(bool paused)
{
    m_engine.setProperty(mpvname::Pause, paused);
    if (!m_engine.isStarted())
        return;
    m_paused = paused;
    updateActivity();
}

void MpvPlayback::seek(double seconds)
{
    if (!m_loaded || !m_engine.flagProperty(mpvname::Seekable))
        return; // a live stream "seeks" successfully and only logs
    m_engine.command({QString::fromLatin1(mpvname::Seek), QString::number(std::max(0.0, seconds)),
                      QStringLiteral("absolute")});
}

double MpvPlayback::position() const
{
    if (!m_loaded)
        return 0;
    return std::max(0.0, m_engine.doubleProperty(mpvname::TimePos));
}

double MpvPlayback::length() const
{
    if (!m_loaded || m_live)
        return 0;
    return std::max(0.0, m_engine.doubleProperty(mpvname::Duration));
}

int MpvPlayback::bufferingPercent() const
{
    switch (m_activity) {
    case Activity::Contacting:
        return 0;
    case Activity::Buffering:
        return std::clamp(m_cacheState, 0, 99);
    default:
        return 100;
    }
}

int MpvPlayback::bitRate() const
{
    if (!m_loaded)
        return 0;
    // The streams' own rates are known only from keyframes some way apart;
    // until then the rate the cache receives at stands in.
    const double streams = m_engine.doubleProperty(mpvname::VideoBitrate)
                           + m_engine.doubleProperty(mpvname::AudioBitrate);
    if (streams > 0)
        return int(std::lround(streams));
    const QVariantMap cache = m_engine.property(mpvname::DemuxerCacheState).toMap();
    const double input = cache.value(QString::fromLatin1(mpvname::RawInputRate)).toDouble();
    if (input > 0)
        return int(std::lround(input * 8));
    return int(std::lround(m_engine.doubleProperty(mpvname::CacheSpeed) * 8));
}

void MpvPlayback::refuse(const QString &reason)
{
    // Nothing of the refused source reaches the engine; what played stops.
    stop();
    FailureClass failure{WmpError::UnknownFormat, QStringLiteral("source refused: ") + reason};
    QMetaObject::invokeMethod(
        this, [this, failure] { emit failed(failure); }, Qt::QueuedConnection);
}

void MpvPlayback::onStartFile()
{
    m_loadsInFlight = std::max(0, m_loadsInFlight - 1);
    if (m_failure)
        reportFailure(); // the previous entry's failure is complete now
    resetMedium(true);
    m_endedNaturally = false;
    m_log.clear();
    m_sinceStart.start();
    m_network = hasProtocolPrefix(m_engine.property(mpvname::Path).toString());
    updateActivity();
    emit mediaStarted();
}

void MpvPlayback::onFileLoaded()
{
    m_loaded = true;
    // A live stream has no size; its "duration" in the engine only grows.
    m_live = m_network && !m_engine.property(mpvname::FileSize).isValid();
    updateActivity();
    emit mediaLoaded();
}

void MpvPlayback::onPlaybackRestart()
{
    m_restartSeen = true;
    updateActivity();
}

void MpvPlayback::onEndFile(int reason, int error)
{
    const bool started = m_restartSeen;
    const bool live = m_live;
    resetMedium(m_loadsInFlight > 0); // active until the next entry starts, if any
    switch (reason) {
    case MPV_END_FILE_REASON_EOF:
        if (m_network && live && started) {
            m_failure = PlaybackFailure{};
            m_failure->playbackStarted = true;
            beginFailure(0, true);
        } else {
            m_endedNaturally = true;
            emit mediaEnded();
        }
        break;
    case MPV_END_FILE_REASON_ERROR:
        m_failure = PlaybackFailure{};
        m_failure->playbackStarted = started;
        beginFailure(error, false);
        break;
    default: // stop, quit, redirect: asked for, nothing to report
        break;
    }
    updateActivity();
}

void MpvPlayback::beginFailure(int error, bool endedAtEof)
{
    m_failure->endError = error;
    m_failure->endedAtEof = endedAtEof;
    m_failure->network = m_network;
    m_failure->logLines = m_log;
    m_failure->secondsSinceStart = m_sinceStart.isValid() ? m_sinceStart.elapsed() / 1000.0 : 0;
    m_failure->networkTimeout = m_engine.config().networkTimeoutSeconds;
    m_failureDelay.start();
}

void MpvPlayback::reportFailure()
{
    m_failureDelay.stop();
    if (!m_failure)
        return;
    const FailureClass failure = classifyFailure(*m_failure);
    m_failure.reset();
    emit failed(failure);
}

void MpvPlayback::cancelFailure()
{
    m_failureDelay.stop();
    m_failure.reset();
}

void MpvPlayback::resetMedium(bool active)
{
    m_active = active;
    m_loaded = false;
    m_restartSeen = false;
    m_live = false;
}

void MpvPlayback::onIdle()
{
    if (m_loadsInFlight > 0)
        return; // an IDLE from before the latest load
    resetMedium(false);
    updateActivity();
    if (m_endedNaturally) {
        m_endedNaturally = false;
        emit queueEnded();
    }
}

void MpvPlayback::onPropertyChanged(const QString &name, const QVariant &value)
{
    if (name == QLatin1String(mpvname::Pause)) {
        m_paused = value.toBool();
    } else if (name == QLatin1String(mpvname::PausedForCache)) {
        m_pausedForCache = value.toBool();
    } else if (name == QLatin1String(mpvname::CoreIdle)) {
        m_coreIdle = value.toBool();
    } else if (name == QLatin1String(mpvname::VoConfigured)) {
        m_voConfigured = value.toBool();
        if (!m_voConfigured)
            restoreVideo();
        return;
    } else if (name == QLatin1String(mpvname::CacheBufferingState)) {
        m_cacheState = value.isValid() ? value.toInt() : 0;
        if (m_activity == Activity::Buffering)
            emit bufferingProgress(bufferingPercent());
        return;
    } else {
        return;
    }
    updateActivity();
}

void MpvPlayback::onLogMessage(const QString &prefix, const QString &level, const QString &text)
{
    static const QStringList failureLevels{QStringLiteral("fatal"), QStringLiteral("error"),
                                           QStringLiteral("warn")};
    if (!failureLevels.contains(level))
        return;
    const QString line = prefix + QStringLiteral(": ") + text;
    if (m_failure) // lines trailing the failed entry's END_FILE
        m_failure->logLines.append(line);
    if (m_log.size() >= kMaxLogLines)
        m_log.removeFirst();
    m_log.append(line);
}

void MpvPlayback::updateActivity()
{
    Activity now = Activity::Idle;
    if (m_active) {
        if (!m_loaded)
            now = Activity::Contacting;
        else if (m_paused)
            now = Activity::Paused;
        else if (!m_restartSeen || m_pausedForCache || m_coreIdle)
            now = Activity::Buffering;
        else
            now = Activity::Playing;
    }
    if (now == m_activity)
        return;
    const Activity previous = std::exchange(m_activity, now);
    emit activityChanged(previous, now);
    if (now == Activity::Buffering)
        emit bufferingProgress(bufferingPercent());
}

} // namespace kestova
