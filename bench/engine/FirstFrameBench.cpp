// First frame in TVPlayer against the mpv command line with its default
// options, on an HTTP clip and a live HTTP MPEG-TS stream served locally.
//
// TVPlayer: from writing URL until the engine logs the same "first video
// frame after restart shown" line as the command line (and, for reference,
// until playState turns 3, which waits for the sound as well), on a freshly
// made control ("cold": the libmpv handle is created by that write) and on
// one whose engine already runs ("warm").
// mpv: "--no-config --vo=null --ao=null --frames=1 --msg-time", the time
// stamp of "first video frame after restart shown" ("total", since mpv
// started) and that minus "Done loading scripts." ("load", the file alone).
// Figures are medians of several runs. Without an mpv program the comparison
// is skipped and only TVPlayer's figures are printed.

#include "MediaFixture.h"
#include "MpvCommandLine.h"

#include "platform/MpvWmpControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <optional>
#include <vector>

using namespace kestova;

namespace {

constexpr int kRuns = 7;
constexpr int kTimeoutMs = 15000;
using bench::cliFirstFrame;
using bench::median;

MpvEngineConfig benchConfig()
{
    MpvEngineConfig config;
    config.video = MpvEngineConfig::Video::None;
    config.audioOutput = QStringLiteral("null");
    return config;
}

// Seconds from setURL to the engine's line for the first frame shown, and
// to playState 3 (restart complete: audio has caught up too).
struct PlayerFigures
{
    double firstFrame = -1;
    double playing = -1;
};

std::optional<PlayerFigures> playerFirstFrame(MpvWmpControl &player, const QString &url)
{
    PlayerFigures figures;
    QElapsedTimer clock;
    MpvEngine &engine = player.playback().engine();
    engine.setLogLevel("v");
    const QMetaObject::Connection marker = QObject::connect(
        &engine, &MpvEngine::logMessage, [&](const QString &, const QString &, const QString &text) {
            if (figures.firstFrame < 0 && text.contains(QLatin1String(bench::FirstFrameLine)))
                figures.firstFrame = clock.nsecsElapsed() / 1e9;
        });
    clock.start();
    player.setURL(url);
    const bool playing = QTest::qWaitFor(
        [&] { return player.playState() == 3 && figures.firstFrame >= 0; }, kTimeoutMs);
    figures.playing = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(marker);
    player.stop();
    const bool stopped = QTest::qWaitFor([&] { return player.playState() != 3; }, kTimeoutMs);
    if (!playing || !stopped)
        return std::nullopt;
    return figures;
}

void measure(const char *name, const QString &url, const QString &mpv, double target)
{
    std::vector<double> coldFrame, coldPlaying, warmFrame, warmPlaying, cliTotal, cliLoad;
    MpvWmpControl warmPlayer(benchConfig());
    warmPlayer.playback().engine().ensureStarted();
    for (int run = 0; run < kRuns; ++run) {
        {
            MpvWmpControl coldPlayer(benchConfig());
            if (const auto f = playerFirstFrame(coldPlayer, url)) {
                coldFrame.push_back(f->firstFrame);
                coldPlaying.push_back(f->playing);
            }
        }
        if (const auto f = playerFirstFrame(warmPlayer, url)) {
            warmFrame.push_back(f->firstFrame);
            warmPlaying.push_back(f->playing);
        }
        if (!mpv.isEmpty())
            if (const auto f = cliFirstFrame(mpv, url, kTimeoutMs)) {
                cliTotal.push_back(f->total);
                cliLoad.push_back(f->load);
            }
    }
    std::printf("%s (%s), median of %d runs\n", name, qPrintable(url), kRuns);
    std::printf("  TVPlayer cold: first frame %7.3f s, playState 3 %7.3f s (%zu runs)\n",
                median(coldFrame), median(coldPlaying), coldFrame.size());
    std::printf("  TVPlayer warm: first frame %7.3f s, playState 3 %7.3f s (%zu runs)\n",
                median(warmFrame), median(warmPlaying), warmFrame.size());
    if (mpv.isEmpty()) {
        std::printf("  mpv command line not found: comparison skipped\n");
        return;
    }
    std::printf("  mpv:           first frame %7.3f s since start, %7.3f s since loading (%zu runs)\n",
                median(cliTotal), median(cliLoad), cliTotal.size());
    if (cliTotal.empty() || coldFrame.empty() || warmFrame.empty())
        return;
    // Like for like: a fresh control against a fresh mpv process, a running
    // engine against mpv's file loading alone.
    const double coldRatio = median(coldFrame) / median(cliTotal);
    const double warmRatio = median(warmFrame) / median(cliLoad);
    const double playingRatio = median(coldPlaying) / median(cliTotal);
    std::printf("  ratios: cold %.2f, warm %.2f, cold to playState 3 %.2f (target at most %.2f):"
                " %s\n",
                coldRatio, warmRatio, playingRatio, target,
                std::max(coldRatio, warmRatio) <= target ? "met" : "NOT met");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    kestova::test::MediaFixture fixture;
    if (!fixture.ok()) {
        std::fprintf(stderr, "cannot set up the media: %s\n", qPrintable(fixture.error()));
        return 1;
    }
    const QString mpv = QStandardPaths::findExecutable(QStringLiteral("mpv"));
    measure("HTTP clip", fixture.url(QStringLiteral("clip.mp4")), mpv, 1.05);
    measure("live HTTP MPEG-TS", fixture.url(QStringLiteral("live.ts")), mpv, 0.5);
    return 0;
}
