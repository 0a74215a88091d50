// Two variants of the largest project (500 line sources of 1000 point sources and 500 mobile
// sources each) compared: both transmission runs on their own copies, the matching of the
// 1000 sources by name and the tables of the window.

#include "calc/variants.h"
#include "largestproject.h"
#include "model/state.h"
#include "report/comparisontable.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace orv;

namespace {

using bench::largestProject;

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
