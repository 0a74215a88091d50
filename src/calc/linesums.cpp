#include "calc/linesums.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace orv::calc {

// With D = 20·log10(d) + slope·d + offset,
//     10^(-D/10) = 10^(-offset/10) · e^(-slope·d·ln10/10) / d²
// and the Cm factor 10^(Cm/10) = 10^(1/2) · e^-u with u = ln10/10 · 50·(hs + hr)/d: per
// point one square root, one division, the ground factor e^(-slope·d·ln10/10) and one short
// polynomial for the Cm factor, whose u never leaves 0..ln10/2 where Cm applies. No
// logarithm and no power. On a finely divided line the ground factor of a point follows
// from that of the point four places back by a short series (see sumsKernel).
//
// Four points at a time in vector registers. The helpers are always inlined: each clone of
// the loop (AVX2 and plain) passes vectors in its own registers, so they must never be
// called across.
//
// Accuracy: r² and d are formed as the formulas form them, because a receiving point close
// to the line makes r² a difference of nearly equal numbers, where another order of
// operations changes the result. Only x comes from one multiplication by the spacing instead
// of a division: a unit in its last place moves a term near the line by up to 1e-13 of
// itself. The polynomials are accurate to a few units in the last place; the sums agree
// with the formulas to a few 1e-13 dB.

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
// under 40 km. Without fused multiply-add, ln2 is split in a part whose products with n are
// exact and a small rest. On |r| <= ln2/2 a degree-10 polynomial fitted to e^r (Chebyshev
// nodes) leaves a relative error below 4e-16.
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
    Vec even = madd<kFused>(r2, Vec{} + 2.7626357241447223e-07, 2.4801504346997686e-05);
    even = madd<kFused>(even, r2, 0.0013888888932488599);
    even = madd<kFused>(even, r2, 0.041666666666573142);
    even = madd<kFused>(even, r2, 0.50000000000000056);
    even = madd<kFused>(even, r2, 1.0);
    Vec odd = madd<kFused>(r2, Vec{} + 2.764018079620985e-06, 0.00019841170270440067);
    odd = madd<kFused>(odd, r2, 0.0083333333856677825);
    odd = madd<kFused>(odd, r2, 0.16666666666554406);
    odd = madd<kFused>(odd, r2, 1.0000000000000067);
    const Vec p = madd<kFused>(odd, r, even);

    // 2^n built directly in the exponent field: the low bits of t hold n.
    const Mask scale = (__builtin_bit_cast(Mask, t) + 1023) << 52;
    return p * __builtin_bit_cast(Vec, scale);
}

// 10^(1/2) · e^-u on 0 <= u <= ln10/2, a degree-11 polynomial fitted on that interval
// (Chebyshev nodes): relative error below 3e-15. No range reduction is needed there.
template <bool kFused> [[gnu::always_inline]] inline Vec meteoFactor4(Vec u) {
    const Vec u2 = u * u;
    Vec even = madd<kFused>(u2, Vec{} - 4.4834381466329657e-08, -8.5597237322696035e-06);
    even = madd<kFused>(even, u2, -0.00062731825294936542);
    even = madd<kFused>(even, u2, -0.026352296004087852);
    even = madd<kFused>(even, u2, -0.5270462762687218);
    even = madd<kFused>(even, u2, -3.1622776601677476);
    Vec odd = madd<kFused>(u2, Vec{} + 7.7764553873913608e-07, 7.8264311751155688e-05);
    odd = madd<kFused>(odd, u2, 0.0043919959305590657);
    odd = madd<kFused>(odd, u2, 0.13176156558908264);
    odd = madd<kFused>(odd, u2, 1.5811388300579936);
    odd = madd<kFused>(odd, u2, 3.1622776601683769);
    return madd<kFused>(even, u, odd);
}

[[gnu::always_inline]] inline Vec sqrt4(Vec x) {
    Vec r;
    for (int l = 0; l < kLanes; ++l)
        r[l] = __builtin_sqrt(x[l]);
    return r;
}

struct Constants {
    double a2, twoA, cosine, spacing, heightDiff2;
    double slopeK;     // exponent of the ground factor per metre
    double meteoFrom;  // Cm applies beyond this slant distance
    double meteoDistK; // u = meteoDistK / d
};

// e^z for |z| <= kStepLimit, the ratio of the ground factors of one lane's consecutive
// points: Taylor to z^6 leaves 4e-17.
constexpr double kStepLimit = 0.015;
template <bool kFused> [[gnu::always_inline]] inline Vec expStep4(Vec z) {
    Vec p = madd<kFused>(z, Vec{} + 1.0 / 720.0, 1.0 / 120.0);
    p = madd<kFused>(p, z, 1.0 / 24.0);
    p = madd<kFused>(p, z, 1.0 / 6.0);
    p = madd<kFused>(p, z, 0.5);
    p = madd<kFused>(p, z, 1.0);
    return madd<kFused>(p, z, 1.0);
}

struct Point {
    Vec d;    // slant distance
    Vec inv2; // 1/d², 0 in lanes not weighed
};

// The four points whose positions along the line, in spacings, are mid (j - 0.5 for point
// j); lanes not set in weigh get weight 0.
[[gnu::always_inline]] inline Point geometry(const Constants& c, Vec mid, Mask weigh) {
    const Vec zero{};
    const Vec x = mid * c.spacing;
    const Vec r2 = c.a2 + x * x - c.twoA * x * c.cosine;
    const Vec d2 = (r2 > 0.0 ? r2 : zero) + c.heightDiff2;
    // A point source on the receiving point gives 1/0 = inf: the only way a sum becomes
    // infinite, which is how the caller learns of it.
    return {sqrt4(d2), weigh ? 1.0 / d2 : zero};
}

// The ground factor e^(slopeK·d) in full. Below e^-700 a term no longer counts; the clamp
// keeps 2^n inside the double range.
template <bool kFused> [[gnu::always_inline]] inline Vec groundFactor(const Constants& c, Vec d) {
    const Vec e = c.slopeK * d;
    return exp4<kFused>(e > -700.0 ? e : Vec{} - 700.0);
}

struct Sums {
    Vec s1{}; // 10^(-D/10) without the offset factor
    Vec s2{}; // the same with Cm

    template <bool kFused>
    [[gnu::always_inline]] void add(const Constants& c, const Point& p, Vec ground) {
        const Vec t1 = p.inv2 * ground;
        // Where Cm does not apply u may lie outside the polynomial's interval: keep it finite.
        const Vec u = c.meteoDistK * (p.d * p.inv2);
        const Vec t2 = t1 * meteoFactor4<kFused>(u < 2.0 ? u : Vec{} + 2.0);
        s1 += t1;
        s2 += c.meteoFrom < p.d ? t2 : t1;
    }
};

// One body, built twice: for any x86-64 and for processors with AVX2 and fused
// multiply-add, whose wider registers take all four lanes in one instruction.
//
// Where the points lie close enough together, a lane's ground factor follows from the one
// four points back: e^(k·d) = e^(k·d') · e^(k·(d - d')), and |d - d'| is at most the four
// spacings between them, so the step takes a short series instead of a full exponential.
// Each step adds a rounding; the exact value is taken again every kStepsPerSeed steps so
// that the drift stays below 1e-14.
constexpr int kStepsPerSeed = 32;
template <bool kFused>
[[gnu::always_inline]] inline LineSums sumsKernel(const LineSetup& s, long points) {
    const double tenth = kLn10 / 10.0;
    const Constants c{s.a * s.a,          2.0 * s.a,
                      s.cosine,           s.length / s.pointCount,
                      s.heightDiff2,      -tenth * s.ground.slope,
                      10.0 * s.heightSum, tenth * 50.0 * s.heightSum};
    const bool stepwise = -c.slopeK * kLanes * c.spacing <= kStepLimit;

    Sums sums;
    const Mask all = ~Mask{};
    Vec mid = Vec{0.5, 1.5, 2.5, 3.5};
    long first = 1;
    while (first + kLanes - 1 <= points) {
        Point p = geometry(c, mid, all);
        Vec ground = groundFactor<kFused>(c, p.d);
        sums.add<kFused>(c, p, ground);
        first += kLanes;
        mid += kLanes;
        for (int step = 1; stepwise && step < kStepsPerSeed && first + kLanes - 1 <= points;
             ++step, first += kLanes, mid += kLanes) {
            const Point next = geometry(c, mid, all);
            ground *= expStep4<kFused>(c.slopeK * (next.d - p.d));
            p = next;
            sums.add<kFused>(c, p, ground);
        }
    }
    // The lanes past the final point are computed as well and weighed 0.
    if (first <= points) {
        const Point p = geometry(c, mid, mid < static_cast<double>(points));
        sums.add<kFused>(c, p, groundFactor<kFused>(c, p.d));
    }

    // Pairwise, as the lanes stand: four partial sums of every fourth point.
    const double offsetFactor = pow10(-s.ground.offset / 10.0);
    LineSums result;
    result.s1 = ((sums.s1[0] + sums.s1[1]) + (sums.s1[2] + sums.s1[3])) * offsetFactor;
    result.s2 = ((sums.s2[0] + sums.s2[1]) + (sums.s2[2] + sums.s2[3])) * offsetFactor;
    result.coincident = std::isinf(result.s1);
    return result;
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
