#include "engine/Random.h"

#include <chrono>

void RandomSource::Randomize() {
    if (nextFixedSeed_) {
        engine_.seed((*nextFixedSeed_)++);
        return;
    }
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<uint64_t>(ticks));
}

int RandomSource::Random(int n) {
    if (n < 1) return 0;
    // Rejection sampling keeps every value equally likely for any n.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t r;
    do {
        r = engine_();
    } while (r >= limit);
    return static_cast<int>(r % range);
}
