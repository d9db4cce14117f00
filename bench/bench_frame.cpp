// Time per whole frame of every mode at its largest settings: the advance, its rendering on
// the real surface and the present, as the window runs them, with either contact search.
#include "BenchSupport.h"
#include "display/Surface.h"

namespace {

void Frame(benchmark::State& state, ContactSearch search) {
    const auto mode = static_cast<Mode>(state.range(0));
    ModeRun run(mode, search);
    if (!run.sim->S.InitOk) {
        state.SkipWithError("placement failed");
        return;
    }
    Settle(*run.sim, FrameOf);
    Surface surface;
    for (auto _ : state) {
        FrameOf(*run.sim, surface);
        surface.Present();
    }
    state.SetLabel(SearchName(search));
}

void Modes(benchmark::internal::Benchmark* b) {
    for (int mode = kModeDiffusion; mode <= kModePressure; ++mode)
        b->Arg(mode);
    b->ArgName("mode")->Unit(benchmark::kMicrosecond)->Iterations(kTimedTicks);
}

BENCHMARK_CAPTURE(Frame, plain, ContactSearch::Plain)->Apply(Modes);
BENCHMARK_CAPTURE(Frame, grid, ContactSearch::Grid)->Apply(Modes);

}  // namespace
