#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "TestSim.h"
#include "engine/Placement.h"
#include "engine/PlacementIndex.h"

namespace {

// Stale positions as a run leaves them: anywhere in and around the vessel, fractional, some on
// top of each other, some far outside, one not a number.
void ScatterStale(SimulationState& s, std::mt19937_64& rng) {
    std::uniform_real_distribution<double> around(-50.0, 1100.0);
    for (int k = 1; k <= kMaxParticles; ++k) {
        s.PosX[k] = around(rng);
        s.PosY[k] = around(rng);
    }
    s.PosX[7] = s.PosX[8];
    s.PosY[7] = s.PosY[8];
    s.PosX[9] = 1e9;
    s.PosY[10] = -1e9;
    s.PosX[11] = std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

// A placement loop run twice in lock step, once asking the index and once the plain pass over
// every slot: every attempt must get the same answer, accepted slots and rejected candidates,
// stale slots and slots above the particle count alike.
TEST(PlacementIndex, AnswersEveryAttemptAsThePlainPassDoes) {
    std::mt19937_64 rng(20261208);
    for (int round = 0; round < 24; ++round) {
        TestSim t;
        SimulationState& s = t.S();
        const int size = ParticleSizeOfChoice(1 + round % kSizeChoices);
        const int side = 100 + static_cast<int>(rng() % 600);
        t.Vessel(370 - side / 2, 370 - side / 2, side, side, size);
        ScatterStale(s, rng);
        s.ParticleCount = 1 + static_cast<int>(rng() % kMaxParticles);

        PlacementIndex index(s);
        int accepted = 0, rejected = 0;
        for (int attempt = 0, i = 1; attempt < 20000 && i <= kMaxParticles; ++attempt) {
            s.PosX[i] = s.VesselLeft + static_cast<double>(rng() % (side - size));
            s.PosY[i] = s.VesselTop + static_cast<double>(rng() % (side - size));
            if (attempt % 7 == 0) s.PosX[i] += 0.5;  // off the whole pixels, as stale ones are
            const bool plain = OverlapsAny(s, i);
            ASSERT_EQ(index.Overlaps(s, i), plain)
                << "round " << round << " slot " << i << " at " << s.PosX[i] << ", " << s.PosY[i];
            if (plain) {
                ++rejected;
                continue;
            }
            index.Moved(s, i);
            ++accepted;
            ++i;
        }
        EXPECT_GT(accepted, 0);
        if (size >= 11) {
            EXPECT_GT(rejected, 0) << "round " << round;
        }
    }
}

TEST(PlacementIndex, SeesContactsExactlyOnTheSquaresBounds) {
    TestSim t;
    t.Vessel(0, 0, 1024, 768, 20);
    const int a = t.Put(100, 100, 0, 0);
    const int b = t.Put(400, 400, 0, 0);
    PlacementIndex index(t.S());
    for (const auto& [dx, dy, touching] :
         {std::tuple{20.0, 20.0, true}, std::tuple{-20.0, 20.0, true},
          std::tuple{20.000001, 0.0, false}, std::tuple{0.0, -20.000001, false}}) {
        t.S().PosX[b] = 100 + dx;
        t.S().PosY[b] = 100 + dy;
        EXPECT_EQ(index.Overlaps(t.S(), b), touching) << dx << ", " << dy;
        EXPECT_EQ(OverlapsAny(t.S(), b), touching);
    }
    // Once b is reported moved onto a, a is blocked there; moved away again, it is free.
    t.S().PosX[b] = 110;
    t.S().PosY[b] = 90;
    index.Moved(t.S(), b);
    EXPECT_TRUE(index.Overlaps(t.S(), a));
    t.S().PosX[b] = 700;
    index.Moved(t.S(), b);
    EXPECT_FALSE(index.Overlaps(t.S(), a));
}
