#include <gtest/gtest.h>

#include <vector>

#include "RecordingCanvas.h"
#include "TestSim.h"
#include "engine/Motion.h"

namespace {

// Remembers the order of the mode hooks.
struct HookLog {
    std::vector<std::string> events;
    SimulationState* s = nullptr;
    void WallBounce(int i, Wall wall) {
        events.push_back("wall " + std::to_string(i) + " " + std::to_string(wall) + " at " +
                         std::to_string(s->PosX[i]));
    }
    void Contact(int i, int k) {
        events.push_back("contact " + std::to_string(i) + " " + std::to_string(k) + " vx " +
                         std::to_string(s->VelX[i]));
    }
    void AfterClamp(int i) { events.push_back("clamped " + std::to_string(i)); }
};

void Tick(TestSim& t, RecordingCanvas& canvas) {
    NoExtras none;
    MoveAllParticles(*t.sim, none);
    DrawParticles(t.S(), canvas);
}

}  // namespace

TEST(MoveAndCollide, BouncesOffEachWallAtExactlyItsLimit) {
    TestSim t;
    t.Vessel(100, 100, 200, 200, 10);       // right limit 290, bottom limit 290
    const int r = t.Put(289, 150, 20, 0);   // reaches 290 exactly
    const int l = t.Put(101, 200, -20, 0);  // reaches 100 exactly
    const int b = t.Put(150, 289, 0, 20);
    const int u = t.Put(200, 101, 0, -20);
    RecordingCanvas canvas;
    Tick(t, canvas);
    SimulationState& s = t.S();
    EXPECT_EQ(s.VelX[r], -20);
    EXPECT_EQ(s.PosX[r], 289);  // one step with the new velocity
    EXPECT_EQ(s.VelX[l], 20);
    EXPECT_EQ(s.PosX[l], 101);
    EXPECT_EQ(s.VelY[b], -20);
    EXPECT_EQ(s.PosY[b], 289);
    EXPECT_EQ(s.VelY[u], 20);
    EXPECT_EQ(s.PosY[u], 101);
}

TEST(MoveAndCollide, WallHooksComeAfterTheSecondStepInWallOrder) {
    TestSim t;
    t.Vessel(100, 100, 200, 200, 10);
    t.Put(289, 289, 40, 40);  // into the bottom-right corner
    HookLog log;
    log.s = &t.S();
    RecordingCanvas canvas;
    MoveAllParticles(*t.sim, log);
    DrawParticles(t.S(), canvas);
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[0], "wall 1 3 at 289.000000");  // right (M2) before bottom (M4)
    EXPECT_EQ(log.events[1].rfind("wall 1 4", 0), 0u);
    EXPECT_EQ(log.events[2], "clamped 1");
}

TEST(MoveAndCollide, StepsBackAndExchangesWithEveryPartnerInIndexOrder) {
    TestSim t;
    t.Vessel(0, 0, 600, 600, 10);
    // Particle 1 moves right into both 2 and 3 in one tick.
    const int a = t.Put(100, 100, 40, 0);  // moves to 102
    const int b = t.Put(111, 100, 0, 20);  // touched at 102: 101 <= 102 <= 121
    const int c = t.Put(92, 108, -20, 0);  // touched after the first step back too
    HookLog log;
    log.s = &t.S();
    SimulationState& s = t.S();
    PlainContacts contacts;
    MoveAndCollide(s, a, log, contacts);
    // First contact with 2, at its velocity 40; step back by 2 px, take (0, 20).
    ASSERT_GE(log.events.size(), 2u);
    EXPECT_EQ(log.events[0], "contact 1 2 vx 40.000000");
    // Then with 3 from the stepped-back place (100, 100), now with velocity (0, 20):
    EXPECT_EQ(log.events[1], "contact 1 3 vx 0.000000");
    EXPECT_EQ(s.PosX[a], 100);
    EXPECT_EQ(s.PosY[a], 99);  // stepped back by its new velocity (0, 20) / 20
    EXPECT_EQ(s.VelX[a], -20);
    EXPECT_EQ(s.VelY[a], 0);
    EXPECT_EQ(s.VelX[b], 40);  // 2 took 1's original velocity
    EXPECT_EQ(s.VelY[b], 0);
    EXPECT_EQ(s.VelX[c], 0);  // 3 took what 1 held then
    EXPECT_EQ(s.VelY[c], 20);
    EXPECT_EQ(s.PosX[b], 111);  // partners never move in the contact step
    EXPECT_EQ(s.PosX[c], 92);
}

TEST(MoveAndCollide, OverlappingPairExchangesBackAndStaysFrozen) {
    TestSim t;
    t.Vessel(0, 0, 600, 600, 10);
    const int a = t.Put(100, 100, 20, 0);
    const int b = t.Put(105, 100, 0, 0);
    RecordingCanvas canvas;
    for (int tick = 0; tick < 5; ++tick) {
        Tick(t, canvas);
        EXPECT_EQ(t.S().PosX[a], 100);
        EXPECT_EQ(t.S().VelX[a], 20);
        EXPECT_EQ(t.S().PosX[b], 105);
        EXPECT_EQ(t.S().VelX[b], 0);
    }
}

TEST(MoveAndCollide, ApproachingPairExchangesOnceAndSeparates) {
    TestSim t;
    t.Vessel(0, 0, 600, 600, 10);
    const int a = t.Put(100, 100, 20, 0);
    const int b = t.Put(111, 100, -20, 0);
    RecordingCanvas canvas;
    Tick(t, canvas);
    // 1 reaches 101, touches 2 (101 <= 101), steps back to 100 and takes -20; 2 takes +20
    // and moves away to 112 without a second exchange.
    EXPECT_EQ(t.S().PosX[a], 100);
    EXPECT_EQ(t.S().VelX[a], -20);
    EXPECT_EQ(t.S().PosX[b], 112);
    EXPECT_EQ(t.S().VelX[b], 20);
}

TEST(MoveAndCollide, ClampKeepsVelocityWhenAStepBackLeavesTheVessel) {
    TestSim t;
    t.Vessel(100, 100, 200, 200, 10);
    // 1 moves from 104 to 102 and touches 2: it steps back to 104 and takes 2's velocity, 200.
    // Then it touches 3 and steps back with 200 / 20 = 10 pixels, to 94: outside the wall.
    const int a = t.Put(104, 150, -40, 0);
    t.Put(95, 150, 200, 0);
    t.Put(106, 150, 0, 0);
    RecordingCanvas canvas;
    SimulationState& s = t.S();
    NoExtras none;
    PlainContacts contacts;
    MoveAndCollide(s, a, none, contacts);
    DrawParticle(s, a, s.PosX[a], s.PosY[a], canvas);
    // Clamped onto the wall line with the velocity it took from 3.
    EXPECT_EQ(s.PosX[a], 100);
    EXPECT_EQ(s.VelX[a], 0);
    EXPECT_EQ(s.VelX[3], 200);
    ASSERT_FALSE(canvas.sprites.empty());
    EXPECT_EQ(canvas.sprites.back().x, 100);
}

TEST(MoveAndCollide, DrawsEachSpriteAtItsTruncatedPosition) {
    TestSim t;
    t.Vessel(100, 100, 200, 200, 5);
    t.Put(150.9, 160.99, 0, 0, 3);
    t.Put(200.2, 120.5, 0, 0, 12);
    RecordingCanvas canvas;
    Tick(t, canvas);
    ASSERT_EQ(canvas.sprites.size(), 2u);
    EXPECT_EQ(canvas.sprites[0].set, SpriteSet::DXImageList1);
    EXPECT_EQ(canvas.sprites[0].index, 3);
    EXPECT_EQ(canvas.sprites[0].x, 150);
    EXPECT_EQ(canvas.sprites[0].y, 160);
    EXPECT_EQ(canvas.sprites[1].index, 12);
    EXPECT_EQ(canvas.sprites[1].x, 200);
    EXPECT_EQ(canvas.sprites[1].y, 120);
}

TEST(WallHitCounter, CountsACornerForTwoWalls) {
    TestSim t;
    t.Vessel(100, 100, 200, 200, 10);
    t.Put(101, 101, -40, -40);
    WallHitCounter counter(t.S());
    RecordingCanvas canvas;
    MoveAllParticles(*t.sim, counter);
    DrawParticles(t.S(), canvas);
    EXPECT_EQ(t.S().WallHits[kLeftWall], 1);
    EXPECT_EQ(t.S().WallHits[kTopWall], 1);
    EXPECT_EQ(t.S().WallHits[kRightWall], 0);
    EXPECT_EQ(t.S().WallHits[kBottomWall], 0);
}
