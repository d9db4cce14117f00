#pragma once

// The benchmarks' runs, apart from Google Benchmark, so that the browser's benchmark of the
// same runs builds them from the same code.
#include <cmath>
#include <memory>

#include "engine/Canvas.h"
#include "engine/Clock.h"
#include "engine/Modes.h"
#include "engine/Placement.h"
#include "engine/Simulation.h"
#include "ui/texts/PolishTexts.h"

// One frame as the window makes it, less the present: advance, then render in Polish.
inline void FrameOf(Simulation& sim, Canvas& canvas) {
    Advance(sim);
    Render(sim, PolishSurfaceTexts(), canvas);
}

// A diffusion state of the given size. Random placement cannot fit very dense sets (1500 discs
// of 15 px even in 700 x 700); those are laid out on a square lattice instead, which is how the
// densest runs look after a while anyway.
inline void PrepareDiffusion(Simulation& sim, int count, int side, int vmax, int sizeChoice,
                             ContactSearch search = ContactSearch::Grid, uint64_t seed = 1) {
    sim.Search = search;
    sim.Rng.UseFixedSeeds(seed);
    Controls& c = sim.C;
    c.Particles = count;
    c.VesselWidth = side;
    c.VesselHeight = side;
    c.MaxSpeed = vmax;
    c.SizeChoice = sizeChoice;
    InitDiffusion(sim);
    if (!sim.S.InitOk) {
        SimulationState& s = sim.S;
        const int perRow = static_cast<int>(std::ceil(std::sqrt(s.ParticleCount)));
        const double spacing = static_cast<double>(s.VesselWidth - s.ParticleSize) / perRow;
        for (int i = 1; i <= s.ParticleCount; ++i) {
            const int row = (i - 1) / perRow;
            const int column = (i - 1) % perRow;
            s.PosX[i] = s.VesselLeft + std::trunc(column * spacing);
            s.PosY[i] = s.VesselTop + std::trunc(row * spacing);
            DrawVelocity(sim, i, sim.C.MaxSpeed);
        }
        s.InitOk = 1;
    }
    StartClock(sim);
}

struct BenchRun {
    WallClock clock;
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>(clock);

    BenchRun(int count, int side, int vmax, int sizeChoice,
             ContactSearch search = ContactSearch::Grid, uint64_t seed = 1) {
        PrepareDiffusion(*sim, count, side, vmax, sizeChoice, search, seed);
    }
};

inline const char* SearchName(ContactSearch search) {
    return search == ContactSearch::Grid ? "grid" : "plain";
}

// Both searches are timed over the very same ticks: a fixed number of them, after the gas has
// settled from its initial layout (a crowded gas heaps up in the corners within a few
// seconds, which is where it spends most of a run). The two searches give identical states,
// so the settling runs on the grid.
inline constexpr int kSettleTicks = 300;
inline constexpr int kTimedTicks = 60;

template <class Step>
void Settle(Simulation& sim, Step&& step) {
    const ContactSearch search = sim.Search;
    sim.Search = ContactSearch::Grid;
    NullCanvas canvas;
    for (int tick = 0; tick < kSettleTicks; ++tick)
        step(sim, canvas);
    sim.Search = search;
}

// A mode initialised at its largest settings: modes 1 to 4 with 1500 particles of 5 px in a
// 700 x 700 vessel (600 wide for the chart mode) and Vmax 300; the experiments (5 and 7) with
// 500 particles, side 650 and speed factor 10; the heat transport with its fixed 850 at Vmax
// 300 and speed factor 10, its hot gas moving up to about 212 px per tick.
struct ModeRun {
    WallClock clock;
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>(clock);

    ModeRun(Mode mode, ContactSearch search, uint64_t seed = 1) {
        sim->Search = search;
        sim->Rng.UseFixedSeeds(seed);
        Controls& c = sim->C;
        c.Particles = kMaxParticles;
        c.VesselWidth = mode == kModeDiffusionChart ? 600 : 700;
        c.VesselHeight = 700;
        c.MaxSpeed = 300;
        c.SizeChoice = 4;
        c.StopAtLimit = false;  // the free path would otherwise ask for a pause
        c.ExperimentParticles = 500;
        c.SpeedFactor = 10;
        c.VesselSide = 650;
        switch (mode) {
            case kModeDiffusion:
                InitDiffusion(*sim);
                break;
            case kModeFreePath:
                InitFreePath(*sim);
                break;
            case kModeDiffusionChart:
                InitDiffusionChart(*sim);
                break;
            case kModeWallCollisions:
                InitWallCollisions(*sim);
                break;
            case kModeTemperature:
                InitTemperature(*sim);
                break;
            case kModeHeatTransport:
                InitHeatTransportRetrying(*sim, 50, nullptr);
                break;
            case kModePressure:
                InitPressure(*sim);
                break;
            default:
                break;
        }
        StartClock(*sim);
    }
};
