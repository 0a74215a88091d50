#include "calc/calcmath.h"
#include "calc/procedures.h"

#include "base/win1252.h"

#include <algorithm>

namespace orv {

using calc::GroundLaw;

QString minimumPointsWarning(const QString& description, double minimumPoints) {
    return QStringLiteral("Bron ") + rtrimmed(description) +
           QStringLiteral(" dient minimaal uit ") + QString::number(minimumPoints, 'f', 0) +
           QStringLiteral(" bronpunten te bestaan!");
}

QString receiverOnLineMessage(const QString& description) {
    return QStringLiteral("Bron ") + trimmed(description) +
           QStringLiteral(": het immissiepunt ligt op de lijnbron; berekening niet uitgevoerd.");
}

Outcome OverdrachtMax(State& state) {
    Outcome run;
    const double hr = state.project.receiverHeight;
    const GroundLaw ground = calc::groundLaw(state.project);

    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        const SourceRecord& source = state.sources[LineSource][i];
        SourceResult& row = state.results[LineSource][i];
        const double a = source.distanceA;
        const double b = source.distanceB;
        const double c = row.lineLength;
        row.perpendicularDistance = calc::heronHeight(a, b, c);
        const double startCosine = calc::cosineRule(c, a, b);
        const double endCosine = calc::cosineRule(c, b, a);
        // The foot of the perpendicular lies strictly inside the segment only when both
        // angles at the ends are acute; otherwise the nearer end is the nearest point.
        const double nearest =
            startCosine > 0 && endCosine > 0 ? row.perpendicularDistance : (a < b ? a : b);
        // The check on the triangle lets a receiving point that rounding puts on the
        // segment slip through: its nearest distance is 0 and no spacing rule can hold.
        if (nearest == 0) {
            return Outcome::refused(Refusal::Geometry, receiverOnLineMessage(source.description));
        }
        // Point sources should lie no further apart than half the nearest distance.
        const double minimumPoints = calc::roundHalfEven(2.0 * source.length / nearest);
        if (source.pointCount < minimumPoints)
            run.warnings.append(minimumPointsWarning(source.description, minimumPoints));
        const double dh = hr - source.height;
        const double d = std::sqrt(dh * dh + nearest * nearest);
        row.cmMax = calc::meteoCorrection(d, source.height + hr);
        row.transmissionMax = calc::transmissionLoss(d, ground);
    }

    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        const SourceRecord& source = state.sources[MobileSource][i];
        SourceResult& row = state.results[MobileSource][i];
        const double dh = hr - source.height;
        const double d = std::sqrt(dh * dh + source.distanceA * source.distanceA);
        row.cmMax = calc::meteoCorrection(d, source.height + hr);
        row.transmissionMax = calc::transmissionLoss(d, ground);
    }

    return run;
}

} // namespace orv
