#include "engine/Simulation.h"

#include "engine/HistogramRender.h"
#include "engine/Modes.h"
#include "engine/SurfaceTexts.h"

FrameResult Advance(Simulation& sim) {
    FrameResult result;
    switch (sim.S.SimulationMode) {
        case kModeDiffusion:
            AdvanceDiffusion(sim);
            break;
        case kModeFreePath:
            result = AdvanceFreePath(sim);
            break;
        case kModeDiffusionChart:
            AdvanceDiffusionChart(sim);
            break;
        case kModeWallCollisions:
            AdvanceWallCollisions(sim);
            break;
        case kModeTemperature:
            AdvanceTemperature(sim);
            break;
        case kModeHeatTransport:
            AdvanceHeatTransport(sim);
            break;
        case kModePressure:
            AdvancePressure(sim);
            break;
        default:
            break;
    }
    return result;
}

namespace {

bool RenderMode(const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) {
    const SimulationState& s = sim.S;
    const FrameReadings& f = sim.Frame;
    switch (s.SimulationMode) {
        case kModeDiffusion:
            RenderDiffusion(s, f, texts, canvas);
            return true;
        case kModeFreePath:
            RenderFreePath(s, f, texts, canvas);
            return true;
        case kModeDiffusionChart:
            RenderDiffusionChart(s, f, texts, canvas);
            return true;
        case kModeWallCollisions:
            RenderWallCollisions(s, f, texts, canvas);
            return true;
        case kModeTemperature:
            RenderTemperature(s, f, texts, canvas);
            return true;
        case kModeHeatTransport:
            RenderHeatTransport(s, f, texts, canvas, sim.View.LabelUndetermined);
            return true;
        case kModePressure:
            RenderPressure(s, f, texts, canvas, sim.View.VelocityLines);
            return true;
        default:
            return false;
    }
}

}  // namespace

bool Render(const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) {
    if (!RenderMode(sim, texts, canvas)) return false;
    if (sim.View.LargeView) RenderLargeView(sim.S, canvas);
    // Additions only when chosen, after the mode's own frame, which stays as it is.
    const auto place = HistogramPlaceOf(sim.S.SimulationMode);
    if (sim.ShowSpeedHistogram && place)
        RenderSpeedHistogram(sim.S, *place, texts.SpeedHistogram, canvas);
    if (sim.Model == GasModel::Exact) canvas.SurfaceTextOut(20, 745, 10, texts.ExactModel);
    if ((sim.ShowSpeedHistogram && place) || sim.Model == GasModel::Exact) canvas.ReleaseText();
    return true;
}

void ResetExactPressure(Simulation& sim) {
    sim.ExactPressure.Reset(static_cast<int64_t>(sim.Exact.Totals().Time));
    sim.ExactImpulseSeen = sim.Exact.Totals().Impulse;
    sim.ExactBouncesSeen = sim.Exact.Totals().WallBounces;
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
