#include "calc/geometry.h"

#include "base/numberformat.h"
#include "base/win1252.h"
#include "calc/calcmath.h"

namespace orv {

using calc::cosineRule;

namespace {

Outcome refuse(const QString& text) {
    return Outcome::refused(Refusal::Geometry, text);
}

} // namespace

Outcome CheckIt(State& state) {
    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        const SourceRecord& source = state.sources[LineSource][i];
        SourceResult& row = state.results[LineSource][i];
        row.lineLength = source.length;
        row.startCosine = cosineRule(row.lineLength, source.distanceA, source.distanceB);
        if (row.startCosine < -1 || row.startCosine > 1) {
            return refuse(QStringLiteral("De ingevoerde lengte van lijnbron ") +
                          rtrimmed(source.description) +
                          QStringLiteral(" komt niet overeen met de opgegeven "
                                         "afstanden tot de rijlijn!"));
        }
        // The receiving point lies on the line through the source, on the start side or on
        // the segment: one of the distances is then 0.
        if (row.startCosine == 1) {
            return refuse(QStringLiteral("Kan geen afstand tot lijnbron ") +
                          trimmed(source.description) + QStringLiteral(" bepalen"));
        }
    }
    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        const SourceRecord& source = state.sources[MobileSource][i];
        if (source.distanceB < source.distanceA) {
            return refuse(QStringLiteral("Grootste afstand tot mobiele (deel)bron ") +
                          trimmed(source.description) +
                          QStringLiteral(" is kleiner dan kleinste afstand!"));
        }
    }
    return {};
}

GeometryTest geometryTest(double length, double startDistance, double endDistance,
                          const QString& description, const QString& lineEnd) {
    GeometryTest test;
    test.caption = QStringLiteral("Geometrie lijnbron ") + trimmed(description);
    test.text = QStringLiteral("Lengte rijlijn = ") + formatNumber(length, u"#0.0") +
                QStringLiteral(" m¹") + lineEnd;
    const double cosine = cosineRule(length, startDistance, endDistance);
    if (cosine < -1 || cosine > 1) {
        test.outcome.refusal = Refusal::Geometry;
        test.text += QStringLiteral(
            "De ingevoerde lengte van lijnbron komt niet overeen met de opgegeven afstanden "
            "tot de rijlijn!");
        return test;
    }
    if (cosine == 1) {
        test.outcome.refusal = Refusal::Geometry;
        test.text += QStringLiteral("Kan geen afstand tot lijnbron bepalen!");
        return test;
    }
    // The end distances and the line need not form a triangle between themselves within
    // rounding, so the angle's cosine is kept inside -1..1.
    const double viewCosine = std::clamp(cosineRule(startDistance, endDistance, length), -1.0, 1.0);
    test.viewAngle = calc::arcCosDegrees(viewCosine);
    test.perpendicularDistance = calc::heronHeight(startDistance, endDistance, length);
    test.text += QStringLiteral("Loodrechte afstand tot rijlijn = ") +
                 formatNumber(test.perpendicularDistance, u"#0.00") + QStringLiteral(" m¹") +
                 lineEnd + QStringLiteral("Zichthoek vanuit immissiepunt = ") +
                 formatNumber(test.viewAngle, u"#0.00") + QStringLiteral("°");
    return test;
}

} // namespace orv
