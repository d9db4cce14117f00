#include <gtest/gtest.h>

#include <cmath>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"

namespace {

struct DiffusionRun : TestSim {
    explicit DiffusionRun(int count = 300, int width = 600, int height = 600, int vmax = 50,
                          int size = 8)
        : TestSim(21) {
        C().Particles = count;
        C().VesselWidth = width;
        C().VesselHeight = height;
        C().MaxSpeed = vmax;
        C().SizeChoice = size;
        InitDiffusion(*sim);
        StartClock(*sim);
    }
};

}  // namespace

TEST(DiffusionFrame, DrawsWallThenEightStripesWithRisingBlue) {
    DiffusionRun run(10, 333, 200);
    RecordingCanvas canvas;
    Tick(*run.sim, canvas);
    const SimulationState& s = run.S();
    ASSERT_GE(canvas.fills.size(), 10u);
    EXPECT_EQ(canvas.ops.front(), RecordingCanvas::Op::FillSurface);
    EXPECT_EQ(canvas.fills[0].colour, 0);
    const auto& wall = canvas.fills[1];
    EXPECT_EQ(wall.left, s.VesselLeft - 5);
    EXPECT_EQ(wall.top, s.VesselTop - 5);
    EXPECT_EQ(wall.right, s.VesselLeft + 333 + 5);
    EXPECT_EQ(wall.bottom, s.VesselTop + 200 + 5);
    EXPECT_EQ(wall.colour, 1111);
    // 333 / 8 = 41.625: edges truncate, and together the stripes cover the interior.
    EXPECT_EQ(s.VesselLeft, 204);
    const int expectedLeft[8] = {204, 245, 287, 328, 370, 412, 453, 495};
    for (int e = 0; e < 8; ++e) {
        const auto& stripe = canvas.fills[2 + static_cast<size_t>(e)];
        EXPECT_EQ(stripe.left, expectedLeft[e]) << e;
        EXPECT_EQ(stripe.right, e < 7 ? expectedLeft[e + 1] : 537) << e;
        EXPECT_EQ(stripe.top, s.VesselTop);
        EXPECT_EQ(stripe.bottom, s.VesselTop + 200);
        EXPECT_EQ(stripe.colour, 11112 + 2 * e);
    }
}

TEST(DiffusionFrame, WritesTheStatusBlockAndEndsWithRelease) {
    DiffusionRun run(300, 600, 600, 50, 8);
    SimulationState& s = run.S();
    s.MeanSpeed = 35.3553;
    run.clock.Advance(2'999);
    RecordingCanvas canvas;
    Tick(*run.sim, canvas);
    const int n2 = s.SecondCount;
    struct Expected {
        int x, y, size;
        std::string text;
    };
    const Expected lines[] = {
        {790, 20, 20, "DYFUZJA"},
        {750, 120, 12, "Liczba cząsteczek N1 = " + std::to_string(300 - n2)},
        {750, 140, 12, "Liczba cząsteczek N2 =  " + std::to_string(n2)},
        {750, 160, 12, "Liczba cząsteczek N   =  300"},
        {750, 180, 12, "Vmax   =  50 jednostek"},
        {750, 200, 12, "Vśr    =  35,4 jednostek"},
        {750, 220, 12, "Czas  =   2 s"},
        {850, 730, 12, publisher::kWebAddress},
    };
    ASSERT_EQ(canvas.texts.size(), std::size(lines));
    for (size_t i = 0; i < std::size(lines); ++i) {
        EXPECT_EQ(canvas.texts[i].x, lines[i].x) << i;
        EXPECT_EQ(canvas.texts[i].y, lines[i].y) << i;
        EXPECT_EQ(canvas.texts[i].size, lines[i].size) << i;
        EXPECT_EQ(canvas.texts[i].text, lines[i].text) << i;
    }
    EXPECT_EQ(canvas.sprites.size(), 300u);
    ASSERT_GE(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops.back(), RecordingCanvas::Op::Release);
    EXPECT_EQ(canvas.presents, 0);  // the window presents
}

TEST(DiffusionFrame, ShowsTheSpinBoxVmaxOfEachFrame) {
    DiffusionRun run(50);
    run.C().MaxSpeed = 120;  // changed on the panel after the start
    RecordingCanvas canvas;
    Tick(*run.sim, canvas);
    ASSERT_NE(canvas.TextAt(750, 180), nullptr);
    EXPECT_EQ(canvas.TextAt(750, 180)->text, "Vmax   =  120 jednostek");
}

TEST(DiffusionFrame, ZeroVmaxShowsZeroMeanSpeedAndNothingMoves) {
    DiffusionRun run(100, 400, 400, 0, 5);
    const double x = run.S().PosX[17];
    RecordingCanvas canvas;
    Tick(*run.sim, canvas);
    EXPECT_EQ(canvas.TextAt(750, 200)->text, "Vśr    =  0 jednostek");
    EXPECT_EQ(run.S().PosX[17], x);
}

// A long run keeps every particle inside, the set of speeds unchanged and every value finite.
TEST(DiffusionFrame, LongRunKeepsTheInvariants) {
    for (int size : {1, 4, 6}) {  // 1, 5 and 9 pixels
        DiffusionRun run(300, 600, 500, 300, size);
        SimulationState& s = run.S();
        ASSERT_EQ(s.InitOk, 1);
        const double mean = s.MeanSpeed;
        NullCanvas canvas;
        for (int tick = 0; tick < 1000; ++tick) {
            Tick(*run.sim, canvas);
            run.clock.Advance(16);
        }
        for (int i = 1; i <= s.ParticleCount; ++i) {
            ASSERT_TRUE(std::isfinite(s.PosX[i]) && std::isfinite(s.VelX[i]));
            ASSERT_GE(s.PosX[i], s.VesselLeft);
            ASSERT_LE(s.PosX[i], s.RightLimit());
            ASSERT_GE(s.PosY[i], s.VesselTop);
            ASSERT_LE(s.PosY[i], s.BottomLimit());
        }
        double sum = 0;
        for (int i = 1; i <= s.ParticleCount; ++i)
            sum += std::hypot(s.VelX[i], s.VelY[i]);
        EXPECT_NEAR(sum / s.ParticleCount, mean, 1e-9);
        EXPECT_EQ(s.MeanSpeed, mean);  // the shown value is fixed for the run
    }
}
