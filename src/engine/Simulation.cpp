#include "engine/Simulation.h"

#include "engine/HistogramRender.h"
#include "engine/ModeTable.h"
#include "engine/Modes.h"
#include "engine/SurfaceTexts.h"

FrameResult Advance(Simulation& sim) {
    const ModeEntry& mode = ModeOf(sim.S.SimulationMode);
    return mode.Advance ? mode.Advance(sim) : FrameResult{};
}

bool Render(const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) {
    const ModeEntry& mode = ModeOf(sim.S.SimulationMode);
    if (!mode.Render) return false;
    mode.Render(sim, texts, canvas);
    if (sim.View.LargeView) RenderLargeView(sim.S, canvas);
    // Additions only when chosen, after the mode's own frame, which stays as it is.
    const auto& place = mode.Histogram;
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
    const ModeEntry& mode = ModeOf(sim.S.SimulationMode);
    if (!mode.StartInitialises) return false;
    mode.Init(sim);
    return true;
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
