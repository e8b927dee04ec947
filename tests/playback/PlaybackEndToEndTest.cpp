// Channel switching end to end: the real main window with real clicks on its
// channel and sub-channel buttons, the real libmpv players, and streams
// ffmpeg makes for the run, served on 127.0.0.1 over HTTP and RTSP.
//
// Under QT_QPA_PLATFORM=offscreen the players decode without showing video;
// under an X server (xvfb-run) they render into the window and the test
// reads the pixels back. KESTOVA_SCREENSHOT_DIR, when set, receives a
// screenshot of the window with a playing channel.

#include "MediaSuite.h"

#include "DravoButton.h"
#include "mainwindow/PictureBox.h"
#include "mainwindow/SkinImage.h"
#include "mainwindow/TVscreen.h"
#include "playback/TVscreenPlayback.h"
#include "platform/MpvRealControl.h"
#include "platform/MpvWmpControl.h"
#include "platform/SettingsStore.h"
#include "platform/StatisticsRequest.h"
#include "startup/ChannelCatalogue.h"
#include "startup/CatalogueInstall.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QWindow>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QOpenGLWidget>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <memory>
#include <optional>

using namespace kestova;
using kestova::test::MediaFixture;

namespace {

constexpr int kPlayTimeoutMs = 20000;

bool onScreen() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

// The first of four free UDP ports in a row (RTP and RTCP for video and
// sound), even as RTP wants; two test programs running at once must not share
// the RTSP server's default block.
int freeUdpBlock()
{
    for (int tries = 0; tries < 200; ++tries) {
        const int first = 30000 + 2 * int(QRandomGenerator::global()->bounded(10000));
        QUdpSocket sockets[4];
        bool free = true;
        for (int i = 0; i < 4 && free; ++i)
            free = sockets[i].bind(QHostAddress::LocalHost, quint16(first + i));
        if (free)
            return first;
    }
    return 20000;
}

// A local RTSP server with one live stream pushed into it by ffmpeg.
class RtspStream
{
public:
    RtspStream()
    {
        m_clientPort = MediaFixture::closedPort();
        const int sourcePort = MediaFixture::closedPort();
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Debian's rtsp-server-perl, started so that its RTP ports really
        // start at the block given: its housekeeping falls back to the
        // package-wide default whenever no stream is mounted.
        const QString rtpPorts = QString::number(freeUdpBlock());
        m_server.start(QStringLiteral("perl"),
                       {"-MAnyEvent", "-MRTSP::Server", "-e",
                        "$RTSP::Server::RTP_START_PORT = shift @ARGV;"
                        "my $server = RTSP::Server->new_with_options; $server->listen;"
                        "AnyEvent->condvar->recv;",
                        rtpPorts, "--clientport", QString::number(m_clientPort), "--serverport",
                        QString::number(sourcePort), "--client_listen_address", "127.0.0.1",
                        "--source_listen_address", "127.0.0.1", "--rtp_start_port", rtpPorts});
        if (!m_server.waitForStarted(5000) || !waitForPort(sourcePort))
            return;
        m_push.start(QStringLiteral("ffmpeg"),
                     {"-nostdin", "-loglevel", "error", "-re", "-f", "lavfi", "-i",
                      "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i",
                      "sine=frequency=440:sample_rate=44100", "-t", "60", "-c:v", "mpeg4", "-g", "25",
                      "-c:a", "aac", "-f", "rtsp", "-rtsp_transport", "udp",
                      QStringLiteral("rtsp://127.0.0.1:%1/live").arg(sourcePort)});
        m_ok = m_push.waitForStarted(5000);
        QTest::qWait(1500); // the stream is announced
    }
    ~RtspStream()
    {
        for (QProcess *p : {&m_push, &m_server}) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
    bool ok() const { return m_ok && m_push.state() == QProcess::Running; }
    QString url() const { return QStringLiteral("rtsp://127.0.0.1:%1/live").arg(m_clientPort); }

private:
    static bool waitForPort(int port)
    {
        return QTest::qWaitFor(
            [port] {
                QTcpSocket s;
                s.connectToHost(QHostAddress::LocalHost, quint16(port));
                return s.waitForConnected(100);
            },
            5000);
    }
    QProcess m_server, m_push;
    int m_clientPort = 0;
    bool m_ok = false;
};

// Every text the status line showed, in order, without repeats. The label
// is read every few milliseconds and right after each player event and
// timer tick (these connections come after playback's own, so they run
// after its handlers have set their texts).
class StatusLog
{
public:
    explicit StatusLog(const QLabel *info) : m_info(info)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { sample(); });
        m_poll.start(5);
        sample();
    }
    template<typename Sender, typename Signal> void after(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, &m_poll, [this] { sample(); });
    }
    void sample()
    {
        const QString t = m_info->text();
        if (m_texts.isEmpty() || m_texts.last() != t)
            m_texts << t;
    }
    const QStringList &texts() const { return m_texts; }
    std::string dump() const { return m_texts.join(QStringLiteral(" | ")).toStdString(); }

private:
    const QLabel *m_info;
    QTimer m_poll;
    QStringList m_texts;
};

// Texts of modal boxes that opened, each closed again with OK.
class BoxCloser
{
public:
    BoxCloser()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->windowTitle() + QLatin1Char('|') + box->text();
                box->accept();
            }
        });
        m_poll.start(20);
    }
    QStringList texts;

private:
    QTimer m_poll;
};

const QRegularExpression RateText(QStringLiteral("^播放速度\\d+K/S  Kestova$"));
const QRegularExpression BufferingText(QStringLiteral("^播放速度\\d+K/S  缓冲>>>\\d+％  Kestova$"));

// The main window over the real players with a channel list, shown in the
// expanded panel so the channel buttons can be clicked.
struct PlayerWindow
{
    explicit PlayerWindow(const QString &records)
        : wmp(config()), real(config()), window(settings, wmp, real)
    {
        window.load();
        const Catalogue catalogue = buildCatalogue(records, LocaleChinesePrc, window.catalogueFrame(),
                                                   [](const QString &s) { return s; });
        installCatalogue(window, catalogue);
        playback = new TVscreenPlayback(window, LocaleRule{LocaleChinesePrc, {}}, &statistics);
        window.show();
        window.switchPanel();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~PlayerWindow() { ChannelFlags.fill(QString()); }

    static MpvEngineConfig config()
    {
        MpvEngineConfig c;
        c.video = onScreen() ? MpvEngineConfig::Video::Auto : MpvEngineConfig::Video::None;
        c.audioOutput = QStringLiteral("null");
        c.networkTimeoutSeconds = 5;
        return c;
    }

    // A click as the window system delivers it: the pointer comes over the
    // control, then the left button goes down and up.
    void click(QWidget *control)
    {
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(control->isVisible());
        QWindow *handle = window.windowHandle();
        const QPoint p = control->mapTo(&window, control->rect().center());
        // From a corner of the window, so the pointer really arrives.
        QTest::mouseMove(handle, QPoint(1, 1));
        QCoreApplication::processEvents();
        QCursor::setPos(window.mapToGlobal(p));
        QTest::mouseMove(handle, p);
        QCoreApplication::processEvents();
        QTest::mousePress(handle, Qt::LeftButton, {}, p);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, p);
        QCoreApplication::processEvents();
    }
    QString info() const { return window.info()->text(); }
    QString clock() const { return window.PlayTime()->text(); }

    // The share of the video widget's pixels that are neither black nor grey:
    // the test picture is mostly coloured bars.
    double colouredShare(QWidget *video)
    {
        QImage image;
        if (auto *gl = qobject_cast<QOpenGLWidget *>(video))
            image = gl->grabFramebuffer();
        else
            image = video->grab().toImage();
        if (image.isNull())
            return 0;
        int coloured = 0, total = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4, ++total) {
                const QColor c = image.pixelColor(x, y);
                if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60)
                    ++coloured;
            }
        return total ? double(coloured) / total : 0;
    }

    void screenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("KESTOVA_SCREENSHOT_DIR");
        if (dir.isEmpty() || !onScreen())
            return;
        QDir().mkpath(dir);
        window.grab().save(QDir(dir).filePath(name));
    }

    MpvWmpControl wmp;
    MpvRealControl real;
    MemorySettingsStore settings;
    TVscreen window;
    HttpStatisticsRequest statistics;
    TVscreenPlayback *playback = nullptr; // a child of the window
};

class PlaybackEndToEnd : public test::MediaSuite
{
protected:
    void SetUp() override { ASSERT_TRUE(media->ok()) << media->error().toStdString(); }
};

} // namespace

TEST_F(PlaybackEndToEnd, ClickOnALiveChannelPlaysItInTheWindow)
{
    PlayerWindow w(QStringLiteral("Clip|%1|mf##Live|%2|m")
                       .arg(media->url("clip.mp4"), media->url("live.ts")));
    w.playback->setSiteAddress(media->url(""));
    StatusLog status(w.window.info());
    status.after(w.window.Timer1(), &QTimer::timeout);
    w.click(w.window.ChangeChannel(2));
    EXPECT_EQ(w.window.windowTitle(), "Kestova---Live");
    EXPECT_EQ(w.info(), "开始搜索-->Live");

    ASSERT_TRUE(QTest::qWaitFor([&] { return w.wmp.playState() == WmpControl::Playing; }, kPlayTimeoutMs))
        << status.dump();
    // Timer1 reports the rate once buffering is done, then stops.
    ASSERT_TRUE(QTest::qWaitFor([&] { return RateText.match(w.info()).hasMatch(); }, 5000)) << status.dump();
    EXPECT_FALSE(w.window.Timer1()->isActive());
    // From the start text through buffering texts (if a tick came while the
    // cache filled) to the rate text.
    const QStringList seen = status.texts();
    const auto start = seen.indexOf("开始搜索-->Live");
    ASSERT_GE(start, 0) << status.dump();
    for (const QString &t : seen.mid(start + 1, seen.size() - start - 2))
        EXPECT_TRUE(BufferingText.match(t).hasMatch()) << "between the start and the rate: " << t.toStdString();

    // The clock runs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.clock() >= "00:02"; }, 8000)) << w.clock().toStdString();
    EXPECT_EQ(w.wmp.duration(), 0); // live: no progress bar
    EXPECT_TRUE(w.window.Picture3()->drawing().empty());

    if (onScreen()) {
        QWidget *video = w.wmp.videoWidget();
        ASSERT_TRUE(video->isVisible());
        EXPECT_GT(w.colouredShare(video), 0.3);
        w.screenshot(QStringLiteral("playback-live.png"));
    }
}

TEST_F(PlaybackEndToEnd, OnDemandClipDrawsTheProgressBar)
{
    PlayerWindow w(QStringLiteral("Clip|%1|mf").arg(media->url("clip.mp4")));
    w.click(w.window.ChangeChannel(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.clock() >= "00:02"; }, kPlayTimeoutMs)) << w.clock().toStdString();
    ASSERT_FALSE(w.window.Picture3()->drawing().empty());
    const auto box = w.window.Picture3()->drawing().back();
    EXPECT_EQ(box.colour, QColor(0, 0, 255));
    EXPECT_GT(box.twips.width(), 0.3 * w.window.layout().Picture1.rect.Width);
    EXPECT_LT(box.twips.width(), 0.95 * w.window.layout().Picture1.rect.Width);

    // Stop pauses an on-demand clip: the position stays.
    w.click(w.window.tv_stop());
    EXPECT_EQ(w.info(), "播放已经被用户停止！  Kestova");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.wmp.playState() != WmpControl::Playing; }, 3000));
    const double paused = w.wmp.currentPosition();
    QTest::qWait(600);
    EXPECT_NEAR(w.wmp.currentPosition(), paused, 0.05);
    w.click(w.window.tv_play());
    EXPECT_EQ(w.info(), "开始搜索-->Clip");
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.wmp.currentPosition() > paused + 0.3; }, 5000));
}

TEST_F(PlaybackEndToEnd, SecondSourceSwitchesWithItsSubchannelButton)
{
    PlayerWindow w(QStringLiteral("Two|%1@@%2|m").arg(media->url("clip.mp4"), media->url("live.ts")));
    w.click(w.window.ChangeChannel(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.wmp.playState() == WmpControl::Playing; }, kPlayTimeoutMs));
    ASSERT_TRUE(w.window.subchannel(1)->isVisible());
    EXPECT_FALSE(w.window.subchannel(2)->isVisible());
    EXPECT_EQ(w.window.subchannel(1)->toolTip(), "选频2");

    w.click(w.window.subchannel(1));
    EXPECT_EQ(w.info(), "切换到选频2收看");
    EXPECT_EQ(w.wmp.URL(), media->url("live.ts"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.wmp.playState() == WmpControl::Playing && w.wmp.duration() == 0; },
                                kPlayTimeoutMs));
    EXPECT_EQ(w.window.windowTitle(), "Kestova---Two");
}

TEST_F(PlaybackEndToEnd, ClosedPortShowsTheChannelNameWithTheError)
{
    const QString closed = QStringLiteral("http://127.0.0.1:%1/live.ts").arg(MediaFixture::closedPort());
    PlayerWindow w(QStringLiteral("Gone|%1|m").arg(closed));
    w.click(w.window.ChangeChannel(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.info().startsWith("Gone") && w.info() != "Gone"; }, kPlayTimeoutMs))
        << w.info().toStdString();
    EXPECT_EQ(w.info(), "Gone暂时停止服务，请换其他频道！");
}

TEST_F(PlaybackEndToEnd, RealChannelGoesThroughConnectingAndBufferingToPlaying)
{
    PlayerWindow w(QStringLiteral("Rm|%1|r").arg(media->url("clip.rm")));
    StatusLog status(w.window.info());
    status.after(&w.real, &RealControl::OnPlayStateChange);
    status.after(&w.real, &RealControl::OnBuffering);
    BoxCloser boxes;
    // The cover is up while the player contacts the server; a local clip may
    // already play by the time the click returns.
    std::optional<bool> coveredWhileContacting;
    QObject::connect(&w.real, &RealControl::OnPlayStateChange, &w.window, [&](int, int state) {
        if (state == RealControl::Contacting && !coveredWhileContacting)
            coveredWhileContacting = w.window.Maskit2()->isVisible();
    });
    w.click(w.window.ChangeChannel(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return coveredWhileContacting.has_value(); }, kPlayTimeoutMs)) << status.dump();
    EXPECT_TRUE(*coveredWhileContacting) << status.dump();
    EXPECT_FALSE(w.window.tv_fit()->isVisible());
    EXPECT_TRUE(w.real.videoWidget()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return RateText.match(w.info()).hasMatch(); }, kPlayTimeoutMs))
        << status.dump();
    // Without the "b" flag the cover goes once the clip plays.
    EXPECT_FALSE(w.window.Maskit2()->isVisible());
    const QStringList seen = status.texts();
    const auto at = [&](const QString &text) { return seen.indexOf(text); };
    // The connecting event may come within the click's own message pumping,
    // before the start text could be painted.
    ASSERT_GE(at("正在连接==>Rm"), 0) << status.dump();
    EXPECT_LT(at("开始搜索-->Rm"), at("正在连接==>Rm")) << status.dump();
    const auto buffering = std::find_if(seen.begin(), seen.end(),
                                        [](const QString &t) { return BufferingText.match(t).hasMatch(); });
    EXPECT_NE(buffering, seen.end()) << status.dump();

    // The clip ends by itself: the two end events each show the box.
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 2; }, kPlayTimeoutMs)) << status.dump();
    EXPECT_EQ(boxes.texts, QStringList(2, "Kestova|谢谢观赏！"));
}

TEST_F(PlaybackEndToEnd, RtspChannelPlaysInTheRealPlayer)
{
    RtspStream rtsp;
    ASSERT_TRUE(rtsp.ok());
    PlayerWindow w(QStringLiteral("Cam|%1|rb").arg(rtsp.url()));
    StatusLog status(w.window.info());
    w.click(w.window.ChangeChannel(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.real.GetPlayState() == RealControl::Playing; }, kPlayTimeoutMs))
        << status.dump();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.clock() >= "00:01"; }, 8000)) << w.clock().toStdString();
    // The "b" flag keeps the cover up.
    EXPECT_TRUE(w.window.Maskit2()->isVisible());
    EXPECT_TRUE(RateText.match(w.info()).hasMatch()) << status.dump();
}
