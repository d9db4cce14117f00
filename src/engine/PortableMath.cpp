#include "engine/PortableMath.h"

#include <cmath>
#include <limits>

namespace {

// A number kept as an unevaluated sum hi + lo, |lo| at most half an ulp of hi: about 106 bits.
struct Pair {
    double hi;
    double lo;
};

Pair TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

Pair FastTwoSum(double a, double b) {  // |a| >= |b|
    const double s = a + b;
    return {s, b - (s - a)};
}

// Veltkamp's split: a = hi + lo, each with at most 26 bits, so that their products are exact.
Pair Split(double a) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}

Pair TwoProduct(double a, double b) {
    const double p = a * b;
    const Pair x = Split(a);
    const Pair y = Split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Pair Multiply(Pair a, Pair b) {
    Pair p = TwoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return FastTwoSum(p.hi, p.lo);
}

Pair DivideByWhole(Pair a, double n) {
    const double q = a.hi / n;
    const Pair back = TwoProduct(q, n);
    const double rest = ((a.hi - back.hi) - back.lo + a.lo) / n;
    return FastTwoSum(q, rest);
}

Pair OnePlus(Pair a) {
    Pair s = TwoSum(1.0, a.hi);
    s.lo += a.lo;
    return FastTwoSum(s.hi, s.lo);
}

// ln 2 in three parts; the first two have 40 bits, so that k times them is exact for any k
// an exponent can need, and x - k ln2 comes out exact to far beyond a double.
constexpr double kLn2A = 0x1.62e42fefa4000p-1;
constexpr double kLn2B = -0x1.8432a1b0e2000p-43;
constexpr double kLn2C = -0x1.8cff81a12a17ep-85;
constexpr double kInvLn2 = 0x1.71547652b82fep+0;

// Beyond these e^x is infinite or below the smallest double, e^x - 1 is -1.
constexpr double kOverflow = 709.782712893384;
constexpr double kUnderflow = -745.2;
constexpr double kMinusOne = -38.0;

// x = k ln2 + r, |r| <= ln2 / 2, with r as a pair.
struct Reduced {
    int k;
    Pair r;
};

Reduced Reduce(double x) {
    const double k = std::nearbyint(x * kInvLn2);
    Pair r = TwoSum(x - k * kLn2A, -(k * kLn2B));
    r.lo -= k * kLn2C;
    return {static_cast<int>(k), FastTwoSum(r.hi, r.lo)};
}

// 1 + r/2 (1 + r/3 (1 + ... r/24)): (e^r - 1) / r, with terms to far below the pair's precision
// for |r| <= ln2 / 2.
Pair ExpTail(Pair r) {
    Pair p{1.0, 0.0};
    for (int n = 24; n >= 2; --n)
        p = OnePlus(DivideByWhole(Multiply(r, p), n));
    return p;
}

}  // namespace

double PortableExp(double x) {
    if (std::isnan(x)) return x;
    if (x > kOverflow) return std::numeric_limits<double>::infinity();
    if (x < kUnderflow) return 0.0;
    const Reduced red = Reduce(x);
    const Pair e = OnePlus(Multiply(red.r, ExpTail(red.r)));
    return std::ldexp(e.hi + e.lo, red.k);
}

double PortableExpm1(double x) {
    if (std::isnan(x)) return x;
    if (x > kOverflow) return std::numeric_limits<double>::infinity();
    if (x < kMinusOne) return -1.0;
    const Reduced red = Reduce(x);
    const Pair m = Multiply(red.r, ExpTail(red.r));  // e^r - 1
    if (red.k == 0) return m.hi + m.lo;
    // 2^k e^r - 1, the scaling exact.
    const Pair e = OnePlus(m);
    Pair s = TwoSum(std::ldexp(e.hi, red.k), -1.0);
    s.lo += std::ldexp(e.lo, red.k);
    return s.hi + s.lo;
}
