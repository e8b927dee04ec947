// Playback benchmark, run by hand (QT_QPA_PLATFORM=offscreen by default):
//  1. time from a click on a channel button to the first video frame, for
//     a local HTTP clip and a live HTTP MPEG-TS stream, next to the mpv
//     command line on the same source;
//  2. 200 channel switches in a row, resident memory before and after.
// Prints one line per figure.

#include "MediaFixture.h"
#include "MpvCommandLine.h"

#include "DravoButton.h"
#include "mainwindow/SkinImage.h"
#include "mainwindow/TVscreen.h"
#include "playback/TVscreenPlayback.h"
#include "platform/MpvRealControl.h"
#include "platform/MpvWmpControl.h"
#include "platform/SettingsStore.h"
#include "platform/StatisticsRequest.h"
#include "startup/ChannelCatalogue.h"
#include "startup/CatalogueInstall.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <vector>

using namespace kestova;

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void click(TVscreen &window, QWidget *control)
{
    QWindow *handle = window.windowHandle();
    const QPoint p = control->mapTo(&window, control->rect().center());
    QTest::mouseMove(handle, QPoint(1, 1));
    QCursor::setPos(window.mapToGlobal(p));
    QTest::mouseMove(handle, p);
    QTest::mousePress(handle, Qt::LeftButton, {}, p);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, p);
}

// Seconds from the click to playState 3 (the first frame is out).
double clickToFirstFrame(TVscreen &window, WmpControl &wmp, int channel)
{
    // Back to idle first, through the stop image.
    click(window, window.tv_stop());
    QTest::qWaitFor([&] { return wmp.playState() != WmpControl::Playing; }, 5000);
    QTest::qWait(200);
    QElapsedTimer clock;
    bool playing = false;
    const auto connection = QObject::connect(&wmp, &WmpControl::StatusChange, [&] {
        if (!playing && wmp.playState() == WmpControl::Playing) {
            playing = true;
        }
    });
    clock.start();
    click(window, window.ChangeChannel(channel));
    QTest::qWaitFor([&] { return playing || wmp.playState() == WmpControl::Playing; }, 20000);
    const double seconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(connection);
    return playing || wmp.playState() == WmpControl::Playing ? seconds : -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    test::MediaFixture media;
    if (!media.ok()) {
        std::fprintf(stderr, "media: %s\n", qPrintable(media.error()));
        return 1;
    }
    const QString clip = media.url(QStringLiteral("clip.mp4"));
    const QString live = media.url(QStringLiteral("live.ts"));

    MpvEngineConfig config;
    config.video = QGuiApplication::platformName() == QLatin1String("offscreen") ? MpvEngineConfig::Video::None
                                                                                  : MpvEngineConfig::Video::Auto;
    config.audioOutput = QStringLiteral("null");
    MpvWmpControl wmp(config);
    MpvRealControl real(config);
    MemorySettingsStore settings;
    TVscreen window(settings, wmp, real);
    window.load();
    const Catalogue catalogue = buildCatalogue(QStringLiteral("Clip|%1|m##Live|%2|m").arg(clip, live),
                                               LocaleChinesePrc, window.catalogueFrame(),
                                               [](const QString &s) { return s; });
    installCatalogue(window, catalogue);
    HttpStatisticsRequest statistics;
    new TVscreenPlayback(window, LocaleRule{LocaleChinesePrc, {}}, &statistics);
    window.show();
    window.switchPanel();
    QTest::qWaitForWindowExposed(&window);

    constexpr int runs = 7;
    for (const auto &[name, channel, url] : {std::tuple{"http clip", 1, clip}, std::tuple{"live http ts", 2, live}}) {
        std::vector<double> ours, cli;
        for (int i = 0; i < runs; ++i) {
            ours.push_back(clickToFirstFrame(window, wmp, channel));
            cli.push_back(bench::cliFirstFrame(QStringLiteral("mpv"), url, 30000).value_or(bench::CliFigures{}).total);
        }
        std::printf("first frame, %-12s: click %.3f s (median of %d), mpv command line %.3f s\n", name,
                    bench::median(ours), runs, bench::median(cli));
    }

    // 200 switches in a row between the two channels, each given 50 ms.
    QTest::qWait(1000);
    const long before = residentKiB();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 200; ++i) {
        click(window, window.ChangeChannel(1 + i % 2));
        QTest::qWait(50);
    }
    const double elapsed = clock.nsecsElapsed() / 1e9;
    QTest::qWait(2000);
    const long after = residentKiB();
    std::printf("200 switches: %.1f s, resident %ld KiB before, %ld KiB after (%+ld KiB)\n", elapsed, before, after,
                after - before);
    return 0;
}
