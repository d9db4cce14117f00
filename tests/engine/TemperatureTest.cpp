#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"

namespace {

using Sprite = RecordingCanvas::SpriteCall;

std::vector<Sprite> Instruments(const RecordingCanvas& canvas) {
    std::vector<Sprite> out;
    for (const Sprite& p : canvas.sprites) {
        if (p.set == SpriteSet::DXImageList2) out.push_back(p);
    }
    return out;
}

std::string TextAt(const RecordingCanvas& canvas, int x, int y) {
    const RecordingCanvas::Text* t = canvas.TextAt(x, y);
    return t ? t->text : "<none>";
}

// The experiment gas at its start values, with the size button "5" checked.
struct TemperatureRun : TestSim {
    explicit TemperatureRun(int vmax = 50, uint64_t seed = 14) : TestSim(seed) {
        C().ExperimentParticles = 100;
        C().SpeedFactor = 1;
        C().ParticleMass = 1;
        C().VesselSide = 400;
        C().MaxSpeed = vmax;
        C().SizeChoice = 4;
        InitTemperature(*sim);
    }
    RecordingCanvas Tick() {
        RecordingCanvas canvas;
        ::Tick(*sim, canvas);
        return canvas;
    }
    // Mean speed 1, so that the temperature is the mass's alone.
    void UnitSpeedWithMass(double mass) {
        S().MeanSpeed = 1.0;
        S().GasMass = mass;
    }
};

// The smallest mass whose temperature at speed 1 reaches the given value.
double MassForTemperature(double temperature) {
    double mass = temperature * 1.38e-23 * 3 / 2;
    while (KineticTemperature(mass, 1.0) >= temperature)
        mass = std::nextafter(mass, 0.0);
    while (KineticTemperature(mass, 1.0) < temperature)
        mass = std::nextafter(mass, 1.0);
    return mass;
}

}  // namespace

TEST(TemperatureFrame, StartValuesGiveAboutOneAndAHalfThatNoCollisionChanges) {
    TemperatureRun t;
    RecordingCanvas first = t.Tick();
    const double start = t.S().GasTemperature;
    EXPECT_GT(start, 1.0);
    EXPECT_LT(start, 2.2);
    EXPECT_EQ(Instruments(first).size(), 4u);  // below one row: no liquid
    const std::string shown = TextAt(first, 780, 480);
    for (int tick = 0; tick < 300; ++tick)
        t.Tick();
    EXPECT_EQ(t.S().GasTemperature, start);
    EXPECT_EQ(TextAt(t.Tick(), 780, 480), shown);
}

TEST(TemperatureFrame, MassDoublesItExactlyAndTheVesselSideNotAtAll) {
    TemperatureRun t(120);
    t.Tick();
    const double base = t.S().GasTemperature;
    t.C().VesselSide = 650;
    ASSERT_TRUE(ChangeVesselSide(*t.sim));
    t.Tick();
    EXPECT_EQ(t.S().GasTemperature, base);
    t.C().VesselSide = 400;
    ASSERT_TRUE(ChangeVesselSide(*t.sim));
    t.Tick();
    EXPECT_EQ(t.S().GasTemperature, base);
    t.C().ParticleMass = 2;
    ChangeParticleMass(*t.sim);
    t.Tick();
    EXPECT_EQ(t.S().GasTemperature, 2 * base);
}

TEST(TemperatureFrame, FourThousandIsStillANumberAndAnythingAboveIsNot) {
    TemperatureRun t;
    const double mass = MassForTemperature(4000);
    ASSERT_EQ(KineticTemperature(mass, 1.0), 4000.0);
    t.UnitSpeedWithMass(mass);
    RecordingCanvas at = t.Tick();
    EXPECT_EQ(TextAt(at, 780, 480), "T = 4000 jednostek");
    EXPECT_EQ(t.S().ThermoHeight, 360.0);

    t.UnitSpeedWithMass(std::nextafter(mass, 1.0));
    RecordingCanvas above = t.Tick();
    EXPECT_GT(t.S().GasTemperature, 4000.0);
    EXPECT_EQ(TextAt(above, 780, 480), "T > 4000 jednostek");
    EXPECT_EQ(t.S().ThermoHeight, 360.0);

    t.UnitSpeedWithMass(mass * 1000);
    RecordingCanvas far = t.Tick();
    EXPECT_EQ(TextAt(far, 780, 480), "T > 4000 jednostek");
    EXPECT_EQ(t.S().ThermoHeight, 360.0);
    EXPECT_EQ(Instruments(far).size(), 1u + 360u + 3u);
}

TEST(TemperatureFrame, AtRestTheColumnIsEmptyAndOtherwiseStandsOnRow611) {
    TemperatureRun rest(0);
    RecordingCanvas empty = rest.Tick();
    EXPECT_EQ(TextAt(empty, 780, 480), "T = 0 jednostek");
    EXPECT_EQ(Instruments(empty).size(), 4u);  // the tube and three clamps

    TemperatureRun t;
    t.UnitSpeedWithMass(MassForTemperature(1000.5));  // 90,045 pixels
    RecordingCanvas canvas = t.Tick();
    EXPECT_EQ(TextAt(canvas, 780, 480), "T = 1000,5 jednostek");
    const std::vector<Sprite> parts = Instruments(canvas);
    ASSERT_EQ(parts.size(), 1u + 90u + 3u);
    EXPECT_EQ(parts[0].index, 0);  // tube, then liquid, then the clamps over it
    EXPECT_EQ(parts[0].x, 730);
    EXPECT_EQ(parts[0].y, 250);
    for (size_t k = 1; k <= 90; ++k) {
        EXPECT_EQ(parts[k].index, 2);
        EXPECT_EQ(parts[k].x, 736);
        EXPECT_EQ(parts[k].y, 612 - static_cast<int>(k));
    }
    const int clampY[3] = {300, 450, 612};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(parts[91 + k].index, 1);
        EXPECT_EQ(parts[91 + k].x, 725);
        EXPECT_EQ(parts[91 + k].y, clampY[k]);
    }
}

TEST(TemperatureFrame, WritesItsStatusBlockWithFiveDigitTemperatures) {
    TemperatureRun t;
    t.UnitSpeedWithMass(MassForTemperature(1234.5678));
    t.S().MeanSpeed = 1.0;
    t.C().MaxSpeed = 75;
    t.C().SpeedFactor = 6;  // not shown: the Vmax line gives the spin box's value
    t.clock.Advance(61'999);
    RecordingCanvas canvas = t.Tick();
    struct Expected {
        int x, y, size;
        std::string text;
    };
    const Expected texts[] = {
        {780, 400, 12, "Liczba cząsteczek: 100"}, {780, 420, 12, "Vmax = 75 jednostek"},
        {780, 440, 12, "Vśr = 1 jednostek"},      {780, 460, 12, "Czas  =   61 s"},
        {780, 480, 12, "T = 1234,6 jednostek"},   {750, 35, 13, "POJĘCIE TEMPERATURY"},
        {850, 730, 12, publisher::kWebAddress},
    };
    ASSERT_EQ(canvas.texts.size(), std::size(texts));
    for (size_t k = 0; k < std::size(texts); ++k) {
        EXPECT_EQ(canvas.texts[k].x, texts[k].x) << k;
        EXPECT_EQ(canvas.texts[k].y, texts[k].y) << k;
        EXPECT_EQ(canvas.texts[k].size, texts[k].size) << k;
        EXPECT_EQ(canvas.texts[k].text, texts[k].text) << k;
    }
    EXPECT_TRUE(canvas.lines.empty());  // no velocity lines in this mode
    ASSERT_GE(canvas.fills.size(), 3u);
    EXPECT_EQ(canvas.fills[1].colour, 1110);
    EXPECT_EQ(canvas.fills[2].colour, 110);
    EXPECT_EQ(canvas.ops.back(), RecordingCanvas::Op::Release);
    EXPECT_EQ(canvas.presents, 0);  // the window presents
}

TEST(FrameFrame, RunsTheExperimentAndHeatModes) {
    struct Case {
        uint8_t mode;
        int x, y;
        const char* title;
    };
    const Case cases[] = {{kModeTemperature, 750, 35, "POJĘCIE TEMPERATURY"},
                          {kModeHeatTransport, 760, 35, "TRANSPORT CIEPŁA"},
                          {kModePressure, 770, 35, "POJĘCIE CISNIENIA"}};
    for (const Case& c : cases) {
        TemperatureRun t;
        t.S().SimulationMode = c.mode;
        t.S().SideCount = 40;
        t.S().PartitionCount = 20;
        RecordingCanvas canvas;
        Tick(*t.sim, canvas);
        EXPECT_EQ(TextAt(canvas, c.x, c.y), c.title);
    }
}
