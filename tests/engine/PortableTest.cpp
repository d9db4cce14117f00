// What the engine computes itself so that the desktop and the browser give the same bits: the
// event heap's order of ties and e^x. Each is checked against the desktop's library where this
// build has it, and against a fingerprint that every build must give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "CallHash.h"
#include "engine/Heap.h"
#include "engine/PortableMath.h"

namespace {

struct Item {
    int key;
    int id;
    bool operator>(const Item& o) const { return key > o.key; }
};

// Pushes and pops with many equal keys; the ids in the order they come out.
template <class Push, class Pop>
std::vector<int> PopOrder(Push push, Pop pop) {
    std::mt19937_64 random(11);
    std::vector<Item> heap;
    std::vector<int> order;
    for (int step = 0, id = 0; step < 20000; ++step) {
        if (heap.empty() || random() % 3 != 0) {
            heap.push_back({static_cast<int>(random() % 8), id++});
            push(heap);
        } else {
            pop(heap);
            order.push_back(heap.back().id);
            heap.pop_back();
        }
    }
    return order;
}

std::vector<int> OwnHeapOrder() {
    return PopOrder([](std::vector<Item>& h) { HeapPush(h, std::greater<Item>()); },
                    [](std::vector<Item>& h) { HeapPop(h, std::greater<Item>()); });
}

}  // namespace

TEST(Portable, EventHeapTakesTiesInOneOrderEverywhere) {
    const std::vector<int> own = OwnHeapOrder();
    Fnv1a hash;
    for (int id : own)
        hash.Int(id);
    EXPECT_EQ(hash.Value(), 0x8573c1b30a741a82ull);
#if defined(__GLIBCXX__)
    // The order the desktop's runs have always had.
    const std::vector<int> library = PopOrder(
        [](std::vector<Item>& h) { std::push_heap(h.begin(), h.end(), std::greater<Item>()); },
        [](std::vector<Item>& h) { std::pop_heap(h.begin(), h.end(), std::greater<Item>()); });
    EXPECT_EQ(own, library);
#endif
}

TEST(Portable, ExpIsCorrectlyRoundedAndTheSameEverywhere) {
    // The standard distributions differ between libraries; the generator's bits do not.
    std::mt19937_64 random(5);
    auto uniform = [&random](double low, double high) {
        return low + (high - low) * static_cast<double>(random() >> 11) * 0x1p-53;
    };
    auto wide = [&] { return uniform(-740.0, 709.0); };
    auto histogram = [&] { return uniform(-9.0, 0.0); };  // -v^2 / <v^2> up to 3 rms
    std::vector<double> xs = {0.0, -0.0, 1.0, -1.0, 1e-300, -1e-20, 0.5, 700.0, -700.0, 709.78};
    for (int n = 0; n < 20000; ++n) {
        xs.push_back(wide());
        xs.push_back(histogram());
        xs.push_back(histogram() * 1e-6);
    }
    Fnv1a hash;
    for (double x : xs) {
        hash.Real(PortableExp(x));
        hash.Real(PortableExpm1(x));
    }
    EXPECT_EQ(hash.Value(), 0xc1ce07df21983c1eull);
    EXPECT_EQ(PortableExp(0.0), 1.0);
    EXPECT_EQ(PortableExp(1.0), 0x1.5bf0a8b145769p+1);
    EXPECT_EQ(PortableExpm1(-1e-20), -1e-20);
    EXPECT_TRUE(std::isinf(PortableExp(710.0)));
    EXPECT_EQ(PortableExp(-746.0), 0.0);
    EXPECT_EQ(PortableExpm1(-40.0), -1.0);
    EXPECT_TRUE(std::isnan(PortableExp(NAN)));
#if LDBL_MANT_DIG == 64
    // Within half an ulp of the 64-bit long double result, give or take its own error.
    auto halfUlp = [](double got, long double want) {
        const long double ulp = std::nextafter(std::fabs(got), INFINITY) - std::fabs(got);
        return std::fabs(want - got) <= ulp * (0.5L + 1.0L / 512);
    };
    for (double x : xs) {
        if (PortableExp(x) < DBL_MIN) continue;  // below the normal range the scaling rounds
        ASSERT_TRUE(halfUlp(PortableExp(x), std::exp(static_cast<long double>(x)))) << x;
        ASSERT_TRUE(halfUlp(PortableExpm1(x), std::expm1(static_cast<long double>(x)))) << x;
    }
#endif
}
