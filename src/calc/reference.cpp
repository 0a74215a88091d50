#include "calc/reference.h"

#include "calc/calcmath.h"
#include "calc/procedures.h"

namespace orv::reference {

using calc::log10Classic;
using calc::pow10;

QString Overdracht(State& state) {
    const double hr = state.project.receiverHeight;
    const calc::GroundLaw ground = calc::groundLaw(state.project);

    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        const SourceRecord& source = state.sources[LineSource][i];
        SourceResult& row = state.results[LineSource][i];
        const double hs = source.height;
        const long points = static_cast<long>(calc::roundHalfEven(source.pointCount));
        double s1 = 0;
        double s2 = 0;
        for (long j = 1; j <= points; ++j) {
            const double x = (static_cast<double>(j) - 0.5) * source.length / source.pointCount;
            const double r = calc::thirdSide(source.distanceA, x, row.startCosine);
            const double d = std::sqrt(r * r + (hr - hs) * (hr - hs));
            if (d == 0) return coincidentPointMessage(source.description);
            const double loss = calc::transmissionLoss(d, ground);
            const double meteo = calc::meteoCorrection(d, hs + hr);
            s1 += pow10(-loss / 10.0);
            s2 += pow10(-(loss - meteo) / 10.0);
        }
        row.transmission = -10.0 * log10Classic(s1 / source.pointCount);
        row.cm = 10.0 * log10Classic(s2 / source.pointCount) + row.transmission;
    }

    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        const SourceRecord& source = state.sources[MobileSource][i];
        SourceResult& row = state.results[MobileSource][i];
        const double r =
            pow10(((20.0 * log10Classic(source.distanceA) + 20.0 * log10Classic(source.distanceB)) /
                   2.0) /
                  20.0);
        row.equivalentDistance = std::sqrt((hr - source.height) * (hr - source.height) + r * r);
        row.cm = calc::meteoCorrection(row.equivalentDistance, source.height + hr);
        row.transmission = calc::transmissionLoss(row.equivalentDistance, ground);
    }
    return {};
}

QString transmissionSteps(State& state) {
    Cbedrijfsduur(state);
    QString refusal = reference::Overdracht(state);
    if (refusal.isEmpty()) refusal = OverdrachtMax(state).message;
    if (refusal.isEmpty()) Immissie(state);
    return refusal;
}

} // namespace orv::reference
