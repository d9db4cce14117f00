#pragma once

#include <utility>

#include "engine/Canvas.h"
#include "engine/Placement.h"
#include "engine/Simulation.h"

// What a mode adds to the per-particle sequence. Each call comes at a fixed place:
//  - WallBounce(i, wall): in M2..M5, after the reversal and the step with the new velocity;
//  - Contact(i, k): in M6, when i touches k, before the step back and the exchange;
//  - AfterClamp(i): after the clamp M7, where i ends the tick.
// A mode passes a struct with the same three members; the compiler drops the empty ones.
struct NoExtras {
    void WallBounce(int /*i*/, Wall /*wall*/) {}
    void Contact(int /*i*/, int /*k*/) {}
    void AfterClamp(int /*i*/) {}
};

// Counts every wall bounce into WallHits, as modes 4 to 7 do.
struct WallHitCounter : NoExtras {
    SimulationState& s;
    explicit WallHitCounter(SimulationState& state) : s(state) {}
    void WallBounce(int /*i*/, Wall wall) { ++s.WallHits[wall]; }
};

// One exchange of M6: i steps back with its current velocity, then the two swap velocities.
template <class Extras>
inline void ExchangeWith(SimulationState& s, int i, int k, Extras& extras) {
    extras.Contact(i, k);
    s.PosX[i] -= s.VelX[i] / s.StepDivisor;
    s.PosY[i] -= s.VelY[i] / s.StepDivisor;
    std::swap(s.VelX[i], s.VelX[k]);
    std::swap(s.VelY[i], s.VelY[k]);
}

// M6 for particle i: step back and swap velocities with every partner in index order.
// The plain all-pairs loop; it is the reference that any faster search must match exactly.
struct PlainContacts {
    void Prepare(const SimulationState& /*s*/) {}
    void Moved(const SimulationState& /*s*/, int /*i*/) {}

    template <class Extras>
    void Resolve(SimulationState& s, int i, Extras& extras) {
        const int count = s.ParticleCount;
        for (int k = 1; k <= count; ++k) {
            if (k == i || !Touches(s, i, k)) continue;
            ExchangeWith(s, i, k, extras);
        }
    }
};

// M6 through the grid of cells: the same partners in the same order as the plain loop.
struct GridContacts {
    ContactGrid& grid;

    void Prepare(const SimulationState& s) { grid.Rebuild(s); }
    void Moved(const SimulationState& s, int i) { grid.Update(s, i); }

    template <class Extras>
    void Resolve(SimulationState& s, int i, Extras& extras) {
        grid.ForEachPartner(s, i, [&](int k) { ExchangeWith(s, i, k, extras); });
    }
};

// M1..M7 for particle i: move, the four walls in order, contacts, clamp. Its sprite (M8) is
// drawn by the renderer, where i now stands: later particles of the tick move only themselves.
template <class Extras, class Contacts>
inline void MoveAndCollide(SimulationState& s, int i, Extras& extras, Contacts& contacts) {
    const double divisor = s.StepDivisor;
    const int left = s.VesselLeft;
    const int top = s.VesselTop;
    const int right = s.RightLimit();
    const int bottom = s.BottomLimit();
    double& x = s.PosX[i];
    double& y = s.PosY[i];
    double& vx = s.VelX[i];
    double& vy = s.VelY[i];

    x += vx / divisor;  // M1
    y += vy / divisor;
    if (x >= right) {  // M2
        vx = -vx;
        x += vx / divisor;
        extras.WallBounce(i, kRightWall);
    }
    if (x <= left) {  // M3
        vx = -vx;
        x += vx / divisor;
        extras.WallBounce(i, kLeftWall);
    }
    if (y >= bottom) {  // M4
        vy = -vy;
        y += vy / divisor;
        extras.WallBounce(i, kBottomWall);
    }
    if (y <= top) {  // M5
        vy = -vy;
        y += vy / divisor;
        extras.WallBounce(i, kTopWall);
    }

    contacts.Resolve(s, i, extras);  // M6

    if (x >= right) x = right;  // M7
    if (x <= left) x = left;
    if (y >= bottom) y = bottom;
    if (y <= top) y = top;
    contacts.Moved(s, i);

    extras.AfterClamp(i);
}

// M8 for one particle at (x, y): its sprite at the truncated corner.
inline void DrawParticle(const SimulationState& s, int i, double x, double y, Canvas& canvas) {
    canvas.DrawSprite(SpriteSet::DXImageList1, s.Kind[i], static_cast<int>(x), static_cast<int>(y));
}

// M8 for i = 1..ParticleCount, in index order.
inline void DrawParticles(const SimulationState& s, Canvas& canvas) {
    for (int i = 1; i <= s.ParticleCount; ++i)
        DrawParticle(s, i, s.PosX[i], s.PosY[i], canvas);
}

// MoveAndCollide for i = 1..ParticleCount, in index order, with one contact search.
template <class Extras, class Contacts>
void MoveAllParticlesWith(SimulationState& s, Extras& extras, Contacts& contacts) {
    contacts.Prepare(s);
    for (int i = 1; i <= s.ParticleCount; ++i)
        MoveAndCollide(s, i, extras, contacts);
}

// The mode's additions called from the exact model's events, with the particles' positions of
// that moment in the state.
template <class Extras>
struct ExactExtras final : ExactHooks {
    Extras& extras;
    explicit ExactExtras(Extras& e) : extras(e) {}
    void WallBounce(int i, Wall wall, double /*impulse*/) override { extras.WallBounce(i, wall); }
    void Contact(int i, int k) override { extras.Contact(i, k); }
};

// Step 5 of every frame, with the gas model and contact search the simulation has chosen.
template <class Extras>
void MoveAllParticles(Simulation& sim, Extras& extras) {
    if (sim.Model == GasModel::Exact) {
        ExactExtras<Extras> hooks(extras);
        sim.Exact.Advance(sim.S, hooks);
    } else if (sim.Search == ContactSearch::Grid) {
        GridContacts contacts{sim.Grid};
        MoveAllParticlesWith(sim.S, extras, contacts);
    } else {
        PlainContacts contacts;
        MoveAllParticlesWith(sim.S, extras, contacts);
    }
}

// The advance of every mode but its measurement: the frame time, the Vmax the status lines
// show, and the particles moved with the mode's additions.
template <class Extras>
void AdvanceGas(Simulation& sim, Extras& extras) {
    sim.S.ClockNow = sim.Stamp();
    sim.Frame.MaxSpeed = sim.C.MaxSpeed;
    MoveAllParticles(sim, extras);
}
