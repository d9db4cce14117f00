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

// Impulses given to the walls, averaged over a sliding window of time.
class PressureWindow {
  public:
    explicit PressureWindow(int64_t windowMs = 2000) : windowMs_(windowMs) {}

    // Starts measuring anew at time now.
    void Reset(int64_t now);
    // impulse: momentum given to a wall at time ms (any unit; Pressure keeps it).
    void Add(int64_t ms, double impulse);
    // Momentum per millisecond and unit of wall length over the window ending at now (the time
    // since Reset while that is shorter); 0 before any time has passed.
    double Pressure(int64_t now, double wallLength);

  private:
    int64_t windowMs_;
    int64_t since_ = 0;
    std::deque<std::pair<int64_t, double>> hits_;
    double sum_ = 0.0;
};
