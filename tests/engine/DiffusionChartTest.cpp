#include <gtest/gtest.h>

#include <string>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Modes.h"

namespace {

constexpr int kFirst = 3;    // 5 px, first substance
constexpr int kSecond = 12;  // 5 px, second substance

// Fills of a frame: surface, wall, eight stripes, then background and bar of each part.
const RecordingCanvas::Fill& Bar(const RecordingCanvas& canvas, int e) {
    return canvas.fills.at(11 + 2 * static_cast<size_t>(e));
}

std::string TextAt(const RecordingCanvas& canvas, int x, int y) {
    const RecordingCanvas::Text* t = canvas.TextAt(x, y);
    return t ? t->text : "<none>";
}

std::string CountLabel(const RecordingCanvas& canvas, int e) {
    return TextAt(canvas, 715 + 35 * e, 380);
}

// A hand-made mode-3 state: particles of 5 px at rest, one per row so that none touch.
struct Chart : TestSim {
    double row = 150;
    Chart(int left, int width) : TestSim(4) {
        Vessel(left, 100, width, 500, 5);
        S().SimulationMode = kModeDiffusionChart;
    }
    void At(double d, int kind = kSecond) {
        Put(S().VesselLeft + d, row, 0, 0, kind);
        row += 10;
        if (kind > 8) ++S().SecondCount;
    }
    RecordingCanvas Tick() {
        RecordingCanvas canvas;
        ::Tick(*sim, canvas);
        return canvas;
    }
};

}  // namespace

TEST(DiffusionChartFrame, ACornerOnABoundaryCountsInThePartToItsLeft) {
    Chart t(100, 400);  // parts 50 px wide
    t.At(0);            // part 1
    t.At(50);           // on the 1|2 line: part 1
    t.At(100);          // on the 2|3 line: part 2
    t.At(100.5);        // part 3
    t.At(395, 9);       // against the right wall: part 8; sprite 9 is the second substance
    t.At(120, kFirst);  // the first substance is not counted, up to its last sprite, 8
    t.At(130, 8);
    RecordingCanvas canvas = t.Tick();
    const char* expected[8] = {"2", "1", "1", "0", "0", "0", "0", "1"};
    for (int e = 0; e < 8; ++e)
        EXPECT_EQ(CountLabel(canvas, e), expected[e]) << e;

    Chart odd(204, 333);  // an eighth is 41.625, and the boundaries are real numbers
    odd.At(83.25);        // exactly 2 x 333 / 8: part 2
    odd.At(83.5);         // part 3
    odd.At(41.625);       // exactly 333 / 8: part 1
    RecordingCanvas oddCanvas = odd.Tick();
    for (int e = 0; e < 3; ++e)
        EXPECT_EQ(CountLabel(oddCanvas, e), "1") << e;
}

TEST(DiffusionChartFrame, TheExactModelCountsEachDiscWhereItsCentreStands) {
    // Parts 50 px wide, discs of 5 px at rest: a sprite's left edge and its centre lie 2.5 px
    // apart, in different parts near a boundary.
    for (GasModel model : {GasModel::Described, GasModel::Exact}) {
        Chart t(100, 400);
        t.sim->Model = model;
        t.At(48);   // centre 50.5: part 2 by its centre
        t.At(47);   // centre 49.5: part 1 either way
        t.At(398);  // clamped to 395, centre 397.5: part 8 either way
        RecordingCanvas canvas = t.Tick();
        const bool exact = model == GasModel::Exact;
        EXPECT_EQ(CountLabel(canvas, 0), exact ? "1" : "2");
        EXPECT_EQ(CountLabel(canvas, 1), exact ? "1" : "0");
        EXPECT_EQ(CountLabel(canvas, 7), "1");
    }
}

TEST(DiffusionChartFrame, CountsWhereTheParticleStandsAfterTheMoveAndTheClamp) {
    Chart t(100, 400);
    t.At(49);
    t.S().VelX[1] = 40;  // moves 2 px, over the 1|2 line
    RecordingCanvas moved = t.Tick();
    EXPECT_EQ(CountLabel(moved, 0), "0");
    EXPECT_EQ(CountLabel(moved, 1), "1");

    // Large particles in a narrow vessel: beyond the right limit a corner lies in part 8, but
    // the clamp brings it back to 85, in part 7.
    Chart narrow(100, 100);
    narrow.S().ParticleSize = 15;
    narrow.At(90);
    RecordingCanvas clamped = narrow.Tick();
    EXPECT_EQ(CountLabel(clamped, 6), "1");
    EXPECT_EQ(CountLabel(clamped, 7), "0");
}

TEST(DiffusionChartFrame, BarsScaleTheCountsToTheSecondSubstance) {
    Chart t(100, 400);
    for (int n = 0; n < 3; ++n)
        t.At(10 + 10 * n);  // three in part 1
    t.At(60);               // one in part 2
    t.At(390);
    t.At(380);
    t.At(370);  // three in part 8
    ASSERT_EQ(t.S().SecondCount, 7);
    RecordingCanvas canvas = t.Tick();
    EXPECT_EQ(Bar(canvas, 0).top, 650 - 107);  // 3 x 250 / 7 = 107.1
    EXPECT_EQ(Bar(canvas, 1).top, 650 - 35);
    EXPECT_EQ(Bar(canvas, 2).top, 650);
    EXPECT_EQ(Bar(canvas, 7).top, 650 - 107);
    for (int e = 0; e < 8; ++e) {
        const auto& back = canvas.fills.at(10 + 2 * static_cast<size_t>(e));
        EXPECT_EQ(back.left, 710 + 35 * e);
        EXPECT_EQ(back.right, 740 + 35 * e);
        EXPECT_EQ(back.top, 400);
        EXPECT_EQ(back.bottom, 650);
        EXPECT_EQ(back.colour, e == 7 ? 703 : 100 * e + 100) << e;
        EXPECT_EQ(Bar(canvas, e).left, 710 + 35 * e);
        EXPECT_EQ(Bar(canvas, e).bottom, 650);
        EXPECT_EQ(Bar(canvas, e).colour, 1888 + 4 * e) << e;
    }
    // The scale in quarters of N2, truncated.
    EXPECT_EQ(TextAt(canvas, 685, 400), "7");
    EXPECT_EQ(TextAt(canvas, 685, 460), "5");
    EXPECT_EQ(TextAt(canvas, 685, 520), "3");
    EXPECT_EQ(TextAt(canvas, 685, 580), "1");
    EXPECT_EQ(TextAt(canvas, 685, 640), "0");
}

TEST(DiffusionChartFrame, DrawsBlueStripesAndNumbersThePartsBelowTheVessel) {
    Chart t(204, 333);
    t.At(5);
    RecordingCanvas canvas = t.Tick();
    ASSERT_GE(canvas.fills.size(), 10u);
    EXPECT_EQ(canvas.fills[1].colour, 1111);
    const int left[8] = {204, 245, 287, 328, 370, 412, 453, 495};
    for (int e = 0; e < 8; ++e) {
        const auto& stripe = canvas.fills[2 + static_cast<size_t>(e)];
        EXPECT_EQ(stripe.left, left[e]) << e;
        EXPECT_EQ(stripe.right, e < 7 ? left[e + 1] : 537) << e;
        EXPECT_EQ(stripe.bottom, 600);
        EXPECT_EQ(stripe.colour, e == 7 ? 703 : 100 + 100 * e) << e;
        // Each part's number under its stripe, 333 div 16 = 20 pixels in.
        EXPECT_EQ(TextAt(canvas, left[e] + 20, 610), std::to_string(e + 1)) << e;
        EXPECT_EQ(TextAt(canvas, 715 + 35 * e, 655), std::to_string(e + 1)) << e;
    }
}

TEST(DiffusionChartFrame, WritesItsTextsWithoutUnitOrAddressAndTheTitleLast) {
    Chart t(100, 400);
    t.At(20);
    t.At(300, kFirst);
    t.At(310, kFirst);
    t.S().MeanSpeed = 35.3553;
    t.S().ClockStart = t.clock.MillisecondStamp();
    t.clock.Advance(4'500);
    RecordingCanvas canvas = t.Tick();
    EXPECT_EQ(TextAt(canvas, 710, 680), "n - numer kolejny części objętości naczynia");
    EXPECT_EQ(TextAt(canvas, 710, 350), "Liczba cząsteczek w n-tej części objętości");
    struct Expected {
        int x, y, size;
        std::string text;
    };
    const Expected tail[] = {
        {750, 110, 12, "Liczba cząsteczek N1 = 2"},
        {750, 130, 12, "Liczba cząsteczek N2 =  1"},
        {750, 150, 12, "Liczba cząsteczek N   =  3"},
        {750, 170, 12, "Vmax   =  50 jednostek"},
        {750, 190, 12, "Vśr    =  35,4"},
        {750, 210, 12, "Czas  =   4 s"},
        {770, 20, 20, "DYFUZJA"},
    };
    // 24 numbers of the chart, 5 scale labels and 2 captions come first, all at size 10.
    const size_t chartTexts = 24 + 5 + 2;
    ASSERT_EQ(canvas.texts.size(), chartTexts + std::size(tail));
    for (size_t i = 0; i < chartTexts; ++i)
        EXPECT_EQ(canvas.texts[i].size, 10) << i;
    for (size_t i = 0; i < std::size(tail); ++i) {
        const auto& text = canvas.texts[chartTexts + i];
        EXPECT_EQ(text.x, tail[i].x) << i;
        EXPECT_EQ(text.y, tail[i].y) << i;
        EXPECT_EQ(text.size, tail[i].size) << i;
        EXPECT_EQ(text.text, tail[i].text) << i;
    }
    EXPECT_EQ(canvas.ops.back(), RecordingCanvas::Op::Release);
    EXPECT_EQ(canvas.presents, 0);  // the window presents
}

// A real run: every second-substance particle is counted exactly once in every frame.
TEST(DiffusionChartFrame, ARealRunCountsEverySecondSubstanceParticleOnce) {
    for (int size : {1, 4, 6}) {  // 1, 5 and 9 px
        TestSim t(31);
        t.C().Particles = 300;
        t.C().VesselWidth = 600;
        t.C().VesselHeight = 500;
        t.C().MaxSpeed = 300;
        t.C().SizeChoice = size;
        t.S().SimulationMode = kModeDiffusionChart;
        ASSERT_TRUE(InitCurrentMode(*t.sim));
        SimulationState& s = t.S();
        ASSERT_EQ(s.InitOk, 1);
        ASSERT_EQ(s.SimulationMode, kModeDiffusionChart);
        int second = 0;
        for (int i = 1; i <= s.ParticleCount; ++i)
            second += s.Kind[i] > 8;
        ASSERT_EQ(second, s.SecondCount);
        for (int tick = 0; tick < 300; ++tick) {
            RecordingCanvas canvas;
            Tick(*t.sim, canvas);
            int counted = 0;
            for (int e = 0; e < 8; ++e)
                counted += std::stoi(CountLabel(canvas, e));
            ASSERT_EQ(counted, s.SecondCount) << "size " << size << " tick " << tick;
        }
    }
}
