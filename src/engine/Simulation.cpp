#include "engine/Simulation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/HistogramRender.h"
#include "engine/ModeTable.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "engine/SurfaceTexts.h"

namespace {

// Where the exact model measures what a dense gas makes differ from the thin gas's formulas
// (the pressure, the free path): how much of the vessel the discs cover, and on the free path
// what the thin gas's formula gives, below the mode's own lines.
void WriteDensity(const SimulationState& s, const SurfaceTexts& t, Canvas& canvas) {
    const bool pressure = s.SimulationMode == kModePressure;
    if (!pressure && s.SimulationMode != kModeFreePath) return;
    const int x = pressure ? 790 : 750;
    const int y = pressure ? 500 : 300;
    const double d = s.ParticleSize;
    const double vessel = static_cast<double>(s.VesselWidth) * s.VesselHeight;
    const double share =
        vessel > 0.0 ? 100.0 * s.ParticleCount * std::numbers::pi * d * d / 4.0 / vessel : 0.0;
    canvas.SurfaceTextOut(
        x, y, 12,
        t.CoveredShare + FormatGeneral(share, GeneralFormat::G3, t.Decimal) + t.CoveredShareUnit);
    if (pressure) return;
    // The centres' room: the discs' own width is not free to move in.
    const double room =
        static_cast<double>(s.RightLimit() - s.VesselLeft) * (s.BottomLimit() - s.VesselTop);
    canvas.SurfaceTextOut(
        x, y + 20, 12,
        t.ThinGasFreePath +
            FormatGeneral(FreePath2D(room, s.ParticleCount, d), GeneralFormat::G3, t.Decimal) +
            t.ShortUnits);
}

}  // namespace

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
    if (sim.Model == GasModel::Exact) {
        canvas.SurfaceTextOut(20, 745, 10, texts.ExactModel);
        WriteDensity(sim.S, texts, canvas);
    }
    if ((sim.ShowSpeedHistogram && place) || sim.Model == GasModel::Exact) canvas.ReleaseText();
    return true;
}

void ResetExactPressure(Simulation& sim) {
    // Each particle's share of the wall impulse is off by up to one bounce at the window's ends,
    // so the error falls as sqrt(N) / bounces: this many bring it to about 3% (10 seeds).
    const double settle = kPressureSettleHits * std::sqrt(std::max(sim.S.ParticleCount, 1));
    sim.ExactPressure.Reset(static_cast<int64_t>(sim.Exact.Totals().Time),
                            static_cast<int64_t>(std::ceil(settle)));
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
