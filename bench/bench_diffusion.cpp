// Nanoseconds per tick of the diffusion frame step, alone and drawing on the real surface.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "display/Surface.h"

namespace {

void StepOnly(benchmark::State& state) {
    BenchRun run(static_cast<int>(state.range(0)), 700, 50, static_cast<int>(state.range(1)));
    NullCanvas canvas;
    for (auto _ : state)
        StepDiffusion(*run.sim, canvas);
    state.SetLabel("no drawing");
}

void StepAndDraw(benchmark::State& state) {
    BenchRun run(static_cast<int>(state.range(0)), 700, 50, static_cast<int>(state.range(1)));
    Surface surface;
    for (auto _ : state)
        StepDiffusion(*run.sim, surface);
    state.SetLabel("real surface");
}

// Arguments: particle count, size button (4 = 5 px, 8 = 15 px).
void Sizes(benchmark::internal::Benchmark* b) {
    for (int count : {500, 1500}) {
        for (int size : {4, 8})
            b->Args({count, size});
    }
    b->ArgNames({"N", "size"})->Unit(benchmark::kMicrosecond);
}

BENCHMARK(StepOnly)->Apply(Sizes);
BENCHMARK(StepAndDraw)->Apply(Sizes);

}  // namespace
