// Time to present a frame of the pressure experiment at its heaviest on screens of four sizes:
// the surface's present and the paint to fill the screen's height, either of the 1024 x 768
// picture (written from the frame's calls and compared with the one before) enlarged with
// smoothing, all of it (as every frame once did) or only the tiles that changed, or of the
// frame's draw calls drawn again at the screen's pixels in the changed tiles, the surface then
// writing no picture. The simulation's advance and the renderer's calls are left out.
#include <QImage>
#include <QPainter>

#include "BenchSupport.h"
#include "display/ScaledDrawing.h"
#include "display/Surface.h"
#include "display/SurfaceView.h"

namespace {

void Present(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    // 1: the whole picture, 0: the picture's changed tiles, 2: the calls drawn at the pixels.
    const int way = static_cast<int>(state.range(2));
    const bool whole = way == 1;
    const bool drawn = way == 2;
    ScaledDrawing drawing;
    ModeRun run(kModePressure, ContactSearch::Grid);
    Settle(*run.sim, FrameOf);
    Surface surface;
    // A view drawing the calls wants the surface's own pixels only when asked.
    surface.SetPixelsOnDemand(drawn && width != Surface::kWidth);
    FrameOf(*run.sim, surface);
    surface.Present();
    QImage screen(width, height, QImage::Format_RGB32);
    screen.fill(Qt::black);
    const double scale =
        std::min(width / double(Surface::kWidth), height / double(Surface::kHeight));
    const QRegion all(0, 0, Surface::kWidth, Surface::kHeight);
    double painted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FrameOf(*run.sim, surface);
        state.ResumeTiming();
        surface.Present();
        const QRegion region =
            whole ? all
                  : SurfaceView::RepaintRegion(drawn ? surface.Changed() | surface.CommandsChanged()
                                                     : surface.Changed());
        QPainter painter(&screen);
        painter.translate((width - Surface::kWidth * scale) / 2,
                          (height - Surface::kHeight * scale) / 2);
        painter.scale(scale, scale);
        // At the surface's own size the view shows the picture itself.
        if (drawn && scale != 1.0) {
            drawing.Paint(painter, surface.FrontCommands(), region);
        } else {
            SurfaceView::PaintPicture(painter, surface.Front(), region);
        }
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
        long area = 0;
        for (const QRect& rect : region)
            area += static_cast<long>(rect.width()) * rect.height();
        painted += double(area) / (Surface::kWidth * Surface::kHeight);
    }
    state.counters["painted"] = benchmark::Counter(painted, benchmark::Counter::kAvgIterations);
    state.SetLabel(whole ? "whole picture" : drawn ? "drawn at the pixels" : "changed tiles");
}

void Screens(benchmark::internal::Benchmark* b) {
    for (const auto& [w, h] : {std::pair{1024, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}}) {
        b->Args({w, h, 1});
        b->Args({w, h, 0});
        b->Args({w, h, 2});
    }
    // The painter enlarges pictures on worker threads too: count the whole process's time.
    b->ArgNames({"w", "h", "way"})
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(kTimedTicks)
        ->MeasureProcessCPUTime();
}

BENCHMARK(Present)->Apply(Screens);

}  // namespace
