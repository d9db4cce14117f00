#include <gtest/gtest.h>

#include <vector>

#include "FrameTick.h"
#include "GasChecks.h"
#include "TestSim.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/Placement.h"

namespace {

struct ExperimentMode {
    const char* name;
    void (*init)(Simulation&);
    Mode mode;
};
const ExperimentMode kExperimentModes[] = {
    {"temperature", InitTemperature, kModeTemperature},
    {"pressure", InitPressure, kModePressure},
};

std::vector<double> Copy(const Array1<double, kParticleCapacity>& a) {
    return std::vector<double>(a.Data(), a.Data() + kMaxParticles);
}

}  // namespace

TEST(InitExperimentGas, BothModesPlaceAScaledGasInASquareAndKeepTheWallCounters) {
    for (const ExperimentMode& m : kExperimentModes) {
        SCOPED_TRACE(m.name);
        TestSim t(3);
        SimulationState& s = t.S();
        s.WallHits.Fill(9);
        s.SecondCount = 42;
        s.PauseStart = 7;
        s.PausedTotal = 8;
        ExperimentControls(t.C(), 250, 3, 4, 455, 40);
        // Twice, so that the second run meets the first one's stale slots and must not scale
        // the velocities again.
        m.init(*t.sim);
        t.clock.Set(2'000'000);
        m.init(*t.sim);

        ASSERT_EQ(s.InitOk, 1);
        EXPECT_EQ(s.SimulationMode, m.mode);
        EXPECT_EQ(s.StepDivisor, 20.0);
        EXPECT_EQ(s.VesselWidth, 455);
        EXPECT_EQ(s.VesselHeight, 455);
        EXPECT_EQ(s.VesselLeft, 143);  // an odd side rounds the half down
        EXPECT_EQ(s.VesselTop, 143);
        EXPECT_EQ(s.ParticleCount, 250);
        EXPECT_EQ(s.ParticleSize, 5);
        EXPECT_EQ(s.SecondCount, 42);
        for (int w = 1; w <= 4; ++w)
            EXPECT_EQ(s.WallHits[w], 9);
        EXPECT_EQ(s.ClockStart, 2'000'000);
        EXPECT_EQ(s.PauseStart, 0);
        EXPECT_EQ(s.PausedTotal, 0);
        EXPECT_TRUE(SlotsInsideVessel(s, 1, kMaxParticles));
        EXPECT_TRUE(SlotsFree(s, 1, kMaxParticles));

        double speedSum = 0.0;
        for (int i = 1; i <= kMaxParticles; ++i) {
            ASSERT_EQ(s.Kind[i], 3) << i;
            // The speed factor 3 / 2 applies to the particles of the run only.
            const double factor = i <= 250 ? 1.5 : 1.0;
            const int sx = VelocitySteps(s.VelX[i], factor);
            const int sy = VelocitySteps(s.VelY[i], factor);
            ASSERT_TRUE(sx >= 0 && sx <= 40) << i << " " << s.VelX[i];
            ASSERT_TRUE(sy >= 0 && sy <= 40) << i << " " << s.VelY[i];
            if (i <= 250) speedSum += std::hypot(s.VelX[i], s.VelY[i]);
        }
        EXPECT_NEAR(s.MeanSpeed, speedSum / 250, 1e-9);
        EXPECT_EQ(s.GasMass, 1000 * 1.66e-27);
        EXPECT_EQ(Words(*t.sim).ParticleCount, "Liczba cząsteczek: 250");
        EXPECT_EQ(Words(*t.sim).ParticleMass, "Masa cząsteczki gazu: 4 u");
        EXPECT_EQ(Words(*t.sim).VesselSide, "Szerokość naczynia: 455 jedn.");
    }
}

TEST(InitExperimentGas, StillStartsTheRunAndWritesTheCaptionsWhenPlacementFails) {
    TestSim t(5);
    SimulationState& s = t.S();
    ExperimentControls(t.C(), 500, 2, 7, 400, 0);
    t.C().SizeChoice = 9;  // 500 particles of 20 pixels cannot fit a 400-pixel square
    s.PausedTotal = 1234;
    t.clock.Set(3'000'000);
    InitPressure(*t.sim);
    EXPECT_EQ(s.InitOk, 0);
    EXPECT_EQ(s.ClockStart, 3'000'000);
    EXPECT_EQ(s.PausedTotal, 0);
    EXPECT_EQ(s.MeanSpeed, 0.0);
    EXPECT_EQ(s.GasMass, 3500 * 1.66e-27);
    EXPECT_EQ(Words(*t.sim).ParticleCount, "Liczba cząsteczek: 500");
    EXPECT_EQ(Words(*t.sim).MeanSpeed, "Vśr. cząsteczek = 0 jedn.");
    EXPECT_EQ(Words(*t.sim).ParticleMass, "Masa cząsteczki gazu: 7 u");
    EXPECT_EQ(Words(*t.sim).VesselSide, "Szerokość naczynia: 400 jedn.");
}

TEST(TrackBars, CountAndSpeedRestartOnlyTheExperiments) {
    for (const ExperimentMode& m : kExperimentModes) {
        SCOPED_TRACE(m.name);
        TestSim t(8);
        ExperimentControls(t.C(), 100, 1, 1, 400, 50);
        m.init(*t.sim);
        t.clock.Advance(5'000);
        t.C().ExperimentParticles = 230;
        ASSERT_TRUE(ChangeCountOrSpeed(*t.sim));
        EXPECT_EQ(t.S().SimulationMode, m.mode);
        EXPECT_EQ(t.S().ParticleCount, 230);
        EXPECT_EQ(t.S().ClockStart, t.clock.MillisecondStamp());
        EXPECT_EQ(Words(*t.sim).ParticleCount, "Liczba cząsteczek: 230");
    }
    for (uint8_t mode : {kModeDiffusion, kModeWallCollisions, kModeHeatTransport}) {
        TestSim t(8);
        t.S().SimulationMode = mode;
        t.S().ParticleCount = 77;
        t.S().ClockStart = 99;
        t.C().ExperimentParticles = 300;
        EXPECT_FALSE(ChangeCountOrSpeed(*t.sim)) << int{mode};
        EXPECT_EQ(t.S().SimulationMode, mode);
        EXPECT_EQ(t.S().ParticleCount, 77);
        EXPECT_EQ(t.S().ClockStart, 99);
    }
}

TEST(TrackBars, MassChangesOnlyTheMassAndItsCaption) {
    TestSim t(9);
    SimulationState& s = t.S();
    ExperimentControls(t.C(), 500, 3, 1, 400, 50);
    InitTemperature(*t.sim);
    const double single = s.GasMass;
    const auto x = Copy(s.PosX);
    const auto vx = Copy(s.VelX);
    const int64_t start = s.ClockStart;
    const std::string count = Words(*t.sim).ParticleCount;
    t.clock.Advance(7'000);

    t.C().ParticleMass = 2;
    ChangeParticleMass(*t.sim);
    EXPECT_EQ(s.GasMass, 2 * single);  // the whole-number product first: exactly twice
    EXPECT_EQ(Words(*t.sim).ParticleMass, "Masa cząsteczki gazu: 2 u");

    t.C().ParticleMass = 10;
    ChangeParticleMass(*t.sim);
    EXPECT_DOUBLE_EQ(s.GasMass, 8.3e-24);
    EXPECT_EQ(Words(*t.sim).ParticleMass, "Masa cząsteczki gazu: 10 u");
    EXPECT_EQ(Copy(s.PosX), x);
    EXPECT_EQ(Copy(s.VelX), vx);
    EXPECT_EQ(s.ClockStart, start);
    EXPECT_EQ(Words(*t.sim).ParticleCount, count);
}

TEST(TrackBars, ShrinkingTheVesselReplacesEveryParticleInsideAndGrowingKeepsThem) {
    TestSim t(10);
    SimulationState& s = t.S();
    ExperimentControls(t.C(), 500, 2, 1, 650, 80);
    InitPressure(*t.sim);
    ASSERT_EQ(s.InitOk, 1);
    const auto vx = Copy(s.VelX);
    const auto vy = Copy(s.VelY);
    const auto x650 = Copy(s.PosX);
    const int64_t start = s.ClockStart;
    t.clock.Advance(3'000);

    t.C().VesselSide = 400;
    ASSERT_TRUE(ChangeVesselSide(*t.sim));
    EXPECT_EQ(s.VesselLeft, 170);
    EXPECT_EQ(s.VesselTop, 170);
    EXPECT_EQ(s.VesselWidth, 400);
    EXPECT_EQ(s.VesselHeight, 400);
    EXPECT_TRUE(SlotsInsideVessel(s, 1, kMaxParticles));
    EXPECT_TRUE(SlotsFree(s, 1, kMaxParticles));
    EXPECT_NE(Copy(s.PosX), x650);
    EXPECT_EQ(Copy(s.VelX), vx);
    EXPECT_EQ(Copy(s.VelY), vy);
    for (int i = 1; i <= kMaxParticles; ++i)
        ASSERT_EQ(s.Kind[i], 3);
    EXPECT_EQ(s.ClockStart, start);
    EXPECT_EQ(Words(*t.sim).VesselSide, "Szerokość naczynia: 400 jedn.");

    // Back to 650: the vessel grows around the same centre and nobody moves.
    const auto x400 = Copy(s.PosX);
    const auto y400 = Copy(s.PosY);
    t.C().VesselSide = 650;
    ASSERT_TRUE(ChangeVesselSide(*t.sim));
    EXPECT_EQ(s.VesselLeft, 45);
    EXPECT_EQ(s.VesselWidth, 650);
    EXPECT_EQ(Copy(s.PosX), x400);
    EXPECT_EQ(Copy(s.PosY), y400);
    EXPECT_EQ(Words(*t.sim).VesselSide, "Szerokość naczynia: 650 jedn.");

    // The same side again re-places nothing either.
    ASSERT_TRUE(ChangeVesselSide(*t.sim));
    EXPECT_EQ(Copy(s.PosX), x400);
}

TEST(TrackBars, AVesselTooSmallForTheGasLeavesEverythingAsItWas) {
    TestSim t(12);
    SimulationState& s = t.S();
    SetVesselCentred(s, 650, 650);
    s.ParticleSize = 20;
    s.ParticleCount = 500;
    // 500 particles of 20 pixels on a lattice of the large vessel; a 400-pixel square holds
    // at most 19 x 19 of them.
    for (int i = 1; i <= kMaxParticles; ++i) {
        const int cell = (i - 1) % 900;
        s.PosX[i] = 45 + 21 * (cell % 30);
        s.PosY[i] = 45 + 21 * (cell / 30);
        s.VelX[i] = i;
        s.VelY[i] = -i;
    }
    const auto x = Copy(s.PosX);
    const auto y = Copy(s.PosY);
    t.sim->Captions.VesselSide = 650;

    t.C().VesselSide = 400;
    EXPECT_FALSE(ChangeVesselSide(*t.sim));
    EXPECT_EQ(s.VesselLeft, 45);
    EXPECT_EQ(s.VesselTop, 45);
    EXPECT_EQ(s.VesselWidth, 650);
    EXPECT_EQ(s.VesselHeight, 650);
    EXPECT_EQ(Copy(s.PosX), x);
    EXPECT_EQ(Copy(s.PosY), y);
    EXPECT_TRUE(SlotsInsideVessel(s, 1, s.ParticleCount));
    EXPECT_EQ(s.VelX[500], 500);
    EXPECT_EQ(Words(*t.sim).VesselSide, "Szerokość naczynia: 650 jedn.");
}

TEST(RestartAndFrameDispatch, ReachTheExperimentModes) {
    TestSim t(13);
    ExperimentControls(t.C(), 100, 1, 1, 400, 50);
    InitTemperature(*t.sim);
    t.clock.Advance(4'000);
    t.C().ExperimentParticles = 120;
    ASSERT_TRUE(InitCurrentMode(*t.sim));  // restart in the temperature mode
    EXPECT_EQ(t.S().ParticleCount, 120);
    EXPECT_EQ(t.S().ClockStart, t.clock.MillisecondStamp());

    // Restart does nothing in the pressure and heat-transport modes.
    for (uint8_t mode : {kModeHeatTransport, kModePressure}) {
        t.S().SimulationMode = mode;
        t.C().ExperimentParticles = 200;
        EXPECT_FALSE(InitCurrentMode(*t.sim));
        EXPECT_EQ(t.S().ParticleCount, 120);
    }
}
