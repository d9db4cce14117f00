// Every mode run on the exact gas model: the mode's own parts (clock, counters, track, partition)
// work as before, the particles stay in their vessel, and the gas keeps its energy.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSim.h"
#include "engine/ExactMeasures.h"
#include "engine/Modes.h"
#include "engine/Simulation.h"

namespace {

void InitMode(Simulation& sim, Mode mode) {
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
            InitTemperature(sim);
            break;
        case kModeHeatTransport:
            InitHeatTransportRetrying(sim, 50, nullptr);
            break;
        case kModePressure:
            InitPressure(sim);
            break;
        default:
            break;
    }
}

bool Inside(const SimulationState& s, int i) {
    return s.PosX[i] >= s.VesselLeft && s.PosX[i] <= s.RightLimit() && s.PosY[i] >= s.VesselTop &&
           s.PosY[i] <= s.BottomLimit();
}

TEST(ExactModel, EveryModeRunsOnItWithItsParticlesInTheVessel) {
    for (Mode mode : {kModeDiffusion, kModeFreePath, kModeDiffusionChart, kModeWallCollisions,
                      kModeTemperature, kModeHeatTransport, kModePressure}) {
        TestSim t(3);
        PanelControls(t.C(), 300, 500, 400, 300, 4);
        ExperimentControls(t.C(), 200, 10, 1, 400, 300);
        t.C().StopAtLimit = false;
        InitMode(*t.sim, mode);
        ASSERT_TRUE(t.S().InitOk) << static_cast<int>(mode);
        StartClock(*t.sim);
        t.sim->Model = GasModel::Exact;
        for (int tick = 0; tick < 150; ++tick) {
            t.clock.Advance(16);
            Advance(*t.sim);
        }
        const SimulationState& s = t.S();
        for (int i = 1; i <= s.ParticleCount; ++i) {
            ASSERT_TRUE(Inside(s, i)) << "mode " << int(mode) << " particle " << i;
            ASSERT_TRUE(std::isfinite(s.VelX[i]) && std::isfinite(s.VelY[i]));
        }
        EXPECT_GT(t.sim->Exact.Totals().Collisions, 0) << "mode " << int(mode);
    }
}

TEST(ExactModel, DiffusionKeepsItsEnergyAndCountsWallsAsTheModeDoes) {
    TestSim t(5);
    PanelControls(t.C(), 500, 600, 600, 100, 4);
    InitWallCollisions(*t.sim);
    ASSERT_TRUE(t.S().InitOk);
    StartClock(*t.sim);
    t.sim->Model = GasModel::Exact;
    const int n = t.S().ParticleCount;
    const double before = MeanSquareSpeed(t.S(), 1, n);
    for (int tick = 0; tick < 300; ++tick)
        Advance(*t.sim);
    EXPECT_NEAR(MeanSquareSpeed(t.S(), 1, n) / before, 1.0, 1e-9);
    int64_t hits = 0;
    for (int w = 1; w <= 4; ++w)
        hits += t.S().WallHits[w];
    EXPECT_EQ(hits, t.sim->Exact.Totals().WallBounces);
}

TEST(ExactModel, TheFreePathTrackRecordsWhereTheParticleMeetsAnother) {
    TestSim t(9);
    PanelControls(t.C(), 2, 600, 600, 100, 4);  // 5 px
    t.C().StopAtLimit = false;
    InitFreePath(*t.sim);
    ASSERT_TRUE(t.S().InitOk);
    StartClock(*t.sim);
    t.sim->Model = GasModel::Exact;
    SimulationState& s = t.S();
    ASSERT_EQ(s.ParticleSize, 5);
    // The tracked particle flies 10 px a tick at one standing 33 px ahead: they meet with the
    // tracked one at x + 28, between two ticks, and the track has that place.
    const double x = s.VesselLeft + 100.0;
    const double y = s.VesselTop + 100.0;
    s.PosX[1] = x, s.PosY[1] = y, s.VelX[1] = 10 * s.StepDivisor, s.VelY[1] = 0;
    s.PosX[2] = x + 33, s.PosY[2] = y, s.VelX[2] = 0, s.VelY[2] = 0;
    const int before = s.PathCount;
    for (int tick = 0; tick < 4; ++tick)
        Advance(*t.sim);
    ASSERT_EQ(s.PathCount, before + 1);
    EXPECT_EQ(s.PathPoints[s.PathCount].x, static_cast<int32_t>(x + 28));
    EXPECT_EQ(s.PathPoints[s.PathCount].y, static_cast<int32_t>(y));
    EXPECT_DOUBLE_EQ(s.VelX[2], 10 * s.StepDivisor);  // it took the whole velocity, head on
}

}  // namespace
