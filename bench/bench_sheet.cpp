// The calculation sheet of the largest project (500 line sources of 1000 point sources and
// 500 mobile sources, one of them surcharged) against limits 10 dB below every period's
// level, so that every source is asked what it alone would have to give up.

#include "calc/assessment.h"
#include "calc/geometry.h"
#include "calc/procedures.h"
#include "model/state.h"
#include "report/sheet.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <QRandomGenerator>

using namespace orv;

namespace {

// Whole tenths, as the input form stores them.
double tenth(QRandomGenerator& rng, double low, double high) {
    return std::round((low + rng.bounded(high - low)) * 10) / 10;
}

std::unique_ptr<State> largestRun() {
    auto s = std::make_unique<State>();
    Reset(*s);
    QRandomGenerator rng(7);
    s->project.receiverHeight = 5;
    s->sourceCount = {kMaxSources, kMaxSources};
    for (int i = 1; i <= kMaxSources; ++i) {
        SourceRecord& l = s->sources[0][i];
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
    s->sources[1][17].surchargeKx = 5;
    s->sections = Sections::initial(ReportKind::Transmission);
    s->reportKind = ReportKind::Transmission;
    if (!CheckIt(*s).done() || !runCalculationSteps(*s).done()) qFatal("benchmark project refused");
    assessListedSources(*s);
    return s;
}

void BM_Sheet_Largest(benchmark::State& bench) {
    const auto s = largestRun();
    SheetLimits limits;
    for (int p = 0; p < kPeriods; ++p) {
        limits.rated[p] = s->totalLaeq[p] - 10;
        limits.lamax[p] = s->totalLamax[p] - 10;
    }
    for (auto _ : bench) {
        const Sheet sheet = buildSheet(*s, limits);
        benchmark::DoNotOptimize(sheet.rows.data());
    }
    bench.SetItemsProcessed(bench.iterations() * 2 * kMaxSources * kPeriods);
}

} // namespace

// The repetitions give the median that the performance table quotes.
BENCHMARK(BM_Sheet_Largest)->Unit(benchmark::kMillisecond)->Repetitions(9);
