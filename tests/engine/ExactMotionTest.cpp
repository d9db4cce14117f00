#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "engine/ExactMeasures.h"
#include "engine/ExactMotion.h"

namespace {

// A vessel with particles on a jittered lattice (never overlapping), velocity components drawn
// as the described initialisers draw them: uniform up to vmax / sqrt2, random signs.
std::unique_ptr<SimulationState> Gas(int n, int size, int width, int height, double vmax,
                                     uint64_t seed, double divisor = 20.0) {
    auto s = std::make_unique<SimulationState>();
    s->VesselLeft = 10;
    s->VesselTop = 20;
    s->VesselWidth = static_cast<uint16_t>(width);
    s->VesselHeight = static_cast<uint16_t>(height);
    s->ParticleSize = static_cast<uint8_t>(size);
    s->StepDivisor = divisor;
    s->ParticleCount = n;
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double roomX = s->RightLimit() - s->VesselLeft;
    const double roomY = s->BottomLimit() - s->VesselTop;
    const int cols = static_cast<int>(std::ceil(std::sqrt(n * roomX / roomY)));
    const int rows = (n + cols - 1) / cols;
    const double stepX = roomX / cols;
    const double stepY = roomY / rows;
    EXPECT_GT(std::min(stepX, stepY), size + 0.5) << "too crowded for a lattice";
    const double play = std::min(stepX, stepY) - size - 0.1;
    for (int i = 1; i <= n; ++i) {
        const int c = (i - 1) % cols;
        const int r = (i - 1) / cols;
        s->PosX[i] = s->VesselLeft + c * stepX + unit(rng) * play;
        s->PosY[i] = s->VesselTop + r * stepY + unit(rng) * play;
        s->VelX[i] = (unit(rng) < 0.5 ? -1 : 1) * unit(rng) * vmax / std::sqrt(2.0);
        s->VelY[i] = (unit(rng) < 0.5 ? -1 : 1) * unit(rng) * vmax / std::sqrt(2.0);
    }
    return s;
}

double Energy(const SimulationState& s) {
    return MeanSquareSpeed(s, 1, s.ParticleCount) * s.ParticleCount;
}

// Deepest overlap of two discs and furthest step outside the vessel, in pixels.
struct Trespass {
    double overlap = 0.0;
    double outside = 0.0;
};

Trespass Check(const SimulationState& s) {
    Trespass t;
    const double d = s.ParticleSize;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        t.outside = std::max({t.outside, s.VesselLeft - s.PosX[i], s.PosX[i] - s.RightLimit(),
                              s.VesselTop - s.PosY[i], s.PosY[i] - s.BottomLimit()});
        for (int k = i + 1; k <= s.ParticleCount; ++k) {
            const double dist = std::hypot(s.PosX[k] - s.PosX[i], s.PosY[k] - s.PosY[i]);
            t.overlap = std::max(t.overlap, d - dist);
        }
    }
    return t;
}

struct Recorder : ExactHooks {
    std::vector<std::pair<int, int>> contacts;
    double impulse = 0.0;
    int bounces = 0;
    void WallBounce(int /*i*/, Wall /*wall*/, double j) override {
        impulse += j;
        ++bounces;
    }
    void Contact(int i, int k) override { contacts.emplace_back(i, k); }
};

TEST(ExactMotion, ExchangesOnlyTheComponentsAlongTheLineOfCentres) {
    SimulationState s;
    s.VesselLeft = 0;
    s.VesselTop = 0;
    s.VesselWidth = 500;
    s.VesselHeight = 500;
    s.ParticleSize = 10;
    s.StepDivisor = 1.0;
    s.ParticleCount = 2;
    // Head on: the two swap velocities, meeting once, at 5 px from each start.
    s.PosX[1] = 100, s.PosY[1] = 100, s.VelX[1] = 10, s.VelY[1] = 0;
    s.PosX[2] = 120, s.PosY[2] = 100, s.VelX[2] = -10, s.VelY[2] = 0;
    ExactMotion motion;
    Recorder hooks;
    motion.Advance(s, hooks);
    EXPECT_DOUBLE_EQ(s.VelX[1], -10);
    EXPECT_DOUBLE_EQ(s.VelX[2], 10);
    EXPECT_DOUBLE_EQ(s.PosX[1], 100);  // out 0.5 of the tick, back 0.5
    EXPECT_DOUBLE_EQ(s.PosX[2], 120);
    ASSERT_EQ(hooks.contacts.size(), 1u);
    EXPECT_EQ(hooks.contacts[0], std::make_pair(1, 2));

    // Glancing at 60 degrees: the line of centres is (cos 60, sin 60) at contact; a moving disc
    // hands over only the part of its velocity along it, and keeps the rest.
    s.ParticleCount = 2;
    s.PosX[1] = 100, s.PosY[1] = 100, s.VelX[1] = 20, s.VelY[1] = 0;
    const double ox = 10 * std::cos(M_PI / 3), oy = 10 * std::sin(M_PI / 3);
    s.PosX[2] = 100 + ox + 4, s.PosY[2] = 100 + oy, s.VelX[2] = 0, s.VelY[2] = 0;
    motion.Advance(s, hooks);  // meets after 0.2 of the tick
    const double along = 20 * std::cos(M_PI / 3);
    EXPECT_NEAR(s.VelX[2], along * std::cos(M_PI / 3), 1e-12);
    EXPECT_NEAR(s.VelY[2], along * std::sin(M_PI / 3), 1e-12);
    EXPECT_NEAR(s.VelX[1], 20 - along * std::cos(M_PI / 3), 1e-12);
    EXPECT_NEAR(s.VelY[1], -along * std::sin(M_PI / 3), 1e-12);
    EXPECT_EQ(motion.Totals().Collisions, 2);
}

TEST(ExactMotion, NothingPassesThroughAnythingAtAnySpeed) {
    // 15 px per tick against 2 px discs in a 20 px wide vessel; walls and discs all hold.
    SimulationState s;
    s.VesselLeft = 0;
    s.VesselTop = 0;
    s.VesselWidth = 22;
    s.VesselHeight = 22;
    s.ParticleSize = 2;
    s.StepDivisor = 20.0;
    s.ParticleCount = 2;
    s.PosX[1] = 1, s.PosY[1] = 10, s.VelX[1] = 300, s.VelY[1] = 0;
    s.PosX[2] = 10, s.PosY[2] = 10, s.VelX[2] = 0, s.VelY[2] = 0;
    ExactMotion motion;
    Recorder hooks;
    for (int tick = 0; tick < 200; ++tick) {
        const bool leftOfTwo = s.PosX[1] < s.PosX[2];
        motion.Advance(s, hooks);
        // On one line, the two can never change order.
        ASSERT_EQ(leftOfTwo, s.PosX[1] < s.PosX[2]) << "tick " << tick;
        const Trespass t = Check(s);
        ASSERT_LE(t.overlap, 1e-9);
        ASSERT_LE(t.outside, 0.0);
    }
    EXPECT_GT(hooks.contacts.size(), 100u);
    // Speed at the wall: each reflection gives twice the normal velocity.
    EXPECT_NEAR(hooks.impulse / hooks.bounces, 600.0, 1e-9);
}

TEST(ExactMotion, ConservesEnergyAndKeepsDiscsApartInACrowd) {
    // 1000 discs of 5 px in 300 x 300 (22% covered), fast: a million meetings.
    auto s = Gas(1000, 5, 300, 300, 300, 7);
    const double before = Energy(*s);
    ExactMotion motion;
    for (int tick = 1; motion.Totals().Collisions < 1'000'000; ++tick) {
        motion.Advance(*s);
        if (tick % 100 == 0) {
            const Trespass t = Check(*s);
            ASSERT_LE(t.overlap, 1e-9) << "tick " << tick;
            ASSERT_LE(t.outside, 0.0) << "tick " << tick;
        }
    }
    EXPECT_EQ(motion.Totals().CutTicks, 0);
    EXPECT_NEAR(Energy(*s) / before, 1.0, 1e-9);
}

TEST(ExactMotion, SpeedsRelaxToMaxwellWithinTenCollisionsPerParticle) {
    // The described start (components uniform) is far from Maxwell; the exact gas gets there.
    const int n = 500;
    for (uint64_t seed : {1u, 2u, 3u}) {
        auto s = Gas(n, 5, 600, 600, 50, seed);
        const double start = MaxwellDistance(*s, 1, n);
        ExactMotion motion;
        while (motion.Totals().Collisions < 10 * n / 2)
            motion.Advance(*s);
        const double end = MaxwellDistance(*s, 1, n);
        EXPECT_GT(start, 0.08) << "seed " << seed;
        EXPECT_LT(end, 1.36 / std::sqrt(n)) << "seed " << seed;
    }
}

// Mean free path from the totals: every meeting ends two free paths.
double MeasuredFreePath(const ExactMotion& m) {
    return m.Totals().Distance / (2.0 * static_cast<double>(m.Totals().Collisions));
}

TEST(ExactMotion, MeanFreePathMatchesKineticTheoryAtAnySpeed) {
    // 500 discs of 5 px in 600 x 600: 2.7% covered.
    const int n = 500;
    for (double vmax : {50.0, 300.0}) {
        auto s = Gas(n, 5, 600, 600, vmax, 11);
        ExactMotion motion;
        for (int tick = 0; tick < 100; ++tick)
            motion.Advance(*s);  // settle
        motion.Reset();
        while (motion.Totals().Collisions < 6000)
            motion.Advance(*s);
        const double area = (s->RightLimit() - s->VesselLeft) * (s->BottomLimit() - s->VesselTop);
        const double theory = FreePath2D(area, n, 5);
        EXPECT_NEAR(MeasuredFreePath(motion) / theory, 1.0, 0.05) << "Vmax " << vmax;
    }
}

TEST(ExactMotion, WallImpulseGivesTheHardDiscGasPressure) {
    // p = N m <v^2> / (2 A) for an ideal 2-D gas; discs covering a fraction eta of the area
    // push harder by Henderson's factor (1 + eta^2 / 8) / (1 - eta)^2: 4% at 2% covered, 1.5%
    // at 0.7%, which the ideal value alone then meets within 5%.
    const struct { int n, size, side; } gases[] = {{400, 4, 500}, {300, 3, 600}};
    for (const auto& gas : gases) {
        for (uint64_t seed : {5u, 7u, 9u}) {
            auto s = Gas(gas.n, gas.size, gas.side, gas.side, 100, seed);
            ExactMotion motion;
            for (int tick = 0; tick < 50; ++tick)
                motion.Advance(*s);
            Recorder hooks;
            const int ticks = 1200;
            for (int tick = 0; tick < ticks; ++tick)
                motion.Advance(*s, hooks);
            const double w = s->RightLimit() - s->VesselLeft;
            const double h = s->BottomLimit() - s->VesselTop;
            const double div = s->StepDivisor;
            const double measured = hooks.impulse / div / (ticks * 2.0 * (w + h));
            const double ideal =
                gas.n * MeanSquareSpeed(*s, 1, gas.n) / (div * div) / (2.0 * w * h);
            const double eta = gas.n * M_PI * gas.size * gas.size / 4 / (w * h);
            const double discs = (1 + eta * eta / 8) / ((1 - eta) * (1 - eta));
            EXPECT_NEAR(measured / (ideal * discs), 1.0, 0.03) << gas.n << ", seed " << seed;
            if (eta < 0.01) {
                EXPECT_NEAR(measured / ideal, 1.0, 0.05) << gas.n << ", seed " << seed;
            }
        }
    }
}

TEST(ExactMotion, EndsEveryTickInCrampedOrDegenerateVessels) {
    // A vessel exactly one particle wide, a particle jammed between two others against a wall,
    // a particle outside the vessel: each tick ends, and everyone ends inside.
    SimulationState s;
    s.VesselLeft = 50;
    s.VesselTop = 50;
    s.VesselWidth = 8;
    s.VesselHeight = 100;
    s.ParticleSize = 8;
    s.StepDivisor = 20.0;
    s.ParticleCount = 3;
    s.PosX[1] = 50, s.PosY[1] = 50, s.VelX[1] = 40, s.VelY[1] = 300;
    s.PosX[2] = 50, s.PosY[2] = 58, s.VelX[2] = -40, s.VelY[2] = -300;
    s.PosX[3] = 900, s.PosY[3] = -40, s.VelX[3] = 0, s.VelY[3] = 100;
    ExactMotion motion;
    for (int tick = 0; tick < 100; ++tick)
        motion.Advance(s);
    EXPECT_EQ(motion.Totals().CutTicks, 0);
    EXPECT_LE(Check(s).outside, 0.0);
    EXPECT_DOUBLE_EQ(s.PosX[3], 50);
    // Nothing at all: no work, no change.
    s.ParticleCount = 0;
    motion.Advance(s);
}

TEST(ExactMotion, AConfinedGroupStaysInItsStripWhileTheOthersCrossIt) {
    // A gas in the left 400 px, then the vessel widened by 150 px with a strip of 40 more
    // particles beyond the gas, in rows 8 px apart.
    auto s = Gas(360, 5, 400, 300, 300, 17);  // up to 15 px a tick
    const double low = s->RightLimit() + 30, high = low + 60;
    s->VesselWidth = 550;
    for (int k = 0; k < 40; ++k) {
        const int i = ++s->ParticleCount;
        s->PosX[i] = low + (k % 4) * 15.0 + 2;
        s->PosY[i] = s->VesselTop + (k / 4) * 25.0 + 2;
        s->VelX[i] = (k % 2 ? 1 : -1) * 200.0;
        s->VelY[i] = (k % 3 - 1) * 100.0;
    }
    ExactMotion motion;
    motion.Confine(361, 400, low, high);
    Recorder hooks;
    const double before = Energy(*s);
    double leftmost = 1e9, rightmost = -1e9, furthest = 0;
    for (int tick = 0; tick < 400; ++tick) {
        motion.Advance(*s, hooks);
        for (int i = 361; i <= 400; ++i)
            leftmost = std::min(leftmost, s->PosX[i]), rightmost = std::max(rightmost, s->PosX[i]);
        for (int i = 1; i <= 360; ++i)
            furthest = std::max(furthest, s->PosX[i]);
        const Trespass t = Check(*s);
        ASSERT_LT(t.overlap, 1e-9) << "tick " << tick;
        ASSERT_LE(t.outside, 0.0) << "tick " << tick;
    }
    EXPECT_GE(leftmost, low);
    EXPECT_LE(rightmost, high);
    EXPECT_GT(furthest, high) << "the free particles should pass the strip";
    EXPECT_NEAR(Energy(*s) / before, 1.0, 1e-9);
    // The strip's edges are not the vessel's walls.
    EXPECT_EQ(hooks.bounces, motion.Totals().WallBounces);
    // Unconfined, the group spreads out of the strip.
    motion.Unconfine();
    double spread = 0;
    for (int tick = 0; tick < 400; ++tick) {
        motion.Advance(*s);
        for (int i = 361; i <= 400; ++i)
            spread = std::max({spread, low - s->PosX[i], s->PosX[i] - high});
    }
    EXPECT_GT(spread, 0.0);
}

TEST(ExactMeasures, MaxwellDistanceHistogramAndPressureWindow) {
    SimulationState s;
    s.ParticleCount = 4;
    const double speeds[] = {1, 2, 3, 10};
    for (int i = 1; i <= 4; ++i)
        s.VelX[i] = speeds[i - 1], s.VelY[i] = 0;
    EXPECT_DOUBLE_EQ(MeanSquareSpeed(s, 1, 4), (1 + 4 + 9 + 100) / 4.0);
    EXPECT_EQ(SpeedHistogram(s, 1, 4, 4, 4.0), (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(SpeedHistogram(s, 2, 3, 2, 0.0), (std::vector<int>{0, 0}));
    // The CDF is the integral of the density.
    double integral = 0.0;
    for (double v = 0.0005; v < 3.0; v += 0.001)
        integral += MaxwellDensity2D(v, 2.0) * 0.001;
    EXPECT_NEAR(integral, MaxwellCdf2D(3.0, 2.0), 1e-6);
    // Exact quantiles of the distribution are as close to it as a sample of four can be.
    for (int i = 1; i <= 4; ++i)
        s.VelX[i] = std::sqrt(-2.0 * std::log(1.0 - (i - 0.5) / 4.0)), s.VelY[i] = 0;
    EXPECT_LT(MaxwellDistance(s, 1, 4), 0.2);
    EXPECT_EQ(MaxwellDistance(s, 1, 1), 0.0);

    // At least 4 ticks, longer until it holds 10 bounces, never before the Reset.
    PressureWindow window(4, 10);
    window.Reset(100);
    EXPECT_EQ(window.Pressure(100, 10), 0.0);
    window.Add(101, 30, 6);
    EXPECT_DOUBLE_EQ(window.Pressure(101, 10), 30.0 / (1 * 10));
    window.Add(102, 10, 2);
    window.Add(103, 0, 0);
    window.Add(104, 20, 4);
    window.Add(105, 20, 4);
    // 4 ticks (102..105) hold 10 bounces: the window is 4 ticks long.
    EXPECT_DOUBLE_EQ(window.Pressure(105, 10), 50.0 / (4 * 10));
    window.Add(106, 0, 0);
    window.Add(107, 0, 0);
    // 104..107 hold only 8; it reaches back to 102, which makes 10.
    EXPECT_DOUBLE_EQ(window.Pressure(107, 10), 50.0 / (6 * 10));
    window.Reset(107);
    EXPECT_EQ(window.Pressure(107, 10), 0.0);
}

TEST(ExactMotion, AHeapOfOverlappingParticlesCannotHoldATickLong) {
    // 1500 discs of 20 px heaped on a few places, as a placement that ran out of attempts can
    // leave them: every tick ends within its bound of events, and the ticks are counted.
    auto s = std::make_unique<SimulationState>();
    s->VesselLeft = 10;
    s->VesselTop = 10;
    s->VesselWidth = 200;
    s->VesselHeight = 200;
    s->ParticleSize = 20;
    s->StepDivisor = 20.0;
    s->ParticleCount = 1500;
    std::mt19937_64 rng(3);
    std::uniform_int_distribution<int> spot(0, 3);
    std::uniform_real_distribution<double> speed(-300.0, 300.0);
    for (int i = 1; i <= s->ParticleCount; ++i) {
        s->PosX[i] = 40 + 30 * spot(rng);
        s->PosY[i] = 40 + 30 * spot(rng);
        s->VelX[i] = speed(rng);
        s->VelY[i] = speed(rng);
    }
    ExactMotion motion;
    for (int tick = 0; tick < 3; ++tick)
        motion.Advance(*s);
    const ExactTotals& t = motion.Totals();
    EXPECT_LE(t.Collisions + t.WallBounces, 3 * ExactMotion::EventLimit(1500));
    EXPECT_GT(t.CutTicks, 0);
    EXPECT_LE(Check(*s).outside, 0.0);
}

}  // namespace
