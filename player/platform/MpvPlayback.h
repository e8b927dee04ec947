#pragma once

#include "platform/MediaSourcePolicy.h"
#include "platform/MpvEngine.h"
#include "platform/MpvFailureClassifier.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <optional>
#include <vector>

namespace kestova {

// The playback state both player facades are built on: one engine, the
// source check, what is playing now, and the engine's events turned into
// "contacting / buffering / playing", failures with their class, and the
// natural end of a medium and of the whole queue.
//
// Which engine event moves what:
//   open()                      -> Contacting (until the file is loaded)
//   FILE_LOADED                 -> Buffering until the first PLAYBACK_RESTART
//   PLAYBACK_RESTART            -> Playing (unless paused or waiting for data)
//   paused-for-cache / core-idle-> Buffering while waiting for data
//   pause                       -> Paused
//   END_FILE eof                -> mediaEnded(); IDLE after it -> queueEnded()
//   END_FILE eof on a live
//     stream, END_FILE error    -> failed(), classified a moment later so that
//                                  the log lines that trail the event count
//   stop() / open() / IDLE      -> Idle; an end the program asked for raises
//                                  neither mediaEnded() nor failed()
// Where video goes through a GL widget, a load waits (at most a second) for
// the widget's render context, and a new render context (the widget moved to
// another window) brings the video of the current file back.
class MpvPlayback : public QObject
{
    Q_OBJECT
public:
    enum class Activity { Idle, Contacting, Buffering, Playing, Paused };
    Q_ENUM(Activity)

    explicit MpvPlayback(MpvEngineConfig config = {}, QObject *parent = nullptr);
    ~MpvPlayback() override;

    MpvEngine &engine() { return m_engine; }
    MediaSourcePolicy &policy() { return m_policy; }

    // Replaces whatever plays with the source. A refused source stops the
    // current medium, loads nothing and reports failed() (UnknownFormat)
    // from the event loop; the result says whether the source was taken.
    bool open(const QString &source);
    // Queues a source after the current one; refused sources are skipped.
    bool append(const QString &source);
    void clearQueue();
    void stop();
    void setPaused(bool paused);
    void seek(double seconds);

    Activity activity() const { return m_activity; }
    double position() const;        // seconds, 0 when nothing is loaded
    double length() const;          // seconds, 0 for live or unknown
    int bufferingPercent() const;   // 100 when nothing is being waited for
    int bitRate() const;            // bits per second, 0 when unknown

Q_SIGNALS:
    void activityChanged(kestova::MpvPlayback::Activity previous,
                         kestova::MpvPlayback::Activity current);
    void bufferingProgress(int percent);
    void mediaStarted();
    void mediaLoaded();
    void failed(const kestova::FailureClass &failure);
    void mediaEnded();
    void queueEnded();

private:
    void onStartFile();
    void onFileLoaded();
    void onPlaybackRestart();
    void onEndFile(int reason, int error);
    void onIdle();
    void onPropertyChanged(const QString &name, const QVariant &value);
    void onLogMessage(const QString &prefix, const QString &level, const QString &text);
    void beginFailure(int error, bool endedAtEof);
    void reportFailure();
    void cancelFailure();
    void refuse(const QString &reason);
    // A new entry (active) or none (inactive): nothing loaded or shown yet.
    void resetMedium(bool active);
    void updateActivity();
    // A source to load, and how: "replace" or "append".
    struct PendingLoad
    {
        MediaSourceDecision decision;
        const char *mode;
    };
    QStringList loadArguments(const PendingLoad &load, bool withVideo = true) const;
    bool load(PendingLoad load);
    void flushDeferredLoads(bool withVideo);
    void onRenderContextChanged(bool available);
    void restoreVideo();

    MpvEngine m_engine;
    MediaSourcePolicy m_policy;
    Activity m_activity = Activity::Idle;

    int m_loadsInFlight = 0;   // loads asked for whose START_FILE has not come
    bool m_active = false;     // a medium is loading or loaded
    bool m_loaded = false;
    bool m_restartSeen = false;
    bool m_paused = false;
    bool m_pausedForCache = false;
    bool m_coreIdle = true;
    bool m_voConfigured = false;
    int m_cacheState = 0;
    bool m_network = false;
    bool m_live = false;
    bool m_endedNaturally = false;
    QStringList m_log;
    QElapsedTimer m_sinceStart;

    std::optional<PlaybackFailure> m_failure;
    QTimer m_failureDelay;

    // Where video is rendered, loads wait for the video widget's render
    // context: a video chain started without one is dropped for the file.
    std::vector<PendingLoad> m_deferredLoads;
    QTimer m_renderWait;
};

} // namespace kestova

Q_DECLARE_METATYPE(kestova::FailureClass)
