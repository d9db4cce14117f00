#pragma once

#include <cstdint>
#include <vector>

#include "engine/SimulationState.h"

// What a mode may add to the exact motion, called at the moment of each event, with PosX/PosY
// of the particles involved already at that moment:
//  - WallBounce(i, wall, impulse): particle i is reflected by a wall; impulse is the momentum it
//    gives the wall per unit mass, in speed units (twice its normal velocity);
//  - Contact(i, k): particles i and k meet (each meeting once, i < k), before the exchange.
class ExactHooks {
  public:
    virtual ~ExactHooks() = default;
    virtual void WallBounce(int /*i*/, Wall /*wall*/, double /*impulse*/) {}
    virtual void Contact(int /*i*/, int /*k*/) {}
};

// Totals since the last Reset, for the measurements of the exact model.
struct ExactTotals {
    int64_t Collisions = 0;  // particle-particle meetings
    int64_t WallBounces = 0;
    double Distance = 0.0;  // path length of all particles, pixels
    double Time = 0.0;      // ticks advanced
    int64_t CutTicks = 0;   // ticks that ran out of events allowed (should stay 0)
    double Impulse = 0.0;   // momentum given to the walls per unit mass, speed units
};

// Particles 1..ParticleCount as hard discs of diameter ParticleSize in the rectangle the
// described motion uses (sprite corners between VesselLeft..RightLimit, VesselTop..BottomLimit).
// One tick moves every particle by its velocity / StepDivisor, exactly: collisions are found by
// their swept times and handled in time order, so nothing passes through anything at any speed.
// Discs exchange the velocity components along the line of centres (equal masses); walls
// reflect specularly. Kinetic energy is conserved to rounding.
class ExactMotion {
  public:
    void Advance(SimulationState& s, ExactHooks& hooks);
    void Advance(SimulationState& s) {
        ExactHooks none;
        Advance(s, none);
    }

    // Particles first..last (1-based) move between the sprite x positions low..high only, as if
    // two walls of their own stood there (the heat-transport partition and the two gases beside
    // it); the others pass. Their bounces there are not wall bounces of the vessel. Each call
    // adds a group (groups do not overlap); they last until Unconfine.
    void Confine(int first, int last, double low, double high) {
        strips_.push_back({first - 1, last - 1, low, high});
    }
    void Unconfine() { strips_.clear(); }

    const ExactTotals& Totals() const { return totals_; }
    void Reset() { totals_ = {}; }

    // Bound on events handled in one tick: a base plus some per particle, far above what a gas
    // needs (a crowded 1500 uses about 2 per particle). Past it the tick ends with a plain move
    // and a clamp, so that a heap of overlapping particles (left by a placement that ran out of
    // attempts) cannot hold the window: about 40 ms at most here.
    static constexpr int64_t kEventBase = 10'000;
    static constexpr int64_t kEventsPerParticle = 40;
    static int64_t EventLimit(int particles) { return kEventBase + kEventsPerParticle * particles; }
    // And on the pairs looked at in one tick, which a heap makes many per event.
    static constexpr int64_t kPairLimit = 1'000'000;

  private:
    // An event: a wall (j = -wall), a cell crossing (j = kCross) or a meeting with j >= 0.
    struct Event {
        double t;
        int32_t i;
        int32_t j;
        uint32_t ci;
        uint32_t cj;
        bool operator>(const Event& o) const { return t > o.t; }
    };
    static constexpr int32_t kCross = -10;
    // Strip edges as events: j = kStripLow or kStripHigh.
    static constexpr int32_t kStripLow = -5;
    static constexpr int32_t kStripHigh = -6;
    struct Strip {
        int first = 0, last = -1;  // 0-based, empty when last < first
        double low = 0.0, high = 0.0;
    };
    // The group particle i (0-based) is confined to, if any.
    const Strip* StripOf(int i) const {
        for (const Strip& strip : strips_)
            if (i >= strip.first && i <= strip.last) return &strip;
        return nullptr;
    }
    void PredictStrip(int i, const Strip& strip, double now);
    void BounceOffStrip(int i, int32_t edge);

    void Load(const SimulationState& s);
    void Store(SimulationState& s) const;
    void BuildGrid();
    void Link(int i, int cell);
    void Unlink(int i);
    void Push(const Event& e);
    void MoveTo(int i, double t);
    void PredictWall(int i, double now);
    void PredictCrossing(int i, double now);
    void PredictPair(int i, int j, double now);
    void PredictCell(int i, int cx, int cy, double now);
    void Predict(int i, double now);
    void Cross(int i, uint32_t way, double now);
    void Meet(int i, int j, double now, ExactHooks& hooks);
    void Bounce(int i, Wall wall, double divisor, ExactHooks& hooks);
    void Show(int i);  // writes i's position of now into the state, for the hooks

    // Work arrays, 0-based; kept from tick to tick to avoid allocations.
    std::vector<double> x_, y_, u_, v_, t_, speed_;
    std::vector<uint32_t> count_;
    // Cells at least a particle wide, so that touching particles stand in neighbouring cells;
    // each particle is linked into the cell it stands in.
    std::vector<int32_t> cellX_, cellY_, head_, next_, prev_;
    std::vector<Event> queue_;          // a heap, earliest first
    SimulationState* state_ = nullptr;  // during Advance
    int64_t pairs_ = 0;                 // pairs looked at in this tick
    int n_ = 0;
    double d_ = 0.0, d2_ = 0.0;
    double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    double cellW_ = 1.0, cellH_ = 1.0;
    int cols_ = 1, rows_ = 1;
    ExactTotals totals_;
    std::vector<Strip> strips_;
};
