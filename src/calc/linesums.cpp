#include "calc/linesums.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace orv::calc {

// With D = 20·log10(d) + slope·d + offset,
//     10^(-D/10) = 10^(-offset/10) · exp(-slope·d·ln10/10) / d²
// and the Cm factor 10^(Cm/10) = 10^(1/2) · exp(-u) with u = ln10/10 · 50·(hs + hr)/d: per
// point one square root, one division, one exponential over the whole double range and one
// short polynomial for the Cm factor, whose u never leaves 0..ln10/2 where Cm applies. No
// logarithm and no power.
//
// Four points at a time in vector registers. The helpers are always inlined: each clone of
// the loop (AVX2 and plain) passes vectors in its own registers, so they must never be
// called across.
//
// Accuracy: the geometry (x, r², d) is formed exactly as the formulas form it, because a
// receiving point close to the line makes r² a difference of nearly equal numbers, where
// any other order of operations changes the result. The two polynomials are accurate to a
// few units in the last place; the sums agree with the formulas to about 1e-13 dB.

namespace {

using Vec = double __attribute__((vector_size(32)));
using Mask = std::int64_t __attribute__((vector_size(32)));
constexpr int kLanes = 4;

// a·b + c, in one rounding where the processor has fused multiply-add. The file is built
// without contraction, so everything not written with madd rounds after every operation.
template <bool kFused> [[gnu::always_inline]] inline Vec madd(Vec a, Vec b, Vec c) {
    if constexpr (kFused) {
        Vec r;
        for (int l = 0; l < kLanes; ++l)
            r[l] = __builtin_fma(a[l], b[l], c[l]);
        return r;
    } else {
        return a * b + c;
    }
}
template <bool kFused> [[gnu::always_inline]] inline Vec madd(Vec a, Vec b, double c) {
    return madd<kFused>(a, b, Vec{} + c);
}

// e^x for -700 <= x <= 0. With x = n·ln2 + r, n whole, the fused product n·ln2 is exact,
// so r carries only the error of ln2 itself, |n|·2.3e-17: below 1e-15 for every distance
// under 40 km. On |r| <= ln2/2 a degree-9 polynomial fitted to e^r (Chebyshev nodes)
// leaves a relative error below 2e-14. Without fused multiply-add, ln2 is split in a part
// whose products with n are exact and a small rest.
template <bool kFused> [[gnu::always_inline]] inline Vec exp4(Vec x) {
    constexpr double log2e = 1.4426950408889634;
    constexpr double shifter = 0x1.8p52; // adding it leaves round(y) in the low bits of y
    constexpr double ln2 = 0.69314718055994529;
    constexpr double ln2Hi = 6.93147180369123816490e-01;
    constexpr double ln2Lo = 1.90821492927058770002e-10;

    const Vec t = madd<kFused>(x, Vec{} + log2e, shifter);
    const Vec n = t - shifter;
    Vec r;
    if constexpr (kFused)
        r = madd<kFused>(n, Vec{} - ln2, x);
    else
        r = (x - n * ln2Hi) - n * ln2Lo;

    // Even and odd powers in two independent chains: half the latency of one chain.
    const Vec r2 = r * r;
    Vec even = madd<kFused>(r2, Vec{} + 2.4884459751751116e-05, 0.0013888801749656543);
    even = madd<kFused>(even, r2, 0.041666667040551907);
    even = madd<kFused>(even, r2, 0.49999999999438588);
    even = madd<kFused>(even, r2, 1.0000000000000135);
    Vec odd = madd<kFused>(r2, Vec{} + 2.7632640675430236e-06, 0.00019841190647544241);
    odd = madd<kFused>(odd, r2, 0.0083333333673116031);
    odd = madd<kFused>(odd, r2, 0.16666666666615648);
    odd = madd<kFused>(odd, r2, 1.0000000000000013);
    const Vec p = madd<kFused>(odd, r, even);

    // 2^n built directly in the exponent field: the low bits of t hold n.
    const Mask scale = (__builtin_bit_cast(Mask, t) + 1023) << 52;
    return p * __builtin_bit_cast(Vec, scale);
}

// 10^(1/2) · e^-u on 0 <= u <= ln10/2, a degree-10 polynomial fitted on that interval
// (Chebyshev nodes): relative error below 1e-13. No range reduction is needed there.
template <bool kFused> [[gnu::always_inline]] inline Vec meteoFactor4(Vec u) {
    const Vec u2 = u * u;
    Vec even = madd<kFused>(u2, Vec{} + 4.934399741113236e-07, 7.7060497337497083e-05);
    even = madd<kFused>(even, u2, 0.0043912818826883455);
    even = madd<kFused>(even, u2, 0.13176149558529673);
    even = madd<kFused>(even, u2, 1.581138829310389);
    even = madd<kFused>(even, u2, 3.1622776601682738);
    Vec odd = madd<kFused>(u2, Vec{} - 7.7816778871425229e-06, -0.00062616156730257121);
    odd = madd<kFused>(odd, u2, -0.026352012872220134);
    odd = madd<kFused>(odd, u2, -0.52704626616874539);
    odd = madd<kFused>(odd, u2, -3.1622776601461537);
    return madd<kFused>(odd, u, even);
}

[[gnu::always_inline]] inline Vec sqrt4(Vec x) {
    Vec r;
    for (int l = 0; l < kLanes; ++l)
        r[l] = __builtin_sqrt(x[l]);
    return r;
}

struct Constants {
    double a2, twoA, cosine, spacing, heightDiff2;
    double slopeK;     // exponent of the ground term per metre
    double meteoFrom;  // Cm applies beyond this slant distance
    double meteoDistK; // u = meteoDistK / d
};

struct Terms {
    Vec t1; // 10^(-D/10) without the offset factor
    Vec t2; // the same with Cm
};

// The four points whose positions along the line, in spacings, are mid (j - 0.5 for point
// j); lanes not set in weigh give 0.
template <bool kFused>
[[gnu::always_inline]] inline Terms pointTerms(const Constants& c, Vec mid, Mask weigh) {
    const Vec zero{};
    const Vec x = mid * c.spacing;
    const Vec r2 = c.a2 + x * x - c.twoA * x * c.cosine;
    const Vec d2 = (r2 > 0.0 ? r2 : zero) + c.heightDiff2;
    const Vec d = sqrt4(d2);
    // A point source on the receiving point gives 1/0 = inf: the only way a sum becomes
    // infinite, which is how the caller learns of it.
    const Vec inv2 = weigh ? 1.0 / d2 : zero;
    const Vec e1 = c.slopeK * d;
    // Below e^-700 the term no longer counts; the clamp keeps 2^n inside the double range.
    const Vec t1 = inv2 * exp4<kFused>(e1 > -700.0 ? e1 : zero - 700.0);
    // Where Cm does not apply u may lie outside the polynomial's interval: keep it finite.
    const Vec u = c.meteoDistK * (d * inv2);
    const Vec t2 = t1 * meteoFactor4<kFused>(u < 2.0 ? u : zero + 2.0);
    return {t1, c.meteoFrom < d ? t2 : t1};
}

// One body, built twice: for any x86-64 and for processors with AVX2 and fused
// multiply-add, whose wider registers take all four lanes in one instruction.
template <bool kFused>
[[gnu::always_inline]] inline LineSums sumsKernel(const LineSetup& s, long points) {
    const double tenth = kLn10 / 10.0;
    const Constants c{s.a * s.a,          2.0 * s.a,
                      s.cosine,           s.length / s.pointCount,
                      s.heightDiff2,      -tenth * s.ground.slope,
                      10.0 * s.heightSum, tenth * 50.0 * s.heightSum};

    Vec s1{};
    Vec s2{};
    const Mask all = ~Mask{};
    Vec mid = Vec{0.5, 1.5, 2.5, 3.5};
    long first = 1;
    for (; first + kLanes - 1 <= points; first += kLanes, mid += kLanes) {
        const Terms t = pointTerms<kFused>(c, mid, all);
        s1 += t.t1;
        s2 += t.t2;
    }
    // The lanes past the final point are computed as well and weighed 0.
    if (first <= points) {
        const Terms t = pointTerms<kFused>(c, mid, mid < static_cast<double>(points));
        s1 += t.t1;
        s2 += t.t2;
    }

    LineSums sums;
    sums.s1 = (s1[0] + s1[1]) + (s1[2] + s1[3]);
    sums.s2 = (s2[0] + s2[1]) + (s2[2] + s2[3]);
    sums.coincident = std::isinf(sums.s1);
    const double offsetFactor = pow10(-s.ground.offset / 10.0);
    sums.s1 *= offsetFactor;
    sums.s2 *= offsetFactor;
    return sums;
}

} // namespace

LineSums lineSumsPlain(const LineSetup& setup, long points) {
    return sumsKernel<false>(setup, points);
}

#if defined(__x86_64__)
[[gnu::target("avx2,fma")]] LineSums lineSumsWide(const LineSetup& setup, long points) {
    return sumsKernel<true>(setup, points);
}

bool hasWideVectors() {
    static const bool available = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return available;
}
#else
LineSums lineSumsWide(const LineSetup& setup, long points) {
    return sumsKernel<false>(setup, points);
}
bool hasWideVectors() {
    return false;
}
#endif

LineSums lineSums(const LineSetup& setup, long points) {
    return hasWideVectors() ? lineSumsWide(setup, points) : lineSumsPlain(setup, points);
}

} // namespace orv::calc
