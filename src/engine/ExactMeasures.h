#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "engine/SimulationState.h"

// Measurements of the exact model. Particles are taken from..to (1-based, inclusive); speeds
// are in the speed units of VelX/VelY.

// Mean of vx^2 + vy^2; 0 for an empty range.
double MeanSquareSpeed(const SimulationState& s, int from, int to);

// The 2-D Maxwell-Boltzmann distribution of speeds with mean square meanSquare:
// F(v) = 1 - exp(-v^2 / <v^2>), f(v) = 2v / <v^2> * exp(-v^2 / <v^2>).
double MaxwellCdf2D(double v, double meanSquare);
double MaxwellDensity2D(double v, double meanSquare);

// Kolmogorov-Smirnov distance of the particles' speeds from the 2-D Maxwell-Boltzmann
// distribution of their own mean square speed (0 for fewer than two particles).
double MaxwellDistance(const SimulationState& s, int from, int to);

// Particle counts per speed bin: bins equal bins over 0..top; speeds at or above top go to
// the last bin.
std::vector<int> SpeedHistogram(const SimulationState& s, int from, int to, int bins, double top);

// Mean free path of a dilute 2-D gas of n discs of diameter d on an area: A / (2 sqrt2 n d).
double FreePath2D(double area, int n, double d);

// Impulses given to the walls, averaged over a sliding window of time: at least windowTicks,
// and longer while that holds fewer than minHits bounces, so that a thin gas shows a steady
// value too (back to the last Reset at most).
class PressureWindow {
  public:
    explicit PressureWindow(int64_t windowTicks = 120, int64_t minHits = 800)
        : window_(windowTicks), minHits_(minHits) {}

    // Starts measuring anew at time now; the reading counts as settled once the window holds
    // settleHits bounces and the shortest window's time.
    void Reset(int64_t now, int64_t settleHits = 0);
    bool Settled(int64_t now) const { return now - since_ >= window_ && hits_ >= settleHits_; }
    // The momentum given to the walls in `hits` bounces during the tick that ended at `tick`.
    void Add(int64_t tick, double impulse, int64_t hits);
    // Momentum per tick and unit of wall length over the window ending at now; 0 before any
    // time has passed.
    double Pressure(int64_t now, double wallLength) const;

  private:
    struct Tick {
        int64_t at;
        double impulse;
        int64_t hits;
    };
    int64_t window_;
    int64_t minHits_;
    int64_t since_ = 0;
    int64_t hits_ = 0;  // since the last Reset
    int64_t settleHits_ = 0;
    std::deque<Tick> ticks_;
};
