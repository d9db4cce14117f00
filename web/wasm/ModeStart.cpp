#include "ModeStart.h"

#include "engine/Modes.h"

bool StartMode(Simulation& sim, int mode, int tries, const std::function<bool()>& mayGoOn) {
    constexpr int kFivePixels = 4;  // the size button the experiments check
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
            sim.C.SizeChoice = kFivePixels;
            InitTemperature(sim);
            return true;
        case kModeHeatTransport:
            sim.C.SizeChoice = kFivePixels;
            return InitHeatTransportRetrying(sim, tries, mayGoOn);
        case kModePressure:
            sim.C.SizeChoice = kFivePixels;
            InitPressure(sim);
            return true;
        default:
            return false;
    }
    if (sim.S.InitOk == 0) return false;
    StartClock(sim);
    return true;
}
