// The exact hard-disc step beside the described grid step, on the same settled gas: 1500
// particles of 5 px in 600 x 600, side by side in one run.
#include "BenchSupport.h"
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

BENCHMARK(Described)->Apply(Settings);
BENCHMARK(Exact)->Apply(Settings);

}  // namespace
