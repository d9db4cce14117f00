#pragma once

#include <cmath>
#include <memory>

#include "engine/Clock.h"
#include "engine/Modes.h"
#include "engine/Placement.h"
#include "engine/Simulation.h"

// A diffusion state of the given size. Random placement cannot fit very dense sets (1500 discs
// of 15 px even in 700 x 700); those are laid out on a square lattice instead, which is how the
// densest runs look after a while anyway.
struct BenchRun {
    WallClock clock;
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>(clock);

    BenchRun(int count, int side, int vmax, int sizeChoice, uint64_t seed = 1) {
        sim->Rng.UseFixedSeeds(seed);
        Controls& c = sim->C;
        c.SpinEdit1 = count;
        c.SpinEdit2 = side;
        c.SpinEdit3 = side;
        c.SpinEdit4 = vmax;
        c.SizeChoice = sizeChoice;
        InitDiffusion(*sim);
        if (!sim->S.InitOk) LayOnLattice();
        StartClock(*sim);
    }

    void LayOnLattice() {
        SimulationState& s = sim->S;
        const int perRow = static_cast<int>(std::ceil(std::sqrt(s.ParticleCount)));
        const double spacing = static_cast<double>(s.VesselWidth - s.ParticleSize) / perRow;
        for (int i = 1; i <= s.ParticleCount; ++i) {
            const int row = (i - 1) / perRow;
            const int column = (i - 1) % perRow;
            s.PosX[i] = s.VesselLeft + std::trunc(column * spacing);
            s.PosY[i] = s.VesselTop + std::trunc(row * spacing);
            DrawVelocity(*sim, i, sim->C.SpinEdit4);
        }
        s.InitOk = 1;
    }
};
