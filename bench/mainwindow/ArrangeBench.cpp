// The cost of a resize of the main window: ArrangeControls on the model
// alone, and ArrangeControls applied to the widgets plus a synchronous
// repaint of the window with 1000 channel buttons in the expanded panel.
#include "PreviewWindow.h"

#include "mainwindow/PanelLayout.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <clocale>

using namespace kestova;

namespace {

QString g_listFile;

void BM_ArrangeControlsModel(benchmark::State &state)
{
    LayoutModel m;
    SwitchPanel(m, LocaleChinesePrc, {});
    float step = 15;
    for (auto _ : state) {
        m.W += step;
        step = -step;
        benchmark::DoNotOptimize(ArrangeControls(m));
    }
}
BENCHMARK(BM_ArrangeControlsModel);

void BM_ResizeArrangeRepaint(benchmark::State &state)
{
    SystemLocale = LocaleChinesePrc;
    preview::PreviewWindow w;
    w.screen->load();
    w.fill(g_listFile, int(state.range(0)));
    w.screen->show();
    (void)QTest::qWaitForWindowExposed(w.screen.get());
    w.screen->switchPanel();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w.screen.get(), &activate);
    QCoreApplication::processEvents();
    const QSize base = w.screen->size();
    int step = 1;
    for (auto _ : state) {
        // A resize runs ArrangeControls on the widgets; repaint() paints now.
        w.screen->resize(base.width() + step, base.height() + step);
        step = step == 1 ? 0 : 1;
        w.screen->repaint();
    }
    state.counters["channels"] = double(w.screen->channelCount());
}
BENCHMARK(BM_ResizeArrangeRepaint)->Arg(0)->Arg(40)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    g_listFile = QStringLiteral(KESTOVA_LIST_RECORDS);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
