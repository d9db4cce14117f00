// Golden runs: every mode from a fixed seed through a number of ticks, with the window's
// changes between them, reduced to a hash of the state after each tick and a hash of every
// drawing call. Twin tests catch a search that differs from the plain loop; these catch a
// change that alters both alike. The hashes were taken from the program before its frame step
// was split into advancing and rendering.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "CallHash.h"
#include "TestSim.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "ui/texts/PolishTexts.h"

namespace {

// One tick as the window runs it, present included.
FrameResult WindowTick(Simulation& sim, Canvas& canvas) {
    const FrameResult result = Advance(sim);
    if (Render(sim, PolishSurfaceTexts(), canvas)) canvas.Present();
    return result;
}

// The panel's captions as the window shows them; only the experiments (modes 5 to 7) write
// them, the other modes leave them blank.
std::vector<std::string> CaptionTexts(const Simulation& sim) {
    if (sim.S.SimulationMode < kModeTemperature) return {"", "", "", ""};
    const ExperimentCaptionTexts c = WordCaptions(sim.Captions, PolishSurfaceTexts());
    return {c.ParticleCount, c.MeanSpeed, c.ParticleMass, c.VesselSide};
}

struct Golden {
    uint64_t state;
    uint64_t drawing;
    int64_t calls;
};

using Action = std::function<void(Simulation&)>;

struct Scenario {
    uint64_t seed;
    std::function<void(Controls&)> settings;
    std::function<void(Simulation&)> init;
    int ticks;
    std::function<Action(int)> between;  // acts before tick n when it gives an action
};

Golden Play(const Scenario& run) {
    TestSim t(run.seed);
    run.settings(t.C());
    run.init(*t.sim);
    StartClock(*t.sim);
    Fnv1a states;
    HashingCanvas canvas;
    auto fold = [&](const Simulation& sim) {
        states.Int(static_cast<int64_t>(StateHash(sim.S)));
        for (const std::string& caption : CaptionTexts(sim))
            states.Text(caption);
    };
    fold(*t.sim);
    for (int tick = 1; tick <= run.ticks; ++tick) {
        if (run.between) {
            if (const Action act = run.between(tick)) {
                act(*t.sim);
                fold(*t.sim);
            }
        }
        t.clock.Advance(16);
        const FrameResult result = WindowTick(*t.sim, canvas);
        states.Int(result.PauseRequested ? 1 : 0);
        fold(*t.sim);
    }
    return {states.Value(), canvas.hash.Value(), canvas.calls};
}

::testing::AssertionResult Matches(const Golden& got, const Golden& want) {
    if (got.state == want.state && got.drawing == want.drawing && got.calls == want.calls)
        return ::testing::AssertionSuccess();
    char text[160];
    std::snprintf(text, sizeof text, "got {0x%016llxull, 0x%016llxull, %lld}",
                  static_cast<unsigned long long>(got.state),
                  static_cast<unsigned long long>(got.drawing), static_cast<long long>(got.calls));
    return ::testing::AssertionFailure() << text;
}

}  // namespace

TEST(GoldenFrames, DiffusionWithPauseAndRestart) {
    const Scenario run{
        31, [](Controls& c) { PanelControls(c, 400, 500, 450, 200, 5); }, InitDiffusion, 40,
        [](int tick) -> Action {
            if (tick == 10) return PauseClock;
            if (tick == 13) return ResumeClock;
            if (tick == 20)
                return [](Simulation& sim) {
                    sim.C.MaxSpeed = 90;  // shown from the next frame, used at restart
                    InitDiffusion(sim);
                };
            return nullptr;
        }};
    EXPECT_TRUE(Matches(Play(run), {0x0fe8523c46272b5eull, 0x7c9b8eaa7f6109a4ull, 16800}));
}

TEST(GoldenFrames, FreePathUpToItsCollisionLimit) {
    const Scenario run{32,
                       [](Controls& c) {
                           PanelControls(c, 500, 400, 300, 300, 6);
                           c.CollisionLimit = 25;
                           c.StopAtLimit = true;
                       },
                       InitFreePath, 40, nullptr};
    EXPECT_TRUE(Matches(Play(run), {0xeaabc1078d501143ull, 0xd0b750274226a795ull, 21957}));
}

TEST(GoldenFrames, DiffusionChart) {
    const Scenario run{33, [](Controls& c) { PanelControls(c, 800, 600, 500, 250, 4); },
                       InitDiffusionChart, 30, nullptr};
    EXPECT_TRUE(Matches(Play(run), {0xa3342868df2d30abull, 0xf216c90e8b8f9a95ull, 25980}));
}

TEST(GoldenFrames, WallCollisions) {
    const Scenario run{34, [](Controls& c) { PanelControls(c, 600, 500, 400, 300, 4); },
                       InitWallCollisions, 30, nullptr};
    EXPECT_TRUE(Matches(Play(run), {0x56972c1c76c87d90ull, 0xe2f3a5cc92838934ull, 19110}));
}

TEST(GoldenFrames, TemperatureAcrossTheTrackBars) {
    const Scenario run{35, [](Controls& c) { ExperimentControls(c, 400, 6, 2, 500, 200); },
                       InitTemperature, 40,
                       [](int tick) -> Action {
                           switch (tick) {
                               case 10:
                                   return [](Simulation& sim) {
                                       sim.C.VesselSide = 350;
                                       ChangeVesselSide(sim);
                                   };
                               case 20:
                                   return [](Simulation& sim) {
                                       sim.C.ParticleMass = 7;
                                       ChangeParticleMass(sim);
                                   };
                               case 30:
                                   return [](Simulation& sim) {
                                       sim.C.ExperimentParticles = 250;
                                       ChangeCountOrSpeed(sim);
                                   };
                               default:
                                   return nullptr;
                           }
                       }};
    EXPECT_TRUE(Matches(Play(run), {0xce8c032add91caa9ull, 0x9c1505760f981f8aull, 29390}));
}

TEST(GoldenFrames, HeatTransportAtSpeedAgainstItsStrip) {
    const Scenario run{
        36,
        [](Controls& c) {
            c.MaxSpeed = 300;
            c.SpeedFactor = 10;
            c.ParticleMass = 4;
        },
        [](Simulation& sim) { InitHeatTransportRetrying(sim, 20, [] { return true; }); }, 25,
        nullptr};
    EXPECT_TRUE(Matches(Play(run), {0xe6fff8a1d93b70a9ull, 0xef5fe5b10074b26dull, 39800}));
}

TEST(GoldenFrames, PressureWithAVesselTooSmallForItsGas) {
    const Scenario run{37, [](Controls& c) { ExperimentControls(c, 300, 8, 3, 600, 250); },
                       InitPressure, 40,
                       [](int tick) -> Action {
                           switch (tick) {
                               case 10:
                                   return [](Simulation& sim) {
                                       sim.C.SpeedFactor = 4;
                                       ChangeCountOrSpeed(sim);
                                   };
                               case 20:  // refused: the gas keeps its vessel
                                   return [](Simulation& sim) {
                                       sim.C.VesselSide = 120;
                                       ChangeVesselSide(sim);
                                   };
                               case 25:
                                   return [](Simulation& sim) {
                                       sim.C.VesselSide = 450;
                                       ChangeVesselSide(sim);
                                   };
                               default:
                                   return nullptr;
                           }
                       }};
    EXPECT_TRUE(Matches(Play(run), {0xf23955a914fdbf1cull, 0xf792241fa7e44f82ull, 53404}));
}
