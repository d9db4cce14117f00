#pragma once

#include <cstdint>
#include <optional>
#include <random>

// The generator behind Randomize and Random(n). Every initialiser reseeds it; tests fix the
// seed sequence so that a run can be repeated.
class RandomSource {
  public:
    // Reseeds from the time of day, or from the next fixed seed when one is set.
    void Randomize();
    // A uniform whole number 0 <= r < n; 0 when n < 1.
    int Random(int n);

    // Makes every later Randomize use seed, seed + 1, seed + 2, ...
    void UseFixedSeeds(uint64_t seed) { nextFixedSeed_ = seed; }
    void Seed(uint64_t seed) { engine_.seed(seed); }

  private:
    std::mt19937_64 engine_{0x6b696e65u};
    std::optional<uint64_t> nextFixedSeed_;
};
