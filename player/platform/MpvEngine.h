#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <utility>
#include <vector>

struct mpv_handle;
struct mpv_render_context;

namespace kestova {

class MpvVideoWidget;

// How an engine is set up; fixed before the libmpv handle exists.
struct MpvEngineConfig
{
    enum class Video {
        Auto, // render through OpenGL where a GL context can be had, else none
        None, // decode and drop video (vo=null)
    };
    Video video = Video::Auto;
    QString audioOutput;             // mpv "ao"; empty: libmpv's default
    double networkTimeoutSeconds = 20;
    // Probe network sources briefly, so live streams start fast.
    bool shortNetworkProbe = true;
};

// One libmpv player. Owns the handle, created on first use, with options
// hardened for URLs from untrusted lists. libmpv calls the wakeup callback
// on its own threads; the callback only posts a queued drain to this
// object's thread, which turns the events into the signals below.
class MpvEngine : public QObject
{
    Q_OBJECT
public:
    explicit MpvEngine(MpvEngineConfig config = {}, QObject *parent = nullptr);
    ~MpvEngine() override;

    // Creates and initialises the handle if needed; false when libmpv could
    // not be set up (every later call then does nothing).
    bool ensureStarted();
    bool isStarted() const { return m_handle != nullptr; }
    const MpvEngineConfig &config() const { return m_config; }

    // Whether video goes through the render API (a GL video widget is needed).
    static bool openGlAvailable();
    // Whether this engine shows video through the render API (decided by
    // the configuration and the platform, also before the handle exists).
    bool rendersVideo() const
    {
        return m_config.video == MpvEngineConfig::Video::Auto && openGlAvailable();
    }

    // Log lines delivered by logMessage(): "warn" (the default) and above;
    // a benchmark asks for "v" to see the first frame's line.
    void setLogLevel(const QByteArray &level);

    // mpv error code (0 on success).
    int command(const QStringList &args);
    // Set before start, a property is remembered and applied at start.
    int setProperty(const char *name, const QVariant &value);
    // Invalid QVariant when the property is unavailable (nothing loaded,...).
    QVariant property(const char *name) const;
    double doubleProperty(const char *name, double fallback = 0) const;
    bool flagProperty(const char *name, bool fallback = false) const;

    // Render API, used by MpvVideoWidget with its GL context current.
    bool createRenderContext(void *(*getProcAddress)(void *ctx, const char *name), void *ctx);
    bool hasRenderContext() const { return m_render != nullptr; }
    // Whether a new frame should be drawn (after frameReady()).
    bool renderUpdateWanted();
    void renderFrame(int framebufferObject, int width, int height);
    void freeRenderContext();
    // The widget that owns the render context; asked to free it (with its
    // context current) before the handle goes away.
    void setRenderOwner(MpvVideoWidget *owner);

Q_SIGNALS:
    void startFile(qint64 playlistEntryId);
    void fileLoaded();
    void playbackRestart();
    // reason: MPV_END_FILE_REASON_*; error: mpv error code for reason ERROR.
    void endFile(int reason, int error, qint64 playlistEntryId);
    void idle();
    void propertyChanged(const QString &name, const QVariant &value);
    void logMessage(const QString &prefix, const QString &level, const QString &text);
    void frameReady();
    // The render context came or went (a video widget's GL context is
    // created and destroyed with its top-level window).
    void renderContextChanged(bool available);

private:
    void drainEvents();
    void applyOptions();
    void observeProperties();
    void teardown();
    static void onWakeup(void *self);
    static void onRenderUpdate(void *self);

    MpvEngineConfig m_config;
    mpv_handle *m_handle = nullptr;
    mpv_render_context *m_render = nullptr;
    QPointer<MpvVideoWidget> m_renderOwner;
    bool m_failed = false;
    std::atomic_bool m_drainQueued{false};
    std::vector<std::pair<QByteArray, QVariant>> m_pending;
    QByteArray m_logLevel = "warn";
};

} // namespace kestova
