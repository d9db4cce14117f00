#include <gtest/gtest.h>

#include <string>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"

namespace {

// Fills of a frame: surface, wall, floor, then the column and the bar of each wall.
const RecordingCanvas::Fill& Column(const RecordingCanvas& canvas, int w) {
    return canvas.fills.at(3 + 2 * static_cast<size_t>(w - 1));
}
const RecordingCanvas::Fill& Bar(const RecordingCanvas& canvas, int w) {
    return canvas.fills.at(4 + 2 * static_cast<size_t>(w - 1));
}
int BarHeight(const RecordingCanvas& canvas, int w) {
    return Bar(canvas, w).bottom - Bar(canvas, w).top;
}

std::string TextAt(const RecordingCanvas& canvas, int x, int y) {
    const RecordingCanvas::Text* t = canvas.TextAt(x, y);
    return t ? t->text : "<none>";
}

// Vessel (100, 100) 400 x 400 with particles of 10 px: right and bottom limits at 490.
struct Walls : TestSim {
    Walls() : TestSim(6) {
        Vessel(100, 100, 400, 400, 10);
        S().SimulationMode = kModeWallCollisions;
    }
    RecordingCanvas Tick() {
        RecordingCanvas canvas;
        ::Tick(*sim, canvas);
        return canvas;
    }
    int64_t Hits(int w) { return S().WallHits[w]; }
};

}  // namespace

TEST(InitWallCollisions, GivesEveryParticleTheFirstSpriteAndClearsTheCounters) {
    TestSim t(12);
    SimulationState& s = t.S();
    s.SecondCount = 42;
    s.WallHits.Fill(9);
    s.Kind.Fill(17);
    s.SimulationMode = kModeWallCollisions;
    t.C().Particles = 100;
    t.C().SizeChoice = 2;
    ASSERT_TRUE(InitCurrentMode(*t.sim));
    ASSERT_EQ(s.InitOk, 1);
    EXPECT_EQ(s.SimulationMode, kModeWallCollisions);
    EXPECT_EQ(s.SecondCount, 42);  // neither set nor shown here
    for (int w = 1; w <= 4; ++w)
        EXPECT_EQ(s.WallHits[w], 0);
    for (int i = 1; i <= kMaxParticles; ++i)
        ASSERT_EQ(s.Kind[i], 1) << i;
}

TEST(WallCollisionsFrame, CountsEachWallAndACornerForTwo) {
    Walls t;
    t.Put(489, 200, 20, 0);   // right
    t.Put(101, 300, -20, 0);  // left
    t.Put(300, 489, 0, 20);   // bottom
    t.Put(200, 101, 0, -20);  // top
    t.Put(400, 400, 0, 0);    // resting inside: nothing
    t.Tick();
    EXPECT_EQ(t.Hits(1), 1);
    EXPECT_EQ(t.Hits(2), 1);
    EXPECT_EQ(t.Hits(3), 1);
    EXPECT_EQ(t.Hits(4), 1);

    Walls c;
    c.Put(489, 489, 40, 40);
    RecordingCanvas canvas = c.Tick();
    EXPECT_EQ(c.Hits(3), 1);
    EXPECT_EQ(c.Hits(4), 1);
    EXPECT_EQ(TextAt(canvas, 750, 190), "Liczba zderzeń N  =   2");
}

TEST(WallCollisionsFrame, ARestingParticleOnAWallLineCountsEveryTickAndContactsCountNothing) {
    Walls t;
    t.Put(100, 300, 0, 0);  // on the left wall line, no speed across it
    t.Put(300, 200, 0, 0);
    t.Put(305, 205, 0, 0);  // touching particle 2: exchanges, but no wall
    for (int tick = 0; tick < 5; ++tick)
        t.Tick();
    EXPECT_EQ(t.Hits(1), 5);
    EXPECT_EQ(t.Hits(2) + t.Hits(3) + t.Hits(4), 0);
}

TEST(WallCollisionsFrame, BarsStandForTheTotalPlusOne) {
    Walls t;
    t.Put(300, 300, 0, 0);
    RecordingCanvas empty = t.Tick();
    for (int w = 1; w <= 4; ++w) {
        EXPECT_EQ(BarHeight(empty, w), 0) << w;
        EXPECT_EQ(TextAt(empty, 795 + 55 * (w - 1), 380), "0");
    }
    EXPECT_EQ(TextAt(empty, 750, 190), "Liczba zderzeń N  =   0");

    t.S().WallHits[2] = 3;  // all on the top wall: 750 / 4
    RecordingCanvas one = t.Tick();
    EXPECT_EQ(BarHeight(one, 2), 187);
    EXPECT_EQ(BarHeight(one, 1), 0);

    t.S().WallHits = {};
    t.S().WallHits[1] = 10;
    t.S().WallHits[2] = 20;
    t.S().WallHits[3] = 30;
    t.S().WallHits[4] = 39;  // T + 1 = 100
    RecordingCanvas mixed = t.Tick();
    const int heights[4] = {25, 50, 75, 97};
    for (int w = 1; w <= 4; ++w) {
        const int c = w - 1;
        EXPECT_EQ(BarHeight(mixed, w), heights[c]) << w;
        EXPECT_EQ(Bar(mixed, w).left, 790 + 55 * c);
        EXPECT_EQ(Bar(mixed, w).right, 840 + 55 * c);
        EXPECT_EQ(Bar(mixed, w).bottom, 650);
        EXPECT_EQ(Bar(mixed, w).colour, 1888 + 4 * c);
        EXPECT_EQ(Column(mixed, w).left, 790 + 55 * c);
        EXPECT_EQ(Column(mixed, w).top, 400);
        EXPECT_EQ(Column(mixed, w).right, 840 + 55 * c);
        EXPECT_EQ(Column(mixed, w).bottom, 650);
        EXPECT_EQ(Column(mixed, w).colour, 100 * w);
        EXPECT_EQ(TextAt(mixed, 815 + 55 * c, 655), std::to_string(w));
    }
    EXPECT_EQ(TextAt(mixed, 795 + 55 * 3, 380), "39");
    EXPECT_EQ(TextAt(mixed, 750, 190), "Liczba zderzeń N  =   99");
}

// Counts of a run of many hours: 250 x hits leaves 32 bits after 8.6 million hits, and the
// largest 64-bit counts leave 64 bits too.
TEST(WallCollisionsFrame, HugeCountsStillDrawExactBarsBelowTheTop) {
    Walls t;
    t.Put(300, 300, 0, 0);
    t.S().WallHits[4] = 10'000'000;
    RecordingCanvas canvas = t.Tick();
    EXPECT_EQ(BarHeight(canvas, 4), 249);  // 2.5e9 / 10000001
    EXPECT_EQ(TextAt(canvas, 795 + 55 * 3, 380), "10000000");

    t.S().WallHits[1] = 1'000'000'000'000'000'000;
    t.S().WallHits[2] = 2'000'000'000'000'000'000;
    t.S().WallHits[3] = 3'000'000'000'000'000'000;
    t.S().WallHits[4] = 1'000'000'000'000'000'000;
    RecordingCanvas huge = t.Tick();
    EXPECT_EQ(BarHeight(huge, 1), 35);  // 250 / 7 = 35.71
    EXPECT_EQ(BarHeight(huge, 2), 71);
    EXPECT_EQ(BarHeight(huge, 3), 107);
    EXPECT_EQ(BarHeight(huge, 4), 35);
    EXPECT_EQ(TextAt(huge, 750, 190), "Liczba zderzeń N  =   7000000000000000000");
    EXPECT_EQ(TextAt(huge, 795 + 55 * 2, 380), "3000000000000000000");

    // A single wall with a count where doubles lose the last units: still short of 250.
    t.S().WallHits = {};
    t.S().WallHits[2] = 9'000'000'000'000'000'000;
    EXPECT_EQ(BarHeight(t.Tick(), 2), 249);
}

TEST(WallCollisionsFrame, DrawsItsVesselAndTextsInOrder) {
    Walls t;
    SimulationState& s = t.S();
    t.Put(300, 300, 0, 0);
    t.Put(200, 200, 0, 0);
    s.MeanSpeed = 17.6777;
    s.ClockStart = t.clock.MillisecondStamp();
    t.clock.Advance(125'400);
    t.C().MaxSpeed = 25;
    RecordingCanvas canvas = t.Tick();
    ASSERT_GE(canvas.fills.size(), 3u);
    EXPECT_EQ(canvas.fills[0].colour, 0);
    EXPECT_EQ(canvas.fills[1].left, 95);
    EXPECT_EQ(canvas.fills[1].bottom, 505);
    EXPECT_EQ(canvas.fills[1].colour, 1110);
    EXPECT_EQ(canvas.fills[2].left, 100);
    EXPECT_EQ(canvas.fills[2].top, 100);
    EXPECT_EQ(canvas.fills[2].right, 500);
    EXPECT_EQ(canvas.fills[2].bottom, 500);
    EXPECT_EQ(canvas.fills[2].colour, 1131);
    EXPECT_EQ(canvas.fills.size(), 11u);

    struct Expected {
        int x, y, size;
        std::string text;
    };
    const Expected texts[] = {
        {820, 335, 10, "Liczba zderzeń cząsteczek"},
        {830, 350, 10, "z n-tą ścianką naczynia"},
        {830, 685, 10, "Numer ścianki naczynia"},
        {773, 400, 10, "N"},
        {750, 469, 10, "3/4 N"},
        {750, 525, 10, "1/2 N"},
        {750, 581, 10, "1/4 N"},
        {773, 650, 10, "0"},
        {750, 110, 12, "Liczba cząsteczek N   =  2"},
        {750, 130, 12, "Vmax   =  25 jednostek"},
        {750, 150, 12, "Vśr    =  17,7"},
        {750, 170, 12, "Czas  =   125 s"},
        {750, 190, 12, "Liczba zderzeń N  =   0"},
        {750, 15, 13, "ZDERZENIA"},
        {750, 35, 13, "ZE ŚCIANKAMI NACZYNIA"},
        {850, 730, 12, publisher::kWebAddress},
    };
    const size_t chartNumbers = 8;  // the four counts, then the four wall numbers
    ASSERT_EQ(canvas.texts.size(), chartNumbers + std::size(texts));
    for (size_t i = 0; i < chartNumbers; ++i)
        EXPECT_EQ(canvas.texts[i].size, 10);
    for (size_t i = 0; i < std::size(texts); ++i) {
        const auto& text = canvas.texts[chartNumbers + i];
        EXPECT_EQ(text.x, texts[i].x) << i;
        EXPECT_EQ(text.y, texts[i].y) << i;
        EXPECT_EQ(text.size, texts[i].size) << i;
        EXPECT_EQ(text.text, texts[i].text) << i;
    }
    EXPECT_EQ(canvas.sprites.size(), 2u);
    EXPECT_EQ(canvas.ops.back(), RecordingCanvas::Op::Release);
    EXPECT_EQ(canvas.presents, 0);  // the window presents
}

// A real run through StepFrame: counters only grow, and the bars together stay below the top.
TEST(WallCollisionsFrame, ARealRunKeepsCountingAndTheBarsShort) {
    TestSim t(44);
    t.C().Particles = 500;
    t.C().VesselWidth = 300;
    t.C().VesselHeight = 200;
    t.C().MaxSpeed = 300;
    t.C().SizeChoice = 4;
    t.S().SimulationMode = kModeWallCollisions;
    ASSERT_TRUE(InitCurrentMode(*t.sim));
    ASSERT_EQ(t.S().InitOk, 1);
    int64_t previous = 0;
    for (int tick = 0; tick < 200; ++tick) {
        RecordingCanvas canvas;
        EXPECT_FALSE(Tick(*t.sim, canvas).PauseRequested);
        const SimulationState& s = t.S();
        const int64_t total = s.WallHits[1] + s.WallHits[2] + s.WallHits[3] + s.WallHits[4];
        ASSERT_GE(total, previous);
        previous = total;
        int sum = 0;
        for (int w = 1; w <= 4; ++w)
            sum += BarHeight(canvas, w);
        ASSERT_LT(sum, 250);
        ASSERT_EQ(TextAt(canvas, 750, 190), "Liczba zderzeń N  =   " + std::to_string(total));
    }
    EXPECT_GT(previous, 100);
}
