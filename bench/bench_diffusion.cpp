// Time per tick of the diffusion illustration in a 700 x 700 vessel, alone and drawing on the
// real surface, with the program's own contact search.
#include "BenchSupport.h"
#include "display/Surface.h"

namespace {

template <class Target>
void Diffusion(benchmark::State& state, const char* label) {
    BenchRun run(static_cast<int>(state.range(0)), 700, 50, static_cast<int>(state.range(1)));
    Settle(*run.sim, FrameOf);
    Target canvas;
    for (auto _ : state)
        FrameOf(*run.sim, canvas);
    state.SetLabel(label);
}

// Particle count and size button (4 = 5 px, 8 = 15 px).
void Sizes(benchmark::internal::Benchmark* b) {
    for (int count : {500, 1500}) {
        for (int size : {4, 8})
            b->Args({count, size});
    }
    b->ArgNames({"N", "size"})->Unit(benchmark::kMicrosecond)->Iterations(kTimedTicks);
}

void DiffusionStepOnly(benchmark::State& state) {
    Diffusion<NullCanvas>(state, "no drawing");
}
void DiffusionOnSurface(benchmark::State& state) {
    Diffusion<Surface>(state, "real surface");
}

BENCHMARK(DiffusionStepOnly)->Apply(Sizes);
BENCHMARK(DiffusionOnSurface)->Apply(Sizes);

}  // namespace
