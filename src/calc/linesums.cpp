#include "calc/linesums.h"

#include <bit>
#include <cstdint>

namespace orv::calc {

// With D = 20·log10(d) + slope·d + offset,
//     10^(-D/10) = 10^(-offset/10) · exp(-slope·d·ln10/10) / d²
// and the Cm factor 10^(Cm/10) = exp(ln10/10·(5 - 50·(hs + hr)/d)) joins the exponent: per
// point one square root, one division and two exponentials, no logarithm and no power.
// Four points at a time in vector registers; the exponential is written out so that it
// runs on all four at once. The helpers are always inlined: each clone of the loop (AVX2
// and plain) passes vectors in its own registers, so they must never be called across.

namespace {

using Vec = double __attribute__((vector_size(32)));
using Mask = std::int64_t __attribute__((vector_size(32)));
constexpr int kLanes = 4;

[[gnu::always_inline]] inline Vec select(Mask m, Vec yes, Vec no) {
    return __builtin_bit_cast(Vec, (__builtin_bit_cast(Mask, yes) & m) |
                                       (__builtin_bit_cast(Mask, no) & ~m));
}

// e^x for |x| < 700. The reduction x = n·ln2 + r is exact (ln 2 split in a part whose
// products with n are exact and a small rest); a degree-13 Taylor polynomial on
// |r| <= ln2/2 leaves a relative error of a few units in the last place.
[[gnu::always_inline]] inline Vec exp4(Vec x) {
    constexpr double log2e = 1.4426950408889634074;
    constexpr double shifter = 0x1.8p52; // adding it leaves round(y) in the low bits of y
    constexpr double ln2Hi = 6.93147180369123816490e-01;
    constexpr double ln2Lo = 1.90821492927058770002e-10;

    const Vec t = x * log2e + shifter;
    const Vec n = t - shifter;
    const Vec r = (x - n * ln2Hi) - n * ln2Lo;

    Vec p = r * (1.0 / 6227020800.0) + 1.0 / 479001600.0;
    p = p * r + 1.0 / 39916800.0;
    p = p * r + 1.0 / 3628800.0;
    p = p * r + 1.0 / 362880.0;
    p = p * r + 1.0 / 40320.0;
    p = p * r + 1.0 / 5040.0;
    p = p * r + 1.0 / 720.0;
    p = p * r + 1.0 / 120.0;
    p = p * r + 1.0 / 24.0;
    p = p * r + 1.0 / 6.0;
    p = p * r + 0.5;
    p = p * r + 1.0;
    p = p * r + 1.0;

    // 2^n built directly in the exponent field: the low bits of t hold n.
    const Mask scale = (__builtin_bit_cast(Mask, t) + 1023) << 52;
    return p * __builtin_bit_cast(Vec, scale);
}

[[gnu::always_inline]] inline Vec sqrt4(Vec x) {
    Vec r;
    for (int l = 0; l < kLanes; ++l)
        r[l] = __builtin_sqrt(x[l]);
    return r;
}

// One body, built twice: for any x86-64 and for processors with AVX2, whose wider registers
// take all four lanes in one instruction.
[[gnu::always_inline]] inline LineSums sumsKernel(const LineSetup& s, long points) {
    const double tenth = kLn10 / 10.0;
    const double slopeK = -tenth * s.ground.slope;
    const double meteoK = tenth * 5.0;
    const double meteoDistK = tenth * 50.0 * s.heightSum;
    const double a2 = s.a * s.a;
    const double twoA = 2.0 * s.a;
    const Vec meteoFrom = Vec{} + 10.0 * s.heightSum;
    const Vec zero = Vec{};

    Vec acc1 = zero;
    Vec acc2 = zero;
    Mask coincident = Mask{};
    Vec j = Vec{1, 2, 3, 4};
    for (long first = 1; first <= points; first += kLanes, j += kLanes) {
        // Lanes past the last point are computed as well and weighed 0.
        const Mask valid = j <= static_cast<double>(points);
        // The same expressions, in the same order, as the formulas: the same bits.
        const Vec x = (j - 0.5) * s.length / s.pointCount;
        const Vec r2 = a2 + x * x - twoA * x * s.cosine;
        const Vec d2 = select(r2 > 0.0, r2, zero) + s.heightDiff2;
        const Vec d = sqrt4(d2);
        const Vec inv = 1.0 / d;
        const Vec e1 = slopeK * d;
        const Vec e2 = e1 + meteoK - meteoDistK * inv;
        const Vec w = select(valid, inv * inv, zero);
        const Vec t1 = w * exp4(e1);
        const Vec t2 = w * exp4(e2);
        acc1 += t1;
        acc2 += select(meteoFrom < d, t2, t1);
        coincident |= (d2 == 0.0) & valid;
    }

    LineSums sums;
    for (int l = 0; l < kLanes; ++l) {
        sums.s1 += acc1[l];
        sums.s2 += acc2[l];
        sums.coincident = sums.coincident || coincident[l] != 0;
    }
    const double offsetFactor = pow10(-s.ground.offset / 10.0);
    sums.s1 *= offsetFactor;
    sums.s2 *= offsetFactor;
    return sums;
}

} // namespace

LineSums lineSumsPlain(const LineSetup& setup, long points) {
    return sumsKernel(setup, points);
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] LineSums lineSumsWide(const LineSetup& setup, long points) {
    return sumsKernel(setup, points);
}

bool hasWideVectors() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}
#else
LineSums lineSumsWide(const LineSetup& setup, long points) {
    return sumsKernel(setup, points);
}
bool hasWideVectors() {
    return false;
}
#endif

LineSums lineSums(const LineSetup& setup, long points) {
    return hasWideVectors() ? lineSumsWide(setup, points) : lineSumsPlain(setup, points);
}

} // namespace orv::calc
