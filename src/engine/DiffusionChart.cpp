#include <array>
#include <cmath>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/NumberFormat.h"
#include "engine/PanelGas.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

namespace {

constexpr int kParts = 8;

// Part e of the vessel and its bar share one shade of blue, brighter to the right.
uint16_t PartColour(int e) {
    return e == kParts - 1 ? uint16_t{703} : static_cast<uint16_t>(100 * e + 100);
}

int PartLeft(const SimulationState& s, int e) {
    return static_cast<int>(std::trunc(s.VesselLeft + static_cast<double>(s.VesselWidth) * e / 8));
}

int PartRight(const SimulationState& s, int e) {
    const double width = s.VesselWidth;
    return static_cast<int>(std::trunc(s.VesselLeft + width / 8 + width * e / 8));
}

// The part a sprite's left edge lies in; a corner exactly on a boundary belongs to the part
// on its left. The clamp keeps every particle short of the right wall, so d never exceeds
// the width.
int PartOf(const SimulationState& s, double x) {
    const double d = x - s.VesselLeft;
    const double width = s.VesselWidth;
    for (int part = 0; part < kParts - 1; ++part) {
        if (d <= (part + 1) * width / 8) return part;
    }
    return kParts - 1;
}

using SliceCounts = std::array<uint16_t, kParts>;

// Second-substance particles in each part, where they ended the tick.
SliceCounts CountSlices(const SimulationState& s, bool byCentre) {
    SliceCounts counts{};
    const double offset = byCentre ? s.ParticleSize / 2.0 : 0.0;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        if (s.Kind[i] <= 8) continue;  // sprites 0..8 are the first substance
        counts[static_cast<std::size_t>(PartOf(s, s.PosX[i] + offset))] += 1;
    }
    return counts;
}

void DrawBars(const SimulationState& s, Canvas& canvas, const SliceCounts& counts) {
    for (int e = 0; e < kParts; ++e) {
        const int left = 710 + 35 * e;
        const int right = left + 30;
        canvas.FillRect(left, 400, right, 650, PartColour(e));
        // SecondCount is at least 1 after a completed start; a bar of nothing stays empty.
        const int height = s.SecondCount > 0
                               ? static_cast<int>(std::trunc(counts[static_cast<std::size_t>(e)] *
                                                             250.0 / s.SecondCount))
                               : 0;
        canvas.FillRect(left, 650 - height, right, 650, static_cast<uint16_t>(1888 + 4 * e));
    }
}

void WriteChartLabels(const SimulationState& s, const SurfaceTexts& t, Canvas& canvas,
                      const SliceCounts& counts) {
    for (int e = 0; e < kParts; ++e)
        canvas.SurfaceTextOut(715 + 35 * e, 380, 10,
                              FormatInt(counts[static_cast<std::size_t>(e)]));
    for (int e = 0; e < kParts; ++e)
        canvas.SurfaceTextOut(715 + 35 * e, 655, 10, FormatInt(e + 1));
    const int belowVessel = s.VesselTop + s.VesselHeight + 10;
    for (int e = 0; e < kParts; ++e)
        canvas.SurfaceTextOut(PartLeft(s, e) + s.VesselWidth / 16, belowVessel, 10,
                              FormatInt(e + 1));

    const int n2 = s.SecondCount;
    canvas.SurfaceTextOut(685, 400, 10, FormatInt(n2));
    canvas.SurfaceTextOut(685, 460, 10, FormatInt(3 * n2 / 4));
    canvas.SurfaceTextOut(685, 520, 10, FormatInt(n2 / 2));
    canvas.SurfaceTextOut(685, 580, 10, FormatInt(n2 / 4));
    canvas.SurfaceTextOut(685, 640, 10, FormatInt(0));
    canvas.SurfaceTextOut(710, 680, 10, t.PartAxis);
    canvas.SurfaceTextOut(710, 350, 10, t.CountPerPart);
}

}  // namespace

void InitDiffusionChart(Simulation& sim) {
    InitPanelGas(sim, kModeDiffusionChart, SubstanceRule::BySide);
    sim.Frame.CountByCentre = sim.Model == GasModel::Exact;
}

void AdvanceDiffusionChart(Simulation& sim) {
    NoExtras extras;
    AdvanceGas(sim, extras);
    sim.Frame.CountByCentre = sim.Model == GasModel::Exact;
}

void RenderDiffusionChart(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                          Canvas& canvas) {
    DrawVesselWall(s, canvas, kWallColour);
    for (int e = 0; e < kParts; ++e) {
        canvas.FillRect(PartLeft(s, e), s.VesselTop, PartRight(s, e), s.VesselTop + s.VesselHeight,
                        PartColour(e));
    }
    DrawParticles(s, canvas);

    const SliceCounts counts = CountSlices(s, f.CountByCentre);
    DrawBars(s, canvas, counts);
    WriteChartLabels(s, t, canvas, counts);
    WriteGasStatus(s, f, t, canvas, 110, GasStatusLines::WithSubstances, SpeedUnit::Omitted);
    canvas.SurfaceTextOut(770, 20, 20, t.DiffusionTitle);
    canvas.ReleaseText();
}
