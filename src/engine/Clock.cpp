#include "engine/Clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "engine/SimulationState.h"

namespace {

constexpr int64_t kMsPerDay = 86'400'000;
// 1 January 1970 counted from 1 January of year 1 as day 1.
constexpr int64_t kUnixEpochDay = 719'163;

}  // namespace

int64_t WallClock::MillisecondStamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int64_t micros = duration_cast<microseconds>(now.time_since_epoch()).count();
    // Round the microseconds to whole milliseconds, halves to the even neighbour.
    const double ms = std::nearbyint(static_cast<double>(micros) / 1000.0);
    return kUnixEpochDay * kMsPerDay + static_cast<int64_t>(ms) +
           static_cast<int64_t>(local.tm_gmtoff) * 1000;
}

int64_t ElapsedSeconds(const SimulationState& s) {
    const double ms = static_cast<double>(s.ClockNow - s.ClockStart - s.PausedTotal);
    return static_cast<int64_t>(std::trunc(ms / 1000.0));
}
