#include <gtest/gtest.h>

#include "TestSim.h"
#include "engine/Clock.h"

TEST(ElapsedSeconds, TruncatesTowardZeroBothWays) {
    SimulationState s;
    s.ClockStart = 10'000;
    s.ClockNow = 12'500;
    EXPECT_EQ(ElapsedSeconds(s), 2);
    s.ClockNow = 11'999;
    EXPECT_EQ(ElapsedSeconds(s), 1);
    s.ClockNow = 8'500;
    EXPECT_EQ(ElapsedSeconds(s), -1);
    s.ClockNow = 10'000;
    EXPECT_EQ(ElapsedSeconds(s), 0);
}

TEST(PauseAccounting, PausesAreLeftOutOfTheShownTime) {
    TestSim t;
    Simulation& sim = *t.sim;
    StartClock(sim);
    t.clock.Advance(3'000);
    PauseClock(sim);
    t.clock.Advance(10'000);  // a 10 s pause
    ResumeClock(sim);
    EXPECT_EQ(sim.S.PausedTotal, 10'000);
    t.clock.Advance(1'500);
    sim.S.ClockNow = t.clock.MillisecondStamp();
    EXPECT_EQ(ElapsedSeconds(sim.S), 4);  // 3 s + 1,5 s, not 14 s

    PauseClock(sim);
    t.clock.Advance(2'250);
    ResumeClock(sim);
    EXPECT_EQ(sim.S.PausedTotal, 12'250);  // both pauses summed
}

TEST(WallClock, GivesTheSameStampWithinAMillisecondAndCountsFromYearOne) {
    WallClock clock;
    const int64_t a = clock.MillisecondStamp();
    const int64_t b = clock.MillisecondStamp();
    EXPECT_GE(b, a);
    EXPECT_LT(b - a, 50);
    // Days since 1 January of year 1: any date after 2020 lies beyond day 737 000.
    EXPECT_GT(a / 86'400'000, 737'000);
}
