// The exact hard-disc step beside the described grid step, on the same settled gas: 1500
// particles of 5 px in 600 x 600, side by side in one run.
#include "BenchSupport.h"
#include "display/Surface.h"
#include "engine/ExactMotion.h"

namespace {

void Described(benchmark::State& state) {
    BenchRun run(1500, 600, static_cast<int>(state.range(0)), 4);
    Settle(*run.sim, FrameOf);
    NullCanvas canvas;
    for (auto _ : state)
        FrameOf(*run.sim, canvas);
    state.SetLabel("described, grid");
}

void Exact(benchmark::State& state) {
    BenchRun run(1500, 600, static_cast<int>(state.range(0)), 4);
    ExactMotion motion;
    for (int tick = 0; tick < kSettleTicks; ++tick)
        motion.Advance(run.sim->S);
    motion.Reset();
    for (auto _ : state)
        motion.Advance(run.sim->S);
    state.counters["collisions/tick"] =
        static_cast<double>(motion.Totals().Collisions) / motion.Totals().Time;
    state.SetLabel("exact");
}

void Settings(benchmark::internal::Benchmark* b) {
    b->Arg(50)->Arg(300)->ArgName("vmax")->Unit(benchmark::kMicrosecond)->Iterations(kTimedTicks);
}

// A whole frame as the window makes it, histogram included, on either model: it has to stay
// under one display refresh (16.7 ms at 60 Hz).
void WholeFrame(benchmark::State& state, GasModel model) {
    BenchRun run(1500, 600, static_cast<int>(state.range(0)), 4);
    run.sim->Model = model;
    run.sim->ShowSpeedHistogram = true;
    Settle(*run.sim, FrameOf);
    Surface surface;
    for (auto _ : state) {
        FrameOf(*run.sim, surface);
        surface.Present();
    }
    // The share of one 60 Hz refresh a frame takes: under 1 is in time.
    state.counters["refreshes"] = benchmark::Counter(
        1.0 / 60.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(model == GasModel::Exact ? "exact, whole frame" : "described, whole frame");
}

BENCHMARK(Described)->Apply(Settings);
BENCHMARK(Exact)->Apply(Settings);
BENCHMARK_CAPTURE(WholeFrame, described, GasModel::Described)->Apply(Settings);
BENCHMARK_CAPTURE(WholeFrame, exact, GasModel::Exact)->Apply(Settings);

}  // namespace
