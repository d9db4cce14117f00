// The speed histogram beside the vessel: drawn only when chosen, in the modes with room, bars
// that follow the Maxwell curve when the speeds do.
#include <gtest/gtest.h>

#include <cmath>

#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/HistogramRender.h"
#include "engine/Modes.h"
#include "engine/Simulation.h"
#include "engine/SurfaceTexts.h"

namespace {

SurfaceTexts Texts() {
    SurfaceTexts t;
    t.SpeedHistogram = "speeds";
    t.ExactModel = "exact";
    return t;
}

TEST(SpeedHistogram, DrawnOnlyWhenChosenAndOnlyWhereThereIsRoom) {
    for (Mode mode : kAllModes) {
        TestSim t(2);
        PanelControls(t.C(), 200, 500, 400, 100, 4);
        ExperimentControls(t.C(), 100, 1, 1, 400, 50);
        InitMode(*t.sim, mode);
        Advance(*t.sim);
        RecordingCanvas plain, shown;
        Render(*t.sim, Texts(), plain);
        t.sim->ShowSpeedHistogram = true;
        Render(*t.sim, Texts(), shown);
        const bool room = HistogramPlaceOf(mode).has_value();
        EXPECT_EQ(room, mode != kModeDiffusionChart && mode != kModeHeatTransport);
        if (!room) {
            EXPECT_EQ(shown.ops, plain.ops) << int(mode);
            continue;
        }
        // The mode's own frame first, unchanged; the histogram after it.
        ASSERT_GT(shown.ops.size(), plain.ops.size()) << int(mode);
        EXPECT_TRUE(std::equal(plain.ops.begin(), plain.ops.end(), shown.ops.begin()));
        EXPECT_EQ(shown.texts.back().text, "speeds");
        EXPECT_EQ(shown.ops.back(), RecordingCanvas::Op::Release);
        // It stays in its box, clear of everything the mode drew on the right-hand side.
        const HistogramPlace p = *HistogramPlaceOf(mode);
        for (std::size_t k = plain.fills.size(); k < shown.fills.size(); ++k) {
            EXPECT_GE(shown.fills[k].left, p.Left);
            EXPECT_LE(shown.fills[k].right, p.Left + p.Width);
            EXPECT_GE(shown.fills[k].top, p.Top);
        }
        for (const auto& text : plain.texts) {
            const bool right = text.x >= p.Left - 60;
            const bool overlaps = text.y + 16 > p.Top - 18 && text.y < p.Top + p.Height;
            EXPECT_FALSE(right && overlaps)
                << "mode " << int(mode) << ": \"" << text.text << "\" at " << text.y;
        }
    }
}

TEST(SpeedHistogram, TheExactModelIsNamedOnTheSurfaceTheDescribedOneIsNot) {
    TestSim t(4);
    PanelControls(t.C(), 100, 400, 400, 50, 4);
    InitDiffusion(*t.sim);
    Advance(*t.sim);
    RecordingCanvas described, exact;
    Render(*t.sim, Texts(), described);
    t.sim->Model = GasModel::Exact;
    Render(*t.sim, Texts(), exact);
    ASSERT_EQ(exact.ops.size(), described.ops.size() + 2);
    EXPECT_TRUE(std::equal(described.ops.begin(), described.ops.end(), exact.ops.begin()));
    EXPECT_EQ(exact.texts.back().text, "exact");
    EXPECT_GT(exact.texts.back().y, t.S().VesselTop + t.S().VesselHeight);
    for (const auto& text : described.texts)
        EXPECT_NE(text.text, "exact");
}

TEST(SpeedHistogram, BarsFollowTheCurveForAMaxwellGas) {
    // 4000 speeds at the exact quantiles of the 2-D distribution with <v^2> = 2: every bar
    // stands where the curve passes over its middle, within a pixel or two.
    SimulationState s;
    s.ParticleCount = 4000;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        const double u = (i - 0.5) / s.ParticleCount;
        s.VelX[i] = std::sqrt(-2.0 * std::log(1.0 - u));
        s.VelY[i] = 0.0;
    }
    const HistogramPlace place{100, 100, 200, 150};
    RecordingCanvas canvas;
    RenderSpeedHistogram(s, place, "v", canvas);
    // The last bins, near 3 rms, hold too few to reach a pixel.
    ASSERT_GE(canvas.fills.size(), 17u);
    const int bottom = place.Top + place.Height;
    for (const auto& bar : canvas.fills) {
        EXPECT_EQ(bar.bottom, bottom);
        const int middle = (bar.left + bar.right + 1) / 2;
        int curveY = -1;
        for (const auto& line : canvas.lines)
            if (line.x0 <= middle && middle <= line.x1 && line.x1 > line.x0)
                curveY = line.y0 + (line.y1 - line.y0) * (middle - line.x0) / (line.x1 - line.x0);
        ASSERT_GE(curveY, 0);
        EXPECT_NEAR(bar.top, curveY, 4) << "bar at " << bar.left;
    }
    // The bars fill their bins edge to edge: they paint the area under the curve.
    double painted = 0.0, curve = 0.0;
    for (const auto& bar : canvas.fills) {
        EXPECT_EQ(bar.right - bar.left, place.Width / kHistogramBins);  // the right edge is open
        painted += double(bar.right - bar.left) * (bar.bottom - bar.top);
    }
    for (const auto& line : canvas.lines)
        if (line.x1 > line.x0)
            curve += (line.x1 - line.x0) * (2.0 * bottom - line.y0 - line.y1) / 2;
    EXPECT_NEAR(painted / curve, 1.0, 0.02);
}

TEST(SpeedHistogram, ABarTallerThanTheBoxSetsTheScaleInsteadOfBeingCut) {
    // Three quarters of the speeds in one bin, a quarter in another: far above the curve.
    SimulationState s;
    s.ParticleCount = 400;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        s.VelX[i] = i <= 300 ? 1.0 : 1.5;
        s.VelY[i] = 0.0;
    }
    const HistogramPlace place{100, 100, 200, 150};
    RecordingCanvas canvas;
    RenderSpeedHistogram(s, place, "v", canvas);
    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ(canvas.fills[0].top, place.Top);
    EXPECT_EQ(canvas.fills[1].top, place.Top + place.Height - place.Height / 3);
}

TEST(SpeedHistogram, AGasAtRestShowsItsAxisAndCaptionOnly) {
    SimulationState s;
    s.ParticleCount = 10;
    RecordingCanvas canvas;
    RenderSpeedHistogram(s, {0, 20, 100, 50}, "v", canvas);
    EXPECT_TRUE(canvas.fills.empty());
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.texts.size(), 1u);
    s.ParticleCount = 0;
    RenderSpeedHistogram(s, {0, 20, 100, 50}, "v", canvas);
    EXPECT_TRUE(canvas.fills.empty());
}

}  // namespace
