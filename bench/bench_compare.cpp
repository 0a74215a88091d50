// Two variants of the largest project (500 line sources of 1000 point sources and 500 mobile
// sources each) compared: both transmission runs on their own copies, the matching of the
// 1000 sources by name and the tables of the window.

#include "calc/variants.h"
#include "model/state.h"
#include "report/comparisontable.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <QRandomGenerator>

using namespace orv;

namespace {

double tenth(QRandomGenerator& rng, double low, double high) {
    return std::round((low + rng.bounded(high - low)) * 10) / 10;
}

std::unique_ptr<State> largestProject() {
    auto s = std::make_unique<State>();
    Reset(*s);
    QRandomGenerator rng(11);
    s->project.receiverHeight = 5;
    s->sourceCount = {kMaxSources, kMaxSources};
    for (int i = 1; i <= kMaxSources; ++i) {
        SourceRecord& l = s->sources[0][i];
        l.description = QStringLiteral("Route %1").arg(i).leftJustified(kDescriptionWidth);
        l.lwA = tenth(rng, 80, 110);
        l.lwAMax = l.lwA + 8;
        l.pointCount = 1000;
        l.length = tenth(rng, 50, 1000);
        l.speed = 5 + rng.bounded(76);
        for (double& m : l.movements)
            m = 1 + rng.bounded(200);
        l.height = tenth(rng, 0.5, 4);
        l.distanceA = tenth(rng, 300, 600);
        l.distanceB = l.distanceA + l.length / 2; // a valid triangle
        SourceRecord& m = s->sources[1][i];
        m.description = QStringLiteral("Bron %1").arg(i).leftJustified(kDescriptionWidth);
        m.lwA = tenth(rng, 80, 110);
        m.lwAMax = m.lwA + 6;
        m.pointCount = 1 + rng.bounded(20);
        m.operatingHours[0] = tenth(rng, 0.1, 12);
        m.operatingHours[1] = tenth(rng, 0.1, 4);
        m.operatingHours[2] = tenth(rng, 0.1, 8);
        m.height = tenth(rng, 0.5, 4);
        m.distanceA = tenth(rng, 1, 250);
        m.distanceB = tenth(rng, m.distanceA, 500);
    }
    return s;
}

void BM_Compare_Largest(benchmark::State& bench) {
    const auto a = largestProject();
    auto b = std::make_unique<State>(*a);
    // The variant: every tenth source 2 dB quieter, one of each kind gone.
    for (int i = 1; i <= kMaxSources; i += 10) {
        b->sources[0][i].lwA -= 2;
        b->sources[1][i].lwA -= 2;
    }
    b->sources[0][250].description =
        QStringLiteral("Nieuwe route").leftJustified(kDescriptionWidth);
    b->sources[1][250].description = QStringLiteral("Nieuwe bron").leftJustified(kDescriptionWidth);
    SheetLimits limits;
    for (int p = 0; p < kPeriods; ++p)
        limits.rated[p] = 50;
    for (auto _ : bench) {
        const VariantLevels va = assessVariant(*a);
        const VariantLevels vb = assessVariant(*b);
        if (!va.outcome.done() || !vb.outcome.done()) bench.SkipWithError("refused");
        benchmark::DoNotOptimize(compareVariants(va, vb, limits));
    }
}
BENCHMARK(BM_Compare_Largest)->Unit(benchmark::kMillisecond);

// The window's two tables of that comparison, every number formatted.
void BM_CompareTables_Largest(benchmark::State& bench) {
    const auto a = largestProject();
    const VariantLevels va = assessVariant(*a);
    const Comparison c = compareVariants(va, va, {});
    for (auto _ : bench) {
        benchmark::DoNotOptimize(comparisonSourceTable(c));
        benchmark::DoNotOptimize(comparisonPeriodTable(c));
    }
}
BENCHMARK(BM_CompareTables_Largest)->Unit(benchmark::kMillisecond);

} // namespace
