#pragma once

#include <memory>

#include "engine/Clock.h"
#include "engine/Modes.h"
#include "engine/Simulation.h"

// A simulation on a hand-driven clock with a fixed seed sequence.
struct TestSim {
    ManualClock clock{1'000'000};
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>(clock);

    explicit TestSim(uint64_t seed = 1) { sim->Rng.UseFixedSeeds(seed); }
    TestSim(const TestSim&) = delete;
    TestSim& operator=(const TestSim&) = delete;

    SimulationState& S() { return sim->S; }
    Controls& C() { return sim->C; }

    // A vessel with no particles yet, ready for hand-placed ones.
    void Vessel(int left, int top, int width, int height, int size) {
        SimulationState& s = sim->S;
        s.VesselLeft = static_cast<uint16_t>(left);
        s.VesselTop = static_cast<uint16_t>(top);
        s.VesselWidth = static_cast<uint16_t>(width);
        s.VesselHeight = static_cast<uint16_t>(height);
        s.ParticleSize = static_cast<uint8_t>(size);
        s.StepDivisor = 20.0;
        s.ParticleCount = 0;
    }

    // Appends particle ParticleCount + 1.
    int Put(double x, double y, double vx, double vy, int kind = 7) {
        SimulationState& s = sim->S;
        const int i = ++s.ParticleCount;
        s.PosX[i] = x;
        s.PosY[i] = y;
        s.VelX[i] = vx;
        s.VelY[i] = vy;
        s.Kind[i] = static_cast<uint8_t>(kind);
        return i;
    }
};

// The initial-conditions panel of modes 1 to 4.
inline void PanelControls(Controls& c, int count, int width, int height, int vmax, int sizeChoice) {
    c.Particles = count;
    c.VesselWidth = width;
    c.VesselHeight = height;
    c.MaxSpeed = vmax;
    c.SizeChoice = sizeChoice;
}

// The experiment panel's track bars (modes 5 and 7), as a start handler leaves it: size
// button "5" (5 px) checked.
inline void ExperimentControls(Controls& c, int count, int speed, int mass, int side, int vmax) {
    c.ExperimentParticles = count;
    c.SpeedFactor = speed;
    c.ParticleMass = mass;
    c.VesselSide = side;
    c.MaxSpeed = vmax;
    c.SizeChoice = 4;
}

// The seven simulation modes, in their order.
inline constexpr Mode kAllModes[] = {kModeDiffusion,      kModeFreePath,    kModeDiffusionChart,
                                     kModeWallCollisions, kModeTemperature, kModeHeatTransport,
                                     kModePressure};

// Runs the initialiser of mode with the controls as they are (heat transport: up to 50 tries).
inline void InitMode(Simulation& sim, Mode mode) {
    switch (mode) {
        case kModeDiffusion:
            InitDiffusion(sim);
            break;
        case kModeFreePath:
            InitFreePath(sim);
            break;
        case kModeDiffusionChart:
            InitDiffusionChart(sim);
            break;
        case kModeWallCollisions:
            InitWallCollisions(sim);
            break;
        case kModeTemperature:
            InitTemperature(sim);
            break;
        case kModeHeatTransport:
            InitHeatTransportRetrying(sim, 50, [] { return true; });
            break;
        case kModePressure:
            InitPressure(sim);
            break;
        default:
            break;
    }
}
