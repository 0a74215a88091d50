#include "calc/calcmath.h"
#include "calc/fastexp.h"
#include "calc/procedures.h"

#include "app/win1252.h"

namespace orv {

using calc::GroundLaw;
using calc::kLn10;
using calc::log10Classic;

namespace {

// The energy sums of one line source over its point sources: s1 of 10^(-D/10), s2 of
// 10^(-(D - Cm)/10). With D = 20·log10(d) + slope·d + offset,
//     10^(-D/10) = 10^(-offset/10) · exp(-slope·d·ln10/10) / d²
// and the Cm factor 10^(Cm/10) = exp(ln10/10·(5 - 50·(hs + hr)/d)) joins the exponent:
// no logarithm and no power per point, one square root, one division and one or two exp.
struct LineSums {
    double s1 = 0;
    double s2 = 0;
    bool coincident = false; // a point source lies on the receiving point
};

struct LineSetup {
    double a = 0; // distance of the start point
    double length = 0;
    double pointCount = 0;
    double cosine = 0; // at the start point
    double heightDiff2 = 0;
    double heightSum = 0;
    GroundLaw ground;
};

// Points are handled in blocks of fixed width so that the compiler keeps them in vector
// registers; partial sums per lane, added at the end.
constexpr int kLanes = 8;

LineSums lineSums(const LineSetup& s, long points) {
    const double tenth = kLn10 / 10.0;
    const double slopeK = -tenth * s.ground.slope;
    const double meteoK = tenth * 5.0;
    const double meteoDistK = tenth * 50.0 * s.heightSum;
    const double meteoFrom = 10.0 * s.heightSum;
    const double a2 = s.a * s.a;
    const double twoA = 2.0 * s.a;

    double acc1[kLanes] = {};
    double acc2[kLanes] = {};
    double zero[kLanes] = {};
    auto lane = [&](double j, int l) {
        const double x = (j - 0.5) * s.length / s.pointCount;
        double r2 = a2 + x * x - twoA * x * s.cosine;
        r2 = r2 > 0.0 ? r2 : 0.0;
        const double d2 = r2 + s.heightDiff2;
        const double d = std::sqrt(d2);
        const double inv = 1.0 / d;
        const double e1 = slopeK * d;
        const double e2 = e1 + meteoK - meteoDistK * inv;
        const double w = inv * inv;
        const double t1 = w * calc::expFast(e1);
        const double t2 = meteoFrom < d ? w * calc::expFast(e2) : t1;
        acc1[l] += t1;
        acc2[l] += t2;
        zero[l] += d2 == 0.0 ? 1.0 : 0.0;
    };
    long j = 1;
    for (; j + kLanes - 1 <= points; j += kLanes) {
        for (int l = 0; l < kLanes; ++l)
            lane(static_cast<double>(j + l), l);
    }
    for (int l = 0; j <= points; ++j, ++l)
        lane(static_cast<double>(j), l);

    LineSums sums;
    for (int l = 0; l < kLanes; ++l) {
        sums.s1 += acc1[l];
        sums.s2 += acc2[l];
        sums.coincident = sums.coincident || zero[l] != 0;
    }
    const double offsetFactor = calc::pow10(-s.ground.offset / 10.0);
    sums.s1 *= offsetFactor;
    sums.s2 *= offsetFactor;
    return sums;
}

} // namespace

QString coincidentPointMessage(const QString& description) {
    return QStringLiteral("Bron ") + trimmed(description) +
           QStringLiteral(": een bronpunt valt samen met het immissiepunt; berekening niet "
                          "uitgevoerd.");
}

QString Overdracht(State& state) {
    const double hr = state.project.receiverHeight;
    const GroundLaw ground = calc::groundLaw(state.project);

    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        const SourceRecord& source = state.sources[LineSource][i];
        SourceResult& row = state.results[LineSource][i];
        LineSetup setup;
        setup.a = source.distanceA;
        setup.length = source.length;
        setup.pointCount = source.pointCount;
        setup.cosine = row.startCosine;
        setup.heightDiff2 = (hr - source.height) * (hr - source.height);
        setup.heightSum = source.height + hr;
        setup.ground = ground;
        const LineSums sums =
            lineSums(setup, static_cast<long>(calc::roundHalfEven(source.pointCount)));
        if (sums.coincident) return coincidentPointMessage(source.description);
        // The energy mean over the point sources, and the Cm that turns it into the energy
        // mean of the individual losses each reduced by its own Cm.
        row.transmission = -10.0 * log10Classic(sums.s1 / source.pointCount);
        row.cm = 10.0 * log10Classic(sums.s2 / source.pointCount) + row.transmission;
    }

    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        const SourceRecord& source = state.sources[MobileSource][i];
        SourceResult& row = state.results[MobileSource][i];
        // The group of sub-sources stands at the geometric mean of its nearest and farthest
        // distance, formed as the mean of the two distance terms 20·log10(r).
        const double r = calc::pow10(
            ((20.0 * log10Classic(source.distanceA) + 20.0 * log10Classic(source.distanceB)) /
             2.0) /
            20.0);
        const double dh = hr - source.height;
        row.equivalentDistance = std::sqrt(dh * dh + r * r);
        row.cm = calc::meteoCorrection(row.equivalentDistance, source.height + hr);
        row.transmission = calc::transmissionLoss(row.equivalentDistance, ground);
    }
    return {};
}

} // namespace orv
