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

// Where the placement may put each slot: x = XBase + Random(XRange), y = VesselTop +
// Random(VesselHeight - ParticleSize), drawn in that order.
struct PlacementArea {
    int First, Last;  // slots, filled in order
    int XBase, XRange;
    int Budget;  // attempts for all the slots together
    // The initialisers draw the place of the attempt past the budget before they give up (the
    // slot keeps it); the vessel-side change gives up before drawing it.
    bool DrawPastBudget = true;
};

// The one placement loop: each slot at a random place that overlaps no slot 1..ParticleCount
// (slots not yet placed keep their old places and take part too), then onPlaced(i). Returns
// false when the budget ran out.
template <class OnPlaced>
bool PlaceSlots(Simulation& sim, const PlacementArea& area, OnPlaced&& onPlaced) {
    SimulationState& s = sim.S;
    int attempts = 0;
    PlacementIndex placed(s);
    for (int i = area.First; i <= area.Last;) {
        ++attempts;
        if (!area.DrawPastBudget && attempts > area.Budget) return false;
        s.PosX[i] = area.XBase + sim.Rng.Random(area.XRange);
        s.PosY[i] = s.VesselTop + sim.Rng.Random(s.VesselHeight - s.ParticleSize);
        if (attempts > area.Budget) return false;
        if (placed.Overlaps(s, i)) continue;
        placed.Moved(s, i);
        onPlaced(i);
        ++i;
    }
    return true;
}

// Slots 1..1500 anywhere in the vessel within one budget of 300000 attempts.
inline PlacementArea WholeVessel(const SimulationState& s, int budget = kPlacementBudget) {
    return {1, kMaxParticles, s.VesselLeft, s.VesselWidth - s.ParticleSize, budget};
}

// The shared placement of the gas initialisers: the whole vessel, each slot with a velocity
// bounded by vmax; then onPlaced(i) so that the mode can give the slot its kind.
template <class OnPlaced>
bool PlaceGas(Simulation& sim, int vmax, OnPlaced&& onPlaced) {
    return PlaceSlots(sim, WholeVessel(sim.S), [&](int i) {
        DrawVelocity(sim, i, vmax);
        onPlaced(i);
    });
}
