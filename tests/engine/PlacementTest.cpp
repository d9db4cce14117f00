#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TestSim.h"
#include "engine/Modes.h"
#include "engine/Placement.h"

TEST(Touches, AllFourBoundsAreInclusive) {
    TestSim t;
    t.Vessel(20, 20, 600, 600, 15);
    const int a = t.Put(100, 100, 0, 0);
    const int b = t.Put(115, 85, 0, 0);  // exactly ParticleSize away in both axes
    EXPECT_TRUE(Touches(t.S(), a, b));
    EXPECT_TRUE(Touches(t.S(), b, a));
    t.S().PosX[b] = 115.000001;
    EXPECT_FALSE(Touches(t.S(), a, b));
    t.S().PosX[b] = 85;
    t.S().PosY[b] = 115;
    EXPECT_TRUE(Touches(t.S(), a, b));
}

TEST(OverlapsAny, CountsStaleSlotsUpToParticleCountOnly) {
    TestSim t;
    t.Vessel(20, 20, 600, 600, 5);
    t.Put(100, 100, 0, 0);
    t.Put(300, 300, 0, 0);  // slot 2: stale position from an earlier run
    t.S().PosX[3] = 100;    // slot 3 beyond ParticleCount
    t.S().PosY[3] = 100;
    t.S().PosX[1] = 303;
    t.S().PosY[1] = 298;
    EXPECT_TRUE(OverlapsAny(t.S(), 1));  // rejected by the stale slot 2
    t.S().PosX[1] = 100;
    t.S().PosY[1] = 100;
    EXPECT_FALSE(OverlapsAny(t.S(), 1));  // slot 3 is not a particle of this run
}

TEST(InitDiffusion, PlacesAllSlotsInsideTheVesselWithBoundedVelocities) {
    TestSim t(7);
    PanelControls(t.C(), 300, 600, 400, 50, 8);
    t.clock.Set(5'000'000);
    InitDiffusion(*t.sim);
    const SimulationState& s = t.S();
    ASSERT_EQ(s.InitOk, 1);
    EXPECT_EQ(s.SimulationMode, kModeDiffusion);
    EXPECT_EQ(s.StepDivisor, 20.0);
    EXPECT_EQ(s.VesselLeft, 70);
    EXPECT_EQ(s.VesselTop, 170);
    EXPECT_EQ(s.ParticleSize, 15);
    EXPECT_EQ(s.ClockStart, 5'000'000);
    EXPECT_EQ(s.PauseStart, 0);
    EXPECT_EQ(s.PausedTotal, 0);

    const double root2 = std::sqrt(2.0);
    for (int i = 1; i <= kMaxParticles; ++i) {
        EXPECT_GE(s.PosX[i], s.VesselLeft);
        EXPECT_LT(s.PosX[i], s.VesselLeft + s.VesselWidth - s.ParticleSize);
        EXPECT_GE(s.PosY[i], s.VesselTop);
        EXPECT_LT(s.PosY[i], s.VesselTop + s.VesselHeight - s.ParticleSize);
        EXPECT_EQ(s.PosX[i], std::trunc(s.PosX[i]));
        for (double v : {s.VelX[i], s.VelY[i]}) {
            const double steps = v * root2;
            EXPECT_NEAR(steps, std::round(steps), 1e-9);
            EXPECT_LE(std::fabs(steps), 50.0 + 1e-9);
        }
    }
    // The real particles never overlap one another.
    for (int i = 1; i <= s.ParticleCount; ++i) {
        for (int k = i + 1; k <= s.ParticleCount; ++k)
            ASSERT_FALSE(Touches(s, i, k));
    }
    double sum = 0;
    for (int i = 1; i <= s.ParticleCount; ++i)
        sum += std::hypot(s.VelX[i], s.VelY[i]);
    EXPECT_NEAR(s.MeanSpeed, sum / s.ParticleCount, 1e-12);
}

TEST(InitDiffusion, SecondSubstanceStartsLeftOfTheCentreLine) {
    TestSim t(11);
    PanelControls(t.C(), 1200, 100, 700, 30, 1);  // size 1: many slots land on the centre line
    InitDiffusion(*t.sim);
    const SimulationState& s = t.S();
    ASSERT_EQ(s.InitOk, 1);
    const int centre = s.VesselLeft + s.VesselWidth / 2;
    int left = 0;
    int onLine = 0;
    for (int i = 1; i <= kMaxParticles; ++i) {
        const bool second = s.PosX[i] < centre;
        EXPECT_EQ(s.Kind[i], second ? 9 : 0) << "slot " << i;
        if (second && i <= s.ParticleCount) ++left;
        if (s.PosX[i] == centre) ++onLine;
    }
    EXPECT_GT(onLine, 0);
    EXPECT_EQ(s.SecondCount, left);
}

TEST(InitDiffusion, ParticleOneSwitchesOverWhenNoneStartsOnTheLeft) {
    // A single particle at or right of the centre line becomes the second substance.
    for (uint64_t seed = 1; seed < 200; ++seed) {
        TestSim t(seed);
        PanelControls(t.C(), 1, 300, 300, 50, 4);
        InitDiffusion(*t.sim);
        const SimulationState& s = t.S();
        ASSERT_EQ(s.InitOk, 1);
        if (s.PosX[1] < s.VesselLeft + s.VesselWidth / 2) continue;
        EXPECT_EQ(s.SecondCount, 1);
        EXPECT_EQ(s.Kind[1], 12);
        return;
    }
    FAIL() << "no seed put particle 1 on the right";
}

TEST(InitDiffusion, ExhaustedBudgetClearsInitOkButStillResetsClockAndSpeed) {
    TestSim t(3);
    PanelControls(t.C(), 1500, 100, 100, 40, 9);  // 1500 discs of 20 px cannot fit in 100 x 100
    t.S().WallHits[1] = 7;
    t.clock.Set(42'000);
    InitDiffusion(*t.sim);
    const SimulationState& s = t.S();
    EXPECT_EQ(s.InitOk, 0);
    EXPECT_EQ(s.ClockStart, 42'000);
    EXPECT_TRUE(std::isfinite(s.MeanSpeed));
    // Slots 1.. that were placed have kinds and velocities; the counters were cleared there.
    EXPECT_EQ(s.WallHits[1], 0);

    // A fresh Start is a fresh budget: with a possible count it succeeds.
    t.C().Particles = 2;
    InitDiffusion(*t.sim);
    EXPECT_EQ(t.S().InitOk, 1);
}

TEST(InitDiffusion, SpareSlotsAvoidOnlyTheRealParticles) {
    // Two 20-px particles in a 100 x 100 vessel: the 1498 spare slots must each keep clear of
    // them, but may overlap one another.
    TestSim t(5);
    PanelControls(t.C(), 2, 100, 100, 10, 9);
    InitDiffusion(*t.sim);
    const SimulationState& s = t.S();
    ASSERT_EQ(s.InitOk, 1);
    int sparePairsTouching = 0;
    for (int i = 3; i <= kMaxParticles; ++i) {
        ASSERT_FALSE(Touches(s, i, 1));
        ASSERT_FALSE(Touches(s, i, 2));
        if (i > 3 && Touches(s, i, i - 1)) ++sparePairsTouching;
    }
    EXPECT_GT(sparePairsTouching, 0);
}

TEST(InitDiffusion, ZeroVmaxGivesStillParticles) {
    TestSim t(9);
    PanelControls(t.C(), 100, 400, 400, 0, 5);
    InitDiffusion(*t.sim);
    for (int i = 1; i <= kMaxParticles; ++i) {
        ASSERT_EQ(t.S().VelX[i], 0.0);
        ASSERT_EQ(t.S().VelY[i], 0.0);
    }
    EXPECT_EQ(t.S().MeanSpeed, 0.0);
}

// Slot 1 can never be placed: every place of the area touches slot 2. A failed run must use
// exactly the random numbers of its attempts, since the vessel-side change does not reseed.
TEST(PlaceSlots, GivesUpAfterTheBudgetWithTheDrawsOfItsKind) {
    for (bool drawPast : {true, false}) {
        TestSim t;
        t.Vessel(100, 100, 10, 10, 5);
        t.Put(0, 0, 0, 0);
        t.Put(102, 102, 0, 0);
        t.sim->Rng.Seed(77);
        RandomSource expected = t.sim->Rng;
        PlacementArea area{1, 1, 100, 5, 6};
        area.DrawPastBudget = drawPast;
        int placed = 0;
        EXPECT_FALSE(PlaceSlots(*t.sim, area, [&](int) { ++placed; })) << drawPast;
        EXPECT_EQ(placed, 0);
        int lastX = 0, lastY = 0;
        for (int attempt = 1; attempt <= (drawPast ? 7 : 6); ++attempt) {
            lastX = 100 + expected.Random(5);
            lastY = 100 + expected.Random(5);
        }
        EXPECT_EQ(t.sim->Rng.Random(1000000), expected.Random(1000000)) << drawPast;
        EXPECT_EQ(t.S().PosX[1], lastX);
        EXPECT_EQ(t.S().PosY[1], lastY);
    }
}

TEST(PlaceSlots, FillsOnlyItsSlotsInOrderAndCallsBackForEach) {
    TestSim t;
    t.Vessel(50, 60, 300, 200, 5);
    for (int k = 1; k <= 6; ++k)
        t.Put(-100, -100, 1, 1);  // far outside: no slot is in the way
    t.sim->Rng.Seed(5);
    std::vector<int> order;
    ASSERT_TRUE(PlaceSlots(*t.sim, {3, 5, 200, 40, 1000}, [&](int i) { order.push_back(i); }));
    EXPECT_EQ(order, (std::vector<int>{3, 4, 5}));
    for (int i : {3, 4, 5}) {
        EXPECT_GE(t.S().PosX[i], 200);
        EXPECT_LT(t.S().PosX[i], 240);
        EXPECT_GE(t.S().PosY[i], 60);
        EXPECT_LT(t.S().PosY[i], 255);
        EXPECT_FALSE(OverlapsAny(t.S(), i));
    }
    for (int i : {1, 2, 6})
        EXPECT_EQ(t.S().PosX[i], -100);
}
