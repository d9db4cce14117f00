#pragma once

#include <cstdint>

struct SimulationState;

// Source of the millisecond stamp; tests substitute a clock they drive by hand.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t MillisecondStamp() = 0;
};

// Local wall clock: day number (1 January of year 1 is day 1) x 86 400 000 + ms of the day.
class WallClock final : public Clock {
  public:
    int64_t MillisecondStamp() override;
};

// A clock that only moves when told to.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(int64_t start = 0) : now_(start) {}
    int64_t MillisecondStamp() override { return now_; }
    void Set(int64_t ms) { now_ = ms; }
    void Advance(int64_t ms) { now_ += ms; }

  private:
    int64_t now_;
};

// Seconds shown in every "Czas" line: the run time less the pauses, truncated toward zero.
int64_t ElapsedSeconds(const SimulationState& s);
