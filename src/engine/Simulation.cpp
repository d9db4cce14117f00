#include "engine/Simulation.h"

#include "engine/Modes.h"

FrameResult StepFrame(Simulation& sim, Canvas& canvas) {
    FrameResult result;
    switch (sim.S.SimulationMode) {
        case kModeDiffusion:
            StepDiffusion(sim, canvas);
            break;
        case kModeFreePath:
            result = StepFreePath(sim, canvas);
            break;
        case kModeDiffusionChart:
            StepDiffusionChart(sim, canvas);
            break;
        case kModeWallCollisions:
            StepWallCollisions(sim, canvas);
            break;
        case kModeTemperature:
            StepTemperature(sim, canvas);
            break;
        case kModeHeatTransport:
            StepHeatTransport(sim, canvas);
            break;
        case kModePressure:
            StepPressure(sim, canvas);
            break;
        default:
            break;
    }
    return result;
}

bool InitCurrentMode(Simulation& sim) {
    switch (sim.S.SimulationMode) {
        case kModeDiffusion:
            InitDiffusion(sim);
            return true;
        case kModeFreePath:
            InitFreePath(sim);
            return true;
        case kModeDiffusionChart:
            InitDiffusionChart(sim);
            return true;
        case kModeWallCollisions:
            InitWallCollisions(sim);
            return true;
        case kModeTemperature:
            InitTemperature(sim);
            return true;
        default:
            return false;
    }
}

void StartClock(Simulation& sim) {
    sim.S.ClockStart = sim.Stamp();
}

void PauseClock(Simulation& sim) {
    sim.S.PauseStart = sim.Stamp();
}

void ResumeClock(Simulation& sim) {
    sim.S.PausedTotal = sim.Stamp() + sim.S.PausedTotal - sim.S.PauseStart;
}
