#include "largestproject.h"

#include "calc/geometry.h"

#include <cmath>
#include <QRandomGenerator>

namespace orv::bench {
namespace {

double tenth(QRandomGenerator& rng, double low, double high) {
    return std::round((low + rng.bounded(high - low)) * 10) / 10;
}

// Every source within the form's limits, every line a valid triangle, all periods busy.
// Drawing it takes seconds (a line of nearly 1000 m needs many draws of its two distances
// before they form a triangle), so it is drawn once and copied for each benchmark.
std::unique_ptr<State> drawLargestProject() {
    auto s = std::make_unique<State>();
    Reset(*s);
    QRandomGenerator rng(2024);
    s->project.receiverHeight = 5;
    s->sourceCount = {kMaxSources, kMaxSources};
    for (int i = 1; i <= kMaxSources; ++i) {
        SourceRecord& l = s->sources[0][i];
        // Names of their own, so that a comparison of two variants matches them one to one.
        l.description = QStringLiteral("Route %1").arg(i).leftJustified(kDescriptionWidth);
        l.lwA = tenth(rng, 80, 110);
        l.lwAMax = l.lwA + 8;
        l.pointCount = 1000;
        l.length = tenth(rng, 50, 1000);
        l.speed = 5 + rng.bounded(76);
        for (double& m : l.movements)
            m = rng.bounded(200);
        l.height = tenth(rng, 0.5, 4);
        do {
            l.distanceA = tenth(rng, 1, 500);
            l.distanceB = tenth(rng, 1, 500);
        } while (std::abs(l.distanceA - l.distanceB) >= l.length ||
                 l.distanceA + l.distanceB <= l.length);
        SourceRecord& m = s->sources[1][i];
        m.description = QStringLiteral("Bron %1").arg(i).leftJustified(kDescriptionWidth);
        m.lwA = tenth(rng, 80, 110);
        m.lwAMax = m.lwA + 6;
        m.pointCount = 1 + rng.bounded(20);
        m.operatingHours[0] = tenth(rng, 0, 12);
        m.operatingHours[1] = tenth(rng, 0, 4);
        m.operatingHours[2] = tenth(rng, 0, 8);
        m.height = tenth(rng, 0.5, 4);
        m.distanceA = tenth(rng, 1, 250);
        m.distanceB = tenth(rng, m.distanceA, 500);
    }
    s->sections = *Sections::fromText(QStringLiteral("1111"));
    if (!CheckIt(*s).done()) qFatal("benchmark project fails the geometry check");
    return s;
}

} // namespace

std::unique_ptr<State> largestProject() {
    static const std::unique_ptr<const State> drawn = drawLargestProject();
    return std::make_unique<State>(*drawn);
}

} // namespace orv::bench
