#include <gtest/gtest.h>

#include <string>

#include "FrameTick.h"
#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"

namespace {

// A hand-made free-path state: vessel (100, 100) 400 x 400, particles of 15 px, no collision
// recorded yet, no automatic stop unless a test asks for it.
struct Track : TestSim {
    Track() : TestSim(3) {
        Vessel(100, 100, 400, 400, 15);
        S().SimulationMode = kModeFreePath;
        S().SecondCount = 1;
        S().PathCount = 1;
        C().StopAtLimit = false;
    }
    FrameResult Tick(RecordingCanvas& canvas) { return ::Tick(*sim, canvas); }
    FrameResult Tick() {
        RecordingCanvas canvas;
        return Tick(canvas);
    }
    void SetPath(std::initializer_list<PathPoint> points) {
        S().PathCount = 1;
        for (const PathPoint& p : points)
            S().PathPoints[++S().PathCount] = p;
    }
};

std::string TextAt(const RecordingCanvas& canvas, int x, int y) {
    const RecordingCanvas::Text* t = canvas.TextAt(x, y);
    return t ? t->text : "<none>";
}

}  // namespace

TEST(InitFreePath, ClearsTheOldTrackAndTracksParticleOne) {
    TestSim t(9);
    SimulationState& s = t.S();
    s.PathCount = 5000;
    s.PathPoints[2] = {7, 7};
    s.PathPoints[9999] = {3, 3};
    s.WallHits[2] = 12;
    t.C().Particles = 200;
    t.C().SizeChoice = 5;  // 7 px: sprites 4 and 13
    s.SimulationMode = kModeFreePath;
    ASSERT_TRUE(InitCurrentMode(*t.sim));  // as Start and restart call it
    ASSERT_EQ(s.InitOk, 1);
    EXPECT_EQ(s.SimulationMode, kModeFreePath);
    EXPECT_EQ(s.SecondCount, 1);
    EXPECT_EQ(s.PathCount, 1);
    EXPECT_EQ(s.PathPoints[2], PathPoint{});
    EXPECT_EQ(s.PathPoints[9999], PathPoint{});
    EXPECT_EQ(s.WallHits[2], 0);
    EXPECT_EQ(s.Kind[1], 13);
    for (int i = 2; i <= kMaxParticles; ++i)
        ASSERT_EQ(s.Kind[i], 4) << i;
}

TEST(FreePathFrame, WallBouncesOfTheTrackedParticleAloneAreRecorded) {
    Track t;
    SimulationState& s = t.S();
    t.Put(380, 200, 30, 0, 16);  // right limit 485: not yet
    t.Put(484, 300, 30, 0);      // another particle at the right wall: not recorded
    t.Tick();
    EXPECT_EQ(s.PathCount, 1);
    s.PosX[1] = 484;  // 485.5 after the move, back to 484 with the new velocity
    s.PosY[1] = 200.9;
    t.Tick();
    ASSERT_EQ(s.PathCount, 2);
    EXPECT_EQ(s.PathPoints[2], (PathPoint{484, 200}));
    // A corner takes two walls in one tick, and both are points of the path.
    s.PosX[1] = 101;
    s.PosY[1] = 101;
    s.VelX[1] = -40;
    s.VelY[1] = -40;
    t.Tick();
    ASSERT_EQ(s.PathCount, 4);
    EXPECT_EQ(s.PathPoints[3], (PathPoint{101, 99}));  // after the left wall, before the top
    EXPECT_EQ(s.PathPoints[4], (PathPoint{101, 101}));
}

TEST(FreePathFrame, AContactIsRecordedWhereTheParticleStoodBeforeItsStepBack) {
    Track t;
    SimulationState& s = t.S();
    t.Put(200, 200, 30, 0, 16);  // moves to 201.5 and touches particle 2
    t.Put(216, 200, 0, 0);
    t.Put(400, 400, 0, 0);
    t.Tick();
    ASSERT_EQ(s.PathCount, 2);
    EXPECT_EQ(s.PathPoints[2], (PathPoint{201, 200}));
    EXPECT_EQ(s.PosX[1], 200);  // stepped back after the point was taken

    // Seen from the partner's side: particle 3 runs into the resting tracked particle.
    Track u;
    u.Put(300, 300, 0, 0, 16);
    u.Put(200, 300, 0, 0);
    u.Put(283, 300.5, 40, 0);  // moves to 285: touches particle 1 (k = 1)
    u.Tick();
    ASSERT_EQ(u.S().PathCount, 2);
    EXPECT_EQ(u.S().PathPoints[2], (PathPoint{300, 300}));  // the tracked particle's place
}

TEST(FreePathFrame, TheSameMeetingSeenFromBothSidesCountsTwice) {
    Track t;
    t.Put(200, 200, 0, 0, 16);
    t.Put(205, 205, 0, 0);  // overlapping at rest: both turns see the contact
    t.Tick();
    ASSERT_EQ(t.S().PathCount, 3);
    EXPECT_EQ(t.S().PathPoints[2], (PathPoint{200, 200}));
    EXPECT_EQ(t.S().PathPoints[3], (PathPoint{200, 200}));
}

TEST(FreePathFrame, DrawsThePathFromTheFirstCollisionToTheParticleWithTheCanvasPen) {
    Track t;
    t.Put(200.6, 300.2, 0, 0, 16);
    t.SetPath({{0, 0}, {3, 4}, {6, 8}});
    RecordingCanvas canvas;
    canvas.SetPenColour(0x123456);  // whatever an earlier mode left
    t.Tick(canvas);
    ASSERT_EQ(canvas.lines.size(), 3u);
    const int h = 7;  // 15 div 2
    EXPECT_EQ(canvas.lines[0].x0, 0 + h);
    EXPECT_EQ(canvas.lines[0].y0, 0 + h);
    EXPECT_EQ(canvas.lines[0].x1, 3 + h);
    EXPECT_EQ(canvas.lines[0].y1, 4 + h);
    EXPECT_EQ(canvas.lines[1].x1, 6 + h);
    EXPECT_EQ(canvas.lines[1].y1, 8 + h);
    // The last stretch ends at the centre: 7.5 + 200.6 and 7.5 + 300.2, truncated.
    EXPECT_EQ(canvas.lines[2].x0, 6 + h);
    EXPECT_EQ(canvas.lines[2].x1, 208);
    EXPECT_EQ(canvas.lines[2].y1, 307);
    for (const auto& line : canvas.lines)
        EXPECT_EQ(line.colour, 0x123456u);
    // Two complete segments of 5: the unfinished stretch is not measured.
    EXPECT_EQ(TextAt(canvas, 750, 240), "Śr. droga swob.  =   5 jedn.");
    EXPECT_EQ(TextAt(canvas, 750, 280), "Liczba zderzeń cząsteczki =  3");
}

TEST(FreePathFrame, MeanFreePathIsZeroUntilThereIsACompleteSegment) {
    Track t;
    t.Put(200, 300, 0, 0, 16);
    RecordingCanvas none;
    t.Tick(none);
    EXPECT_TRUE(none.lines.empty());
    EXPECT_EQ(TextAt(none, 750, 240), "Śr. droga swob.  =   0 jedn.");
    EXPECT_EQ(TextAt(none, 750, 280), "Liczba zderzeń cząsteczki =  0");

    t.SetPath({{150, 150}});
    RecordingCanvas one;
    t.Tick(one);
    ASSERT_EQ(one.lines.size(), 1u);  // from the collision straight to the particle
    EXPECT_EQ(one.lines[0].x0, 157);
    EXPECT_EQ(one.lines[0].x1, 207);
    EXPECT_EQ(TextAt(one, 750, 240), "Śr. droga swob.  =   0 jedn.");
    EXPECT_EQ(TextAt(one, 750, 280), "Liczba zderzeń cząsteczki =  1");

    t.SetPath({{0, 0}, {3, 4}, {6, 8}, {7, 8}});  // 11 over 3 segments
    RecordingCanvas three;
    t.Tick(three);
    EXPECT_EQ(TextAt(three, 750, 240), "Śr. droga swob.  =   3,67 jedn.");
}

TEST(FreePathFrame, WritesTheStatusInOrderAndEndsWithRelease) {
    Track t;
    SimulationState& s = t.S();
    t.Put(200, 300, 0, 0, 16);
    t.Put(300, 300, 0, 0);
    t.Put(400, 300, 0, 0);
    s.MeanSpeed = 24.749;
    s.ClockStart = t.clock.MillisecondStamp();
    t.clock.Advance(61'999);
    t.C().MaxSpeed = 70;
    RecordingCanvas canvas;
    t.Tick(canvas);
    struct Expected {
        int x, y, size;
        std::string text;
    };
    const Expected lines[] = {
        {720, 20, 20, "DROGA SWOBODNA"},
        {750, 120, 12, "Liczba cząsteczek N1 = 2"},
        {750, 140, 12, "Liczba cząsteczek N2 =  1"},
        {750, 160, 12, "Liczba cząsteczek N   =  3"},
        {750, 180, 12, "Vmax   =  70 jednostek"},
        {750, 200, 12, "Vśr    =  24,7 jednostek"},
        {750, 220, 12, "Czas  =   61 s"},
        {850, 730, 12, publisher::kWebAddress},
        {750, 240, 12, "Śr. droga swob.  =   0 jedn."},
        {750, 260, 12, "Średnica cząsteczek =  15 jedn."},
        {750, 280, 12, "Liczba zderzeń cząsteczki =  0"},
    };
    ASSERT_EQ(canvas.texts.size(), std::size(lines));
    for (size_t i = 0; i < std::size(lines); ++i) {
        EXPECT_EQ(canvas.texts[i].x, lines[i].x) << i;
        EXPECT_EQ(canvas.texts[i].y, lines[i].y) << i;
        EXPECT_EQ(canvas.texts[i].size, lines[i].size) << i;
        EXPECT_EQ(canvas.texts[i].text, lines[i].text) << i;
    }
    ASSERT_GE(canvas.fills.size(), 3u);
    EXPECT_EQ(canvas.fills[1].colour, 1111);
    const auto& floor = canvas.fills[2];
    EXPECT_EQ(floor.left, 100);
    EXPECT_EQ(floor.top, 100);
    EXPECT_EQ(floor.right, 500);
    EXPECT_EQ(floor.bottom, 500);
    EXPECT_EQ(floor.colour, 11112);
    EXPECT_EQ(canvas.sprites.size(), 3u);
    EXPECT_EQ(canvas.sprites[0].index, 16);
    ASSERT_GE(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops.back(), RecordingCanvas::Op::Release);
    EXPECT_EQ(canvas.presents, 0);  // the window presents
}

// Particle 1 rests on the left wall line with no speed across it: one collision every tick.
TEST(FreePathFrame, PausesOnTheTickTheCountReachesTheLimitAndAgainAfterResume) {
    Track t;
    t.Put(100, 300, 0, 0, 16);
    t.C().StopAtLimit = true;
    t.C().CollisionLimit = 3;
    EXPECT_FALSE(t.Tick().PauseRequested);
    EXPECT_FALSE(t.Tick().PauseRequested);
    RecordingCanvas third;
    EXPECT_TRUE(t.Tick(third).PauseRequested);
    EXPECT_EQ(TextAt(third, 750, 280), "Liczba zderzeń cząsteczki =  3");
    EXPECT_EQ(third.releases, 1);          // the final count was drawn before the pause
    EXPECT_TRUE(t.Tick().PauseRequested);  // resumed without a change: one more tick

    t.C().StopAtLimit = false;  // read afresh every tick
    EXPECT_FALSE(t.Tick().PauseRequested);
    t.C().StopAtLimit = true;
    t.C().CollisionLimit = 100;
    EXPECT_FALSE(t.Tick().PauseRequested);
}

TEST(FreePathFrame, SeveralCollisionsInOneTickCarryThePauseBeyondTheLimit) {
    Track t;
    t.Put(100, 100, 0, 0, 16);  // in the corner: two walls a tick
    t.C().StopAtLimit = true;
    t.C().CollisionLimit = 3;
    EXPECT_FALSE(t.Tick().PauseRequested);  // 2
    EXPECT_TRUE(t.Tick().PauseRequested);   // 4
    EXPECT_EQ(t.S().PathCount - 1, 4);
}

TEST(FreePathFrame, AFullTrackRecordsNoMoreAndAsksForAPause) {
    Track t;
    SimulationState& s = t.S();
    t.Put(100, 100, 0, 0, 16);  // two collisions a tick, one place left
    s.PathCount = kPathCapacity - 1;
    for (int k = 2; k < kPathCapacity; ++k)
        s.PathPoints[k] = {100 + k % 7, 100};
    ASSERT_FALSE(t.C().StopAtLimit);
    RecordingCanvas canvas;
    EXPECT_TRUE(t.Tick(canvas).PauseRequested);
    EXPECT_EQ(s.PathCount, kPathCapacity);
    EXPECT_EQ(s.PathPoints[kPathCapacity], (PathPoint{100, 100}));
    EXPECT_EQ(TextAt(canvas, 750, 280), "Liczba zderzeń cząsteczki =  9999");
    EXPECT_EQ(canvas.lines.size(), static_cast<size_t>(kPathCapacity - 1));

    // Resumed: still full, nothing written past the end, paused again.
    RecordingCanvas again;
    EXPECT_TRUE(t.Tick(again).PauseRequested);
    EXPECT_EQ(s.PathCount, kPathCapacity);
    EXPECT_EQ(TextAt(again, 750, 280), "Liczba zderzeń cząsteczki =  9999");

    // Short of full, an unchecked box lets the run go on.
    s.PathCount = kPathCapacity - 10;
    EXPECT_FALSE(t.Tick().PauseRequested);
}

// A real gas through StepFrame: the run stops on the first tick whose count reaches the limit,
// never before.
TEST(FreePathFrame, ARealRunStopsAtTheChosenCount) {
    TestSim t(17);
    t.C().Particles = 150;
    t.C().VesselWidth = 300;
    t.C().VesselHeight = 300;
    t.C().MaxSpeed = 200;
    t.C().SizeChoice = 5;
    t.C().CollisionLimit = 100;
    t.C().StopAtLimit = true;
    InitFreePath(*t.sim);
    ASSERT_EQ(t.S().InitOk, 1);
    NullCanvas canvas;
    int ticks = 0;
    for (; ticks < 20000; ++ticks) {
        const int before = t.S().PathCount - 1;
        const bool pause = Tick(*t.sim, canvas).PauseRequested;
        const int after = t.S().PathCount - 1;
        ASSERT_GE(after, before);
        if (pause) {
            EXPECT_GE(after, 100);
            EXPECT_LT(before, 100);
            break;
        }
        ASSERT_LT(after, 100);
    }
    EXPECT_LT(ticks, 20000);
}
