// The calculation sheet of the largest project (500 line sources of 1000 point sources and
// 500 mobile sources, one of them surcharged) against limits 10 dB below every period's
// level, so that every source is asked what it alone would have to give up.

#include "calc/assessment.h"
#include "calc/geometry.h"
#include "calc/procedures.h"
#include "largestproject.h"
#include "model/state.h"
#include "report/sheet.h"

#include <benchmark/benchmark.h>

using namespace orv;

namespace {

std::unique_ptr<State> largestRun() {
    auto s = orv::bench::largestProject();
    s->sources[1][17].surchargeKx = 5;
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
