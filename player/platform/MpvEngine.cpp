#include "platform/MpvEngine.h"

#include "platform/MpvProperties.h"
#include "platform/MpvVideoWidget.h"

#include <QFile>
#include <QGuiApplication>
#include <QMetaObject>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <mpv/client.h>
#include <mpv/render_gl.h>

namespace kestova {

namespace {

QVariant fromNode(const mpv_node &node)
{
    switch (node.format) {
    case MPV_FORMAT_STRING:
        return QString::fromUtf8(node.u.string);
    case MPV_FORMAT_FLAG:
        return bool(node.u.flag);
    case MPV_FORMAT_INT64:
        return qlonglong(node.u.int64);
    case MPV_FORMAT_DOUBLE:
        return node.u.double_;
    case MPV_FORMAT_NODE_ARRAY: {
        QVariantList list;
        for (int i = 0; i < node.u.list->num; ++i)
            list.append(fromNode(node.u.list->values[i]));
        return list;
    }
    case MPV_FORMAT_NODE_MAP: {
        QVariantMap map;
        for (int i = 0; i < node.u.list->num; ++i)
            map.insert(QString::fromUtf8(node.u.list->keys[i]), fromNode(node.u.list->values[i]));
        return map;
    }
    default:
        return {};
    }
}

// Options that keep a list's URL from reaching anything but the media:
// no user configuration, scripts, URL helpers, key bindings, on-screen
// controller or terminal; no files opened beside the source; only the
// network protocols the program plays inside FFmpeg.
const char *const kHardening[][2] = {
    {"config", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"osc", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"input-cursor", "no"},
    {"input-media-keys", "no"},
    {"terminal", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"load-auto-profiles", "no"},
    {"resume-playback", "no"},
    {"save-position-on-quit", "no"},
    {"autoload-files", "no"},
    {"sub-auto", "no"},
    {"audio-file-auto", "no"},
    {"cover-art-auto", "no"},
    {"load-unsafe-playlists", "no"},
    {"stream-lavf-o",
     "protocol_whitelist=[http,https,tls,tcp,mmsh,mmst,httpproxy,rtmp,rtmps,rtmpt,crypto]"},
    {"demuxer-lavf-o", "protocol_whitelist=[http,https,tls,tcp,udp,rtp,crypto,data,httpproxy]"},
};

// Player behaviour: stay alive with nothing loaded, no on-screen texts,
// software decoding without probing for vendor libraries.
const char *const kBehaviour[][2] = {
    {"idle", "yes"},
    {"keep-open", "no"},
    {"osd-level", "0"},
    {"hwdec", "no"},
    {"gpu-hwdec-interop", "no"},
    {"volume-max", "100"},
    // RTSP as its servers offer it: UDP first, TCP interleaving when no UDP
    // packet arrives (libmpv alone would insist on TCP).
    {"rtsp-transport", "lavf"},
};

} // namespace

MpvEngine::MpvEngine(MpvEngineConfig config, QObject *parent)
    : QObject(parent), m_config(std::move(config))
{
}

MpvEngine::~MpvEngine()
{
    teardown();
}

void MpvEngine::teardown()
{
    if (!m_handle)
        return;
    // Fixed order: no more wakeups, the render context freed with its GL
    // context current, then the handle.
    mpv_set_wakeup_callback(m_handle, nullptr, nullptr);
    if (m_render) {
        if (m_renderOwner)
            m_renderOwner->releaseRenderContext();
        else
            freeRenderContext(); // no GL context left to make current
    }
    mpv_terminate_destroy(m_handle);
    m_handle = nullptr;
}

bool MpvEngine::openGlAvailable()
{
    static const bool available = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return false;
        QOpenGLContext context;
        if (!context.create())
            return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        const bool current = surface.isValid() && context.makeCurrent(&surface);
        if (current)
            context.doneCurrent();
        return current;
    }();
    return available;
}

bool MpvEngine::ensureStarted()
{
    if (m_handle)
        return true;
    if (m_failed)
        return false;
    m_handle = mpv_create();
    if (!m_handle) {
        m_failed = true;
        qWarning("libmpv: cannot create a player");
        return false;
    }
    applyOptions();
    if (m_failed || mpv_initialize(m_handle) < 0) {
        qWarning("libmpv: cannot initialise the player");
        mpv_terminate_destroy(m_handle);
        m_handle = nullptr;
        m_failed = true;
        return false;
    }
    mpv_request_log_messages(m_handle, m_logLevel.constData());
    observeProperties();
    for (const auto &[name, value] : std::exchange(m_pending, {}))
        setProperty(name.constData(), value);
    mpv_set_wakeup_callback(m_handle, &MpvEngine::onWakeup, this);
    return true;
}

void MpvEngine::applyOptions()
{
    auto set = [this](const char *name, const QByteArray &value, bool required) {
        const int rc = mpv_set_option_string(m_handle, name, value.constData());
        if (rc < 0) {
            qWarning("libmpv: option %s=%s refused: %s", name, value.constData(),
                     mpv_error_string(rc));
            if (required)
                m_failed = true; // never run without the hardening
        }
    };
    for (const auto &option : kHardening)
        set(option[0], option[1], true);
    for (const auto &option : kBehaviour)
        set(option[0], option[1], false);

    const QString caFile = QStringLiteral("/etc/ssl/certs/ca-certificates.crt");
    if (QFile::exists(caFile)) {
        set("tls-ca-file", caFile.toUtf8(), false);
        set("tls-verify", "yes", false);
    }
    set(mpvname::NetworkTimeout, QByteArray::number(m_config.networkTimeoutSeconds), false);

    set(mpvname::Vo, rendersVideo() ? "libmpv" : "null", true);
    if (!m_config.audioOutput.isEmpty())
        set(mpvname::Ao, m_config.audioOutput.toUtf8(), true);
}

void MpvEngine::observeProperties()
{
    const char *const names[] = {mpvname::Pause, mpvname::CoreIdle, mpvname::PausedForCache,
                                 mpvname::CacheBufferingState, mpvname::VoConfigured};
    for (const char *name : names)
        mpv_observe_property(m_handle, 0, name, MPV_FORMAT_NODE);
}

void MpvEngine::onWakeup(void *self)
{
    auto *engine = static_cast<MpvEngine *>(self);
    if (engine->m_drainQueued.exchange(true))
        return;
    QMetaObject::invokeMethod(engine, &MpvEngine::drainEvents, Qt::QueuedConnection);
}

void MpvEngine::drainEvents()
{
    m_drainQueued = false;
    while (m_handle) {
        mpv_event *event = mpv_wait_event(m_handle, 0);
        switch (event->event_id) {
        case MPV_EVENT_NONE:
            return;
        case MPV_EVENT_START_FILE: {
            const auto *data = static_cast<mpv_event_start_file *>(event->data);
            emit startFile(data ? data->playlist_entry_id : 0);
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            emit fileLoaded();
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            emit playbackRestart();
            break;
        case MPV_EVENT_END_FILE: {
            const auto *data = static_cast<mpv_event_end_file *>(event->data);
            emit endFile(data->reason, data->error, data->playlist_entry_id);
            break;
        }
        case MPV_EVENT_IDLE:
            emit idle();
            break;
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto *data = static_cast<mpv_event_property *>(event->data);
            const QVariant value = data->format == MPV_FORMAT_NODE
                                       ? fromNode(*static_cast<mpv_node *>(data->data))
                                       : QVariant();
            emit propertyChanged(QString::fromUtf8(data->name), value);
            break;
        }
        case MPV_EVENT_LOG_MESSAGE: {
            const auto *data = static_cast<mpv_event_log_message *>(event->data);
            emit logMessage(QString::fromUtf8(data->prefix), QString::fromUtf8(data->level),
                            QString::fromUtf8(data->text).trimmed());
            break;
        }
        case MPV_EVENT_SHUTDOWN:
            return;
        default:
            break;
        }
    }
}

void MpvEngine::setLogLevel(const QByteArray &level)
{
    m_logLevel = level;
    if (m_handle)
        mpv_request_log_messages(m_handle, m_logLevel.constData());
}

int MpvEngine::command(const QStringList &args)
{
    if (!ensureStarted())
        return MPV_ERROR_UNINITIALIZED;
    std::vector<QByteArray> utf8;
    utf8.reserve(args.size());
    for (const QString &a : args)
        utf8.push_back(a.toUtf8());
    std::vector<const char *> argv;
    for (const QByteArray &a : utf8)
        argv.push_back(a.constData());
    argv.push_back(nullptr);
    return mpv_command(m_handle, argv.data());
}

int MpvEngine::setProperty(const char *name, const QVariant &value)
{
    if (!m_handle) {
        for (auto &entry : m_pending) {
            if (entry.first == name) {
                entry.second = value;
                return 0;
            }
        }
        m_pending.emplace_back(QByteArray(name), value);
        return 0;
    }
    switch (value.typeId()) {
    case QMetaType::Bool: {
        int flag = value.toBool() ? 1 : 0;
        return mpv_set_property(m_handle, name, MPV_FORMAT_FLAG, &flag);
    }
    case QMetaType::Int:
    case QMetaType::LongLong: {
        int64_t v = value.toLongLong();
        return mpv_set_property(m_handle, name, MPV_FORMAT_INT64, &v);
    }
    case QMetaType::Double: {
        double v = value.toDouble();
        return mpv_set_property(m_handle, name, MPV_FORMAT_DOUBLE, &v);
    }
    default:
        return mpv_set_property_string(m_handle, name, value.toString().toUtf8().constData());
    }
}

QVariant MpvEngine::property(const char *name) const
{
    if (!m_handle) {
        for (const auto &entry : m_pending)
            if (entry.first == name)
                return entry.second;
        return {};
    }
    mpv_node node;
    if (mpv_get_property(m_handle, name, MPV_FORMAT_NODE, &node) < 0)
        return {};
    QVariant value = fromNode(node);
    mpv_free_node_contents(&node);
    return value;
}

double MpvEngine::doubleProperty(const char *name, double fallback) const
{
    const QVariant v = property(name);
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : fallback;
}

bool MpvEngine::flagProperty(const char *name, bool fallback) const
{
    const QVariant v = property(name);
    return v.isValid() ? v.toBool() : fallback;
}

void MpvEngine::setRenderOwner(MpvVideoWidget *owner)
{
    m_renderOwner = owner;
}

bool MpvEngine::createRenderContext(void *(*getProcAddress)(void *, const char *), void *ctx)
{
    if (m_render)
        return true;
    if (!rendersVideo() || !ensureStarted())
        return false;
    mpv_opengl_init_params glInit{getProcAddress, ctx};
    // No advanced control: with it the core may wait for the render thread,
    // which is the UI thread here, while the UI thread waits in a property
    // read for the core.
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&m_render, m_handle, params) < 0) {
        m_render = nullptr;
        qWarning("libmpv: cannot create the OpenGL render context");
        return false;
    }
    mpv_render_context_set_update_callback(m_render, &MpvEngine::onRenderUpdate, this);
    emit renderContextChanged(true);
    return true;
}

void MpvEngine::onRenderUpdate(void *self)
{
    QMetaObject::invokeMethod(static_cast<MpvEngine *>(self), &MpvEngine::frameReady,
                              Qt::QueuedConnection);
}

bool MpvEngine::renderUpdateWanted()
{
    return m_render && (mpv_render_context_update(m_render) & MPV_RENDER_UPDATE_FRAME);
}

void MpvEngine::renderFrame(int framebufferObject, int width, int height)
{
    if (!m_render)
        return;
    mpv_opengl_fbo fbo{framebufferObject, width, height, 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_render, params);
}

void MpvEngine::freeRenderContext()
{
    if (!m_render)
        return;
    mpv_render_context_set_update_callback(m_render, nullptr, nullptr);
    mpv_render_context_free(m_render);
    m_render = nullptr;
    emit renderContextChanged(false);
}

} // namespace kestova
