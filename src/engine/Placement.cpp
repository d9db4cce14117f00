#include "engine/Placement.h"

namespace {
constexpr int kSizes[kSizeChoices] = {1, 2, 3, 5, 7, 9, 11, 15, 20};
}

int ParticleSizeOfChoice(int choice) {
    if (choice < 1 || choice > kSizeChoices) return kSizes[0];
    return kSizes[choice - 1];
}

bool OverlapsAny(const SimulationState& s, int i) {
    for (int k = 1; k <= s.ParticleCount; ++k) {
        if (k != i && Touches(s, i, k)) return true;
    }
    return false;
}

void DrawVelocity(Simulation& sim, int i, int bound) {
    const double root2 = std::sqrt(2.0);
    int sign = sim.Rng.Random(2) == 0 ? 1 : -1;
    sim.S.VelX[i] = sign * sim.Rng.Random(bound + 1) / root2;
    sign = sim.Rng.Random(2) == 0 ? 1 : -1;
    sim.S.VelY[i] = sign * sim.Rng.Random(bound + 1) / root2;
}

void SetVesselCentred(SimulationState& s, int width, int height) {
    s.VesselWidth = static_cast<uint16_t>(width);
    s.VesselHeight = static_cast<uint16_t>(height);
    s.VesselLeft = static_cast<uint16_t>(370 - s.VesselWidth / 2);
    s.VesselTop = static_cast<uint16_t>(370 - s.VesselHeight / 2);
}

double MeanSpeedOf(const SimulationState& s, int first, int last) {
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += std::sqrt(s.VelX[i] * s.VelX[i] + s.VelY[i] * s.VelY[i]);
    return sum / (last - first + 1);
}

void ResetRunClock(Simulation& sim) {
    sim.S.ClockStart = sim.Stamp();
    sim.S.PauseStart = 0;
    sim.S.PausedTotal = 0;
}
