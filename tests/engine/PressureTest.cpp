#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/Placement.h"
#include "engine/Publisher.h"

namespace {

using Sprite = RecordingCanvas::SpriteCall;

// Instrument pictures of one index, in drawing order.
std::vector<Sprite> Pictures(const RecordingCanvas& canvas, int index) {
    std::vector<Sprite> out;
    for (const Sprite& p : canvas.sprites) {
        if (p.set == SpriteSet::DXImageList2 && p.index == index) out.push_back(p);
    }
    return out;
}

// Rows of liquid at column x; checks that they stand on y = 630 and rise one pixel apart.
int ArmRows(const RecordingCanvas& canvas, int x) {
    int rows = 0;
    for (const Sprite& p : Pictures(canvas, 2)) {
        if (p.x != x) continue;
        ++rows;
        EXPECT_EQ(p.y, 631 - rows) << "arm at " << x;
    }
    return rows;
}

std::string TextAt(const RecordingCanvas& canvas, int x, int y) {
    const RecordingCanvas::Text* t = canvas.TextAt(x, y);
    return t ? t->text : "<none>";
}

// A square vessel of the pressure mode with hand-placed particles of 5 pixels.
struct PressureRun : TestSim {
    explicit PressureRun(int side = 400) : TestSim(4) {
        SetVesselCentred(S(), side, side);
        S().ParticleSize = 5;
        S().StepDivisor = 20.0;
        S().SimulationMode = kModePressure;
        S().ClockStart = clock.MillisecondStamp();
    }
    RecordingCanvas Tick() {
        RecordingCanvas canvas;
        ::Tick(*sim, canvas);
        return canvas;
    }
    // One resting-speed particle of speed 1: the mean square is 1, so the gauge is
    // 3.2e26 x mass / side^2.
    void OneSlowParticle() { Put(300, 300, 1, 0, 3); }
};

void StartPanel(Controls& c) {
    c.ExperimentParticles = 100;
    c.SpeedFactor = 1;
    c.ParticleMass = 1;
    c.VesselSide = 400;
    c.MaxSpeed = 50;
    c.SizeChoice = 4;
}

}  // namespace

TEST(PressureFrame, AtRestTheLeftArmIsFullAndTheLineShowsZeroWithItsExponent) {
    TestSim t(2);
    StartPanel(t.C());
    t.C().MaxSpeed = 0;
    InitPressure(*t.sim);
    RecordingCanvas canvas;
    Tick(*t.sim, canvas);
    EXPECT_EQ(t.S().Pressure, 0.0);
    EXPECT_EQ(ArmRows(canvas, 744), 330);
    EXPECT_EQ(ArmRows(canvas, 764), 0);

    // The exponent stands after the 12-point text, raised; the unit after the text with the
    // exponent as if written at 12 points (the recording canvas measures 7 px a character).
    const RecordingCanvas::Text* value = canvas.TextAt(790, 480);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text, "p = 0 x 10 ");
    EXPECT_EQ(value->size, 12);
    const RecordingCanvas::Text* exponent = canvas.TextAt(790 + 11 * 7, 475);
    ASSERT_NE(exponent, nullptr);
    EXPECT_EQ(exponent->text, "- 26");
    EXPECT_EQ(exponent->size, 10);
    const RecordingCanvas::Text* unit = canvas.TextAt(790 + 16 * 7, 480);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->text, "jedn.");
    EXPECT_EQ(unit->size, 12);

    // Vectors of zero length, from each sprite's centre.
    ASSERT_EQ(canvas.lines.size(), 100u);
    for (const auto& line : canvas.lines) {
        EXPECT_EQ(line.x0, line.x1);
        EXPECT_EQ(line.y0, line.y1);
    }
}

TEST(PressureFrame, StartValuesGiveASteadySmallPressure) {
    TestSim t(6);
    StartPanel(t.C());
    InitPressure(*t.sim);
    RecordingCanvas first;
    Tick(*t.sim, first);
    EXPECT_GT(t.S().Pressure, 0.01);
    EXPECT_LT(t.S().Pressure, 0.035);
    EXPECT_LT(t.S().ThermoHeight, 1.0);
    EXPECT_EQ(ArmRows(first, 744), 329);
    EXPECT_EQ(ArmRows(first, 764), 0);
    const std::string shown = TextAt(first, 790, 480);
    EXPECT_EQ(shown.rfind("p = 0,0", 0), 0u) << shown;
    // Contacts and bounces only move speeds around: the shown value stays.
    for (int tick = 0; tick < 200; ++tick) {
        RecordingCanvas canvas;
        Tick(*t.sim, canvas);
        ASSERT_EQ(TextAt(canvas, 790, 480), shown) << tick;
    }
}

TEST(PressureFrame, DoublingTheSideQuartersAndDoublingTheMassDoublesExactly) {
    PressureRun t(325);
    t.Put(200, 200, 13.7, -4.2, 3);
    t.Put(300, 250, -7.3, 2.9, 3);
    t.Put(250, 400, 0.3, 11.1, 3);
    t.C().ParticleMass = 1;
    ChangeParticleMass(*t.sim);
    t.Tick();
    const double base = t.S().Pressure;
    const double gauge = t.S().ThermoHeight;
    ASSERT_GT(base, 0.0);

    t.C().VesselSide = 650;
    ASSERT_TRUE(ChangeVesselSide(*t.sim));
    t.Tick();
    EXPECT_EQ(t.S().Pressure, base / 4);
    EXPECT_EQ(t.S().ThermoHeight, gauge / 4);

    t.C().ParticleMass = 2;
    ChangeParticleMass(*t.sim);
    t.Tick();
    EXPECT_EQ(t.S().Pressure, base / 2);
}

TEST(PressureFrame, AtTheCapTheRightArmIsFullAndThePressureIsNotEstablished) {
    // The gauge reaches exactly 330 for the smallest mass that gives at least 330.
    PressureRun t;
    t.OneSlowParticle();
    double mass = 330.0 / 3.2e26 * 160000;
    auto gaugeOf = [](double m) { return 3.2e26 * (m * 1.0 / 160000); };
    while (gaugeOf(mass) >= 330)
        mass = std::nextafter(mass, 0.0);
    while (gaugeOf(mass) < 330)
        mass = std::nextafter(mass, 1.0);
    ASSERT_EQ(gaugeOf(mass), 330.0);  // exactly at the cap, not beyond it
    t.S().GasMass = mass;
    RecordingCanvas full = t.Tick();
    ASSERT_EQ(t.S().ThermoHeight, 330.0);
    EXPECT_NEAR(t.S().Pressure, 103.125, 1e-9);
    EXPECT_EQ(TextAt(full, 790, 480), "p - nieustalone");
    EXPECT_EQ(ArmRows(full, 764), 330);
    EXPECT_EQ(ArmRows(full, 744), 0);
    for (const auto& text : full.texts) {
        EXPECT_NE(text.text, "jedn.");
        EXPECT_NE(text.text, "- 26");
    }

    t.S().GasMass = std::nextafter(mass, 0.0);
    RecordingCanvas below = t.Tick();
    ASSERT_LT(t.S().ThermoHeight, 330.0);
    EXPECT_EQ(TextAt(below, 790, 480).rfind("p = 103,1", 0), 0u) << TextAt(below, 790, 480);
    EXPECT_EQ(ArmRows(below, 764), 329);
    EXPECT_EQ(ArmRows(below, 744), 0);  // 330 - 329.99... leaves less than a row
}

TEST(PressureFrame, TheTwoArmsShareTheirThreeHundredThirtyRows) {
    struct Case {
        double gauge;
        int left, right;
    };
    // A fraction of a row is lost in each arm, so the sum is 329 between whole heights.
    const Case cases[] = {{0.5, 329, 0}, {57.25, 272, 57}, {200.75, 129, 200}, {329.5, 0, 329}};
    for (const Case& c : cases) {
        PressureRun t;
        t.OneSlowParticle();
        t.S().GasMass = c.gauge / 3.2e26 * 160000;
        RecordingCanvas canvas = t.Tick();
        EXPECT_NEAR(t.S().ThermoHeight, c.gauge, 1e-9);
        EXPECT_NEAR(t.S().Pressure, c.gauge / 3.2, 1e-9);
        EXPECT_EQ(ArmRows(canvas, 744), c.left) << c.gauge;
        EXPECT_EQ(ArmRows(canvas, 764), c.right) << c.gauge;
    }
}

TEST(PressureFrame, DrawsTheManometerClampsAndPipeInOrder) {
    for (int side : {400, 650}) {
        PressureRun t(side);
        t.OneSlowParticle();
        t.S().GasMass = 100.5 / 3.2e26 * side * side;  // gauge 100,5
        RecordingCanvas canvas = t.Tick();
        std::vector<Sprite> instruments;
        for (const Sprite& p : canvas.sprites) {
            if (p.set == SpriteSet::DXImageList2) instruments.push_back(p);
        }
        const int pipeStart = t.S().VesselLeft + side + 6;
        const int pipe = 730 - pipeStart + 1;
        EXPECT_EQ(pipe, side == 400 ? 155 : 30);
        // Tube, 229 rows on the left, 100 on the right, three clamps, the pipe.
        ASSERT_EQ(instruments.size(), 1u + 329u + 3u + static_cast<size_t>(pipe));
        EXPECT_EQ(instruments[0].index, 3);
        EXPECT_EQ(instruments[0].x, 730);
        EXPECT_EQ(instruments[0].y, 250);
        for (size_t k = 1; k <= 229; ++k)
            ASSERT_EQ(instruments[k].x, 744) << k;  // left arm first
        for (size_t k = 230; k <= 329; ++k)
            ASSERT_EQ(instruments[k].x, 764) << k;
        const int clampY[3] = {310, 450, 612};
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(instruments[330 + k].index, 1);
            EXPECT_EQ(instruments[330 + k].x, 733);
            EXPECT_EQ(instruments[330 + k].y, clampY[k]);
        }
        for (int k = 0; k < pipe; ++k) {
            const Sprite& p = instruments[333 + static_cast<size_t>(k)];
            ASSERT_EQ(p.index, 4);
            ASSERT_EQ(p.x, pipeStart + k);
            ASSERT_EQ(p.y, 281);
        }
    }
}

TEST(PressureFrame, VelocityLinesRunFromTheCentreAndTruncateTowardZero) {
    PressureRun t;
    t.Put(300.7, 200.2, -3.9, 10.6, 3);
    t.Put(300, 400, -480, 0, 3);  // the vector reaches far left of the surface
    t.S().GasMass = 1e-27;
    RecordingCanvas canvas = t.Tick();
    ASSERT_EQ(canvas.lines.size(), 2u);
    // Moved by a twentieth of its velocity first: (300.505, 200.73).
    EXPECT_EQ(canvas.lines[0].x0, 303);
    EXPECT_EQ(canvas.lines[0].y0, 203);
    EXPECT_EQ(canvas.lines[0].x1, 299);  // 300.505 - 3.9 + 2.5
    EXPECT_EQ(canvas.lines[0].y1, 213);  // 200.73 + 10.6 + 2.5
    EXPECT_EQ(canvas.lines[0].colour, MakeRgb(100, 100, 150));
    // 276 - 480 + 2.5 = -201.5: toward zero, not down.
    EXPECT_EQ(canvas.lines[1].x0, 278);
    EXPECT_EQ(canvas.lines[1].x1, -201);
    EXPECT_EQ(canvas.lines[1].y1, 402);

    // The lines come after all the text, then the frame ends.
    size_t lastText = 0;
    size_t firstLine = canvas.ops.size();
    for (size_t k = 0; k < canvas.ops.size(); ++k) {
        if (canvas.ops[k] == RecordingCanvas::Op::Text) lastText = k;
        if (canvas.ops[k] == RecordingCanvas::Op::Line && firstLine == canvas.ops.size())
            firstLine = k;
    }
    EXPECT_LT(lastText, firstLine);
    ASSERT_GE(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops.back(), RecordingCanvas::Op::Release);
    EXPECT_EQ(canvas.presents, 0);  // the window presents
}

TEST(PressureFrame, WritesItsStatusBlockAndCountsWallHits) {
    PressureRun t;
    SimulationState& s = t.S();
    t.Put(564, 300, 40, 0, 3);  // reaches the right limit 565
    t.Put(300, 300, 0, 0, 3);
    s.MeanSpeed = 17.6777;
    s.WallHits.Fill(5);
    s.GasMass = 2.5e-23;  // mean square 800, side 400: 12,5 x 10^-26
    t.C().MaxSpeed = 25;
    t.C().SpeedFactor = 10;  // not shown: the Vmax line gives the spin box's value
    t.clock.Advance(1'999);
    RecordingCanvas canvas = t.Tick();
    EXPECT_EQ(s.WallHits[kRightWall], 6);
    EXPECT_EQ(s.WallHits[kLeftWall], 5);
    EXPECT_EQ(s.VelX[1], -40);

    struct Expected {
        int x, y, size;
        std::string text;
    };
    const Expected texts[] = {
        {790, 400, 12, "Liczba cząsteczek: 2"}, {790, 420, 12, "Vmax = 25 jednostek"},
        {790, 440, 12, "Vśr = 17,7 jednostek"}, {790, 460, 12, "Czas  =   1 s"},
        {790, 480, 12, "p = 12,5 x 10 "},       {790 + 14 * 7, 475, 10, "- 26"},
        {790 + 19 * 7, 480, 12, "jedn."},       {770, 35, 13, "POJĘCIE CISNIENIA"},
        {850, 730, 12, publisher::kWebAddress},
    };
    ASSERT_EQ(canvas.texts.size(), std::size(texts));
    for (size_t k = 0; k < std::size(texts); ++k) {
        EXPECT_EQ(canvas.texts[k].x, texts[k].x) << k;
        EXPECT_EQ(canvas.texts[k].y, texts[k].y) << k;
        EXPECT_EQ(canvas.texts[k].size, texts[k].size) << k;
        EXPECT_EQ(canvas.texts[k].text, texts[k].text) << k;
    }
    // Frame start: black, the wall band, the dark interior.
    ASSERT_GE(canvas.fills.size(), 3u);
    EXPECT_EQ(canvas.fills[0].colour, 0);
    EXPECT_EQ(canvas.fills[1].left, 165);
    EXPECT_EQ(canvas.fills[1].bottom, 575);
    EXPECT_EQ(canvas.fills[1].colour, 1110);
    EXPECT_EQ(canvas.fills[2].left, 170);
    EXPECT_EQ(canvas.fills[2].right, 570);
    EXPECT_EQ(canvas.fills[2].colour, 110);
}

TEST(PressureFrame, TinyPressuresAreWrittenWithAThreeDigitExponent) {
    PressureRun t;
    t.OneSlowParticle();
    t.S().GasMass = 1.2345678e-6 * 1e-26 * 160000;
    RecordingCanvas canvas = t.Tick();
    EXPECT_EQ(TextAt(canvas, 790, 480), "p = 1,2346E-006 x 10 ");
    EXPECT_NE(canvas.TextAt(790 + 21 * 7, 475), nullptr);
}
