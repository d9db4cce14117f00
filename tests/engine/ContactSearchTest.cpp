// The grid search against the plain all-pairs loop: the same exchanges in the same order, and
// the same positions and velocities to the last bit, tick after tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>

#include "SearchTwins.h"
#include "engine/Placement.h"

namespace {

using twins::Twins;

// Hand-placed particles, kind 7, in the plain twin; Sync copies them to the grid twin.
int Put(Twins& t, double x, double y, double vx, double vy) {
    SimulationState& s = t.plain->S;
    const int i = ++s.ParticleCount;
    s.PosX[i] = x;
    s.PosY[i] = y;
    s.VelX[i] = vx;
    s.VelY[i] = vy;
    s.Kind[i] = 7;
    return i;
}

void Vessel(Twins& t, int left, int top, int width, int height, int size) {
    SimulationState& s = t.plain->S;
    s.VesselLeft = static_cast<uint16_t>(left);
    s.VesselTop = static_cast<uint16_t>(top);
    s.VesselWidth = static_cast<uint16_t>(width);
    s.VesselHeight = static_cast<uint16_t>(height);
    s.ParticleSize = static_cast<uint8_t>(size);
    s.StepDivisor = 20.0;
    s.ParticleCount = 0;
}

std::vector<std::pair<int, int>> ContactsOf(const Twins& t, int i) {
    std::vector<std::pair<int, int>> mine;
    for (const auto& pair : t.Contacts()) {
        if (pair.first == i) mine.push_back(pair);
    }
    return mine;
}

using Pairs = std::vector<std::pair<int, int>>;

}  // namespace

TEST(GridContacts, AfterAStepBackLooksForHigherPartnersAroundTheNewPlaceOnly) {
    Twins t;
    Vessel(t, 0, 0, 800, 600, 10);
    Put(t, 100, 100, 0, 0);
    Put(t, 290, 330, 0, 0);     // 2: touches 3's third place, but comes before 4 in order
    Put(t, 300, 300, 200, 0);   // 3: moves to (310, 300)
    Put(t, 320, 300, 0, -400);  // 4: touched at exactly +10; 3 steps back to (300, 300)
    Put(t, 290, 310, 20, 20);   // 5: touched there; stepping back with (0, -400) -> y 320
    Put(t, 305, 330, 0, 0);     // 6: touched at (300, 320); back by (20, 20) -> (299, 319)
    Put(t, 300, 291, 0, 0);     // 7: near the start only, never met
    Put(t, 309, 309, -20, 0);   // 8: touches (299, 319) at exactly +10 in both axes
    t.Sync();
    ASSERT_TRUE(t.MoveAll());
    EXPECT_EQ(ContactsOf(t, 3), (Pairs{{3, 4}, {3, 5}, {3, 6}, {3, 8}}));
    for (int tick = 0; tick < 50; ++tick)
        ASSERT_TRUE(t.MoveAll()) << "tick " << tick;
}

TEST(GridContacts, FollowsAStepBackOfTwoHundredPixelsAcrossTheVessel) {
    Twins t;
    Vessel(t, 80, 300, 870, 300, 5);
    Put(t, 300, 400, 20, 0);     // moves 1 px and touches 2
    Put(t, 306, 400, -4200, 0);  // hands over -4200: the next step back jumps 210 px right
    Put(t, 296, 404, 0, 0);      // touched at (300, 400), the place after the first step back
    Put(t, 515, 395, 0, 0);      // touches (510, 400) at exactly 5 px in both axes
    Put(t, 505, 400, 0, 0);      // touches it too, and comes later
    t.Sync();
    ASSERT_TRUE(t.MoveAll());
    EXPECT_EQ(ContactsOf(t, 1), (Pairs{{1, 2}, {1, 3}, {1, 4}, {1, 5}}));
    for (int tick = 0; tick < 50; ++tick)
        ASSERT_TRUE(t.MoveAll()) << "tick " << tick;
}

TEST(GridContacts, CountsExactlyTheBoundaryAndNothingBeyondIt) {
    Twins t;
    Vessel(t, 0, 0, 700, 700, 7);
    // Particle 1 stands still; the others stand exactly 7 px off or one step of a double
    // further, in every direction.
    Put(t, 300.25, 300.5, 0, 0);
    const double far = std::nextafter(307.25, 400.0);
    Put(t, 307.25, 307.5, 0, 0);  // corner, exactly on both bounds
    Put(t, far, 300.5, 0, 0);     // just beyond
    Put(t, 293.25, 293.5, 0, 0);  // opposite corner, exactly
    Put(t, 300.25, std::nextafter(293.5, 0.0), 0, 0);
    t.Sync();
    ASSERT_TRUE(t.MoveAll());
    EXPECT_EQ(ContactsOf(t, 1), (Pairs{{1, 2}, {1, 4}}));
}

TEST(GridContacts, FindsPartnersFarOutsideTheVessel) {
    // Stale positions from another mode or a failed placement can lie anywhere. Such particles
    // share the border cells of the grid and must still meet each other there.
    Twins t;
    Vessel(t, 300, 300, 150, 150, 5);
    Put(t, -5000, -5000, 0, 0);
    Put(t, -4995, -4995, 0, 0);
    Put(t, 1e12, 1e12, 40, 0);
    Put(t, 1e12 + 5, 1e12 - 5, 0, 0);
    Put(t, 5000, 320, 0, 0);
    Put(t, 4996, 325, 0, 0);
    Put(t, 320, -3000, 0, 0);  // alone in a border cell
    Put(t, 301, 301, -20, -20);
    t.Sync();
    ASSERT_TRUE(t.MoveAll());
    EXPECT_EQ(ContactsOf(t, 1), (Pairs{{1, 2}}));
    EXPECT_EQ(ContactsOf(t, 3), (Pairs{{3, 4}}));
    EXPECT_EQ(ContactsOf(t, 5), (Pairs{{5, 6}}));
    // Clamped onto the walls, they now crowd the corners and keep exchanging.
    for (int tick = 0; tick < 100; ++tick)
        ASSERT_TRUE(t.MoveAll()) << "tick " << tick;
}

TEST(GridContacts, AgreesWhereRoundingDecidesTheContact) {
    // Beyond 1024 the spacing of doubles doubles: 1019 + 3e plus 5 rounds up to 1024 + 4e (e
    // the spacing below 1024), so particle 1 touches the heap at 1019 + 3e although their
    // corners lie a little more than 5 px apart.
    Twins t;
    Vessel(t, 500, 300, 1000, 300, 5);
    const double up = 3000.0;
    const double xk = std::nextafter(std::nextafter(std::nextafter(1019.0, up), up), up);
    const double xi = std::nextafter(std::nextafter(1024.0, up), up);
    ASSERT_GT(xi - xk, 5.0);
    Put(t, xi, 400, 0, 0);
    Pairs expected;
    for (int k = 2; k <= 40; ++k) {  // a heap, stacked on one point as the clamp stacks them
        Put(t, xk, 400, 0, 0);
        expected.emplace_back(1, k);
    }
    t.Sync();
    ASSERT_TRUE(t.MoveAll());
    EXPECT_EQ(ContactsOf(t, 1), expected);
}

TEST(GridContacts, IgnoresSlotsAboveTheParticleCount) {
    Twins t;
    Vessel(t, 100, 100, 300, 300, 9);
    Put(t, 200, 200, 20, 0);
    Put(t, 250, 250, 0, 0);
    // Spare slots right on top of particle 1: they must not take part.
    for (int i = 3; i <= 40; ++i) {
        t.plain->S.PosX[i] = 201;
        t.plain->S.PosY[i] = 200 + i % 3;
    }
    t.Sync();
    ASSERT_TRUE(t.MoveAll());
    EXPECT_TRUE(t.Contacts().empty());
}

// Random scenarios -------------------------------------------------------------------------

namespace {

// The ordinary run is sized for CI; the run labelled "long" in CTest raises the scale.
int Scale() {
    const char* text = std::getenv("KINETRA_DIFF_SCALE");
    return text ? std::max(1, std::atoi(text)) : 1;
}

struct Dice {
    std::mt19937_64 rng;
    explicit Dice(uint64_t seed) : rng(seed) {}
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    double Real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng);
    }
    bool Chance(double p) { return Real(0.0, 1.0) < p; }
};

// The vessels of every mode.
void PickVessel(Dice& d, SimulationState& s, std::ostream& what) {
    switch (d.Int(0, 4)) {
        case 0:
            SetVesselCentred(s, d.Int(100, 700), d.Int(100, 700));
            break;
        case 1:  // the chart mode allows at most 600
            SetVesselCentred(s, d.Int(100, 600), d.Int(100, 700));
            break;
        case 2: {  // the experiments' square
            const int side = d.Int(400, 650);
            SetVesselCentred(s, side, side);
            break;
        }
        case 3:  // heat transport
            s.VesselLeft = 80;
            s.VesselTop = 300;
            s.VesselWidth = 870;
            s.VesselHeight = 300;
            break;
        default:
            SetVesselCentred(s, 100, 100);
            break;
    }
    what << " vessel " << s.VesselLeft << "," << s.VesselTop << " " << s.VesselWidth << "x"
         << s.VesselHeight;
}

double Component(Dice& d, int style, int vmax) {
    switch (style) {
        case 0:  // whole pixels per tick, so that positions stay on lattice points
            return 20.0 * d.Int(-vmax / 20, vmax / 20);
        case 1:  // the initialisers' draw, with a speed factor
            return (d.Chance(0.5) ? 1 : -1) * d.Int(0, vmax) / std::sqrt(2.0) * d.Int(1, 10) / 2;
        case 2:
            return d.Real(-vmax, vmax);
        default:  // mostly at rest
            return d.Chance(0.8) ? 0.0 : 20.0 * d.Int(-vmax / 20, vmax / 20);
    }
}

// Fills particles 1..ParticleCount (and spare slots up to 5000) for one scenario.
void Populate(Dice& d, SimulationState& s, std::ostream& what) {
    const int size = s.ParticleSize;
    const int left = s.VesselLeft;
    const int top = s.VesselTop;
    const int right = std::max(left, s.RightLimit());
    const int bottom = std::max(top, s.BottomLimit());
    const int layout = d.Int(0, 3);
    const int style = d.Int(0, 3);
    const int vmaxes[] = {0, 20, 50, 300, 1000, 4200, d.Int(0, 4200)};
    const int vmax = vmaxes[d.Int(0, 6)];
    const double outside = d.Chance(0.3) ? d.Real(0.0, 0.2) : 0.0;
    what << " layout " << layout << " velocities " << style << " vmax " << vmax << " outside "
         << outside;

    // Lattice: neighbours exactly on the contact bound, one pixel inside or one outside.
    const int spacing = std::max(1, size + d.Int(-1, 1));
    const int perRow = std::max(1, d.Int(1, 60));
    const int originX = d.Int(left, right);
    const int originY = d.Int(top, bottom);
    // Dense cluster: whole points in a small box, so that many overlap.
    const int box = std::max(2, static_cast<int>(std::sqrt(s.ParticleCount) * size / 2));

    for (int i = 1; i <= s.ParticleCount; ++i) {
        double x, y;
        switch (layout) {
            case 0:
                x = d.Int(left, right);
                y = d.Int(top, bottom);
                break;
            case 1:
                x = originX + ((i - 1) % perRow) * spacing;
                y = originY + ((i - 1) / perRow) * spacing;
                break;
            case 2:
                x = d.Real(left, right);
                y = d.Real(top, bottom);
                break;
            default:
                x = std::min(originX + d.Int(0, box), right);
                y = std::min(originY + d.Int(0, box), bottom);
                break;
        }
        if (d.Chance(outside)) {  // left by an earlier vessel, or a failed placement
            x = d.Int(-60, 1100);
            y = d.Int(-60, 830);
        }
        s.PosX[i] = x;
        s.PosY[i] = y;
        s.VelX[i] = Component(d, style, vmax);
        s.VelY[i] = Component(d, style, vmax);
        s.Kind[i] = static_cast<uint8_t>(d.Int(0, 18));
    }
    // Spare slots: anywhere, some right on top of particles that take part.
    for (int i = s.ParticleCount + 1; i <= kParticleCapacity; ++i) {
        if (d.Chance(0.2) && s.ParticleCount > 0) {
            const int k = d.Int(1, s.ParticleCount);
            s.PosX[i] = s.PosX[k];
            s.PosY[i] = s.PosY[k];
        } else {
            s.PosX[i] = d.Real(-2000, 3000);
            s.PosY[i] = d.Real(-2000, 3000);
        }
        s.VelX[i] = d.Real(-100, 100);
        s.VelY[i] = d.Real(-100, 100);
    }
}

// What happens between two ticks outside the particle loop: the partition strip, the track
// bars (a new count, a new vessel), a placement moving a few particles.
void Disturb(Dice& d, SimulationState& s, std::ostream& what) {
    const int roll = d.Int(0, 99);
    if (roll < 4) {
        for (int n = d.Int(1, 5); n > 0; --n) {
            const int i = d.Int(1, s.ParticleCount);
            s.PosX[i] = d.Int(-60, 1100);
            s.PosY[i] = d.Int(-60, 830);
        }
        what << " [moved]";
    } else if (roll < 7) {
        s.ParticleCount = d.Int(1, std::min(kMaxParticles, 2 * s.ParticleCount + 1));
        what << " [count " << s.ParticleCount << "]";
    } else if (roll < 9) {
        PickVessel(d, s, what);
    } else if (roll < 14) {
        const double low = d.Int(s.VesselLeft, s.VesselLeft + s.VesselWidth / 2);
        const double high = low + d.Int(5, 60);
        for (int i = d.Int(1, s.ParticleCount); i <= s.ParticleCount; ++i) {
            if (s.PosX[i] >= high || s.PosX[i] <= low) {
                s.VelX[i] = -s.VelX[i];
                s.PosX[i] += s.VelX[i] / s.StepDivisor;
            }
            if (s.PosX[i] >= high) s.PosX[i] = high;
            if (s.PosX[i] <= low) s.PosX[i] = low;
        }
        what << " [strip]";
    }
}

// Small counts often, up to the full 1500 now and then; ticks so that each scenario costs
// about the same in the plain loop.
int PickCount(Dice& d) {
    const int roll = d.Int(0, 99);
    if (roll < 45) return d.Int(1, 60);
    if (roll < 85) return d.Int(60, 400);
    if (roll < 95) return d.Int(400, 900);
    return d.Int(900, kMaxParticles);
}

void RunScenario(uint64_t seed, long long pairBudget) {
    Dice d(seed);
    Twins t;
    SimulationState& s = t.plain->S;
    std::ostringstream what;
    what << "seed " << seed;
    s.StepDivisor = 20.0;
    s.ParticleSize = static_cast<uint8_t>(d.Int(1, 20));
    s.ParticleCount = PickCount(d);
    what << " size " << +s.ParticleSize << " count " << s.ParticleCount;
    PickVessel(d, s, what);
    Populate(d, s, what);
    t.Sync();

    // Ticks until the plain loop has made about pairBudget square tests; the count may change
    // on the way.
    long long pairs = 0;
    for (int tick = 1; tick <= 20 || (pairs < pairBudget && tick <= 600); ++tick) {
        pairs += static_cast<long long>(s.ParticleCount) * s.ParticleCount;
        ASSERT_TRUE(t.MoveAll()) << what.str() << " tick " << tick;
        if (d.Chance(0.5)) {
            Disturb(d, s, what);
            t.Sync();
        }
    }
}

}  // namespace

TEST(GridContacts, MatchesThePlainLoopInRandomScenarios) {
    const int scenarios = 60 * Scale();
    for (int n = 0; n < scenarios; ++n) {
        RunScenario(0x5eed0000u + static_cast<uint64_t>(n), 4'000'000);
        if (HasFatalFailure()) return;
    }
}
