// The classroom's view choices: off, every frame is drawn as before; chosen, only the chosen
// thing changes.
#include <gtest/gtest.h>

#include <algorithm>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"

namespace {

int LinesOf(const RecordingCanvas& canvas) {
    return static_cast<int>(canvas.lines.size());
}

// Three gases, the partition far above the thermometers' scale, the others on it.
void HotPartition(TestSim& t) {
    ExperimentControls(t.C(), 100, 1, 1, 400, 50);
    InitMode(*t.sim, kModeHeatTransport);
    const SimulationState& s = t.S();
    for (int i = 2 * s.SideCount + 1; i <= s.ParticleCount; ++i) {
        t.S().VelX[i] = 300;
        t.S().VelY[i] = 0;
    }
}

TEST(ViewOptions, UndeterminedTemperatureKeepsItsLabelOnlyWhenChosen) {
    TestSim t;
    HotPartition(t);
    RecordingCanvas plain;
    Tick(*t.sim, plain);
    ASSERT_NE(plain.TextAt(30, 140), nullptr);
    EXPECT_EQ(plain.TextAt(30, 140)->text, "nieokreślona");

    t.sim->View.LabelUndetermined = true;
    RecordingCanvas labelled;
    Tick(*t.sim, labelled);
    ASSERT_NE(labelled.TextAt(30, 140), nullptr);
    EXPECT_EQ(labelled.TextAt(30, 140)->text, "Temperatura przegrody = nieokreślona");
    // A temperature on the scale is written as before.
    ASSERT_NE(labelled.TextAt(30, 120), nullptr);
    EXPECT_NE(labelled.TextAt(30, 120)->text.find("jednostek"), std::string::npos);
}

TEST(ViewOptions, PressureDropsOnlyItsVelocityLines) {
    TestSim a(3), b(3);
    for (TestSim* t : {&a, &b}) {
        ExperimentControls(t->C(), 200, 4, 1, 400, 50);
        InitMode(*t->sim, kModePressure);
    }
    b.sim->View.VelocityLines = false;
    RecordingCanvas with, without;
    Tick(*a.sim, with);
    Tick(*b.sim, without);
    EXPECT_EQ(LinesOf(with), 200);
    EXPECT_EQ(LinesOf(without), 0);
    // Everything else is the same: sprites, texts and fills.
    EXPECT_EQ(with.sprites.size(), without.sprites.size());
    ASSERT_EQ(with.texts.size(), without.texts.size());
    for (std::size_t k = 0; k < with.texts.size(); ++k)
        EXPECT_EQ(with.texts[k].text, without.texts[k].text);
    EXPECT_EQ(a.S().Pressure, b.S().Pressure);
}

TEST(ViewOptions, LargeViewEnlargesSmallParticlesAndWidensTheTrack) {
    TestSim small(5), large(5);
    for (TestSim* t : {&small, &large}) {
        PanelControls(t->C(), 1500, 300, 300, 300, 3);  // 3-pixel particles, crowded
        InitMode(*t->sim, kModeFreePath);
    }
    large.sim->View.LargeView = true;
    NullCanvas none;
    for (int k = 0; k < 3000 && small.S().PathCount < 4; ++k) {
        Tick(*small.sim, none);
        Tick(*large.sim, none);
    }
    ASSERT_GE(small.S().PathCount, 4);
    RecordingCanvas one, wide;
    Tick(*small.sim, one);
    Tick(*large.sim, wide);
    const auto count = static_cast<std::size_t>(small.S().ParticleCount);
    // The frame as before, then every particle again as a 5-pixel disc around its centre.
    ASSERT_EQ(wide.sprites.size(), one.sprites.size() + count);
    for (std::size_t k = 0; k < one.sprites.size(); ++k) {
        EXPECT_EQ(wide.sprites[k].index, one.sprites[k].index);
        EXPECT_EQ(wide.sprites[k].x, one.sprites[k].x);
    }
    for (std::size_t k = 0; k < count; ++k) {
        const auto& before = one.sprites[k];
        const auto& after = wide.sprites[one.sprites.size() + k];
        EXPECT_EQ(after.index, before.index < 9 ? 3 : 12);
        // 3 pixels to 5: one pixel up and left, the same centre.
        EXPECT_EQ(after.x, before.x - 1);
        EXPECT_EQ(after.y, before.y - 1);
    }
    // The track five times: in place, then one pixel left, right, up and down.
    const int track = LinesOf(one);
    ASSERT_EQ(LinesOf(wide), 5 * track);
    const auto& first = wide.lines[0];
    const auto& shifted = wide.lines[static_cast<std::size_t>(track)];
    EXPECT_EQ(shifted.x1, first.x1 - 1);
    EXPECT_EQ(shifted.y1, first.y1);
}

TEST(ViewOptions, LargeViewLeavesLargeParticlesAndTheExperimentsAlone) {
    TestSim a(9), b(9);
    for (TestSim* t : {&a, &b}) {
        PanelControls(t->C(), 200, 600, 600, 50, 8);  // 15-pixel particles
        InitMode(*t->sim, kModeDiffusion);
    }
    b.sim->View.LargeView = true;
    RecordingCanvas plain, large;
    Tick(*a.sim, plain);
    Tick(*b.sim, large);
    EXPECT_EQ(plain.sprites.size(), large.sprites.size());
    EXPECT_EQ(plain.ops, large.ops);
}

}  // namespace
