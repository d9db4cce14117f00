// The seam between advancing a tick and drawing it: what each side reads and writes, and the
// texts the renderers take from the window's table.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "CallHash.h"
#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "engine/SurfaceTexts.h"

namespace {

// A table whose every piece is a numbered marker "{n}", so that anything a renderer writes
// outside the table shows up.
struct MarkerTexts {
    SurfaceTexts texts;
    std::vector<std::string> markers;

    MarkerTexts() {
        for (auto field : kSurfaceTextPieces) {
            markers.push_back("{" + std::to_string(markers.size()) + "}");
            texts.*field = markers.back();
        }
    }

    // What is left of a text without its markers and the publisher's address: numbers only.
    static std::string Rest(std::string text) {
        text = std::regex_replace(text, std::regex(R"(\{\d+\})"), "");
        if (text == publisher::kWebAddress) return "";
        return text;
    }
};

// Every mode initialised on a small gas, in a state where each of its lines is written.
void Start(Simulation& sim, Mode mode) {
    PanelControls(sim.C, 120, 300, 300, 120, 4);
    ExperimentControls(sim.C, 120, 4, 2, 300, 120);
    InitMode(sim, mode);
}

}  // namespace

TEST(Render, WritesNothingButTheTablesPiecesAndNumbers) {
    const MarkerTexts table;
    const std::regex numbers(R"([0-9,E+\- ]*)");
    for (int mode = kModeDiffusion; mode <= kModePressure; ++mode) {
        TestSim t(60 + static_cast<uint64_t>(mode));
        Start(*t.sim, static_cast<Mode>(mode));
        ASSERT_EQ(t.S().InitOk, 1) << mode;
        RecordingCanvas canvas;
        for (int tick = 0; tick < 3; ++tick) {
            t.clock.Advance(400);
            canvas.Clear();
            Advance(*t.sim);
            ASSERT_TRUE(Render(*t.sim, table.texts, canvas));
        }
        ASSERT_FALSE(canvas.texts.empty());
        for (const auto& text : canvas.texts) {
            const std::string rest = MarkerTexts::Rest(text.text);
            EXPECT_TRUE(std::regex_match(rest, numbers))
                << "mode " << mode << " wrote \"" << text.text << "\"";
        }
        const ExperimentCaptionTexts words = WordCaptions(t.sim->Captions, table.texts);
        for (const std::string& caption :
             {words.ParticleCount, words.MeanSpeed, words.ParticleMass, words.VesselSide})
            EXPECT_TRUE(std::regex_match(MarkerTexts::Rest(caption), numbers)) << caption;
    }
}

TEST(Render, TheOffScaleLinesComeFromTheTableToo) {
    // A hot, fast gas: the thermometer and manometer caps, and no number in their lines.
    const MarkerTexts table;
    for (Mode mode : {kModeTemperature, kModePressure}) {
        TestSim t(70);
        ExperimentControls(t.C(), 500, 10, 10, 300, 300);
        mode == kModeTemperature ? InitTemperature(*t.sim) : InitPressure(*t.sim);
        RecordingCanvas canvas;
        Advance(*t.sim);
        Render(*t.sim, table.texts, canvas);
        const std::string offScale = mode == kModeTemperature ? table.texts.TemperatureOffScale
                                                              : table.texts.PressureUnsettled;
        const auto* line = canvas.TextAt(mode == kModeTemperature ? 780 : 790, 480);
        ASSERT_NE(line, nullptr) << mode;
        EXPECT_EQ(line->text, offScale);
    }
}

TEST(Render, ModeZeroNeitherMovesNorDraws) {
    TestSim t;
    t.Vessel(100, 100, 200, 200, 5);
    t.Put(150, 150, 40, 20);
    const uint64_t before = StateHash(t.S());
    RecordingCanvas canvas;
    EXPECT_FALSE(Advance(*t.sim).PauseRequested);
    EXPECT_FALSE(Render(*t.sim, PolishSurfaceTexts(), canvas));
    EXPECT_EQ(StateHash(t.S()), before);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST(Render, DrawsTheSameFrameAsOftenAsAsked) {
    // A repaint between two ticks must show the tick that was, not move anything.
    TestSim t(71);
    Start(*t.sim, kModePressure);
    Advance(*t.sim);
    const uint64_t state = StateHash(t.S());
    HashingCanvas first, second;
    Render(*t.sim, PolishSurfaceTexts(), first);
    Render(*t.sim, PolishSurfaceTexts(), second);
    EXPECT_EQ(first.hash.Value(), second.hash.Value());
    EXPECT_EQ(StateHash(t.S()), state);
}

// A gas of one particle each side and a partition of one, by hand: the strip's edges stand at
// 487 and 538 for its 5-pixel particles.
struct HandHeat : TestSim {
    HandHeat() {
        Vessel(80, 300, 870, 300, 5);
        S().SimulationMode = kModeHeatTransport;
        S().SideCount = 1;
        S().PartitionCount = 1;
        S().GasMass = 850 * 1.66e-27;
        Put(100, 400, 40, 0, 4);    // left gas
        Put(900, 400, 0, -30, 13);  // right gas
        Put(536, 450, 100, 0, 18);  // partition, 5 px a tick towards its high edge
    }
};

TEST(RenderHeatTransport, DrawsTheStripWhereItMovedAndTheStateKeepsItConfined) {
    HandHeat t;
    RecordingCanvas canvas;
    Tick(*t.sim, canvas);
    // Moved to 541, past the edge: turned back by one step to 536 in the state...
    EXPECT_EQ(t.S().PosX[3], 536);
    EXPECT_EQ(t.S().VelX[3], -100);
    // ...but drawn at 541, where it stood when the tick moved it; the gases where they are.
    ASSERT_GE(canvas.sprites.size(), 3u);  // particles first, then the thermometers
    EXPECT_EQ(canvas.sprites[0].x, 102);
    EXPECT_EQ(canvas.sprites[1].y, 398);
    EXPECT_EQ(canvas.sprites[2].x, 541);
    EXPECT_EQ(canvas.sprites[2].index, 18);

    // The next frame shows the confinement: from 536 back by 5.
    canvas.Clear();
    Tick(*t.sim, canvas);
    EXPECT_EQ(t.S().PosX[3], 531);
    EXPECT_EQ(canvas.sprites[2].x, 531);
}

TEST(RenderHeatTransport, ShowsEachGroupsTemperatureAndLeavesThePartitionsInTheState) {
    HandHeat t;
    RecordingCanvas canvas;
    Tick(*t.sim, canvas);
    const SimulationState& s = t.S();
    const double mass = 850 * 1.66e-27;
    EXPECT_EQ(t.sim->Frame.LeftTemperature, KineticTemperature(mass, 40));
    EXPECT_EQ(t.sim->Frame.RightTemperature, KineticTemperature(mass, 30));
    EXPECT_EQ(t.sim->Frame.PartitionTemperature, KineticTemperature(mass, 100));
    EXPECT_EQ(s.MeanSpeed, 100);
    EXPECT_EQ(s.GasTemperature, t.sim->Frame.PartitionTemperature);
    ASSERT_NE(canvas.TextAt(30, 100), nullptr);
    ASSERT_NE(canvas.TextAt(30, 120), nullptr);
    EXPECT_EQ(canvas.TextAt(30, 100)->text.rfind("Temperatura gazu w lewej części naczynia = ", 0),
              0u);
    EXPECT_EQ(canvas.TextAt(30, 120)->text.rfind("Temperatura gazu w prawej części naczynia = ", 0),
              0u);
    // The partition's 681 units are beyond the thermometers' 360 / 1.7.
    ASSERT_NE(canvas.TextAt(30, 140), nullptr);
    EXPECT_EQ(canvas.TextAt(30, 140)->text, "nieokreślona");
    EXPECT_EQ(s.ThermoHeight, 360);
}

TEST(RenderHeatTransport, ARestartForgetsTheLastRunsStrip) {
    TestSim t(72);
    ASSERT_TRUE(InitHeatTransportRetrying(*t.sim, 50, [] { return true; }));
    Advance(*t.sim);
    ASSERT_EQ(t.sim->Frame.PartitionX.size(), 250u);
    ASSERT_TRUE(InitHeatTransportRetrying(*t.sim, 50, [] { return true; }));
    // Drawn before its first tick, the new run shows its own places.
    RecordingCanvas canvas;
    Render(*t.sim, PolishSurfaceTexts(), canvas);
    for (int i = 601; i <= 850; ++i)
        ASSERT_EQ(canvas.sprites[static_cast<size_t>(i - 1)].x, static_cast<int>(t.S().PosX[i]))
            << i;
}
