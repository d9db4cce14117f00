#pragma once

#include <utility>

#include "engine/Canvas.h"
#include "engine/Placement.h"
#include "engine/Simulation.h"

// What a mode adds to the per-particle sequence. Each call comes at a fixed place:
//  - WallBounce(i, wall): in M2..M5, after the reversal and the step with the new velocity;
//  - Contact(i, k): in M6, when i touches k, before the step back and the exchange;
//  - BeforeDraw(i): after the clamp M7, before the sprite is drawn in M8.
// A mode passes a struct with the same three members; the compiler drops the empty ones.
struct NoExtras {
    void WallBounce(int /*i*/, Wall /*wall*/) {}
    void Contact(int /*i*/, int /*k*/) {}
    void BeforeDraw(int /*i*/) {}
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

// M1..M8 for particle i: move, the four walls in order, contacts, clamp, draw.
template <class Extras, class Contacts>
inline void MoveAndCollide(SimulationState& s, int i, Canvas& canvas, Extras& extras,
                           Contacts& contacts) {
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

    extras.BeforeDraw(i);
    canvas.DrawSprite(SpriteSet::DXImageList1, s.Kind[i], static_cast<int>(x),
                      static_cast<int>(y));  // M8
}

// MoveAndCollide for i = 1..ParticleCount, in index order, with one contact search.
template <class Extras, class Contacts>
void MoveAllParticlesWith(SimulationState& s, Canvas& canvas, Extras& extras, Contacts& contacts) {
    contacts.Prepare(s);
    for (int i = 1; i <= s.ParticleCount; ++i)
        MoveAndCollide(s, i, canvas, extras, contacts);
}

// Step 5 of every frame, with the contact search the simulation has chosen.
template <class Extras>
void MoveAllParticles(Simulation& sim, Canvas& canvas, Extras& extras) {
    if (sim.Search == ContactSearch::Grid) {
        GridContacts contacts{sim.Grid};
        MoveAllParticlesWith(sim.S, canvas, extras, contacts);
    } else {
        PlainContacts contacts;
        MoveAllParticlesWith(sim.S, canvas, extras, contacts);
    }
}
