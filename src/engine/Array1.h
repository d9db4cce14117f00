#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#if defined(KINETRA_CHECKED_ARRAYS) || !defined(NDEBUG)
#define KINETRA_CHECK_INDEX(i, n)                                                       \
    do {                                                                                \
        if ((i) < 1 || (i) > (n)) {                                                     \
            std::fprintf(stderr, "index %d outside 1..%d\n", static_cast<int>(i), (n)); \
            std::abort();                                                               \
        }                                                                               \
    } while (false)
#else
#define KINETRA_CHECK_INDEX(i, n) ((void)0)
#endif

// A fixed array indexed from 1, as every loop of the simulation counts from 1.
// Checked builds stop at an index outside 1..N instead of touching a neighbour's memory.
template <class T, int N>
class Array1 {
  public:
    static constexpr int kSize = N;

    T& operator[](int i) {
        KINETRA_CHECK_INDEX(i, N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        KINETRA_CHECK_INDEX(i, N);
        return items_[static_cast<std::size_t>(i - 1)];
    }

    // Raw access for tight loops: element i lives at Data()[i - 1].
    T* Data() { return items_.data(); }
    const T* Data() const { return items_.data(); }

    void Fill(const T& value) { items_.fill(value); }

    friend bool operator==(const Array1&, const Array1&) = default;

  private:
    std::array<T, N> items_{};
};
