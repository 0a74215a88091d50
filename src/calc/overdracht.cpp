#include "calc/calcmath.h"
#include "calc/linesums.h"
#include "calc/procedures.h"

#include "base/win1252.h"

namespace orv {

using calc::GroundLaw;
using calc::kLn10;
using calc::LineSums;
using calc::log10Classic;

QString coincidentPointMessage(const QString& description) {
    return QStringLiteral("Bron ") + trimmed(description) +
           QStringLiteral(": een bronpunt valt samen met het immissiepunt; berekening niet "
                          "uitgevoerd.");
}

namespace calc {

LineSetup lineSetup(const State& state, int number) {
    const SourceRecord& source = state.sources[LineSource][number];
    const double hr = state.project.receiverHeight;
    LineSetup setup;
    setup.a = source.distanceA;
    setup.length = source.length;
    setup.pointCount = source.pointCount;
    setup.cosine = state.results[LineSource][number].startCosine;
    setup.heightDiff2 = (hr - source.height) * (hr - source.height);
    setup.heightSum = source.height + hr;
    setup.ground = groundLaw(state.project);
    return setup;
}

} // namespace calc

Outcome Overdracht(State& state) {
    const double hr = state.project.receiverHeight;
    const GroundLaw ground = calc::groundLaw(state.project);

    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        const SourceRecord& source = state.sources[LineSource][i];
        SourceResult& row = state.results[LineSource][i];
        const LineSums sums = calc::lineSums(
            calc::lineSetup(state, i), static_cast<long>(calc::roundHalfEven(source.pointCount)));
        if (sums.coincident)
            return Outcome::refused(Refusal::Geometry, coincidentPointMessage(source.description));
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
