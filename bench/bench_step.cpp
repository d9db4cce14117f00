// Time per tick of the diffusion frame step alone (nothing drawn), with the plain all-pairs
// contact search and with the grid, side by side over the same ticks.
#include "BenchSupport.h"

namespace {

void Step(benchmark::State& state, ContactSearch search) {
    const int count = static_cast<int>(state.range(0));
    const int sizeChoice = static_cast<int>(state.range(1));
    const int vmax = static_cast<int>(state.range(2));
    BenchRun run(count, 600, vmax, sizeChoice, search);
    Settle(*run.sim, FrameOf);
    NullCanvas canvas;
    for (auto _ : state)
        FrameOf(*run.sim, canvas);
    state.SetLabel(SearchName(search));
}

// Particle count, size button (4 = 5 px, 8 = 15 px), Vmax; vessel 600 x 600.
void Settings(benchmark::internal::Benchmark* b) {
    for (int vmax : {50, 1000}) {
        for (int size : {4, 8}) {
            for (int count : {100, 500, 850, 1500})
                b->Args({count, size, vmax});
        }
    }
    b->ArgNames({"N", "size", "vmax"})->Unit(benchmark::kMicrosecond)->Iterations(kTimedTicks);
}

BENCHMARK_CAPTURE(Step, plain, ContactSearch::Plain)->Apply(Settings);
BENCHMARK_CAPTURE(Step, grid, ContactSearch::Grid)->Apply(Settings);

}  // namespace
