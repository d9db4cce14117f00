#pragma once

#include <cmath>

#include "engine/ContactSquare.h"
#include "engine/PlacementIndex.h"
#include "engine/Simulation.h"

inline constexpr int kPlacementBudget = 300000;
inline constexpr int kSizeChoices = 9;

// Particle size in pixels of size button 1..9.
int ParticleSizeOfChoice(int choice);

// The contact square: inclusive on all four bounds, as placement and contacts both use it.
inline bool Touches(const SimulationState& s, int i, int k) {
    return SquaresTouch(s.PosX[i], s.PosY[i], s.PosX[k], s.PosY[k], s.ParticleSize);
}

// Does slot i overlap any slot 1..ParticleCount other than itself? Slots not yet placed in
// this initialisation keep their old positions and take part too.
bool OverlapsAny(const SimulationState& s, int i);

// Sign, then magnitude 0..bound, for x and then for y; each component a multiple of 1/sqrt 2.
void DrawVelocity(Simulation& sim, int i, int bound);

// Centres a vessel of the given size on the surface point (370, 370).
void SetVesselCentred(SimulationState& s, int width, int height);

// Mean of the speeds of slots first..last.
double MeanSpeedOf(const SimulationState& s, int first, int last);

// ClockStart <- now; PauseStart and PausedTotal <- 0.
void ResetRunClock(Simulation& sim);

// The shared placement: fills slots 1..1500 in order within one budget of 300000 attempts,
// each at a free random place in the vessel, with a velocity bounded by vmax; then calls
// onPlaced(i) so that the mode can give the slot its kind. Returns false when the budget ran out.
template <class OnPlaced>
bool PlaceGas(Simulation& sim, int vmax, OnPlaced&& onPlaced) {
    SimulationState& s = sim.S;
    int attempts = 0;
    PlacementIndex placed(s);
    for (int i = 1; i <= kMaxParticles;) {
        ++attempts;
        s.PosX[i] = s.VesselLeft + sim.Rng.Random(s.VesselWidth - s.ParticleSize);
        s.PosY[i] = s.VesselTop + sim.Rng.Random(s.VesselHeight - s.ParticleSize);
        if (attempts > kPlacementBudget) return false;
        if (placed.Overlaps(s, i)) continue;
        placed.Moved(s, i);
        DrawVelocity(sim, i, vmax);
        onPlaced(i);
        ++i;
    }
    return true;
}
