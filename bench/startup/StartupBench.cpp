// What the splash's timer tick costs: loading the main window, reading both
// list files, building the channel buttons, the start values, showing the
// window. The half-second wait before the tick is not counted. Half of the
// channels come from the plain list and half from the scrambled one.
#include "fakes/FakePlayers.h"
#include "mainwindow/TVscreen.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "startup/ChannelListFormat.h"
#include "startup/GB2BIG5.h"
#include "startup/StartForm.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>

using namespace kestova;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A program directory holding `channels` channels with Chinese names.
bool writeLists(const QString &dir, int channels)
{
    const int plain = channels / 2;
    QString av;
    QStringList records;
    for (int k = 1; k <= channels; ++k) {
        const QString name = QString::fromUtf8("电视频道%1").arg(k);
        const QString url = QStringLiteral("http://127.0.0.1:8000/live%1.ts").arg(k);
        if (k <= plain)
            av += QStringLiteral("channel_name:%1@start{%2+or+%2b}@end@mediatype:media\r\n").arg(name, url);
        else
            records << QStringLiteral("%1|%2@@%2b|%3").arg(name, url, k % 2 ? QStringLiteral("m") : QStringLiteral("r"));
    }
    const ScrambledListWrite zqv = writeScrambledList(
        {records.join(QStringLiteral("##")), QStringLiteral("2026.12.01"), QStringLiteral("http://www.kestova.example"),
         QStringLiteral("http://update.kestova.example/tvlist.txt"), QString(), QString()});
    return zqv.ok() && writeFile(dir + QStringLiteral("/av.txt"), av.toLocal8Bit()) &&
           writeFile(dir + QStringLiteral("/tv.zqv"), zqv.bytes);
}

struct Host : StartupHost
{
    Host(SettingsStore &settings, WmpControl &wmp, RealControl &real) : settings(settings), wmp(wmp), real(real) {}
    TVscreen &loadMainWindow() override
    {
        window = std::make_unique<TVscreen>(settings, wmp, real);
        window->setLibraryUnregister([] {});
        window->setProgramEnd([] {});
        window->load();
        return *window;
    }
    void showMainWindow() override { window->show(); }

    SettingsStore &settings;
    WmpControl &wmp;
    RealControl &real;
    std::unique_ptr<TVscreen> window;
};

void BM_StartupSequence(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!writeLists(dir.path(), int(state.range(0)))) {
        state.SkipWithError("cannot write the lists");
        return;
    }
    SystemLocale = LocaleChinesePrc;
    loadGbToBig5Table();
    MemorySettingsStore settings;
    test::FakeWmpControl wmp;
    test::FakeRealControl real;
    int channels = 0;
    for (auto _ : state) {
        Host host(settings, wmp, real);
        StartForm splash(host, settings, wmp, real, dir.path());
        splash.runStartupSequence();
        state.PauseTiming();
        channels = host.window->channelCount();
        host.window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["channels"] = channels;
}
BENCHMARK(BM_StartupSequence)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
