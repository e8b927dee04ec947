// Repaint cost of 1000 DravoButtons of 150 x 22 pixels under the pointer, in
// each fill style: the face procedure alone, and real buttons painted by Qt.
#include "ButtonFace.h"
#include "DravoButton.h"
#include "OleColor.h"
#include "SampleIcon.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <memory>
#include <vector>

using namespace quorvel;

namespace {

constexpr int kButtons = 1000;
constexpr int kWidth = 150;
constexpr int kHeight = 22;

// The face procedure on an off-screen image: 1000 hovered faces per iteration.
void BM_FaceRepaint(benchmark::State &state)
{
    FaceState face;
    face.Appearance = btXP;
    face.HoverFillStyle = int(state.range(0));
    face.mRect = {0, 0, kWidth, kHeight};
    face.mHover = true;
    face.Caption = QStringLiteral("中央电视台 &1");
    face.picture = gallery::sampleIcon();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    for (auto _ : state) {
        QPainter painter(&image);
        DrawingSurface surface{painter, palette, kSysButtonText, font};
        for (int i = 0; i < kButtons; ++i)
            benchmark::DoNotOptimize(ButtonFace::Repaint(surface, face));
    }
    state.SetItemsProcessed(state.iterations() * kButtons);
}
BENCHMARK(BM_FaceRepaint)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// 1000 real buttons in a host window, each put under the pointer by a move
// event, painted by Qt's widget painting into an image.
void BM_WidgetRepaint(benchmark::State &state)
{
    QWidget host;
    constexpr int columns = 25;
    host.resize(columns * kWidth, (kButtons / columns) * kHeight);
    std::vector<DravoButton *> buttons;
    const Picture icon = gallery::sampleIcon();
    for (int i = 0; i < kButtons; ++i) {
        auto *b = new DravoButton(&host);
        b->setGeometry((i % columns) * kWidth, (i / columns) * kHeight, kWidth, kHeight);
        b->setHoverFillStyle(int(state.range(0)));
        b->setCaption(QStringLiteral("频道 %1").arg(i));
        b->setPicture(icon);
        buttons.push_back(b);
    }
    host.show();
    for (DravoButton *b : buttons) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &move);
    }
    QImage image(host.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        host.render(&painter);
    }
    state.SetItemsProcessed(state.iterations() * kButtons);
}
BENCHMARK(BM_WidgetRepaint)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
